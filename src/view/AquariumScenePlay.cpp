// AquariumScenePlay.cpp -- the scene's answers to the user: input, cursor modes, the camera dolly,
// and the passes of the feed and touch modes.
#include "view/AquariumScene.h"

#include "platform/GLHeaders.h"

#include <algorithm>

namespace {
constexpr float kZoomStep = 0.1f;      // tank units per tick of the dolly
constexpr float kZoomNearest = 0.0f;   // the dolly turns back out at the base plane...
constexpr float kZoomDeepest = -20.0f; // ...and back in 20 units into the tank
constexpr float kReleaseDrop = 2.0f;   // food appears this far below the picked point
// The touched fish's reaction: speed rises by this step toward a target above every species'
// top speed, where the species' own limit holds it.
constexpr float kStartleStep = 0.2f;
constexpr float kStartleTarget = 0.5f;
constexpr int kQuarterTurn = 4; // the steering mode that swings 90 degrees in the cruising depths
} // namespace

// ---------------------------------------------------------------------------------------------
// Input

void CAquariumScene::PressLeft(int x, int y)
{
    SetMouse(x, y);
    buttonHeld = true;
    if (cursorMode == CursorMode::Feed)
        feedClickPending = true;
    if (cursorMode == CursorMode::Ripple)
        AddRipple(x, y);
}

void CAquariumScene::ReleaseLeft()
{
    if (cursorMode == CursorMode::Feed || cursorMode == CursorMode::Camera)
        buttonHeld = false;
}

void CAquariumScene::ReleaseMiddle()
{
    buttonHeld = false;
    feedClickPending = false;
}

void CAquariumScene::PressRight()
{
    rightButtonPressed = true;
}

void CAquariumScene::SelectMode(CursorMode mode)
{
    toolbarMode = mode;
    cursorMode = mode;
}

void CAquariumScene::ApplyModeCursor()
{
    if (cursorMode == CursorMode::Ripple)
        cameraZoom = 0.0f;
}

// ---------------------------------------------------------------------------------------------
// Companions of the frame in a timer tick

// One step of the dolly while camera mode has the button held: 0.1 unit a tick into the tank to
// 20 units past the base plane, then back out to it, and so on.
void CAquariumScene::SwingCamera()
{
    cameraZoom += zoomIncreasing ? kZoomStep : -kZoomStep;
    if (cameraZoom > kZoomNearest)
        zoomIncreasing = false;
    if (cameraZoom < kZoomDeepest)
        zoomIncreasing = true;
}

// A mode chosen on the toolbar takes effect here, at the end of the tick after the choice.
void CAquariumScene::TakeToolbarMode()
{
    cursorMode = toolbarMode;
}

int CAquariumScene::LiveCount(int species) const
{
    return std::clamp(settings.fishCount[species], 0, kFishPerSpecies);
}

// ---------------------------------------------------------------------------------------------
// Mode passes, after the food drops

// The strips sweep, drawn fully transparent so that they only take part in selection. A pending
// click then looks for the strips under the pointer; each coordinate is latched on the first frame
// it is found inside the tank, and food drops once both are.
void CAquariumScene::RunFeedPass()
{
    float colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
    feedMarkers.SweepAndDraw(tankBounds);

    if (feedClickPending) {
        const float x = feedMarkers.PickX(selectionPick, mouseX, mouseY);
        const float y = feedMarkers.PickY(selectionPick, mouseX, mouseY);
        if (!feedXFound && x >= tankBounds.xMin && x <= tankBounds.xMax) {
            feedXFound = true;
            feedPickX = x;
        }
        if (!feedYFound && y >= tankBounds.yBottom && y <= tankBounds.yTop) {
            feedYFound = true;
            feedPickY = y;
        }
    }
    if (feedClickPending && feedXFound && feedYFound) {
        feedClickPending = false;
        feedXFound = false;
        feedYFound = false;
        ReleaseFood(feedPickX, feedPickY - kReleaseDrop);
    }
    // The colour goes back to what it was. Left transparent, it would be the colour the next frame
    // starts with, and without a backdrop colour mode to replace it the bubbles, the picture and
    // the fish would all be drawn fully transparent. Set again, not popped: colour material only
    // follows a colour that is set.
    glColor4fv(colour);
}

// With all ten drops in the water the click is used up without effect.
void CAquariumScene::ReleaseFood(float x, float y)
{
    for (CFoodDrop& drop : foodDrops) {
        if (!drop.IsActive()) {
            drop.Place(x, y, kFeedPlaneZ);
            drop.SetActive(true);
            return;
        }
    }
}

// A click in touch mode is answered once, by the first pass after it, hit or not. Every live fish
// is tested in a selection pass of its own, drawn by its own routine, so each tested fish moves
// and animates one extra step this frame. Within a species the last fish under the pointer wins;
// the first species in catalogue order with a hit is the one, and later ones are not tested.
void CAquariumScene::RunTouchPass()
{
    if (!buttonHeld)
        return;
    buttonHeld = false;
    for (int s = 0; s < kSpeciesCount; ++s) {
        int hit = -1;
        for (int i = 0; i < LiveCount(s); ++i) {
            CFish& fish = fishStore.At(s, i);
            selectionPick.Begin(mouseX, mouseY);
            glTranslatef(fish.position.x, fish.position.y, fish.position.z);
            fish.Draw(glSink, 0);
            if (selectionPick.End())
                hit = i;
        }
        if (hit != -1) {
            StartleFish(fishStore.At(s, hit));
            return;
        }
    }
}

void CAquariumScene::StartleFish(CFish& fish)
{
    // The turn is dropped outside the cruising depths, and while an earlier turn is under way.
    fish.Turn(0.0f, true, kQuarterTurn);
    fish.EaseSpeed(kStartleStep, kStartleTarget);
}

// The grid counts pixels from the bottom of the drawable, as GL does.
void CAquariumScene::AddRipple(int x, int y)
{
    if (rippleGrid)
        rippleGrid->AddRipple(x, clientHeight - y);
}
