// Tests of the ripple grid without GL: its tables, clicks, the push of each frame, the copy's texture size.
#include "environment/RippleGrid.h"
#include "environment/RippleTexture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(RippleTables, UnitVectorsWithDistancesAndADampedOscillationOfEighteenCrests)
{
    EXPECT_EQ(CRippleGrid::Vector(0, 1).r, 25);
    EXPECT_EQ(CRippleGrid::Vector(1, 1).r, 36);
    EXPECT_EQ(CRippleGrid::Vector(31, 31).r, 1131);
    EXPECT_TRUE(CRippleGrid::Vector(3, 4).vx == 0.6 && CRippleGrid::Vector(3, 4).vy == 0.8);

    const int crests[] = {55, 169, 282, 396, 509};
    const double heights[] = {0.0999838, 0.062477, 0.037923, 0.022261, 0.012585};
    int found = 0;
    double highest = 0.0;
    for (int i = 1; i < 2047; ++i) {
        const double a = CRippleGrid::Amplitude(i);
        highest = std::max(highest, a);
        if (a > CRippleGrid::Amplitude(i - 1) && a > CRippleGrid::Amplitude(i + 1) && found++ < 5) {
            EXPECT_EQ(i, crests[found - 1]);
            EXPECT_NEAR(a, heights[found - 1], heights[found - 1] * 2e-4) << i;
            double trough = a; // the water settles between crests
            for (int j = i; j < i + 113; ++j)
                trough = std::min(trough, CRippleGrid::Amplitude(j));
            EXPECT_LT(trough, 1e-5) << i;
        }
    }
    EXPECT_EQ(found, 18);
    EXPECT_EQ(highest, CRippleGrid::Amplitude(55));
    EXPECT_TRUE(CRippleGrid::Amplitude(0) == 0.0 && CRippleGrid::Amplitude(2047) == 0.0);
}

TEST(RippleGrid, ClicksTakeTheFirstFreeRippleAndAnEighthIsIgnored)
{
    CRippleGrid grid;
    grid.Resize(1920, 1080);
    ASSERT_TRUE(grid.AddRipple(960, 540));
    const CRippleGrid::RippleState first = grid.Ripple(0);
    EXPECT_TRUE(first.cx == 16 && first.cy == 16 && first.t == 28 && first.tMax == 1698) << first.tMax;
    for (int k = 1; k < 7; ++k)
        ASSERT_TRUE(grid.AddRipple(100 * k, 50 * k));
    EXPECT_FALSE(grid.AddRipple(1900, 1000));
    for (int k = 0; k < 7; ++k)
        EXPECT_NE(grid.Ripple(k).cx, 31) << k; // the eighth click took no ripple's place

    grid.Resize(800, 600); // ends them all: the next click takes ripple 0
    ASSERT_TRUE(grid.AddRipple(790, 10));
    EXPECT_TRUE(grid.Ripple(0).cx == 31 && grid.Ripple(0).cy == 0 && !grid.IsRunning(1));
}

TEST(RippleGrid, RingsPushOutwardsButNeverAtTheCentreAndFallSilent)
{
    CRippleGrid grid;
    grid.Resize(1920, 1080);
    ASSERT_TRUE(grid.AddRipple(960, 540));
    const CRippleGrid::Vertex& centre = grid.VertexAt(16, 16);
    const CRippleGrid::Vertex& right = grid.VertexAt(24, 16); // pushed right, never up or down
    float largest = 0.0f;
    for (int frame = 0; grid.IsRunning(0) || frame < 500; ++frame) {
        grid.Step();
        ASSERT_TRUE(centre.s == centre.s0 && centre.t == centre.t0);
        ASSERT_TRUE(right.s >= right.s0 && right.t == right.t0);
        if (grid.IsRunning(0))
            largest = std::max(largest, right.s - right.s0);
        else // a finished ripple dies away below a tenth of a pixel, then to nothing
            ASSERT_LT(std::fabs(grid.VertexAt(0, 0).s - grid.VertexAt(0, 0).s0) * 1920, frame < 450 ? 0.1f : 1e-9f);
    }
    EXPECT_GT(largest * 1920, 20.0f); // pixels, at the first crest
}

TEST(RippleGrid, OddSizesClicksAndExtentsStayInsideTheTablesAndTheCopy)
{
    CRippleGrid grid;
    grid.Resize(0, -5);
    ASSERT_TRUE(grid.AddRipple(5, -3) && grid.AddRipple(INT_MIN, INT_MAX));
    EXPECT_TRUE(grid.Ripple(0).cx == 31 && grid.Ripple(0).cy == 0 && grid.Ripple(1).cx == 0 && grid.Ripple(1).cy == 31);
    grid.SetTextureExtent(0.75f, 0.5f);
    grid.Resize(INT_MAX, INT_MAX);                                                     // keeps the extent
    EXPECT_TRUE(grid.VertexAt(31, 31).s0 == 0.75f && grid.VertexAt(31, 31).t == 0.5f); // at rest before a Step
    ASSERT_TRUE(grid.AddRipple(INT_MAX, 0));
    for (int frame = 0; frame < 300; ++frame)
        grid.Step();
    for (const CRippleGrid::Vertex* v = &grid.VertexAt(0, 0); v <= &grid.VertexAt(31, 31); ++v)
        ASSERT_TRUE(v->s >= 0.0f && v->s <= 0.75f && v->t >= 0.0f && v->t <= 0.5f) << v->x << "," << v->y;
}

TEST(RippleTextureSize, ScreenSizedWhereOfferedElsePowersOfTwoNeverPastTheLimit)
{
    const auto chosen = [](int w, int h, bool nonPowerOfTwo, int limit) {
        const RippleTextureSize s = ChooseRippleTextureSize(w, h, nonPowerOfTwo, limit);
        return std::to_string(s.textureWidth) + "x" + std::to_string(s.textureHeight) + " <- " +
               std::to_string(s.copyWidth) + "x" + std::to_string(s.copyHeight);
    };
    EXPECT_EQ(chosen(1920, 1080, true, 16384), "1920x1080 <- 1920x1080");
    EXPECT_EQ(chosen(1920, 1080, false, 16384), "2048x2048 <- 1920x1080");
    EXPECT_EQ(chosen(1920, 1080, true, 1024), "1024x1024 <- 1024x1024");
    EXPECT_EQ(chosen(3840, 2160, true, 16384), "3840x2160 <- 3840x2160");
    EXPECT_EQ(chosen(3840, 2160, false, 8192), "4096x4096 <- 3840x2160");
    EXPECT_EQ(chosen(3840, 2160, true, 2048), "2048x2048 <- 2048x2048");
    EXPECT_EQ(chosen(1366, 768, false, 16384), "2048x1024 <- 1366x768");
    EXPECT_EQ(chosen(1366, 768, false, 1000), "512x512 <- 512x512");
    EXPECT_EQ(chosen(0, -1, true, 0), "1x1 <- 1x1");
    EXPECT_EQ(ChooseRippleTextureSize(1920, 1080, false, 4096).SExtent(), 0.9375f);
    EXPECT_TRUE(OffersNonPowerOfTwoTextures("4.5 (Compatibility Profile) Mesa", nullptr));
    EXPECT_TRUE(OffersNonPowerOfTwoTextures("1.4", "GL_EXT_bgra GL_ARB_texture_non_power_of_two"));
    EXPECT_FALSE(OffersNonPowerOfTwoTextures("1.5", "GL_ARB_texture_non_power_of_two_x GL_EXT_bgra"));
}
