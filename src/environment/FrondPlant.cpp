// FrondPlant.cpp -- the fern's four fronds: stalk, foot and rippling upper strip.
#include "environment/FrondPlant.h"

#include "environment/LeafMeshes.h"
#include "platform/GLHeaders.h"
#include "platform/Random.h"

#include <cmath>

namespace {
constexpr float kPi = 3.1415925f; // the float the plant constants are drawn with
constexpr float kTwoPi = 6.283185f;
constexpr float kWaveStep = 0.31415924f; // radians: the wave's phase step and its step along the strip
constexpr float kWaveAmplitude = 0.02f;  // table units
constexpr int kUnusedSwayValues = 17;
// Frond lengths (mesh scale along z) round the plant: one long, two alike at the sides, one short.
constexpr float kFrondLengths[4] = {13.0f, 11.0f, 8.0f, 11.0f};
} // namespace

CFrondPlant::CFrondPlant()
{
    swayFrequency = kPi / static_cast<float>(Rand15() % 5 + 10);
    swayStep = kPi / static_cast<float>(Rand15() % 5 + 10);
}

void CFrondPlant::StepFrondWave(float (&w)[kFrondWaveValues])
{
    float unused[kUnusedSwayValues];
    StepSway(unused, kUnusedSwayValues, kWaveAmplitude);
    if (swayTick++ > 1) {
        swayTick = 0;
        swayPhase += kWaveStep;
    }
    if (swayPhase > kTwoPi)
        swayPhase = 0.0f;
    for (int j = 0; j < kFrondWaveValues; ++j)
        w[j] = kWaveAmplitude * std::sin(static_cast<float>(j) * kWaveStep + swayPhase);
    w[0] = w[kFrondWaveValues - 1];
}

void CFrondPlant::DrawLive()
{
    float w[kFrondWaveValues];
    StepFrondWave(w);
    glPushMatrix();
    for (int a = 0; a < 4; ++a) {
        glPushMatrix();
        glScalef(scale[0], scale[1], scale[2]);
        SetMeshScale(10.0f, 10.0f, kFrondLengths[a]);
        glRotatef(90.0f * static_cast<float>(a), 0.0f, 1.0f, 0.0f);
        glPushMatrix();
        glRotatef(120.0f, 1.0f, 0.0f, 0.0f); // leans the frond's +z out from upright
        glRotatef(-160.0f, 0.0f, 0.0f, 1.0f);
        glTranslatef(-kFrondBase[0] * meshScale[0], -kFrondBase[1] * meshScale[1], -kFrondBase[2] * meshScale[2]);
        DrawFrond(w);
        glPopMatrix();
        glPopMatrix();
    }
    glPopMatrix();
}

void CFrondPlant::DrawFrond(const float (&w)[kFrondWaveValues])
{
    SetIdentityMatrix(bendMatrix);
    const LeafMeshes& meshes = GetLeafMeshes();

    // The stalk: every column but the first is stretched up by kFrondStalkStretch.
    const MeshGrid stalk = meshes.FrondStalk();
    for (int r = 0; r + 1 < stalk.rows; ++r) {
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j < stalk.cols; ++j) {
            const float stretch = j == 0 ? 1.0f : kFrondStalkStretch;
            for (int row = r; row <= r + 1; ++row) {
                const MeshVertex& v = stalk.At(row, j);
                const float stretchedZ = v.z * meshScale[2] * stretch;
                EmitBentTableVertex(v, 0.0f, 0.0f, stretchedZ - v.z * meshScale[2]);
            }
        }
        glEnd();
    }

    // The upper strip, its left edge riding the wave, then the foot.
    const MeshGrid blade = meshes.FrondBlade();
    glBegin(GL_QUAD_STRIP);
    for (int j = 0; j < blade.cols; ++j) {
        EmitBentTableVertex(blade.At(0, j), w[j] * meshScale[0], w[j] * meshScale[1], w[j] * meshScale[2]);
        EmitBentTableVertex(blade.At(1, j), 0.0f, 0.0f, 0.0f);
    }
    glEnd();
    const MeshGrid foot = meshes.FrondFoot();
    glBegin(GL_QUAD_STRIP);
    for (int j = 0; j < foot.cols; ++j) {
        EmitBentTableVertex(foot.At(0, j), 0.0f, 0.0f, 0.0f);
        EmitBentTableVertex(foot.At(1, j), 0.0f, 0.0f, 0.0f);
    }
    glEnd();
}
