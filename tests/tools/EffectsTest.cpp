// Tests of the water glow, light rays and bubble: sizes, seamless tiling and where the light lies.
#include "ImageChecks.h"
#include "art/PaintEffects.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(WaterGlow, TilesAcrossAndDownWithoutASeam)
{
    const CRgbImage water = PaintWaterGlow();
    ASSERT_EQ(water.Width(), 128);
    ASSERT_EQ(water.Height(), 128);
    // Stepping from the last column back to the first is no bigger a change than stepping between
    // neighbouring columns inside the picture, and likewise for rows.
    EXPECT_LE(ColumnDifference(water, 127, 0), LargestInnerColumnStep(water));
    EXPECT_LE(RowDifference(water, 127, 0), LargestInnerRowStep(water));
    // A glow, not a blank: some bright light and some near-dark.
    int bright = 0;
    int dark = 0;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            bright += Brightness(water, x, y) > 300;
            dark += Brightness(water, x, y) < 90;
        }
    }
    EXPECT_GT(bright, 128 * 128 / 50);
    EXPECT_GT(dark, 128 * 128 / 5);
}

TEST(LightRays, FallFromTheTopFadeToBlackAtTheBottomAndTileAcross)
{
    const CRgbImage rays = PaintLightRays();
    ASSERT_EQ(rays.Width(), 256);
    ASSERT_EQ(rays.Height(), 256);
    auto rowLight = [&](int y) {
        long sum = 0;
        for (int x = 0; x < 256; ++x)
            sum += Brightness(rays, x, y);
        return sum;
    };
    EXPECT_GT(rowLight(20), 2 * rowLight(160));
    EXPECT_EQ(rowLight(255), 0);
    EXPECT_LE(ColumnDifference(rays, 255, 0), LargestInnerColumnStep(rays));
}

TEST(Bubble, RimOutshinesTheClearMiddleAndTheCornersStayBlack)
{
    const CRgbImage bubble = PaintBubble();
    ASSERT_EQ(bubble.Width(), 32);
    ASSERT_EQ(bubble.Height(), 32);
    // Mean brightness in rings around the centre (16, 16).
    auto ring = [&](double r0, double r1) {
        double sum = 0.0;
        int count = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const double r = std::hypot(x + 0.5 - 16.0, y + 0.5 - 16.0);
                if (r >= r0 && r < r1) {
                    sum += Brightness(bubble, x, y);
                    ++count;
                }
            }
        }
        return sum / count;
    };
    const double middle = ring(0.0, 6.0);
    const double rim = ring(12.0, 14.0);
    const double outside = ring(15.5, 16.0);
    EXPECT_GT(rim, 3.0 * middle);
    EXPECT_GT(rim, 3.0 * outside);
    EXPECT_TRUE(IsBlack(bubble, 0, 0));
    EXPECT_TRUE(IsBlack(bubble, 31, 31));
}
