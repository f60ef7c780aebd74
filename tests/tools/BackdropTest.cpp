// Tests of the reef picture: open water is pure black, and nothing painted can be mistaken for it.
#include "ImageChecks.h"
#include "art/PaintBackdrop.h"

#include <gtest/gtest.h>

namespace {
const CRgbImage& Reef()
{
    static const CRgbImage reef = PaintBackdrop();
    return reef;
}
} // namespace

TEST(Backdrop, OpenWaterAboveTheReefAndNothingPaintedAsDarkAsIt)
{
    const CRgbImage& reef = Reef();
    ASSERT_EQ(reef.Width(), 1024);
    ASSERT_EQ(reef.Height(), 1024);
    long offenders = 0;
    for (int y = 0; y < reef.Height(); ++y) {
        for (int x = 0; x < reef.Width(); ++x) {
            const uint8_t* p = reef.Pixel(x, y);
            const bool water = IsBlack(reef, x, y);
            const bool paint = p[0] >= kDarkestPaint[0] && p[1] >= kDarkestPaint[1] && p[2] >= kDarkestPaint[2];
            offenders += !(water || paint);
        }
    }
    EXPECT_EQ(offenders, 0);

    long water = 0;
    for (int y = 0; y < reef.Height(); ++y)
        for (int x = 0; x < reef.Width(); ++x)
            water += IsBlack(reef, x, y);
    // A substantial share of open water, but far from all of it.
    EXPECT_GT(water, 1024L * 1024L / 5);
    EXPECT_LT(water, 1024L * 1024L * 3 / 5);
    // The top row is all open water except where something reaches right up; the lower part of
    // the picture (rock and sand) has no hole anywhere.
    long topWater = 0;
    for (int x = 0; x < reef.Width(); ++x)
        topWater += IsBlack(reef, x, 0);
    EXPECT_GT(topWater, 1000);
    long lowHoles = 0;
    for (int y = 800; y < reef.Height(); ++y)
        for (int x = 0; x < reef.Width(); ++x)
            lowHoles += IsBlack(reef, x, y);
    EXPECT_EQ(lowHoles, 0);
}

TEST(Backdrop, PaintingAgainGivesTheSameBytes)
{
    const CRgbImage again = PaintBackdrop();
    EXPECT_TRUE(again.Bytes() == Reef().Bytes());
}
