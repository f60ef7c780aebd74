// StaticBody.h -- a rigid body mesh compiled once into a display list (the crab's carapace).
//
// Most fish are parts bent every frame; an animal whose body never bends keeps it as a triangle
// table instead. Each face holds nine indices: three positions, three normals and three texture
// coordinates, one of each per corner. Faces are grouped by material; a group boundary applies
// nothing of its own, it only records how the model was made.
#pragma once

#include <cstdint>

struct StaticBodyGroup
{
    int material;
    int faceCount;
};

struct StaticBody
{
    const float* positions = nullptr; // x, y, z per entry, mesh units
    const float* normals = nullptr;   // x, y, z per entry, unit length
    const float* texCoords = nullptr; // u, v per entry
    const uint16_t* faces = nullptr;  // 9 per face: positions, normals, texture coordinates
    int faceCount = 0;
    const StaticBodyGroup* groups = nullptr;
    int groupCount = 0;
};

// Compiles the body, every position times `size`, into a new display list and returns its name;
// 0 when GL gives no list. Needs a current GL context.
uint32_t CompileStaticBody(const StaticBody& body, float size);
