// FeedMarkers.cpp -- the sweeping strips and the two picks of a feed click.
#include "view/FeedMarkers.h"

#include "platform/GLHeaders.h"

#include <cstddef>

namespace {
constexpr float kSweepStep = 0.5f;      // tank units per frame
constexpr float kSweepOvershoot = 5.0f; // the sets turn this far beyond the tank
constexpr float kStripHalfWidth = 0.5f;
constexpr float kXStripHalfHeight = 30.0f;
constexpr float kYStripHalfLength = 90.0f;
constexpr float kStripLift = 1.0f; // strips stand one unit in front of their points

// A vertical bar one unit wide and sixty high, around the strip's point.
void DrawXStrip()
{
    glBegin(GL_QUADS);
    glVertex3f(-kStripHalfWidth, -kXStripHalfHeight, kStripLift);
    glVertex3f(kStripHalfWidth, -kXStripHalfHeight, kStripLift);
    glVertex3f(kStripHalfWidth, kXStripHalfHeight, kStripLift);
    glVertex3f(-kStripHalfWidth, kXStripHalfHeight, kStripLift);
    glEnd();
}

// A horizontal bar one unit high and 180 long.
void DrawYStrip()
{
    glBegin(GL_QUADS);
    glVertex3f(-kYStripHalfLength, -kStripHalfWidth, kStripLift);
    glVertex3f(kYStripHalfLength, -kStripHalfWidth, kStripLift);
    glVertex3f(kYStripHalfLength, kStripHalfWidth, kStripLift);
    glVertex3f(-kYStripHalfLength, kStripHalfWidth, kStripLift);
    glEnd();
}

// One strip's step along its axis. The set's direction is shared: a strip that passes a bound
// turns it for itself and the strips after it in this frame, and for all of them from the next
// frame on. A strip beyond the low bound turns the direction and steps the new way at once; one
// beyond the high bound turns it and steps back. (Were the low turn to leave the strip where it
// is, the strip would stay beyond the bound and turn the set every frame: within a few seconds the
// sets would pile up at their ends and no feed click would ever resolve again.)
void SweepCoordinate(float& value, bool& increasing, float low, float high)
{
    if (value < low - kSweepOvershoot)
        increasing = true;
    if (value > high + kSweepOvershoot) {
        increasing = false;
        value -= kSweepStep;
    } else {
        value += increasing ? kSweepStep : -kSweepStep;
    }
}

template <typename DrawStrip, std::size_t N>
float PickStrip(CSelectionPick& pick, int mouseX, int mouseY, const Vector3 (&strips)[N], float Vector3::*axis,
                DrawStrip drawStrip)
{
    for (const Vector3& strip : strips) {
        pick.Begin(mouseX, mouseY);
        glTranslatef(strip.x, strip.y, strip.z);
        drawStrip();
        if (pick.End())
            return strip.*axis;
    }
    return kNoStripHit;
}
} // namespace

void CFeedMarkers::Layout(const TankBounds& bounds)
{
    const int xStep = static_cast<int>(bounds.xMax - bounds.xMin) / kXStripCount;
    const int yStep = static_cast<int>(1.5f * static_cast<int>(bounds.yTop - bounds.yBottom)) / (kYStripCount - 1);
    for (int i = 0; i < kXStripCount; ++i)
        xStrips[i] = {bounds.xMin + static_cast<float>(xStep * i), 0.0f, kFeedPlaneZ};
    for (int j = 0; j < kYStripCount; ++j)
        yStrips[j] = {0.0f, bounds.yBottom + static_cast<float>(yStep * j), kFeedPlaneZ};
    xIncreasing = false;
    yIncreasing = false;
}

void CFeedMarkers::SweepAndDraw(const TankBounds& bounds)
{
    for (Vector3& strip : xStrips) {
        glPushMatrix();
        SweepCoordinate(strip.x, xIncreasing, bounds.xMin, bounds.xMax);
        glTranslatef(strip.x, strip.y, strip.z);
        DrawXStrip();
        glPopMatrix();
    }
    for (Vector3& strip : yStrips) {
        glPushMatrix();
        SweepCoordinate(strip.y, yIncreasing, bounds.yBottom, bounds.yTop);
        glTranslatef(strip.x, strip.y, strip.z);
        DrawYStrip();
        glPopMatrix();
    }
}

float CFeedMarkers::PickX(CSelectionPick& pick, int mouseX, int mouseY) const
{
    return PickStrip(pick, mouseX, mouseY, xStrips, &Vector3::x, DrawXStrip);
}

float CFeedMarkers::PickY(CSelectionPick& pick, int mouseX, int mouseY) const
{
    return PickStrip(pick, mouseX, mouseY, yStrips, &Vector3::y, DrawYStrip);
}
