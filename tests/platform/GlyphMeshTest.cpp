// Tests of glyph contours: curve flattening and the tessellated faces (GLU needs no GL context).
#include "platform/GlyphMesh.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// Total area of the triangles; fails the test if one of them is not counter-clockwise.
double CounterClockwiseArea(const std::vector<GlyphPoint>& t)
{
    double area = 0.0;
    for (size_t i = 0; i + 2 < t.size(); i += 3) {
        const double a =
            ((t[i + 1].x - t[i].x) * (t[i + 2].y - t[i].y) - (t[i + 2].x - t[i].x) * (t[i + 1].y - t[i].y)) / 2;
        EXPECT_GT(a, 0.0) << "triangle " << i / 3 << " is clockwise";
        area += a;
    }
    return area;
}

double Filled(std::vector<GlyphContour> contours, GlyphFillRule rule)
{
    CleanContours(contours);
    std::vector<GlyphPoint> triangles;
    EXPECT_TRUE(TessellateGlyph(contours, rule, triangles));
    EXPECT_EQ(triangles.size() % 3, 0u);
    return CounterClockwiseArea(triangles);
}
} // namespace

TEST(GlyphMesh, FillsRepeatsCollinearPointsHolesAndCrossingsByTheRule)
{
    // A unit square run clockwise, as TrueType draws outer contours, with a repeated point, a
    // collinear one and the closing repeat that FreeType's walk leaves.
    const GlyphContour square = {{0, 0}, {0, 1}, {0, 1}, {1, 1}, {1, 0.5}, {1, 0}, {0, 0}};
    std::vector<GlyphContour> cleaned = {square, {{5, 5}, {5, 5}, {6, 6}}};
    CleanContours(cleaned);
    ASSERT_EQ(cleaned.size(), 1u); // two distinct points enclose nothing
    EXPECT_EQ(cleaned[0].size(), 5u);
    EXPECT_NEAR(Filled({square}, GlyphFillRule::NonZero), 1.0, 1e-9);

    // A hole run the other way, as in an 'O', stays empty under both rules.
    const GlyphContour hole = {{0.25, 0.25}, {0.75, 0.25}, {0.75, 0.75}, {0.25, 0.75}};
    EXPECT_NEAR(Filled({square, hole}, GlyphFillRule::NonZero), 0.75, 1e-9);
    EXPECT_NEAR(Filled({square, hole}, GlyphFillRule::EvenOdd), 0.75, 1e-9);

    // A bow-tie crosses itself: the tessellator must be given the crossing point.
    const GlyphContour bowTie = {{0, 0}, {1, 1}, {1, 0}, {0, 1}};
    EXPECT_NEAR(Filled({bowTie}, GlyphFillRule::NonZero), 0.5, 1e-9);
    // Two squares touching at a corner in one contour.
    const GlyphContour touching = {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 1}, {0, 1}};
    EXPECT_NEAR(Filled({touching}, GlyphFillRule::NonZero), 2.0, 1e-9);
}

TEST(GlyphMesh, CurvesStayWithinTheFlatnessOfTheirChords)
{
    const GlyphPoint s{0.0, 0.0}, c1{0.1, 0.8}, c2{0.9, -0.6}, e{1.0, 0.2};
    auto quadratic = [&](double t) {
        const double u = 1 - t;
        return GlyphPoint{u * u * s.x + 2 * u * t * c1.x + t * t * e.x, u * u * s.y + 2 * u * t * c1.y + t * t * e.y};
    };
    auto cubic = [&](double t) {
        const double u = 1 - t, a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        return GlyphPoint{a * s.x + b * c1.x + c * c2.x + d * e.x, a * s.y + b * c1.y + c * c2.y + d * e.y};
    };
    for (bool isCubic : {false, true}) {
        GlyphContour contour = {s};
        if (isCubic)
            AppendCubic(contour, c1, c2, e);
        else
            AppendQuadratic(contour, c1, e);
        const size_t pieces = contour.size() - 1;
        ASSERT_GT(pieces, 4u);
        EXPECT_EQ(contour.back().x, e.x);
        EXPECT_EQ(contour.back().y, e.y);
        // The pieces are even steps of the curve's parameter; each chord's middle is within the
        // flatness of the curve's point halfway along its step.
        for (size_t i = 0; i < pieces; ++i) {
            const GlyphPoint on = isCubic ? cubic((i + 0.5) / pieces) : quadratic((i + 0.5) / pieces);
            const double mx = (contour[i].x + contour[i + 1].x) / 2, my = (contour[i].y + contour[i + 1].y) / 2;
            EXPECT_LE(std::hypot(on.x - mx, on.y - my), kGlyphFlatness) << (isCubic ? "cubic " : "quadratic ") << i;
        }
    }
}
