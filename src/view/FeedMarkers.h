// FeedMarkers.h -- invisible strips that sweep the tank so that a feed click can find its point.
//
// A click gives a pixel, not a point in the tank. Fifty vertical strips spread across the tank's
// width and ten horizontal ones across its height, all on the plane z = -70, sweep back and forth
// by half a unit per frame. Each frame of a pending feed click asks, strip by strip, which one
// lies under the pointer (a selection pass each): the first vertical strip hit gives the click's
// x, the first horizontal one its y. The strips are drawn fully transparent every frame in feed
// mode, so they take part in selection without showing.
#pragma once

#include "platform/Vector3.h"
#include "view/SelectionPick.h"
#include "view/TankBounds.h"

constexpr int kXStripCount = 50;
constexpr int kYStripCount = 10;
constexpr float kFeedPlaneZ = -70.0f;    // strips and released food lie on this plane
constexpr float kNoStripHit = -10000.0f; // what a pick returns when no strip is under the pointer

class CFeedMarkers
{
public:
    // Strip i across the width at xMin + 3i, strip j across the height at yBottom + 8j; the steps
    // are whole numbers of units, as the tank's width and one and a half times its height divide.
    void Layout(const TankBounds& bounds);

    // One frame: every strip moves half a unit in its set's direction and is drawn in the
    // current colour. The sets turn half a unit beyond the tank's sides (5 units out).
    void SweepAndDraw(const TankBounds& bounds);

    // The x of the first vertical strip under the pointer, or kNoStripHit. One selection pass per
    // strip until one hits; the model-view matrix holds the frame's camera.
    float PickX(CSelectionPick& pick, int mouseX, int mouseY) const;
    // The y of the first horizontal strip under the pointer, or kNoStripHit.
    float PickY(CSelectionPick& pick, int mouseX, int mouseY) const;

    const Vector3& XStrip(int i) const { return xStrips[i]; }
    const Vector3& YStrip(int j) const { return yStrips[j]; }
    bool XIncreasing() const { return xIncreasing; }
    bool YIncreasing() const { return yIncreasing; }

private:
    Vector3 xStrips[kXStripCount];
    Vector3 yStrips[kYStripCount];
    bool xIncreasing = false; // one direction for the whole set, kept across frames
    bool yIncreasing = false;
};
