// Offscreen tests of the extruded outline font: its lists, metrics, pixels, depth and failures.
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/OutlineFont.h"
#include "platform/ScratchFolder.h"
#include "view/HelpOverlay.h"

#include <gtest/gtest.h>

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
        // 200 x 100 pixels show x from 0 to 2.5 em and y from -0.25 to 1 em.
        glMatrixMode(GL_PROJECTION);
        glOrtho(0.0, 2.5, -0.25, 1.0, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
    }
    void TearDown() override { font.Release(); }

    // Lit pixels in the black box of `code` drawn with its origin at each of the em x positions
    // (a pixel of slack around it), and lit pixels outside all of them.
    void CountInk(unsigned char code, const std::vector<float>& origins, std::vector<int>& inside, int& outside) const
    {
        const GlyphMetrics& m = font.Metrics(code);
        inside.assign(origins.size(), 0);
        outside = 0;
        for (int py = 0; py < context.Height(); ++py)
            for (int px = 0; px < context.Width(); ++px) {
                if ((context.PixelAt(px, py) & 0xFFFFFF) == 0)
                    continue;
                bool counted = false;
                for (size_t i = 0; i < origins.size() && !counted; ++i) {
                    const float left = (origins[i] + m.glyphOriginX) * kPixelsPerEm;
                    const float top = (1.0f - m.glyphOriginY) * kPixelsPerEm;
                    counted = px + 1 >= left && px <= left + m.blackBoxX * kPixelsPerEm + 1 && py + 1 >= top &&
                              py <= top + m.blackBoxY * kPixelsPerEm + 1;
                    inside[i] += counted;
                }
                outside += !counted;
            }
    }

    COffscreenContext context{200, 100};
    COutlineFont font;
    std::vector<std::string> reports;
    ErrorReport collect = [this](const std::string& text, const std::string&) { reports.push_back(text); };
};

float ModelViewX()
{
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    return m[12];
}
} // namespace

TEST_F(OutlineFont, BuildsAListPerCodeWithMetricsInEm)
{
    ASSERT_TRUE(font.Create(collect)) << (reports.empty() ? "" : reports[0]);
    EXPECT_TRUE(reports.empty());
    ASSERT_TRUE(font.IsOK());
    for (int code : {0, int{'\n'}, int{' '}, int{'A'}, int{'W'}, 0xE9, 254})
        EXPECT_TRUE(glIsList(font.ListBase() + code)) << code;
    EXPECT_LT(font.Metrics('I').cellIncX, font.Metrics('W').cellIncX);
    EXPECT_GT(font.Metrics('H').blackBoxY, 0.6f); // one em is one unit: capitals stand about 0.7
    EXPECT_LT(font.Metrics('H').blackBoxY, 0.85f);
    EXPECT_NEAR(font.Metrics('H').glyphOriginY - font.Metrics('H').blackBoxY, 0.0f, 0.01f); // on the baseline
    EXPECT_LT(font.Metrics('g').glyphOriginY - font.Metrics('g').blackBoxY, -0.1f);         // a descender
    EXPECT_GT(font.Metrics(' ').cellIncX, 0.0f);
    EXPECT_EQ(font.Metrics(' ').blackBoxX, 0.0f);
    EXPECT_EQ(font.Metrics('\n').blackBoxX, 0.0f);
    EXPECT_GT(font.Metrics(0xE9).blackBoxY, font.Metrics('e').blackBoxY); // Latin-1 e acute has its accent
}

TEST_F(OutlineFont, PrintedGlyphsFillTheirBlackBoxesOneAdvanceApart)
{
    ASSERT_TRUE(font.Create(collect)) << (reports.empty() ? "" : reports[0]);
    PrintText(font, "%c%c", 'A', 'A');
    const float advance = font.Metrics('A').cellIncX;
    EXPECT_NEAR(ModelViewX(), 2.0f * advance, 1e-5f);
    glFinish();
    std::vector<int> inside;
    int outside = 0;
    CountInk('A', {0.0f, advance}, inside, outside);
    const float area = font.Metrics('A').blackBoxX * font.Metrics('A').blackBoxY * kPixelsPerEm * kPixelsPerEm;
    EXPECT_GT(inside[0], area * 0.3f);
    EXPECT_GT(inside[1], area * 0.3f);
    EXPECT_EQ(outside, 0);
}

TEST_F(OutlineFont, CounterOfAnOStaysOpen)
{
    ASSERT_TRUE(font.Create(collect)) << (reports.empty() ? "" : reports[0]);
    glCallList(font.ListBase() + 'O');
    glFinish();
    const GlyphMetrics& m = font.Metrics('O');
    const int cx = static_cast<int>((m.glyphOriginX + m.blackBoxX / 2) * kPixelsPerEm);
    const int cy = static_cast<int>((1.0f - m.glyphOriginY + m.blackBoxY / 2) * kPixelsPerEm);
    const int leftStroke = static_cast<int>((m.glyphOriginX + 0.04f) * kPixelsPerEm);
    EXPECT_EQ(context.PixelAt(cx, cy) & 0xFFFFFF, 0u);
    EXPECT_NE(context.PixelAt(leftStroke, cy) & 0xFFFFFF, 0u);
}

TEST_F(OutlineFont, GlyphsAreClosedSolidsOneFifthDeepWithOutwardWalls)
{
    ASSERT_TRUE(font.Create(collect)) << (reports.empty() ? "" : reports[0]);
    // A white light along +x: in feedback each polygon's colour is the x of its normal, or 0.
    const float fromRight[4] = {1.0f, 0.0f, 0.0f, 0.0f}, black[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, fromRight);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    std::vector<GLfloat> feedback(1 << 20);
    for (float turn : {0.0f, -50.0f}) { // head on, then turned about y so that walls face the light
        glLoadIdentity();
        glTranslatef(turn == 0.0f ? 0.0f : 0.5f, 0.0f, 0.0f);
        glRotatef(turn, 0.0f, 1.0f, 0.0f);
        glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D_COLOR, feedback.data());
        glRenderMode(GL_FEEDBACK);
        glCallList(font.ListBase() + 'B');
        const GLint used = glRenderMode(GL_RENDER);
        ASSERT_GT(used, 0);
        float nearest = 1.0f, farthest = 0.0f;
        for (GLint i = 0; i < used;) {
            ASSERT_EQ(feedback[i], GL_POLYGON_TOKEN);
            const int corners = static_cast<int>(feedback[i + 1]);
            const GLfloat* v = &feedback[i + 2];
            // Newell's normal, in em: x and y 80 pixels each, and the window depth is (1 - z) / 2.
            double n[3] = {0, 0, 0};
            for (int k = 0; k < corners; ++k) {
                const GLfloat *p = v + 7 * k, *q = v + 7 * ((k + 1) % corners);
                const double pz = 1.0 - 2.0 * p[2], qz = 1.0 - 2.0 * q[2];
                n[0] += (p[1] - q[1]) / kPixelsPerEm * (pz + qz);
                n[1] += (pz - qz) * (p[0] + q[0]) / kPixelsPerEm;
                n[2] += (p[0] - q[0]) * (p[1] + q[1]) / (kPixelsPerEm * kPixelsPerEm);
                nearest = std::min(nearest, p[2]);
                farthest = std::max(farthest, p[2]);
                if (turn == 0.0f) {
                    EXPECT_TRUE(std::fabs(p[2] - 0.5f) < 1e-4f || std::fabs(p[2] - 0.6f) < 1e-4f) << p[2];
                }
            }
            const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            if (length > 1e-6) {
                EXPECT_NEAR(v[3], std::max(0.0, n[0] / length), 0.02) << "turn " << turn << ", polygon at " << i;
            }
            i += 2 + 7 * corners;
        }
        if (turn == 0.0f) { // the faces at z 0 and -0.2
            EXPECT_NEAR(nearest, 0.5f, 1e-4f);
            EXPECT_NEAR(farthest, 0.6f, 1e-4f);
        }
    }

    // Turned to show its walls, then its back, a solid wound outwards everywhere looks the same
    // with back faces culled; a wall or face wound inwards would leave a hole.
    glDisable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, 2.5, -0.25, 1.0, -10.0, 10.0); // deep enough for the turned glyphs
    glMatrixMode(GL_MODELVIEW);
    for (auto [turn, shift] : {std::pair{-50.0f, 0.3f}, {-140.0f, 2.2f}}) {
        std::vector<uint32_t> images[2];
        for (bool cull : {false, true}) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            cull ? glEnable(GL_CULL_FACE) : glDisable(GL_CULL_FACE);
            glLoadIdentity();
            glTranslatef(shift, 0.1f, 0.0f);
            glRotatef(turn, 0.0f, 1.0f, 0.0f);
            glRotatef(30.0f, 1.0f, 0.0f, 0.0f);
            glColor3f(1.0f, 1.0f, 1.0f);
            glCallLists(2, GL_UNSIGNED_BYTE, "O@");
            glFinish();
            for (int y = 0; y < context.Height(); ++y)
                for (int x = 0; x < context.Width(); ++x)
                    images[cull].push_back(context.PixelAt(x, y) & 0xFFFFFF);
        }
        int lit = 0, differing = 0;
        for (size_t i = 0; i < images[0].size(); ++i) {
            lit += images[0][i] != 0;
            differing += images[0][i] != images[1][i];
        }
        EXPECT_GT(lit, 1000) << "turn " << turn;
        EXPECT_EQ(differing, 0) << "turn " << turn;
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
        EXPECT_EQ(font.ListBase(), 0u);
    }
    EXPECT_EQ(glGenLists(1), 1u); // no list name was taken
    PrintText(font, "%s", "Kelpora");
    DrawHelpOverlay(font, CameraPosition{0.0f, 0.3f, 60.0f});
    glFinish();
    EXPECT_FLOAT_EQ(ModelViewX(), 0.0f);
    for (int y = 0; y < context.Height(); y += 3)
        for (int x = 0; x < context.Width(); x += 3)
            ASSERT_EQ(context.PixelAt(x, y) & 0xFFFFFF, 0u) << x << "," << y;
}

TEST_F(OutlineFont, ReleaseGivesTheListsBack)
{
    ASSERT_TRUE(font.Create(collect)) << (reports.empty() ? "" : reports[0]);
    const uint32_t base = font.ListBase();
    font.Release();
    EXPECT_FALSE(font.IsOK());
    EXPECT_FALSE(glIsList(base + 'A'));
    font.Release();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
