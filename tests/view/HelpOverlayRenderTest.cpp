// Offscreen tests of the help block in the scene: where it shows, that it reads, what it leaves.
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"
#include "view/HelpOverlay.h"

#include <gtest/gtest.h>

#include <array>

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
} // namespace

TEST_F(HelpBlock, EveryLineReadsOnAWhiteBackdropInTheDensestFogFromTheFirstFrame)
{
    scene.Settings().backFixed = 1;
    scene.Settings().backColour = 16777215;
    scene.Settings().fogSetting = 0; // white fog would wash text drawn in it into the backdrop
    scene.RenderFrame();

    double model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model); // the camera the frame looked through
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const CameraPosition& eye = scene.Camera();
    for (const HelpLine& line : kHelpLines) {
        float width = 0.0f;
        for (const char* c = line.text; *c != '\0'; ++c)
            width += scene.HelpFont().Metrics(static_cast<unsigned char>(*c)).cellIncX;
        double left, top, right, bottom, depth; // the line's box, ascender to descender, in pixels
        gluProject(eye.x + line.xOffset, eye.y + line.yOffset + 0.75, eye.z + line.zOffset, model, projection, viewport,
                   &left, &top, &depth);
        gluProject(eye.x + line.xOffset + width, eye.y + line.yOffset - 0.25, eye.z + line.zOffset, model, projection,
                   viewport, &right, &bottom, &depth);
        int outline = 0, face = 0;
        for (int y = viewport[3] - static_cast<int>(top); y <= viewport[3] - static_cast<int>(bottom); ++y)
            for (int x = static_cast<int>(left); x <= static_cast<int>(right); ++x) {
                const uint32_t c = context.PixelAt(x, y);
                const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
                outline += r < 90 && g < 90 && b < 90;
                face += r > 200 && g > 180 && b < 200;
            }
        // At this size the dark rim and the light faces each cover about a quarter of the box.
        const double box = (right - left) * (top - bottom);
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
        int i = 0;
        for (GLenum flag : {GL_TEXTURE_2D, GL_FOG, GL_LIGHTING, GL_LIGHT0, GL_LIGHT1, GL_BLEND, GL_COLOR_MATERIAL})
            s[i++] = glIsEnabled(flag);
        for (GLenum value : {GL_CURRENT_COLOR, GL_CURRENT_NORMAL, GL_LINE_WIDTH, GL_POLYGON_MODE, GL_LIST_BASE,
                             GL_LIGHT_MODEL_AMBIENT, GL_MODELVIEW_MATRIX}) {
            glGetFloatv(value, &s[i]); // the matrix last: it fills what is left
            i += 4;
        }
        return s;
    };
    const auto before = snapshot();
    DrawHelpOverlay(scene.HelpFont(), scene.Camera());
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
