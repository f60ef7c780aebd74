// Offscreen tests of the help block in the scene: where it shows, that it reads, what it leaves.
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"
#include "view/HelpOverlay.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {
class HelpBlock : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        scene.Initialise(context.Width(), context.Height());
        ASSERT_TRUE(scene.HelpFont().IsOK());
    }

    COffscreenContext context{640, 360};
    CScratchFolder configHome;
    CBorrowedVariable configVariable{"XDG_CONFIG_HOME", configHome.path.c_str()};
    CAquariumScene scene;
};

// Window pixel (x, y from the top) of a point in the tank, under the matrices the frame left.
std::array<double, 2> OnScreen(double x, double y, double z)
{
    double model[16], projection[16], wx = 0, wy = 0, wz = 0;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz);
    return {wx, viewport[3] - wy};
}
} // namespace

TEST_F(HelpBlock, ReadsOnAWhiteBackdropInTheDensestFogFromTheFirstFrame)
{
    AquariumSettings& settings = scene.Settings();
    settings.backFixed = 1;
    settings.backColour = 16777215;
    settings.fogSetting = 0; // white fog would wash text drawn in it into the backdrop
    scene.RenderFrame();

    const COutlineFont& font = scene.HelpFont();
    for (const HelpLine& line : kHelpLines) {
        float width = 0.0f;
        for (const char* c = line.text; *c != '\0'; ++c)
            width += font.Metrics(static_cast<unsigned char>(*c)).cellIncX;
        const CameraPosition& eye = scene.Camera();
        const auto topLeft = OnScreen(eye.x + line.xOffset, eye.y + line.yOffset + 0.75, eye.z + line.zOffset);
        const auto bottomRight =
            OnScreen(eye.x + line.xOffset + width, eye.y + line.yOffset - 0.25, eye.z + line.zOffset);
        int outline = 0, face = 0;
        for (int y = static_cast<int>(topLeft[1]); y <= static_cast<int>(bottomRight[1]); ++y)
            for (int x = static_cast<int>(topLeft[0]); x <= static_cast<int>(bottomRight[0]); ++x) {
                const uint32_t c = context.PixelAt(x, y);
                const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
                outline += r < 90 && g < 90 && b < 90;
                face += r > 200 && g > 180 && b < 200;
            }
        // At this size the dark rim and the light faces each cover about a quarter of a line's box.
        const double box = (bottomRight[0] - topLeft[0]) * (bottomRight[1] - topLeft[1]);
        EXPECT_GT(outline, box * 0.1) << line.text;
        EXPECT_GT(face, box * 0.1) << line.text;
    }
}

TEST_F(HelpBlock, OverlayPutsBackTheStateTheFrameRunsIn)
{
    scene.RenderFrame();
    glColor4f(0.2f, 0.4f, 0.6f, 0.8f);
    glNormal3f(0.0f, 1.0f, 0.0f);
    auto snapshot = [] {
        std::array<float, 48> s{};
        const GLenum flags[] = {GL_TEXTURE_2D, GL_FOG,        GL_LIGHTING,       GL_LIGHT0,   GL_LIGHT1,
                                GL_BLEND,      GL_DEPTH_TEST, GL_COLOR_MATERIAL, GL_CULL_FACE};
        for (size_t i = 0; i < sizeof flags / sizeof flags[0]; ++i)
            s[i] = glIsEnabled(flags[i]);
        glGetFloatv(GL_CURRENT_COLOR, &s[10]);
        glGetFloatv(GL_CURRENT_NORMAL, &s[14]);
        glGetFloatv(GL_LINE_WIDTH, &s[17]);
        GLint mode[2], listBase;
        glGetIntegerv(GL_POLYGON_MODE, mode);
        glGetIntegerv(GL_LIST_BASE, &listBase);
        s[18] = mode[0];
        s[19] = listBase;
        glGetFloatv(GL_MODELVIEW_MATRIX, &s[20]);
        glGetLightfv(GL_LIGHT1, GL_DIFFUSE, &s[36]);
        glGetFloatv(GL_LIGHT_MODEL_AMBIENT, &s[40]);
        return s;
    };
    const auto before = snapshot();
    DrawHelpOverlay(scene.HelpFont(), scene.Camera());
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
