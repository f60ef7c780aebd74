// Offscreen tests of the help block in the scene: where it shows, that it reads, what it leaves.
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"
#include "view/HelpOverlay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

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

// The scene builds solids only for the characters of the ten lines; the block must come out pixel
// for pixel as with every glyph built, seen straight on and from the camera's far left.
TEST(HelpBlock, TheHelpCharactersAloneDrawTheWholeBlock)
{
    COffscreenContext context{480, 270};
    COutlineFont full, help;
    ASSERT_TRUE(full.Create(nullptr));
    ASSERT_TRUE(help.Create(nullptr, HelpGlyphCodes()));
    glMatrixMode(GL_PROJECTION);
    glFrustum(-0.0414, 0.0414, -0.0233, 0.0233, 0.1, 400.0); // 16:9, as the frame's
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    for (const CameraPosition& camera : {CameraPosition{0.0f, 0.0f, 0.0f}, CameraPosition{-40.0f, 2.0f, 10.0f}}) {
        std::vector<uint32_t> pictures[2];
        for (const COutlineFont* font : {&full, &help}) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glLoadIdentity();
            gluLookAt(camera.x, camera.y, camera.z - 10.0, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
            DrawHelpOverlay(*font, camera);
            glFinish();
            for (int y = 0; y < context.Height(); ++y)
                for (int x = 0; x < context.Width(); ++x)
                    pictures[font == &help].push_back(context.PixelAt(x, y));
        }
        EXPECT_NE(std::count(pictures[0].begin(), pictures[0].end(), pictures[0][0]),
                  static_cast<long>(pictures[0].size())); // the block is there to compare
        EXPECT_TRUE(pictures[0] == pictures[1]) << "camera x " << camera.x;
    } // the lists go with the context
}
