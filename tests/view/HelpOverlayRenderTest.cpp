// Offscreen tests of the help block in the scene: where it shows, that it reads, what it leaves.
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"
#include "view/HelpOverlay.h"

#include <gtest/gtest.h>

#include <array>

TEST(HelpBlock, EveryLineReadsOnAWhiteBackdropInTheDensestFogAndTheStateIsPutBack)
{
    COffscreenContext context{640, 360};
    CScratchFolder configHome;
    CBorrowedVariable configVariable{"XDG_CONFIG_HOME", configHome.path.c_str()};
    CAquariumScene scene;
    scene.Initialise(640, 360);
    ASSERT_TRUE(scene.HelpFont().IsOK());
    scene.Settings().backFixed = 1;
    scene.Settings().backColour = 16777215;
    scene.Settings().fogSetting = 0; // white fog would wash text drawn in it into the backdrop
    scene.RenderFrame();             // the first frame shows the block

    double model[16], projection[16], left, top, right, bottom, depth;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model); // the camera the frame looked through
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const CameraPosition& eye = scene.Camera();
    for (const HelpLine& line : kHelpLines) {
        float width = 0.0f;
        for (const char* c = line.text; *c != '\0'; ++c)
            width += scene.HelpFont().Metrics(static_cast<unsigned char>(*c)).cellIncX;
        const double x = eye.x + line.xOffset, y = eye.y + line.yOffset, z = eye.z + line.zOffset;
        gluProject(x, y + 0.75, z, model, projection, viewport, &left, &top, &depth); // ascender to descender
        gluProject(x + width, y - 0.25, z, model, projection, viewport, &right, &bottom, &depth);
        int outline = 0, face = 0;
        for (int py = viewport[3] - static_cast<int>(top); py <= viewport[3] - static_cast<int>(bottom); ++py)
            for (int px = static_cast<int>(left); px <= static_cast<int>(right); ++px) {
                const uint32_t c = context.PixelAt(px, py);
                const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
                outline += r < 90 && g < 90 && b < 90;
                face += r > 200 && g > 180 && b < 200;
            }
        // At this size the dark rim and the light faces each cover about a quarter of the box.
        EXPECT_GT(outline, (right - left) * (top - bottom) * 0.1) << line.text;
        EXPECT_GT(face, (right - left) * (top - bottom) * 0.1) << line.text;
    }

    // Drawn again, the block leaves the state as it found it, the current colour and normal too.
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
}
