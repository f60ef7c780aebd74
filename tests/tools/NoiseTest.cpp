// Tests of the seeded generator and the noise: repeatable, and periodic where asked to be.
#include "art/Noise.h"
#include "art/Random.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Random, SameSeedSameSequenceAndValuesStayInRange)
{
    CRandom a(42);
    CRandom b(42);
    CRandom c(43);
    int differing = 0;
    for (int i = 0; i < 1000; ++i) {
        const float x = a.Uniform();
        EXPECT_EQ(x, b.Uniform());
        differing += x != c.Uniform();
        EXPECT_GE(x, 0.0f);
        EXPECT_LT(x, 1.0f);
        const int k = a.Below(7);
        b.Below(7);
        c.Below(7);
        EXPECT_GE(k, 0);
        EXPECT_LT(k, 7);
    }
    EXPECT_GT(differing, 990);
}

TEST(Noise, RepeatsAfterItsPeriodAcrossAndDown)
{
    const CNoise noise(7);
    for (int i = 0; i < 200; ++i) {
        const float x = 0.37f * static_cast<float>(i);
        const float y = 0.53f * static_cast<float>(i % 17);
        EXPECT_NEAR(noise.Sample(x, y, 5, 3), noise.Sample(x + 5.0f, y, 5, 3), 1e-5f);
        EXPECT_NEAR(noise.Sample(x, y, 5, 3), noise.Sample(x, y + 3.0f, 5, 3), 1e-5f);
        // Each octave of the fractal sum doubles the period with the frequency, so it tiles too.
        EXPECT_NEAR(noise.Fractal(x, y, 4, 6, 4), noise.Fractal(x + 6.0f, y - 4.0f, 4, 6, 4), 1e-4f);
    }
}

TEST(Noise, IsSmoothAndVariesWithinAboutPlusMinusOne)
{
    const CNoise noise(11);
    float lowest = 1.0f;
    float highest = -1.0f;
    for (int i = 0; i < 20000; ++i) {
        const float x = 0.013f * static_cast<float>(i);
        const float v = noise.Sample(x, 2.5f);
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
        // A step of a hundredth of a cell moves the value only a little.
        EXPECT_LT(std::fabs(noise.Sample(x + 0.01f, 2.5f) - v), 0.05f);
    }
    EXPECT_GT(highest, 0.4f);
    EXPECT_LT(lowest, -0.4f);
    EXPECT_LE(highest, 1.0f);
    EXPECT_GE(lowest, -1.0f);
}
