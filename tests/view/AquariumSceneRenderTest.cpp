// Offscreen tests of the scene's set-up and frame: the GL state they leave, projection, camera.
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sys/stat.h>

namespace {
class SceneFrame : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(context.IsOK()); }

    void Initialise(int screenWidth = 1920, int screenHeight = 1080)
    {
        scene.Initialise(screenWidth, screenHeight);
    }

    static std::array<float, 4> LightColour(GLenum which)
    {
        std::array<float, 4> c{};
        glGetLightfv(GL_LIGHT1, which, c.data());
        return c;
    }

    static std::array<float, 16> Matrix(GLenum which)
    {
        std::array<float, 16> m{};
        glGetFloatv(which, m.data());
        return m;
    }

    COffscreenContext context{320, 180};
    // The scene loads its settings from here, never from the developer's own file.
    CScratchFolder configHome;
    CBorrowedVariable configVariable{"XDG_CONFIG_HOME", configHome.path.c_str()};
    CAquariumScene scene;
};
} // namespace

TEST_F(SceneFrame, InitialisationTakesTheScreenSizeAndTheTank)
{
    Initialise();
    EXPECT_TRUE(scene.IsInitialised());
    EXPECT_EQ(scene.ScreenWidth(), 1920); // the screen, not the 320 x 180 drawable
    EXPECT_EQ(scene.ScreenHeight(), 1080);
    const TankBounds& b = scene.Bounds();
    EXPECT_EQ(b.xMin, -90.0f);
    EXPECT_EQ(b.xMax, 90.0f);
    EXPECT_EQ(b.yTop, 30.0f);
    EXPECT_EQ(b.yBottom, -22.0f);
    EXPECT_EQ(b.zBack, -50.0f);
    EXPECT_EQ(b.zFront, 0.0f);
    EXPECT_TRUE(scene.HelpVisible());
    EXPECT_EQ(scene.Mode(), CursorMode::Feed);
    EXPECT_EQ(scene.PlantTexture(2), 0u);
    EXPECT_EQ(scene.Settings().fogSetting, 100);

    struct stat info;
    ASSERT_EQ(stat(scene.TempDirectory().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(SceneFrame, InitialisationSetsTheGlobalState)
{
    Initialise();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_FOG));

    GLint shade = 0, fogMode = 0;
    glGetIntegerv(GL_SHADE_MODEL, &shade);
    glGetIntegerv(GL_FOG_MODE, &fogMode);
    EXPECT_EQ(shade, GL_SMOOTH);
    EXPECT_EQ(fogMode, GL_EXP);

    float clear[4], fogStart = 0, fogEnd = 0, fogDensity = 0, fogColour[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    glGetFloatv(GL_FOG_START, &fogStart);
    glGetFloatv(GL_FOG_END, &fogEnd);
    glGetFloatv(GL_FOG_DENSITY, &fogDensity);
    glGetFloatv(GL_FOG_COLOR, fogColour);
    EXPECT_FLOAT_EQ(clear[3], 0.5f);
    EXPECT_FLOAT_EQ(fogStart, -10.0f);
    EXPECT_FLOAT_EQ(fogEnd, 100.0f);
    EXPECT_FLOAT_EQ(fogDensity, 0.5f);
    EXPECT_FLOAT_EQ(fogColour[0], 1.0f);

    // The light position was given under the identity, so it is stored as given.
    float position[4];
    glGetLightfv(GL_LIGHT1, GL_POSITION, position);
    EXPECT_FLOAT_EQ(position[0], 1000.0f);
    EXPECT_FLOAT_EQ(position[1], -1000.0f);
    EXPECT_FLOAT_EQ(position[2], 1000.0f);
}

TEST_F(SceneFrame, LightAndFogFollowTheSettingsEveryFrame)
{
    Initialise();
    scene.Settings().lightSetting = 30;
    scene.Settings().fogSetting = 60;
    scene.RenderFrame();
    for (GLenum which : {GL_AMBIENT, GL_DIFFUSE}) {
        const auto c = LightColour(which);
        EXPECT_FLOAT_EQ(c[0], 0.7f);
        EXPECT_FLOAT_EQ(c[1], 0.7f);
        EXPECT_FLOAT_EQ(c[2], 0.7f);
        EXPECT_FLOAT_EQ(c[3], 1.0f);
    }
    float density = 0;
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_FLOAT_EQ(density, 0.02f);
    // What a frame leaves for the next: lighting off, fog on, texturing on.
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));

    scene.Settings().lightSetting = 100; // no light at all
    scene.Settings().fogSetting = 100;   // no fog
    scene.RenderFrame();
    EXPECT_FLOAT_EQ(LightColour(GL_DIFFUSE)[0], 0.0f);
    EXPECT_FLOAT_EQ(LightColour(GL_AMBIENT)[2], 0.0f);
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_FLOAT_EQ(density, 0.0f);

    scene.Settings().lightSetting = 0;
    scene.Settings().fogSetting = 0;
    scene.RenderFrame();
    EXPECT_FLOAT_EQ(LightColour(GL_DIFFUSE)[1], 1.0f);
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_FLOAT_EQ(density, 0.05f);

    // A hand-edited file may hold any number; the lowest still gives 100 minus it, not a wrapped
    // negative (a light below black, a fog density GL refuses).
    scene.Settings().lightSetting = INT32_MIN;
    scene.Settings().fogSetting = INT32_MIN;
    scene.RenderFrame();
    EXPECT_NEAR(LightColour(GL_DIFFUSE)[0], 21474837.0f, 4.0f);
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_NEAR(density, 1073741.9f, 1.0f);
}

TEST_F(SceneFrame, DarkestLightLeavesLitSurfacesBlack)
{
    Initialise(320, 180);
    AquariumSettings& settings = scene.Settings();
    settings.backFixed = 1;
    settings.backColour = 16777215; // a white backdrop, drawn under the frame's lighting
    settings.fogSetting = 100;
    scene.SetMouse(160, 90);
    for (int light : {0, 100}) {
        settings.lightSetting = light;
        scene.RenderFrame();
        scene.RenderFrame(); // the first frame still carries the set-up's fog density
        const uint32_t top = context.PixelAt(160, 5) & 0xFFFFFF;
        if (light == 0) {
            EXPECT_EQ(top, 0xFFFFFFu);
        } else {
            EXPECT_EQ(top, 0u);
        }
    }
}

TEST_F(SceneFrame, ProjectionComesFromTheScreenNotTheDrawable)
{
    Initialise(1920, 1080);
    scene.RenderFrame();
    auto p = Matrix(GL_PROJECTION_MATRIX);
    // glFrustum puts 2n / (r - l) and 2n / (t - b) on the diagonal.
    EXPECT_NEAR(p[0], 1.0 / (0.4 * 1920.0 / 1080.0), 1e-5);
    EXPECT_NEAR(p[5], 1.0 / 0.4, 1e-5);

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1920);
    EXPECT_EQ(viewport[3], 1080);
}

TEST_F(SceneFrame, PortraitScreenWidensTheFrustumVertically)
{
    Initialise(1080, 1920);
    scene.RenderFrame();
    auto p = Matrix(GL_PROJECTION_MATRIX);
    EXPECT_NEAR(p[0], 1.0 / 0.4, 1e-5);
    EXPECT_NEAR(p[5], 1.0 / (0.4 * 1920.0 / 1080.0), 1e-5);
}

TEST_F(SceneFrame, PointerAtTheLeftEdgeSlidesTheCameraToMinusForty)
{
    Initialise();
    scene.SetMouse(0, 500);
    for (int frame = 0; frame < 40; ++frame)
        scene.Tick();
    EXPECT_FLOAT_EQ(scene.Camera().x, -40.0f);
    for (int frame = 0; frame < 20; ++frame)
        scene.Tick();
    EXPECT_FLOAT_EQ(scene.Camera().x, -40.0f);

    // The model-view matrix left by the frame holds that camera: the eye maps to the origin.
    auto m = Matrix(GL_MODELVIEW_MATRIX);
    const float eye[3] = {-40.0f, 0.0f, -10.0f};
    for (int row = 0; row < 3; ++row) {
        const float mapped = m[row] * eye[0] + m[4 + row] * eye[1] + m[8 + row] * eye[2] + m[12 + row];
        EXPECT_NEAR(mapped, 0.0f, 1e-3) << "row " << row;
    }
}

TEST_F(SceneFrame, ResizeToZeroHeightUsesOne)
{
    Initialise();
    scene.Resize(640, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 1);
    auto p = Matrix(GL_PROJECTION_MATRIX);
    EXPECT_TRUE(std::isfinite(p[0]));
    EXPECT_TRUE(std::isfinite(p[5]));
}

TEST_F(SceneFrame, EmptyTankIsClearedToBlack)
{
    Initialise(320, 180);
    scene.ToggleHelp(); // F1
    scene.RenderFrame();
    for (auto [x, y] : {std::pair{0, 0}, {160, 90}, {319, 179}})
        EXPECT_EQ(context.PixelAt(x, y) & 0xFFFFFF, 0u) << x << "," << y;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
