// RosettePlant.cpp -- the rosette's three rings of eight petals, live and still.
#include "environment/RosettePlant.h"

#include "environment/LeafMeshes.h"
#include "platform/GLHeaders.h"
#include "platform/Random.h"

namespace {
constexpr float kPi = 3.1415925f; // the float the plant constants are drawn with
constexpr float kSwayAmplitude = 0.01f;
constexpr float kPetalTurn = -160.0f; // degrees about the upright axis, on top of each petal's place

struct Ring
{
    float meshScale[3];
    float bendLimit; // degrees
};
// Outside in: broad arching petals, then two rings narrowed across and stretched upward.
constexpr Ring kRings[3] = {{{10.0f, 10.0f, 10.0f}, 10.0f}, {{1.0f, 8.0f, 20.0f}, 20.0f}, {{1.0f, 5.0f, 30.0f}, 45.0f}};
} // namespace

CRosettePlant::CRosettePlant()
{
    swayFrequency = kPi / static_cast<float>(Rand15() % 5 + 4);
    swayStep = kPi / static_cast<float>(Rand15() % 5 + 5);
    bendSpeed = static_cast<float>(Rand15() % 5 + 1) * 0.1f;
}

void CRosettePlant::DrawLive()
{
    DrawRings(true);
}

void CRosettePlant::DrawStatic()
{
    DrawRings(false);
}

void CRosettePlant::DrawRings(bool live)
{
    glPushMatrix();
    glScalef(scale[0], scale[1], scale[2]);
    // One sway value per petal column, and a last 0 for the row after the last pair.
    float sway[kPetalColumns + 1] = {};
    if (live)
        StepSway(sway, kPetalColumns, kSwayAmplitude);
    for (const Ring& ring : kRings) {
        // Three bend calls a frame: only the third moves the bend, so the outer rings draw with
        // the bend of the frame before, and the innermost ring's limit is the one that holds.
        float bendAngles[kPetalColumns] = {};
        if (live)
            StepBend(bendAngles, kPetalColumns, ring.bendLimit, 1.0f);
        SetMeshScale(ring.meshScale[0], ring.meshScale[1], ring.meshScale[2]);
        for (int petal = 0; petal < 8; ++petal) {
            glPushMatrix();
            glRotatef(-90.0f, 1.0f, 0.0f, 0.0f); // the petal's +z becomes up
            glRotatef(45.0f * static_cast<float>(petal), 0.0f, 0.0f, 1.0f);
            glRotatef(kPetalTurn, 0.0f, 0.0f, 1.0f);
            glTranslatef(-kPetalBase[0] * meshScale[0], -kPetalBase[1] * meshScale[1], -kPetalBase[2] * meshScale[2]);
            DrawPetal(live, sway, bendAngles);
            glPopMatrix();
        }
    }
    glPopMatrix();
}

void CRosettePlant::DrawPetal(bool live, const float* sway, const float* bendAngles)
{
    const MeshGrid petal = GetLeafMeshes().Petal();
    if (!live) {
        EmitStaticGrid(petal);
        return;
    }
    // The petal bends about its width (y); the sway ripples its height and width together.
    for (int r = 0; r + 1 < petal.rows; ++r) {
        glBegin(GL_QUAD_STRIP);
        for (int i = 0; i < petal.cols; ++i) {
            SetBendRotation(bendAngles[i], 0.0f, 1.0f, 0.0f);
            const float first = meshScale[1] * sway[i];
            const float second = meshScale[1] * sway[i + 1];
            EmitBentTableVertex(petal.At(r, i), 0.0f, first, first);
            EmitBentTableVertex(petal.At(r + 1, i), 0.0f, second, second);
        }
        glEnd();
    }
}
