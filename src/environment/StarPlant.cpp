// StarPlant.cpp -- the star plant's eight leaves, swaying and bending about a slanted axis.
#include "environment/StarPlant.h"

#include "environment/LeafMeshes.h"
#include "platform/GLHeaders.h"
#include "platform/Random.h"

namespace {
constexpr float kPi = 3.1415925f; // the float the plant constants are drawn with
constexpr int kWaveValues = 13;   // sway and bend values computed; the leaf uses its first 10
constexpr float kSwayAmplitude = 0.02f;
constexpr float kBendLimit = 10.0f; // degrees
constexpr float kBendFactor = 4.0f; // the leaf bends four times the plain linear spread
constexpr float kDiscTilt = 60.0f;  // degrees about x: the leaves' plane leans back from upright
} // namespace

CStarPlant::CStarPlant()
{
    swayFrequency = kPi / static_cast<float>(Rand15() % 5 + 10);
    swayStep = kPi / static_cast<float>(Rand15() % 5 + 5);
    bendSpeed = static_cast<float>(Rand15() % 5 + 1) * 0.25f;
}

void CStarPlant::DrawLive()
{
    glPushMatrix();
    glScalef(scale[0], scale[1], scale[2]);
    float sway[kWaveValues];
    float bendAngles[kWaveValues];
    StepSway(sway, kWaveValues, kSwayAmplitude);
    StepBend(bendAngles, kWaveValues, kBendLimit, kBendFactor);
    const MeshGrid leaf = GetLeafMeshes().StarLeaf();
    for (int angle = 90; angle <= 405; angle += 45) {
        glPushMatrix();
        glRotatef(kDiscTilt, 1.0f, 0.0f, 0.0f);
        glRotatef(static_cast<float>(angle - 160), 0.0f, 0.0f, 1.0f);
        SetMeshScale(10.0f, 2.0f, 10.0f);
        glTranslatef(-kStarLeafBase[0] * meshScale[0], -kStarLeafBase[1] * meshScale[1],
                     -kStarLeafBase[2] * meshScale[2]);
        glBegin(GL_QUAD_STRIP);
        for (int k = 0; k < leaf.cols; ++k) {
            SetBendRotation(bendAngles[k], 1.0f, 1.0f, 1.0f);
            const float dx = meshScale[0] * sway[k] * 0.5f;
            const float dy = meshScale[1] * sway[k];
            EmitBentTableVertex(leaf.At(0, k), dx, dy, 0.0f);
            EmitBentTableVertex(leaf.At(1, k), dx, dy, 0.0f);
        }
        glEnd();
        glPopMatrix();
    }
    glPopMatrix();
}
