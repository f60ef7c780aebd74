// Offscreen tests of the backdrop's colour modes, the automatic phases and the foreground tint.
#include "environment/Backdrop.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {
struct Rgb
{
    int r, g, b;
};

Rgb Split(uint32_t pixel)
{
    return Rgb{int(pixel & 0xFF), int((pixel >> 8) & 0xFF), int((pixel >> 16) & 0xFF)};
}

int Byte(float component)
{
    return int(std::lround(std::clamp(component, 0.0f, 1.0f) * 255.0f));
}

void ExpectPixel(uint32_t pixel, Rgb want, const char* where, int tolerance = 1)
{
    const Rgb got = Split(pixel);
    EXPECT_NEAR(got.r, want.r, tolerance) << where;
    EXPECT_NEAR(got.g, want.g, tolerance) << where;
    EXPECT_NEAR(got.b, want.b, tolerance) << where;
}

std::array<float, 4> CurrentColour()
{
    std::array<float, 4> c{};
    glGetFloatv(GL_CURRENT_COLOR, c.data());
    return c;
}

// The backdrop alone, unlit, seen face-on: an 80 x 40 view of x -200..200 and y -100..100, so the
// quad (x -180..180, y -66..90) leaves a black margin at every edge.
class BackdropColours : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        glViewport(0, 0, 80, 40);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-200.0, 200.0, -100.0, 100.0, -1000.0, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
        glEnable(GL_TEXTURE_2D);
    }

    void Draw()
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        backdrop.DrawBackdrop(settings, bounds);
        glFinish();
    }

    // Pixel rows from the top of the 40-row view: tank y = 100 - 5 * (row + 0.5).
    static constexpr int kBottomRow = 31; // y = -57.5
    static constexpr int kMiddleRow = 15; // y = 22.5
    static constexpr int kTopRow = 3;     // y = 82.5
    uint32_t Bottom() const { return context.PixelAt(40, kBottomRow); }
    uint32_t Middle() const { return context.PixelAt(40, kMiddleRow); }
    uint32_t Top() const { return context.PixelAt(40, kTopRow); }
    uint32_t Margin() const { return context.PixelAt(1, 1); } // outside the quad

    // The colour a linear blend from `bottom` at y = -66 to `top` at y = 90 has on a pixel row.
    static Rgb Blend(const BackdropColour& bottom, const BackdropColour& top, int rowFromTop)
    {
        const float f = (100.0f - 5.0f * (static_cast<float>(rowFromTop) + 0.5f) + 66.0f) / 156.0f;
        auto mix = [f](float a, float b) { return Byte((1.0f - f) * std::max(a, 0.0f) + f * std::max(b, 0.0f)); };
        return Rgb{mix(bottom.red, top.red), mix(bottom.green, top.green), mix(bottom.blue, top.blue)};
    }

    COffscreenContext context{80, 40};
    AquariumSettings settings;
    TankBounds bounds = TankBounds::Aquarium();
    CBackdrop backdrop;
};

// The tank scene itself, lit and fogged by its own frame.
class BackdropScene : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        scene.Initialise(160, 90);
        scene.ToggleHelp(); // F1: the help text would stand over the backdrop
        scene.Settings().lightSetting = 0;
        scene.Settings().fogSetting = 100;
        scene.Settings().bubbleSetting = 200; // no bubbles in front of the backdrop
    }

    // The backdrop is drawn before the frame sets its fog, under the fog the previous frame left;
    // the very first frame still has the set-up's dense fog. The second shows the settings.
    void RenderTwoFrames()
    {
        scene.RenderFrame();
        scene.RenderFrame();
    }

    COffscreenContext context{160, 90};
    CScratchFolder configHome;
    CBorrowedVariable configVariable{"XDG_CONFIG_HOME", configHome.path.c_str()};
    CAquariumScene scene;
};
} // namespace

TEST_F(BackdropColours, FixedModeIsOneUntexturedColourAndLeavesWhiteAndTexturing)
{
    // A black texture bound and flat shading left over must not change the backdrop.
    GLuint black = 0;
    const uint8_t texel[4] = {0, 0, 0, 255};
    glGenTextures(1, &black);
    glBindTexture(GL_TEXTURE_2D, black);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    glShadeModel(GL_FLAT);

    settings.backFixed = 1;
    settings.backColour = 255;
    Draw();
    ExpectPixel(Bottom(), {255, 0, 0}, "bottom", 0);
    ExpectPixel(Top(), {255, 0, 0}, "top", 0);
    ExpectPixel(Margin(), {0, 0, 0}, "margin", 0);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    const auto c = CurrentColour();
    EXPECT_EQ(c[0], 1.0f);
    EXPECT_EQ(c[1], 1.0f);
    EXPECT_EQ(c[2], 1.0f);

    settings.backColour = 16711680; // 0x00BBGGRR: blue is the high byte
    Draw();
    ExpectPixel(Middle(), {0, 0, 255}, "middle", 0);
    glDeleteTextures(1, &black);
}

TEST_F(BackdropColours, GradualModeBlendsFromTheBottomColourToTheTopColour)
{
    glShadeModel(GL_FLAT); // the backdrop asks for smooth shading itself
    settings.backGradual = 1;
    settings.backColour1 = 65280; // green at the top edge
    settings.backColour2 = 255;   // red at the bottom edge
    Draw();
    const BackdropColour red{1.0f, 0.0f, 0.0f}, green{0.0f, 1.0f, 0.0f};
    ExpectPixel(Bottom(), Blend(red, green, kBottomRow), "bottom", 2);
    ExpectPixel(Middle(), Blend(red, green, kMiddleRow), "middle", 2);
    ExpectPixel(Top(), Blend(red, green, kTopRow), "top", 2);
    EXPECT_GT(Split(Bottom()).r, 230);
    EXPECT_GT(Split(Top()).g, 230);

    // Bytes are scaled to 0..1: 128 each is mid grey, not white.
    settings.backColour1 = 8421504;
    settings.backColour2 = 8421504;
    Draw();
    ExpectPixel(Middle(), {128, 128, 128}, "grey");
}

TEST_F(BackdropColours, ModesThatAreOnDrawInTurnAndNoneLeavesTheClearColour)
{
    Draw();
    ExpectPixel(Middle(), {0, 0, 0}, "all off", 0);

    // Fixed, then gradual over it: the gradual quad is the one that shows.
    settings.backFixed = 1;
    settings.backColour = 255;
    settings.backGradual = 1;
    settings.backColour1 = 16711680;
    settings.backColour2 = 16711680;
    Draw();
    ExpectPixel(Middle(), {0, 0, 255}, "gradual over fixed", 0);
    EXPECT_FALSE(backdrop.BackPhaseSet()); // automatic mode never ran
}

TEST_F(BackdropColours, AutomaticModeLockedShowsTheColoursOfTheSavedPhaseEveryFrame)
{
    settings.backAuto = 1;
    settings.backLock = 1;
    settings.backPhaseSaved = 0.0f;
    Draw();
    const BackdropColour magenta{1.0f, 0.0f, 1.0f}, green{0.0f, 1.0f, 0.0f};
    ExpectPixel(Bottom(), Blend(magenta, green, kBottomRow), "bottom at phase 0", 2);
    ExpectPixel(Top(), Blend(magenta, green, kTopRow), "top at phase 0", 2);
    EXPECT_EQ(backdrop.BackPhase(), 0.0f);

    backdrop = CBackdrop(); // a new run: the phase is unset again
    settings.backPhaseSaved = 123.4f;
    const BackdropColour low = CBackdrop::AutoBottomColour(123.4f);
    const BackdropColour high = CBackdrop::AutoTopColour(123.4f);
    // Bottom (cos 6.17, sin 4.936, cos 7.2588), top (sin 6.17, cos 4.936, sin 7.2588).
    EXPECT_NEAR(low.red, 0.9936f, 1e-3);
    EXPECT_NEAR(low.green, -0.9751f, 1e-3);
    EXPECT_NEAR(high.blue, 0.8281f, 1e-3);
    for (int frame = 0; frame < 3; ++frame) {
        Draw();
        EXPECT_EQ(backdrop.BackPhase(), 123.4f);
        ExpectPixel(Bottom(), Blend(low, high, kBottomRow), "bottom", 2);
        ExpectPixel(Top(), Blend(low, high, kTopRow), "top", 2);
    }
    EXPECT_EQ(settings.currentBackPhase, 0.0f); // a locked phase does not step, so nothing is published
}

TEST_F(BackdropColours, AutomaticPhaseResumesFromTheSavedOneStepsPublishesAndWraps)
{
    settings.backAuto = 1;
    settings.backPhaseSaved = 50.0f;
    Draw();
    EXPECT_FLOAT_EQ(backdrop.BackPhase(), 50.1f);
    EXPECT_EQ(settings.currentBackPhase, backdrop.BackPhase());

    // The saved phase counts only on first use: later changes to it do not move the phase.
    settings.backPhaseSaved = 7000.0f;
    Draw();
    EXPECT_FLOAT_EQ(backdrop.BackPhase(), 50.2f);

    // Locking freezes it; unlocking resumes from where it stood.
    settings.backLock = 1;
    Draw();
    Draw();
    EXPECT_FLOAT_EQ(backdrop.BackPhase(), 50.2f);
    settings.backLock = 0;
    Draw();
    EXPECT_FLOAT_EQ(backdrop.BackPhase(), 50.3f);
    EXPECT_EQ(settings.currentBackPhase, backdrop.BackPhase());

    // Turning the mode off stops the drift without forgetting the phase.
    settings.backAuto = 0;
    Draw();
    settings.backAuto = 1;
    Draw();
    EXPECT_FLOAT_EQ(backdrop.BackPhase(), 50.4f);

    // At 10000 the phase starts again from 0.
    CBackdrop nearEnd;
    settings.backPhaseSaved = 9999.95f;
    nearEnd.DrawBackdrop(settings, bounds);
    EXPECT_EQ(nearEnd.BackPhase(), 0.0f);
    EXPECT_EQ(settings.currentBackPhase, 0.0f);
}

TEST_F(BackdropColours, SavedPhasesTheAnimationCouldNotHavePublishedStartAtZero)
{
    // From a hand-edited file: far below 0 the phase would never move (-1e9 + 0.1 is -1e9).
    settings.backAuto = 1;
    settings.backPhaseSaved = -1.0e9f;
    settings.frontAuto = 1;
    settings.frontPhaseSaved = 3.0e38f;
    Draw();
    backdrop.ApplyForegroundColour(settings);
    EXPECT_FLOAT_EQ(backdrop.BackPhase(), 0.1f);
    EXPECT_FLOAT_EQ(backdrop.FrontPhase(), 0.1f);

    CBackdrop edge; // the limits themselves are phases the animation can stand on
    settings.backPhaseSaved = 0.0f;
    settings.frontPhaseSaved = 10000.0f;
    settings.frontLock = 1;
    edge.ApplyForegroundColour(settings);
    EXPECT_EQ(edge.FrontPhase(), 10000.0f);
}

TEST_F(BackdropColours, ForegroundTintSetsTheCurrentColourAndAutomaticWins)
{
    glColor3f(0.25f, 0.5f, 0.75f);
    backdrop.ApplyForegroundColour(settings); // neither mode: the colour stays
    auto c = CurrentColour();
    EXPECT_EQ(c[0], 0.25f);
    EXPECT_EQ(c[2], 0.75f);

    settings.frontFixed = 1;
    settings.frontColour = 0x00FF8000; // red 0, green 128, blue 255
    backdrop.ApplyForegroundColour(settings);
    c = CurrentColour();
    EXPECT_FLOAT_EQ(c[0], 0.0f);
    EXPECT_FLOAT_EQ(c[1], 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(c[2], 1.0f);

    // The tint uses the phase first and steps it after: phase 0 gives (0, 1, 0.5).
    settings.frontAuto = 1;
    backdrop.ApplyForegroundColour(settings);
    c = CurrentColour();
    EXPECT_NEAR(c[0], 0.0f, 1e-6);
    EXPECT_NEAR(c[1], 1.0f, 1e-6);
    EXPECT_NEAR(c[2], 0.5f, 1e-6);
    EXPECT_FLOAT_EQ(backdrop.FrontPhase(), 0.1f);
    EXPECT_EQ(settings.currentFrontPhase, backdrop.FrontPhase());

    // The flag must be exactly 1 for the automatic tint; the fixed flag only nonzero.
    settings.frontAuto = 2;
    backdrop.ApplyForegroundColour(settings);
    EXPECT_FLOAT_EQ(CurrentColour()[1], 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(backdrop.FrontPhase(), 0.1f);
}

TEST_F(BackdropScene, FixedRedBackdropFillsTheLitTankAndGoesWithItsMode)
{
    scene.Settings().backFixed = 1;
    scene.Settings().backColour = 255;
    RenderTwoFrames();
    for (auto [x, y] : {std::pair{0, 0}, {80, 45}, {159, 89}})
        ExpectPixel(context.PixelAt(x, y), {255, 0, 0}, "red backdrop", 0);

    scene.Settings().backFixed = 0;
    scene.RenderFrame();
    ExpectPixel(context.PixelAt(80, 45), {0, 0, 0}, "no mode: the clear colour", 0);
}

TEST_F(BackdropScene, AutomaticBackdropPublishesItsPhaseEveryFrame)
{
    scene.Settings().backAuto = 1;
    scene.Settings().backPhaseSaved = 200.0f;
    for (int frame = 0; frame < 10; ++frame)
        scene.RenderFrame();
    EXPECT_NEAR(scene.Settings().currentBackPhase, 201.0f, 1e-3);
    EXPECT_EQ(scene.Settings().currentBackPhase, scene.Backdrop().BackPhase());
    // Lit at full light the drifting colours saturate somewhere; the backdrop is not black.
    const Rgb middle = Split(context.PixelAt(80, 45));
    EXPECT_GT(middle.r + middle.g + middle.b, 0);
}
