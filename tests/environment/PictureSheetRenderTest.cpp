// Offscreen tests of the picture sheet: the strips it sends to GL, and the picture in the tank.
#include "environment/PictureSheet.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
struct FedVertex
{
    float x, y;       // tank units (the projection below maps them one to one onto pixels)
    float texS, texT; // the texture coordinate given with the vertex
};

// Draws the sheet in feedback mode through an orthographic view in which window pixels are tank
// units (x - 100, y - 50), and returns the triangles GL rasterised, three vertices each.
std::vector<std::vector<FedVertex>> FeedBack(const CPictureSheet& sheet)
{
    glViewport(0, 0, 200, 100);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-100.0, 100.0, -50.0, 50.0, 0.0, 200.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    std::vector<GLfloat> buffer(4096);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    sheet.DrawPictureSheet();
    const GLint used = glRenderMode(GL_RENDER);

    // Each vertex: window x, y, z, colour RGBA, texture STRQ.
    std::vector<std::vector<FedVertex>> triangles;
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(buffer[i], static_cast<GLfloat>(GL_POLYGON_TOKEN));
        const int count = static_cast<int>(buffer[i + 1]);
        i += 2;
        std::vector<FedVertex> polygon;
        for (int v = 0; v < count; ++v, i += 11)
            polygon.push_back(FedVertex{buffer[i] - 100.0f, buffer[i + 1] - 50.0f, buffer[i + 7], buffer[i + 8]});
        triangles.push_back(polygon);
    }
    return triangles;
}

class PictureInTheTank : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        scene.Initialise(160, 90);
        scene.ToggleHelp(); // F1: the help text would stand over the picture
        AquariumSettings& s = scene.Settings();
        s.lightSetting = 0;
        s.fogSetting = 100;
        s.background = 1;
        s.showTerra = 1;
        s.bubbleSetting = 200; // no bubbles in front of the picture
    }

    // The backdrop is drawn under the fog the previous frame left, the set-up's dense fog on the
    // very first frame; the second frame shows the settings.
    void RenderTwoFrames()
    {
        scene.RenderFrame();
        scene.RenderFrame();
    }

    // Counts the pixels of the frame that are exactly `colour` (0x00BBGGRR).
    int CountExactly(uint32_t colour) const
    {
        int count = 0;
        for (int y = 0; y < 90; ++y) {
            for (int x = 0; x < 160; ++x)
                count += (context.PixelAt(x, y) & 0xFFFFFF) == colour;
        }
        return count;
    }

    COffscreenContext context{160, 90};
    CScratchFolder configHome;
    CBorrowedVariable configVariable{"XDG_CONFIG_HOME", configHome.path.c_str()};
    CAquariumScene scene;
};
} // namespace

TEST(PictureSheetDrawing, TwoStripsOfFourTrianglesMapThePictureMirrored)
{
    COffscreenContext context{200, 100};
    ASSERT_TRUE(context.IsOK());
    CPictureSheet sheet;
    EXPECT_TRUE(FeedBack(sheet).empty()); // nothing to draw before the first update

    sheet.UpdatePictureSheet(TankBounds::Aquarium()); // W = 0.1
    const auto triangles = FeedBack(sheet);
    ASSERT_EQ(triangles.size(), 8u);

    int inFirstStrip = 0, inSecondStrip = 0;
    for (const auto& triangle : triangles) {
        ASSERT_EQ(triangle.size(), 3u);
        float lowest = 1.0f, highest = 0.0f;
        for (const FedVertex& v : triangle) {
            lowest = std::min(lowest, v.texS);
            highest = std::max(highest, v.texS);
            // Texture coordinates sit on the evaluation grid 0, 1/2, 1.
            EXPECT_FLOAT_EQ(std::round(v.texS * 2.0f) / 2.0f, v.texS);
            EXPECT_FLOAT_EQ(std::round(v.texT * 2.0f) / 2.0f, v.texT);
            // The picture's second coordinate runs up the sheet, bottom row 0, top row 1.
            EXPECT_NEAR(v.y, -38.0f + 77.0f * v.texT, 1e-3);
            // Its first runs from the right wall to the left: mirrored.
            EXPECT_NEAR(v.x, 90.0f - 180.0f * v.texS, 1.0f);
        }
        EXPECT_FLOAT_EQ(highest - lowest, 0.5f); // each triangle lies in one strip
        (lowest == 0.0f ? inFirstStrip : inSecondStrip)++;
    }
    EXPECT_EQ(inFirstStrip, 4);
    EXPECT_EQ(inSecondStrip, 4);

    // The corners are the control net's corners, the top ones swayed by the wave.
    auto corner = [&](float s, float t) {
        for (const auto& triangle : triangles)
            for (const FedVertex& v : triangle)
                if (v.texS == s && v.texT == t)
                    return v;
        ADD_FAILURE() << "no vertex at " << s << "," << t;
        return FedVertex{};
    };
    EXPECT_NEAR(corner(0.0f, 0.0f).x, 90.0f, 1e-3);
    EXPECT_NEAR(corner(0.0f, 0.0f).y, -38.0f, 1e-3);
    EXPECT_NEAR(corner(1.0f, 0.0f).x, -90.0f, 1e-3);
    EXPECT_NEAR(corner(0.0f, 1.0f).x, 90.1f, 1e-3);
    EXPECT_NEAR(corner(1.0f, 1.0f).x, -89.8f, 1e-3);
    EXPECT_NEAR(corner(1.0f, 1.0f).y, 39.0f, 1e-3);
}

TEST_F(PictureInTheTank, PictureHangsOverTheBackdropWhichShowsThroughItsOpenWater)
{
    scene.Settings().backFixed = 1;
    scene.Settings().backColour = 16711680; // blue
    RenderTwoFrames();
    const int blue = CountExactly(0xFF0000);
    // The reef covers the lower part of the picture; the open water above it is transparent.
    EXPECT_GT(blue, 160 * 90 / 10);
    EXPECT_LT(blue, 160 * 90 * 9 / 10);
    const uint32_t top = context.PixelAt(80, 2) & 0xFFFFFF, low = context.PixelAt(80, 80) & 0xFFFFFF;
    EXPECT_EQ(top, 0xFF0000u);
    EXPECT_NE(low, 0xFF0000u);

    // Without Show Terra there is no picture at all.
    scene.Settings().showTerra = 0;
    scene.RenderFrame();
    EXPECT_EQ(CountExactly(0xFF0000), 160 * 90);
}

TEST_F(PictureInTheTank, ForegroundTintColoursThePicture)
{
    scene.Settings().frontFixed = 1;
    scene.Settings().frontColour = 255; // red: the picture keeps only its red
    RenderTwoFrames();
    int reddish = 0;
    for (int y = 0; y < 90; ++y) {
        for (int x = 0; x < 160; ++x) {
            const uint32_t pixel = context.PixelAt(x, y);
            ASSERT_EQ(pixel & 0xFFFF00, 0u) << x << "," << y;
            reddish += (pixel & 0xFF) > 40;
        }
    }
    EXPECT_GT(reddish, 160 * 90 / 10);
}

TEST_F(PictureInTheTank, WaveMovesOnlyOnFramesThatDrawTheSheet)
{
    EXPECT_FLOAT_EQ(scene.PictureSheet().Wave(), 0.1f); // the one update of the set-up
    for (int frame = 0; frame < 3; ++frame)
        scene.RenderFrame();
    EXPECT_FLOAT_EQ(scene.PictureSheet().Wave(), 0.4f);

    scene.Settings().background = 0;
    scene.RenderFrame();
    scene.Settings().background = 1;
    scene.Settings().showTerra = 0;
    scene.RenderFrame();
    EXPECT_FLOAT_EQ(scene.PictureSheet().Wave(), 0.4f);

    scene.Settings().showTerra = 1; // switching back resumes where it stopped
    scene.RenderFrame();
    EXPECT_FLOAT_EQ(scene.PictureSheet().Wave(), 0.5f);
}
