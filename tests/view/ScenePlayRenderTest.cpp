// Offscreen tests of what the user's input does to the scene: modes, the dolly, touching.
#include "view/SceneFixture.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
class ScenePlay : public SceneFixture
{
protected:
    // A fish of this species and index, live, still and at rest at (x, y, z), its turn finished.
    CFish& PlaceFish(int species, int index, float x, float y, float z, float heading = 30.0f)
    {
        CFish& fish = scene.Fish().At(species, index);
        fish.position = {x, y, z};
        fish.heading = fish.targetHeading = heading;
        fish.speed = 0.0f;
        fish.wanderTimer = 0;
        return fish;
    }

    // Pixels of the 320 x 180 drawable that are not black, every `step`th in each direction.
    int InkedPixels(int step = 1) const
    {
        int inked = 0;
        for (int y = 0; y < 180; y += step)
            for (int x = 0; x < 320; x += step)
                inked += (context.PixelAt(x, y) & 0x00FFFFFF) != 0 ? 1 : 0;
        return inked;
    }

    void TouchAt(int x, int y)
    {
        scene.SelectMode(CursorMode::Touch);
        scene.PressLeft(x, y);
        scene.ReleaseLeft();
        scene.Tick();
    }
};
} // namespace

TEST_F(ScenePlay, FunctionKeysTakeEffectAtOnceAndTheToolbarAtTheNextTick)
{
    Initialise();
    scene.SelectMode(CursorMode::Touch);
    EXPECT_EQ(scene.Mode(), CursorMode::Touch);
    EXPECT_EQ(scene.ToolbarMode(), CursorMode::Touch);

    scene.SetToolbarMode(CursorMode::Camera);
    EXPECT_EQ(scene.Mode(), CursorMode::Touch);
    scene.Tick();
    EXPECT_EQ(scene.Mode(), CursorMode::Camera);

    // Ripple mode puts the eye back on the base plane; feed mode leaves it there.
    scene.SelectMode(CursorMode::Ripple);
    scene.ApplyModeCursor();
    EXPECT_EQ(scene.CameraZoom(), 0.0f);
    scene.SelectMode(CursorMode::Feed);
    scene.ApplyModeCursor();
    Ticks(3);
    EXPECT_EQ(scene.CameraZoom(), 0.0f);
}

TEST_F(ScenePlay, HeldButtonInCameraModeDolliesInToTwentyAndBackOut)
{
    Initialise();
    scene.SelectMode(CursorMode::Camera);
    scene.PressLeft(960, 540);
    float deepest = 0.0f;
    for (int i = 0; i < 150; ++i) {
        scene.Tick();
        deepest = std::min(deepest, scene.CameraZoom());
    }
    EXPECT_NEAR(deepest, -20.0f, 0.11f);
    EXPECT_NEAR(scene.CameraZoom(), -15.0f, 0.25f);

    // Released, the camera stays where it is.
    scene.ReleaseLeft();
    const float held = scene.CameraZoom();
    Ticks(5);
    EXPECT_EQ(scene.CameraZoom(), held);
}

TEST_F(ScenePlay, ButtonHoldsDependOnTheMode)
{
    Initialise();
    for (CursorMode mode : {CursorMode::Ripple, CursorMode::Hide}) {
        scene.SelectMode(mode);
        scene.PressLeft(10, 10);
        scene.ReleaseLeft();
        Ticks(2);
        EXPECT_TRUE(scene.ButtonHeld()); // until the middle button lets go
        scene.ReleaseMiddle();
        EXPECT_FALSE(scene.ButtonHeld());
    }
    scene.SelectMode(CursorMode::Feed);
    scene.PressLeft(10, 10);
    EXPECT_TRUE(scene.FeedClickPending());
    scene.ReleaseLeft();
    EXPECT_FALSE(scene.ButtonHeld());
    scene.ReleaseMiddle();
    EXPECT_FALSE(scene.FeedClickPending());
}

TEST_F(ScenePlay, MarkerStripsSweepAsOneSetAndTurnBeyondTheTank)
{
    Initialise();
    const CFeedMarkers& markers = scene.FeedMarkers();
    // Laid out at start-up; the first frame already swept them half a unit to the left.
    scene.SelectMode(CursorMode::Touch);
    EXPECT_EQ(markers.XStrip(0).x, -90.0f);
    EXPECT_EQ(markers.XStrip(49).x, -90.0f + 3 * 49);
    EXPECT_EQ(markers.YStrip(9).y, -22.0f + 8 * 9);
    Ticks(5);
    EXPECT_EQ(markers.XStrip(0).x, -90.0f); // only feed mode moves them

    scene.SelectMode(CursorMode::Feed);
    Ticks(10);
    EXPECT_EQ(markers.XStrip(0).x, -95.0f);
    Ticks(1);
    EXPECT_EQ(markers.XStrip(0).x, -95.5f);
    EXPECT_FALSE(markers.XIncreasing());
    // Strip 0 is now beyond the side: it turns the set and steps back at once, and the strips
    // after it in the same pass already step the new way.
    Ticks(1);
    EXPECT_TRUE(markers.XIncreasing());
    EXPECT_EQ(markers.XStrip(0).x, -95.0f);
    EXPECT_EQ(markers.XStrip(1).x, -87.0f - 5.5f + 0.5f);
}

TEST(FeedMarkerSweep, StripsKeepSweepingTheWholeTank)
{
    COffscreenContext context(16, 16);
    ASSERT_TRUE(context.IsOK());
    const TankBounds bounds = TankBounds::Aquarium();
    CFeedMarkers markers;
    markers.Layout(bounds);
    // A minute of frames on, every height and width of the tank is still crossed now and then:
    // the sets never pile up at their ends.
    for (int frame = 0; frame < 3000; ++frame)
        markers.SweepAndDraw(bounds);
    bool yCovered[53] = {}, xCovered[181] = {};
    for (int frame = 0; frame < 400; ++frame) {
        markers.SweepAndDraw(bounds);
        for (int j = 0; j < kYStripCount; ++j) {
            const long y = std::lround(markers.YStrip(j).y) + 22;
            if (y >= 0 && y < 53)
                yCovered[y] = true;
        }
        for (int i = 0; i < kXStripCount; ++i) {
            const long x = std::lround(markers.XStrip(i).x) + 90;
            if (x >= 0 && x < 181)
                xCovered[x] = true;
        }
    }
    EXPECT_EQ(std::count(std::begin(yCovered), std::end(yCovered), true), 53);
    EXPECT_EQ(std::count(std::begin(xCovered), std::end(xCovered), true), 181);
}

TEST_F(ScenePlay, ClickOnOpenWaterIsUsedUpAndChangesNothing)
{
    Initialise();
    SetLiveCounts({{2, 1}});
    CFish& fish = PlaceFish(2, 0, 60.0f, 15.0f, -80.0f);
    TouchAt(100, 100);
    EXPECT_FALSE(scene.ButtonHeld());
    EXPECT_EQ(fish.targetHeading, 30.0f);
    EXPECT_LT(fish.speed, 0.2f);
}

TEST_F(ScenePlay, TouchedFishInTheCruisingDepthsSwingsAQuarterTurnAndLeavesAtFullSpeed)
{
    Initialise();
    SetLiveCounts({{2, 1}});
    CFish& fish = PlaceFish(2, 0, 0.0f, 0.0f, -80.0f);
    fish.speed = 0.15f;
    TouchAt(960, 540);
    EXPECT_EQ(fish.targetHeading, 120.0f);
    EXPECT_FLOAT_EQ(fish.speed, 0.3f);

    // A second touch during the quarter turn speeds the fish up but does not turn it further.
    TouchAt(960, 540);
    EXPECT_EQ(fish.targetHeading, 120.0f);

    // At -75 exactly the fish is outside both bands: it only speeds up.
    CFish& other = PlaceFish(2, 0, 0.0f, 0.0f, -75.0f);
    TouchAt(960, 540);
    EXPECT_EQ(other.targetHeading, 30.0f);
    EXPECT_GT(other.speed, 0.15f);
}

TEST_F(ScenePlay, TouchAnswersTheHigherIndexAndTheEarlierSpeciesNotTheNearerFish)
{
    Initialise();
    SetLiveCounts({{2, 2}, {5, 1}});
    CFish& low = PlaceFish(2, 0, 0.0f, 0.0f, -85.0f);
    CFish& high = PlaceFish(2, 1, 0.0f, 0.0f, -86.0f);
    CFish& nearer = PlaceFish(5, 0, 0.0f, 0.0f, -65.0f); // in front of both, in a cruising band too
    TouchAt(960, 540);
    EXPECT_EQ(high.targetHeading, 120.0f);
    EXPECT_EQ(low.targetHeading, 30.0f);
    EXPECT_NE(nearer.targetHeading, 120.0f);
    EXPECT_LT(nearer.speed, 0.2f);
}

TEST_F(ScenePlay, TheShrimpLeavesAtItsOwnTopSpeed)
{
    Initialise();
    SetLiveCounts({{14, 1}});
    CFish& shrimp = PlaceFish(14, 0, 0.0f, 0.0f, -30.0f);
    shrimp.speed = 0.15f;
    TouchAt(960, 540);
    EXPECT_FLOAT_EQ(shrimp.speed, 0.2f);
    EXPECT_EQ(shrimp.targetHeading, 30.0f); // shallower than the cruising bands
}

// Presses at the pointer in feed mode and runs frames until the click resolves (at most `limit`).
int ScenePlayFeedClick(CAquariumScene& scene, int x, int y, int limit = 300)
{
    scene.PressLeft(x, y);
    scene.ReleaseLeft();
    int frames = 0;
    while (scene.FeedClickPending() && frames < limit) {
        scene.Tick();
        ++frames;
    }
    return frames;
}

int ActiveDrops(CAquariumScene& scene)
{
    int active = 0;
    for (int i = 0; i < kFoodDropCount; ++i)
        active += scene.FoodDrop(i).IsActive() ? 1 : 0;
    return active;
}

TEST_F(ScenePlay, FeedClickReleasesFoodOnTheFeedPlaneUnderThePointer)
{
    Initialise();
    // 34 pixels right of the centre lies 1.5 units right on the feed plane: between two strips,
    // so the click waits a frame or two for one to pass under the pointer.
    const int frames = ScenePlayFeedClick(scene, 960 + 34, 540);
    EXPECT_GT(frames, 1);
    EXPECT_LT(frames, 10);
    ASSERT_TRUE(scene.FoodDrop(0).IsActive());
    const Vector3 base = scene.FoodDrop(0).Base();
    EXPECT_NEAR(base.x, 1.5f, 1.0f);
    EXPECT_NEAR(base.y, -2.0f, 1.0f); // released two units below the picked point
    EXPECT_EQ(base.z, kFeedPlaneZ);
    EXPECT_FALSE(scene.FoodDrop(1).IsActive());
}

TEST_F(ScenePlay, ElevenQuickFeedClicksReleaseTenDrops)
{
    Initialise(320, 180); // a small screen: the pick region spans several strips, so clicks resolve fast
    for (int click = 0; click < 11; ++click) {
        ScenePlayFeedClick(scene, 150 + 2 * click, 90);
        EXPECT_FALSE(scene.FeedClickPending());
        EXPECT_EQ(ActiveDrops(scene), std::min(click + 1, kFoodDropCount));
    }
}

TEST_F(ScenePlay, MiddleButtonCancelsAPendingFeedClick)
{
    Initialise();
    scene.PressLeft(960, 540);
    scene.ReleaseMiddle();
    Ticks(20);
    EXPECT_EQ(ActiveDrops(scene), 0);
}

TEST_F(ScenePlay, RippleClickStartsARingAtThePointer)
{
    Initialise();
    scene.SelectMode(CursorMode::Ripple);
    scene.PressLeft(960, 540);
    const auto ring = scene.RippleGrid()->Ripple(0);
    EXPECT_EQ(ring.cx, 16);
    EXPECT_EQ(ring.cy, 16);
    EXPECT_EQ(ring.tMax, 1698);
    // A click high on the screen lies high on the grid: rows count from the bottom.
    scene.PressLeft(0, 0);
    EXPECT_EQ(scene.RippleGrid()->Ripple(1).cy, 31);
}

TEST_F(ScenePlay, FeedModeLeavesTheNextFrameDrawnInTheColourItFound)
{
    Initialise(320, 180);
    // No backdrop colour mode: nothing else sets a colour before the picture is drawn.
    scene.Settings().background = 1;
    scene.Settings().showTerra = 1;
    Ticks(3);
    EXPECT_GT(InkedPixels(4), 80 * 45 / 2); // the picture covers most of the view; left transparent, none
}

TEST_F(ScenePlay, F1HidesTheHelpTextOnTheNextFrameAndShowsItAgain)
{
    Initialise(320, 180);
    scene.Settings().bubbleSetting = 200; // no bubbles: whatever is not black is the text
    scene.RenderFrame();
    EXPECT_GT(InkedPixels(), 2000);
    scene.ToggleHelp();
    scene.RenderFrame();
    EXPECT_EQ(InkedPixels(), 0);
    scene.ToggleHelp();
    scene.RenderFrame();
    EXPECT_GT(InkedPixels(), 2000);
}
