// FoodDrop.cpp -- placing a food drop, its flake mesh, and the per-frame sinking of its flakes.
#include "fish/FoodDrop.h"

#include "platform/GLHeaders.h"
#include "platform/Random.h"

#include <cmath>

namespace {
constexpr float kSeaBed = -40.0f;     // a flake this far below its base point is gone
constexpr float kDrawnLower = 0.2f;   // flakes are drawn this far below their offset
constexpr float kTumbleStep = 0.4f;   // degrees per frame while sinking
constexpr float kSpinStep = 2.0f;     // degrees per frame while sinking
constexpr float kDriftScale = 0.002f; // largest sideways drift per frame, tank units

// The difference of two draws, the first minus the second, scaled to about -scale..scale.
// C++ leaves the order of the operands of `Rand15() - Rand15()` open, so each draw is named.
float Spread(float scale)
{
    const int first = Rand15();
    const int second = Rand15();
    return static_cast<float>(first - second) * scale / static_cast<float>(kRand15Max);
}

// One draw scaled to 0..scale.
float Fraction(float scale)
{
    return static_cast<float>(Rand15()) * scale / static_cast<float>(kRand15Max);
}

// A 30-degree wedge of the cap of a sphere of radius about 1, rippled along its length: 30 quad
// strips, each a one-degree slice from 60 degrees of latitude to the pole. Texturing is switched
// off and on again around it; the magenta colour is left set for the caller to restore.
void EmitFlakeMesh()
{
    constexpr float k = 0.017453333f; // one degree in radians
    constexpr float ripple = 0.016534736f;
    constexpr float rim = 1.0472f; // 60 degrees
    constexpr float pole = 1.5708f;
    const auto g = [](float a) { return a * a * (1.0f / 14.0f) - 14.0f; };

    glPushMatrix();
    glDisable(GL_TEXTURE_2D);
    glColor3ub(255, 0, 200);
    for (int b = 0; b < 30; ++b) {
        const float a = static_cast<float>(b) - 14.5f;
        const float a2 = a + 1.0f;
        const float m = static_cast<float>(b) * k;
        const float m2 = m + k;
        glBegin(GL_QUAD_STRIP);
        for (int l = 0; l < 35; ++l) {
            const float latitude = static_cast<float>(l) * k;
            const float w = 1.0f - static_cast<float>(l) * (1.0f / 35.0f);
            const float theta1 = latitude + g(a) * ripple + rim;
            if (theta1 >= pole)
                continue;
            const float r1 = 1.0f + 0.01f * g(a) * w;
            glVertex3f(r1 * std::cos(theta1) * std::cos(m), r1 * std::sin(theta1),
                       -r1 * std::cos(theta1) * std::sin(m));
            const float theta2 = latitude + g(a2) * ripple + rim;
            const float r2 = 1.0f + 0.01f * g(a2) * w;
            glVertex3f(r2 * std::cos(theta2) * std::cos(m2), r2 * std::sin(theta2),
                       -r2 * std::cos(theta2) * std::sin(m2));
        }
        glEnd();
    }
    glEnable(GL_TEXTURE_2D);
    glPopMatrix();
}

// Whether a GL context is current: without one, GL answers every query with nothing.
bool ContextIsCurrent()
{
    return glGetString(GL_VERSION) != nullptr;
}
} // namespace

void CFoodDrop::Reset()
{
    for (int i = 0; i < kPelletsPerDrop; ++i) {
        FoodPellet& p = pellets[i];
        p.offset.x = Spread(1.38f);
        p.offset.y = 1.0f;
        p.offset.z = Spread(0.38f);
        p.tumble = Spread(180.0f);
        const float spinFirst = Spread(180.0f);
        p.spin = spinFirst + Spread(180.0f);
        p.sinkSpeed = 0.005f + 0.0005f * static_cast<float>(Rand15() % 10);
        p.present = 1.0f;
        // Where the flake will first be drawn. The fish read these before the drop's first draw
        // (drops are drawn after the fish), so they must not point anywhere else meanwhile.
        SetPelletWorld(i, p.offset.x, p.offset.y - kDrawnLower, p.offset.z);
    }
}

void CFoodDrop::Place(float x, float y, float z)
{
    base = {x, y, z};
    Reset();
}

void CFoodDrop::SetPelletWorld(int i, float x, float y, float z)
{
    pelletWorld[i] = {x + base.x, y + base.y, z + base.z};
}

void CFoodDrop::CompileFlakeList()
{
    if (flakeList != 0)
        return;
    flakeList = glGenLists(1);
    if (flakeList == 0)
        return; // no context or no names left: the flakes are not drawn
    glNewList(flakeList, GL_COMPILE);
    EmitFlakeMesh();
    glEndList();
}

void CFoodDrop::ReleaseFlakeList()
{
    if (flakeList != 0 && ContextIsCurrent())
        glDeleteLists(flakeList, 1);
    flakeList = 0;
}

void CFoodDrop::DrawAndAdvance()
{
    CompileFlakeList();

    // The flakes' magenta must not outlive them: the bubbles at the start of the next frame are
    // drawn in whatever colour is current and expect white. The colour is set again rather than
    // popped so that colour material follows it too.
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    // The caller's push and pop enclose this translation.
    glTranslatef(base.x, base.y, base.z);
    glPushMatrix();
    bool drewAny = false;
    for (int i = 0; i < kPelletsPerDrop; ++i) {
        const FoodPellet& p = pellets[i];
        if (static_cast<int>(p.present) == 0)
            continue;
        glPushMatrix();
        glRotated(p.spin, 0.0, 1.0, 0.0);
        glTranslatef(p.offset.x, p.offset.y - kDrawnLower, p.offset.z);
        glRotated(p.tumble, 1.0, 0.0, 0.0);
        glCallList(flakeList);
        glPopMatrix();
        SetPelletWorld(i, p.offset.x, p.offset.y - kDrawnLower, p.offset.z);
        drewAny = true;
    }
    glPopMatrix();
    glColor4fv(colour);
    if (!drewAny)
        SetActive(false);

    // Eaten flakes sink on unseen, so every flake advances.
    for (int i = 0; i < kPelletsPerDrop; ++i) {
        FoodPellet& p = pellets[i];
        if (p.offset.y > kSeaBed) {
            p.offset.x += Spread(kDriftScale);
            p.offset.y -= p.sinkSpeed;
            p.offset.z += Spread(kDriftScale);
            p.tumble += kTumbleStep;
            p.spin += kSpinStep;
        } else {
            p.offset.y = kSeaBed;
            p.tumble -= Fraction(0.2f);
            p.spin += Fraction(1.0f);
            ClearPellet(i);
        }
    }
}
