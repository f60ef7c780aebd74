// Offscreen tests of the extruded outline font: its lists, metrics, pixels, solids and failures.
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/OutlineFont.h"
#include "platform/ScratchFolder.h"
#include "view/HelpOverlay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int kPixelsPerEm = 80;

class OutlineFont : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        // 200 x 100 pixels show x from 0 to 2.5 em and y from -0.25 to 1 em; window depth (1 - z) / 2.
        glMatrixMode(GL_PROJECTION);
        glOrtho(0.0, 2.5, -0.25, 1.0, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
    }

    // Whether pixel (x, y) lies in the black box of `code` drawn at em x origin, give or take a pixel.
    bool InBox(unsigned char code, float origin, int x, int y) const
    {
        const GlyphMetrics& m = font.Metrics(code);
        const float left = (origin + m.glyphOriginX) * kPixelsPerEm, top = (1.0f - m.glyphOriginY) * kPixelsPerEm;
        return x + 1 >= left && x <= left + m.blackBoxX * kPixelsPerEm + 1 && y + 1 >= top &&
               y <= top + m.blackBoxY * kPixelsPerEm + 1;
    }

    COffscreenContext context{200, 100};
    COutlineFont font;
    std::vector<std::string> reports;
    ErrorReport collect = [this](const std::string& text, const std::string&) { reports.push_back(text); };
};
} // namespace

TEST_F(OutlineFont, BuildsAListPerCodeWithMetricsInEmAndReleasesThem)
{
    ASSERT_TRUE(font.Create(collect)) << (reports.empty() ? "" : reports[0]);
    for (int code : {0, int{'\n'}, int{' '}, int{'A'}, 0xE9, 254})
        EXPECT_TRUE(glIsList(font.ListBase() + code)) << code;
    EXPECT_LT(font.Metrics('I').cellIncX, font.Metrics('W').cellIncX);
    EXPECT_NEAR(font.Metrics('H').blackBoxY, 0.72f, 0.1f); // one em is one unit: capitals stand about 0.7
    EXPECT_NEAR(font.Metrics('H').glyphOriginY - font.Metrics('H').blackBoxY, 0.0f, 0.01f); // on the baseline
    EXPECT_GT(font.Metrics(0xE9).blackBoxY, font.Metrics('e').blackBoxY); // Latin-1 e acute has its accent

    const uint32_t base = font.ListBase();
    font.Release();
    EXPECT_FALSE(glIsList(base + 'A'));
}

TEST_F(OutlineFont, PrintedGlyphsInkTheirBlackBoxesOneAdvanceApart)
{
    ASSERT_TRUE(font.Create(collect));
    PrintText(font, "%c%c", 'A', 'O');
    const float advance = font.Metrics('A').cellIncX;
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m); // the lists moved the origin by both advances
    EXPECT_NEAR(m[12], advance + font.Metrics('O').cellIncX, 1e-5f);
    glFinish();
    int inA = 0, inO = 0, outside = 0;
    for (int y = 0; y < context.Height(); ++y)
        for (int x = 0; x < context.Width(); ++x)
            if ((context.PixelAt(x, y) & 0xFFFFFF) != 0)
                InBox('A', 0.0f, x, y) ? ++inA : InBox('O', advance, x, y) ? ++inO : ++outside;
    const GlyphMetrics& a = font.Metrics('A');
    EXPECT_GT(inA, a.blackBoxX * a.blackBoxY * kPixelsPerEm * kPixelsPerEm * 0.3f);
    EXPECT_GT(inO, inA / 2);
    EXPECT_EQ(outside, 0);
    const GlyphMetrics& o = font.Metrics('O'); // its counter stays open
    const float cx = advance + o.glyphOriginX + o.blackBoxX / 2, cy = 1.0f - o.glyphOriginY + o.blackBoxY / 2;
    EXPECT_EQ(context.PixelAt(cx * kPixelsPerEm, cy * kPixelsPerEm) & 0xFFFFFF, 0u);
}

TEST_F(OutlineFont, GlyphsAreSolidsOneFifthDeepFacingOutwards)
{
    ASSERT_TRUE(font.Create(collect));
    // Lit from +x, each polygon in feedback has the x of its normal, or 0, as its colour; that
    // must agree with the normal of its winding.
    const float fromRight[4] = {1.0f, 0.0f, 0.0f, 0.0f}, black[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, fromRight);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
    for (GLenum flag : {GL_LIGHT0, GL_LIGHTING, GL_COLOR_MATERIAL})
        glEnable(flag);
    std::vector<GLfloat> fb(1 << 20);
    for (float turn : {0.0f, -50.0f}) { // a 'B' head on; an 'I' turned about y, walls to the light
        glLoadIdentity();
        glTranslatef(turn == 0.0f ? 0.0f : 0.5f, 0.0f, 0.0f);
        glRotatef(turn, 0.0f, 1.0f, 0.0f);
        glFeedbackBuffer(static_cast<GLsizei>(fb.size()), GL_3D_COLOR, fb.data());
        glRenderMode(GL_FEEDBACK);
        glCallList(font.ListBase() + (turn == 0.0f ? 'B' : 'I'));
        const GLint used = glRenderMode(GL_RENDER);
        ASSERT_GT(used, 0);
        for (GLint i = 0, corners = 0; i < used; i += 2 + 7 * corners) {
            ASSERT_EQ(fb[i], GL_POLYGON_TOKEN);
            corners = static_cast<int>(fb[i + 1]);
            double n[3] = {0, 0, 0}, depth = 0, x = 0; // Newell's normal in em; window depth is (1 - z) / 2
            for (int k = 0; k < corners; ++k) {
                const GLfloat *p = &fb[i + 2 + 7 * k], *q = &fb[i + 2 + 7 * ((k + 1) % corners)];
                n[0] += (p[1] - q[1]) * (2.0 - 2.0 * p[2] - 2.0 * q[2]) / kPixelsPerEm;
                n[1] += (2.0 * q[2] - 2.0 * p[2]) * (p[0] + q[0]) / kPixelsPerEm;
                n[2] += (p[0] - q[0]) * (p[1] + q[1]) / (kPixelsPerEm * kPixelsPerEm);
                depth += p[2] / corners;
                x += p[0] / kPixelsPerEm / corners;
            }
            const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            if (length < 1e-6) // no area, no normal to compare
                continue;
            EXPECT_NEAR(fb[i + 5], std::max(0.0, n[0] / length), 0.02) << "turn " << turn << " at " << i;
            if (turn == 0.0f) { // head on, the faces: the front at z 0, the back at -0.2
                if (std::fabs(n[2]) > 0.9 * length) {
                    EXPECT_NEAR(depth, n[2] > 0 ? 0.5 : 0.6, 1e-4) << "at " << i;
                }
            } else if (std::fabs(n[1]) < 0.1 * length && std::fabs(n[0]) > 0.5 * length) {
                // The stem is a turned box: each upright side, wall or face, faces away from its middle.
                const GlyphMetrics& stem = font.Metrics('I');
                const double middle = 0.5 + 0.643 * (stem.glyphOriginX + stem.blackBoxX / 2) + 0.766 * 0.1;
                EXPECT_EQ(n[0] > 0, x > middle) << "at " << i;
            }
        }
    }
}

TEST_F(OutlineFont, UnreadableFaceIsReportedOnceAndDrawsNothing)
{
    CScratchFolder folder;
    WriteWholeFile(folder.path + "/broken.ttf", "not a font at all");
    for (const std::string& path : {folder.path + "/missing.ttf", folder.path + "/broken.ttf"}) {
        reports.clear();
        EXPECT_FALSE(font.CreateFromFile(path, 0, collect));
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find("runs without its help text"), std::string::npos) << reports[0];
        EXPECT_FALSE(font.IsOK());
    }
    EXPECT_EQ(glGenLists(256), 1u); // no list name was taken; now list 'K' exists, and fills the view
    glNewList('K', GL_COMPILE);
    glRectf(0.0f, -0.25f, 2.5f, 1.0f);
    glEndList();
    PrintText(font, "%s", "Kelpora");
    DrawHelpOverlay(font, CameraPosition{0.0f, 0.3f, 60.0f});
    glFinish();
    EXPECT_EQ(context.PixelAt(100, 50) & 0xFFFFFF, 0u);
}
