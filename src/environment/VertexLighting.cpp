// VertexLighting.cpp -- fixed-function vertex lighting (one colour per vertex) on the processor.
#include "environment/VertexLighting.h"

#include "platform/GLHeaders.h"

#include <algorithm>
#include <cmath>

namespace {
Rgba Clamped(const Rgba& c)
{
    return {std::clamp(c[0], 0.0f, 1.0f), std::clamp(c[1], 0.0f, 1.0f), std::clamp(c[2], 0.0f, 1.0f),
            std::clamp(c[3], 0.0f, 1.0f)};
}

std::array<float, 4> Material(GLenum parameter)
{
    std::array<float, 4> value{};
    glGetMaterialfv(GL_FRONT, parameter, value.data());
    return value;
}

std::array<float, 4> LightValue(GLenum light, GLenum parameter)
{
    std::array<float, 4> value{};
    glGetLightfv(light, parameter, value.data());
    return value;
}

float LightScalar(GLenum light, GLenum parameter)
{
    float value = 0.0f;
    glGetLightfv(light, parameter, &value);
    return value;
}

// The upper 3 x 3 of a column-major matrix, inverted and transposed: what carries normals.
std::array<double, 9> NormalMatrix(const Matrix4& m)
{
    const double a = m[0], b = m[4], c = m[8];
    const double d = m[1], e = m[5], f = m[9];
    const double g = m[2], h = m[6], i = m[10];
    const double cofactors[9] = {e * i - f * h, f * g - d * i, d * h - e * g, c * h - b * i, a * i - c * g,
                                 b * g - a * h, b * f - c * e, c * d - a * f, a * e - b * d};
    const double determinant = a * cofactors[0] + b * cofactors[1] + c * cofactors[2];
    std::array<double, 9> result{}; // row-major: row r is cofactors r / determinant
    if (determinant == 0.0)
        return result;
    for (int k = 0; k < 9; ++k)
        result[k] = cofactors[k] / determinant;
    return result;
}
} // namespace

bool CVertexLighting::Capture()
{
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    lit = glIsEnabled(GL_LIGHTING) == GL_TRUE;
    if (!lit)
        return true;
    if (glIsEnabled(GL_RESCALE_NORMAL) == GL_TRUE)
        return false;
    normalize = glIsEnabled(GL_NORMALIZE) == GL_TRUE;
    glGetFloatv(GL_CURRENT_NORMAL, normal.data());
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, sceneAmbient.data());

    emission = Material(GL_EMISSION);
    ambient = Material(GL_AMBIENT);
    diffuse = Material(GL_DIFFUSE);
    Rgba specular = Material(GL_SPECULAR);
    if (glIsEnabled(GL_COLOR_MATERIAL) == GL_TRUE) {
        GLint face = 0;
        GLint tracked = 0;
        glGetIntegerv(GL_COLOR_MATERIAL_FACE, &face);
        glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &tracked);
        if (face != GL_BACK) {
            if (tracked == GL_EMISSION)
                emission = colour;
            if (tracked == GL_AMBIENT || tracked == GL_AMBIENT_AND_DIFFUSE)
                ambient = colour;
            if (tracked == GL_DIFFUSE || tracked == GL_AMBIENT_AND_DIFFUSE)
                diffuse = colour;
            if (tracked == GL_SPECULAR)
                specular = colour;
        }
    }

    GLint maxLights = 0;
    glGetIntegerv(GL_MAX_LIGHTS, &maxLights);
    lightCount = 0;
    for (int index = 0; index < maxLights; ++index) {
        const GLenum name = GL_LIGHT0 + index;
        if (glIsEnabled(name) != GL_TRUE)
            continue;
        if (lightCount == kMaxLights || LightScalar(name, GL_SPOT_CUTOFF) != 180.0f)
            return false;
        const std::array<float, 4> lightSpecular = LightValue(name, GL_SPECULAR);
        for (int c = 0; c < 3; ++c)
            if (lightSpecular[c] * specular[c] != 0.0f)
                return false;
        Light& light = lights[lightCount++];
        light.position = LightValue(name, GL_POSITION);
        light.ambient = LightValue(name, GL_AMBIENT);
        light.diffuse = LightValue(name, GL_DIFFUSE);
        light.constantAttenuation = LightScalar(name, GL_CONSTANT_ATTENUATION);
        light.linearAttenuation = LightScalar(name, GL_LINEAR_ATTENUATION);
        light.quadraticAttenuation = LightScalar(name, GL_QUADRATIC_ATTENUATION);
    }
    return true;
}

Rgba CVertexLighting::ColourAt(const Matrix4& m, const std::array<double, 3>& p) const
{
    if (!lit)
        return Clamped(colour);

    double eye[3];
    for (int r = 0; r < 3; ++r)
        eye[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
    const std::array<double, 9> carry = NormalMatrix(m);
    double n[3];
    for (int r = 0; r < 3; ++r)
        n[r] = carry[3 * r] * normal[0] + carry[3 * r + 1] * normal[1] + carry[3 * r + 2] * normal[2];
    if (normalize) {
        const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (length > 0.0)
            for (double& component : n)
                component /= length;
    }

    double sum[3];
    for (int c = 0; c < 3; ++c)
        sum[c] = emission[c] + static_cast<double>(sceneAmbient[c]) * ambient[c];
    for (int k = 0; k < lightCount; ++k) {
        const Light& light = lights[k];
        double toLight[3];
        double attenuation = 1.0;
        if (light.position[3] == 0.0f) {
            for (int c = 0; c < 3; ++c)
                toLight[c] = light.position[c];
        } else {
            for (int c = 0; c < 3; ++c)
                toLight[c] = light.position[c] / light.position[3] - eye[c];
            const double distance =
                std::sqrt(toLight[0] * toLight[0] + toLight[1] * toLight[1] + toLight[2] * toLight[2]);
            attenuation = 1.0 / (light.constantAttenuation + light.linearAttenuation * distance +
                                 light.quadraticAttenuation * distance * distance);
        }
        const double length = std::sqrt(toLight[0] * toLight[0] + toLight[1] * toLight[1] + toLight[2] * toLight[2]);
        const double facing =
            length > 0.0 ? std::max(0.0, (n[0] * toLight[0] + n[1] * toLight[1] + n[2] * toLight[2]) / length) : 0.0;
        for (int c = 0; c < 3; ++c)
            sum[c] += attenuation *
                      (static_cast<double>(light.ambient[c]) * ambient[c] + facing * light.diffuse[c] * diffuse[c]);
    }
    return Clamped({static_cast<float>(sum[0]), static_cast<float>(sum[1]), static_cast<float>(sum[2]), diffuse[3]});
}
