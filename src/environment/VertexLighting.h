// VertexLighting.h -- the colour the fixed pipeline gives a vertex, worked out on the processor.
//
// A program that stands in for fixed-function drawing has to colour its geometry as the fixed
// pipeline would have coloured the geometry it replaces. Capture() reads the lighting state as it
// stands (the current colour and normal, material, colour material, scene ambient, every enabled
// light); ColourAt() then gives the clamped colour of a vertex sent now. The state the tank uses
// is reproduced: positional and directional lights with attenuation, ambient and diffuse terms,
// emission, colour material in any mode. Spot lights, specular highlights and rescaled normals are
// not, and Capture() answers false for them, so that the caller keeps its fixed-function path.
#pragma once

#include <array>

using Matrix4 = std::array<double, 16>; // column-major, as GL stores its matrices
using Rgba = std::array<float, 4>;

class CVertexLighting
{
public:
    // Reads the state that lights a vertex sent now; false when it holds something not reproduced.
    bool Capture();

    // The colour, clamped to 0..1, of a vertex at `position` (object coordinates) drawn under
    // `modelview`, with the current colour and normal.
    Rgba ColourAt(const Matrix4& modelview, const std::array<double, 3>& position) const;

private:
    static constexpr int kMaxLights = 8;
    struct Light
    {
        std::array<float, 4> position; // eye coordinates; w 0 for a directional light
        std::array<float, 4> ambient;
        std::array<float, 4> diffuse;
        float constantAttenuation;
        float linearAttenuation;
        float quadraticAttenuation;
    };

    bool lit = false;       // GL_LIGHTING: without it a vertex takes the current colour
    bool normalize = false; // GL_NORMALIZE
    Rgba colour{};          // the current colour
    std::array<float, 3> normal{};
    Rgba emission{};
    Rgba ambient{}; // the material's, after colour material
    Rgba diffuse{};
    Rgba sceneAmbient{};
    std::array<Light, kMaxLights> lights{};
    int lightCount = 0;
};
