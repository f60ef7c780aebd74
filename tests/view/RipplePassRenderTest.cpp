// Offscreen tests of ripple mode: the frame copy drawn back over the frame, and rings across the picture.
#include "platform/GLHeaders.h"
#include "view/SceneFixture.h"

#include <cmath>
#include <sys/stat.h>
#include <vector>

namespace {
// The bound texture's level-0 image as 0xAABBGGRR texels, bottom row first; its size in `width`, `height`.
std::vector<uint32_t> ReadBoundTexture(int& width, int& height)
{
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<uint32_t> texels(static_cast<size_t>(width) * height);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

// The picture on its sheet to ripple, tinted pink and under thick fog: the colour and the fog that
// the frame leaves would tint and wash out the copy drawn back over it.
class RipplePass : public SceneFixture
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        ASSERT_EQ(mkdir((configHome.path + "/kelpora").c_str(), 0700), 0);
        WriteWholeFile(configHome.path + "/kelpora/KelporaSet.ini",
                       "[Aquarium Settings]\nBACKGROUND=1\nShow Terra=1\n"
                       "FOGNONGDU=0\nFRONT GUDING=1\nFRONTCOLOR=8421631\n");
        Initialise(320, 180);
        scene.SelectMode(CursorMode::Ripple);
    }

    // Renders a frame and finds where it differs from the copy the pass took before drawing over it:
    // the distances of those pixels from grid vertex (16, 16), in grid cells.
    std::vector<double> RenderAndCompareWithTheCopy()
    {
        scene.RenderFrame();
        int w = 0, h = 0;
        glBindTexture(GL_TEXTURE_2D, scene.RippleTexture());
        const std::vector<uint32_t> copy = ReadBoundTexture(w, h);
        if (w < 320 || h < 180) {
            ADD_FAILURE() << "the ripple texture is only " << w << "x" << h;
            return {};
        }
        std::vector<double> changed;
        for (int y = 0; y < 180; ++y)
            for (int x = 0; x < 320; ++x) {
                const uint32_t a = context.PixelAt(x, 179 - y), b = copy[static_cast<size_t>(y) * w + x];
                for (int shift = 0; shift < 24; shift += 8)
                    if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 3) {
                        changed.push_back(std::hypot((x + 0.5) * 31 / 320 - 16, (y + 0.5) * 31 / 180 - 16));
                        break;
                    }
            }
        return changed;
    }
};
} // namespace

TEST_F(RipplePass, WithNoRippleTheFrameComesBackUntintedAndUnfogged)
{
    EXPECT_TRUE(RenderAndCompareWithTheCopy().empty());
    EXPECT_TRUE(glIsEnabled(GL_FOG) && glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_BLEND));
}

TEST_F(RipplePass, AClickSendsARingOutFromItsPoint)
{
    scene.RippleGrid()->AddRipple(160, 90);
    for (int frame = 1; frame < 30; ++frame)
        scene.RenderFrame();
    // Frame 30 draws the ripple 29 steps on, 28 + 29 x 7 age steps old: its front is 231 x 31 / 800
    // cells out. Beyond it, and a cell's reach for the pixels between vertices, nothing moves.
    const double front = 231.0 * 31 / 800;
    int inRing = 0;
    for (double d : RenderAndCompareWithTheCopy()) {
        EXPECT_LT(d, front + 1.5);
        inRing += d > front - 3.0;
    }
    EXPECT_GT(inRing, 200);
}
