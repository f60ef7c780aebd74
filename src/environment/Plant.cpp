// Plant.cpp -- the plants' sway and bend generators and their vertex emission.
#include "environment/Plant.h"

#include "platform/GLHeaders.h"
#include "platform/Random.h"

#include <cmath>

namespace {
constexpr float kTwoPi = 6.283185f;
constexpr double kDegreesToRadians = 0.017453292519943295;
} // namespace

CPlant::CPlant() : bend(static_cast<float>(Rand15() % 10)) {}

void CPlant::StepSway(float* out, int n, float amplitude)
{
    if (swayTick++ > 1) {
        swayTick = 0;
        swayPhase += swayStep;
    }
    if (swayPhase > kTwoPi)
        swayPhase = 0.0f;
    for (int i = 0; i < n; ++i)
        out[i] = amplitude * std::sin(static_cast<float>(i) * swayFrequency + swayPhase);
    out[0] = 0.0f;
}

void CPlant::StepBend(float* out, int n, float limit, float factor)
{
    if (bendTick++ > 1) {
        bendTick = 0;
        if (*bendRising) {
            bend += bendSpeed;
            if (bend > limit) {
                bend = limit;
                *bendRising = false;
            }
        }
        // Falling, or turned just now: a bend that reaches the top limit starts down in the same
        // step, while one that reaches the bottom limit rests there for a step.
        if (!*bendRising) {
            bend -= bendSpeed;
            if (bend < -limit) {
                bend = -limit;
                *bendRising = true;
            }
        }
    }
    const float perColumn = bend / static_cast<float>(n);
    for (int i = 0; i < n; ++i)
        out[i] = perColumn * static_cast<float>(i) * factor;
}

void CPlant::SetMeshScale(float sx, float sy, float sz)
{
    meshScale[0] = sx;
    meshScale[1] = sy;
    meshScale[2] = sz;
}

void CPlant::SetBendRotation(float angleDegrees, float ax, float ay, float az)
{
    BuildRotationMatrix(bendMatrix, static_cast<float>(angleDegrees * kDegreesToRadians), ax, ay, az);
}

void CPlant::EmitBentVertex(const float* p, const float* normal, const float* texcoord) const
{
    const float* m = bendMatrix;
    const float turned[3] = {m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12],
                             m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13],
                             m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14]};
    glNormal3f(normal[0], normal[1], normal[2]);
    glTexCoord2f(texcoord[0], texcoord[1]);
    glVertex3fv(turned);
}

void CPlant::EmitStaticVertex(const MeshVertex& v) const
{
    glNormal3f(v.nx, v.ny, v.nz);
    glTexCoord2f(v.u, v.v);
    glVertex3f(v.x * meshScale[0], v.y * meshScale[1], v.z * meshScale[2]);
}

void CPlant::EmitBentTableVertex(const MeshVertex& v, float ox, float oy, float oz) const
{
    const float position[3] = {v.x * meshScale[0] + ox, v.y * meshScale[1] + oy, v.z * meshScale[2] + oz};
    const float normal[3] = {v.nx, v.ny, v.nz};
    const float texcoord[2] = {v.u, v.v};
    EmitBentVertex(position, normal, texcoord);
}

void CPlant::EmitStaticGrid(const MeshGrid& grid) const
{
    for (int r = 0; r + 1 < grid.rows; ++r) {
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j < grid.cols; ++j) {
            EmitStaticVertex(grid.At(r, j));
            EmitStaticVertex(grid.At(r + 1, j));
        }
        glEnd();
    }
}
