// Tests of the picture sheet's wave, its control net and the Bezier evaluation (no drawing).
#include "environment/PictureSheet.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
using Curve = SheetPoint[CPictureSheet::kNetSide];

constexpr double kColumnX[CPictureSheet::kNetSide] = {-90.0, -54.0, -18.0, 18.0, 54.0, 90.0};
constexpr double kRowY[CPictureSheet::kNetSide] = {39.0, 23.6f, 8.2f, -7.2f, -22.6f, -38.0};

// The surface at row parameter t (1 at the left wall) and cross-row parameter s (1 at the top),
// evaluated the way the drawing does: along every row, then across the rows.
SheetPoint Surface(const CPictureSheet::ControlNet& net, double t, double s)
{
    Curve across;
    for (int k = 0; k < CPictureSheet::kNetSide; ++k) {
        Curve row;
        for (int c = 0; c < CPictureSheet::kNetSide; ++c)
            row[c] = net[k * CPictureSheet::kNetSide + c];
        across[k] = CPictureSheet::EvaluateBezier5(t, row);
    }
    return CPictureSheet::EvaluateBezier5(s, across);
}
} // namespace

TEST(PictureSheet, FirstUpdateSwaysTheTopRowsOuterPoints)
{
    CPictureSheet sheet;
    sheet.UpdatePictureSheet(TankBounds::Aquarium());
    EXPECT_FLOAT_EQ(sheet.Wave(), 0.1f);
    EXPECT_TRUE(sheet.WaveRising());
    EXPECT_EQ(sheet.Subdivisions(), 2);

    // The two left top points go twice as far sideways as the two right ones; all four come
    // forward by W. The middle two and every lower row stay in the plane z = -90.
    const double expectedX[6] = {-89.8, -53.8, -18.0, 18.0, 54.1, 90.1};
    const double expectedZ[6] = {-89.9, -89.9, -90.0, -90.0, -89.9, -89.9};
    for (int c = 0; c < 6; ++c) {
        EXPECT_NEAR(sheet.ControlPoint(0, c).x, expectedX[c], 1e-6) << "column " << c;
        EXPECT_EQ(sheet.ControlPoint(0, c).y, 39.0);
        EXPECT_NEAR(sheet.ControlPoint(0, c).z, expectedZ[c], 1e-6) << "column " << c;
    }
    for (int r = 1; r < 6; ++r) {
        for (int c = 0; c < 6; ++c) {
            EXPECT_EQ(sheet.ControlPoint(r, c).x, kColumnX[c]) << r << "," << c;
            EXPECT_EQ(sheet.ControlPoint(r, c).y, kRowY[r]) << r << "," << c; // the float heights, widened
            EXPECT_EQ(sheet.ControlPoint(r, c).z, -90.0) << r << "," << c;
        }
    }
}

TEST(PictureSheet, AtRestTheSheetIsFlatAndSpansTheTank)
{
    CPictureSheet::ControlNet net;
    CPictureSheet::BuildControlNet(0.0f, TankBounds::Aquarium(), net);
    for (const SheetPoint& p : net)
        EXPECT_EQ(p.z, -90.0);
    for (double t : {0.0, 0.25, 0.5, 1.0}) {
        for (double s : {0.0, 0.5, 0.75, 1.0})
            EXPECT_NEAR(Surface(net, t, s).z, -90.0, 1e-12) << t << "," << s;
    }

    // Row parameter 0 is the right wall, cross-row parameter 0 the bottom row.
    const SheetPoint bottomRight = Surface(net, 0.0, 0.0), topLeft = Surface(net, 1.0, 1.0);
    EXPECT_DOUBLE_EQ(bottomRight.x, 90.0);
    EXPECT_DOUBLE_EQ(bottomRight.y, -38.0);
    EXPECT_DOUBLE_EQ(topLeft.x, -90.0);
    EXPECT_DOUBLE_EQ(topLeft.y, 39.0);
    // Evenly spaced columns make x run linearly with the row parameter.
    EXPECT_NEAR(Surface(net, 0.5, 0.3).x, 0.0, 1e-12);
    EXPECT_NEAR(Surface(net, 0.25, 0.3).x, 45.0, 1e-12);
}

TEST(PictureSheet, QuinticBezierHasTheRightEndsAndWeights)
{
    Curve line;
    for (int k = 0; k < 6; ++k)
        line[k] = SheetPoint{10.0 * k, 7.0, -3.0 * k * k};
    // t = 0 lands on the last point and t = 1 on the first.
    EXPECT_EQ(CPictureSheet::EvaluateBezier5(0.0, line).x, 50.0);
    EXPECT_EQ(CPictureSheet::EvaluateBezier5(1.0, line).x, 0.0);
    // The weights sum to 1, and evenly spaced points reproduce a straight line.
    for (double t : {0.1, 0.37, 0.5, 0.9}) {
        const SheetPoint p = CPictureSheet::EvaluateBezier5(t, line);
        EXPECT_NEAR(p.y, 7.0, 1e-12) << t;
        EXPECT_NEAR(p.x, 50.0 * (1.0 - t), 1e-12) << t;
    }
    // One point alone picks out its own Bernstein weight: p[2] carries 10 t^3 u^2.
    Curve spike{};
    spike[2].z = 1.0;
    EXPECT_NEAR(CPictureSheet::EvaluateBezier5(0.3, spike).z, 10.0 * 0.027 * 0.49, 1e-12);
    spike[2].z = 0.0;
    spike[4].z = 1.0; // 5 t u^4
    EXPECT_NEAR(CPictureSheet::EvaluateBezier5(0.3, spike).z, 5.0 * 0.3 * 0.2401, 1e-12);
}

TEST(PictureSheet, WaveTurnsJustPastTenAndJustBelowMinusFive)
{
    CPictureSheet sheet;
    const TankBounds bounds = TankBounds::Aquarium();
    float previous = 0.0f;
    int turnsDown = 0, turnsUp = 0, frame = 0;
    float highest = 0.0f, lowest = 0.0f;
    int firstDown = -1, firstUp = -1;
    for (frame = 1; frame <= 800; ++frame) {
        const bool wasRising = sheet.WaveRising();
        sheet.UpdatePictureSheet(bounds);
        const float w = sheet.Wave();
        highest = std::max(highest, w);
        lowest = std::min(lowest, w);
        // A step always goes the way the flag said before it.
        EXPECT_NEAR(w - previous, wasRising ? 0.1f : -0.1f, 1e-4) << "frame " << frame;
        if (wasRising && !sheet.WaveRising()) {
            EXPECT_GT(w, 10.0f);
            ++turnsDown;
            if (firstDown < 0)
                firstDown = frame;
        }
        if (!wasRising && sheet.WaveRising()) {
            EXPECT_LT(w, -5.0f);
            ++turnsUp;
            if (firstUp < 0)
                firstUp = frame;
        }
        previous = w;
    }
    EXPECT_GT(highest, 10.0f);
    EXPECT_LT(highest, 10.11f);
    EXPECT_LT(lowest, -5.0f);
    EXPECT_GT(lowest, -5.11f);
    EXPECT_EQ(turnsDown, 3);
    EXPECT_EQ(turnsUp, 2);
    // From the first turn at the top to the first at the bottom is half a cycle of about 300 frames.
    EXPECT_NEAR(firstUp - firstDown, 151, 1);
}
