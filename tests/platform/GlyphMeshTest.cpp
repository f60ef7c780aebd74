// Tests of a glyph's tessellated faces (the GLU tessellator needs no GL context).
#include "platform/GlyphMesh.h"

#include <gtest/gtest.h>

namespace {
// Area the contours fill by the rule; fails the test for a clockwise triangle or a refusal.
double Filled(std::vector<GlyphContour> contours, GlyphFillRule rule = GlyphFillRule::NonZero)
{
    CleanContours(contours);
    std::vector<GlyphPoint> t;
    EXPECT_TRUE(TessellateGlyph(contours, rule, t));
    double area = 0.0;
    for (size_t i = 0; i + 2 < t.size(); i += 3) {
        const double a = (t[i + 1].x - t[i].x) * (t[i + 2].y - t[i].y) - (t[i + 2].x - t[i].x) * (t[i + 1].y - t[i].y);
        EXPECT_GT(a, 0.0) << "triangle " << i / 3 << " is clockwise";
        area += a / 2;
    }
    return area;
}
} // namespace

TEST(GlyphMesh, FillsRepeatsCollinearPointsHolesAndCrossingsByTheRule)
{
    // A unit square run clockwise, as TrueType draws outer contours, with a repeated point, a
    // collinear one and the closing repeat that FreeType's walk leaves.
    const GlyphContour square = {{0, 0}, {0, 1}, {0, 1}, {1, 1}, {1, 0.5}, {1, 0}, {0, 0}};
    std::vector<GlyphContour> cleaned = {square, {{5, 5}, {5, 5}, {6, 6}}}; // two points enclose nothing
    CleanContours(cleaned);
    ASSERT_EQ(cleaned.size(), 1u);
    EXPECT_EQ(cleaned[0].size(), 5u);
    EXPECT_NEAR(Filled({square}), 1.0, 1e-9);

    // A hole run the other way, as in an 'O', stays empty under both rules.
    const GlyphContour hole = {{0.25, 0.25}, {0.75, 0.25}, {0.75, 0.75}, {0.25, 0.75}};
    EXPECT_NEAR(Filled({square, hole}), 0.75, 1e-9);
    EXPECT_NEAR(Filled({square, hole}, GlyphFillRule::EvenOdd), 0.75, 1e-9);
    // A bow-tie, which needs its crossing point, and two squares touching at a corner.
    EXPECT_NEAR(Filled({{{0, 0}, {1, 1}, {1, 0}, {0, 1}}}), 0.5, 1e-9);
    EXPECT_NEAR(Filled({{{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 1}, {0, 1}}}), 2.0, 1e-9);
}
