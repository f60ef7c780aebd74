// Tests of the leaf textures: five named pictures, each a leaf on black.
#include "ImageChecks.h"
#include "art/PaintPlants.h"

#include <gtest/gtest.h>

TEST(Plants, FiveLeavesOnBlackOneOfThemReddish)
{
    const std::vector<PlantPicture> plants = PaintPlants();
    ASSERT_EQ(plants.size(), 5u);
    const char* names[] = {"cao0", "cao1", "cao3", "cao4", "cao5"};
    int reddish = 0;
    for (size_t i = 0; i < plants.size(); ++i) {
        const CRgbImage& leaf = plants[i].image;
        EXPECT_EQ(plants[i].name, names[i]);
        ASSERT_EQ(leaf.Width(), 128);
        ASSERT_EQ(leaf.Height(), 128);
        // Black all round the leaf's tip; leaf colour where the blade is, low in the middle.
        EXPECT_TRUE(IsBlack(leaf, 0, 0)) << names[i];
        EXPECT_TRUE(IsBlack(leaf, 127, 0)) << names[i];
        long red = 0, green = 0, painted = 0;
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                if (IsBlack(leaf, x, y))
                    continue;
                ++painted;
                red += leaf.Pixel(x, y)[0];
                green += leaf.Pixel(x, y)[1];
            }
        }
        EXPECT_GT(painted, 128 * 128 / 8) << names[i];
        EXPECT_FALSE(IsBlack(leaf, 64, 100)) << names[i];
        reddish += red > green;
    }
    EXPECT_EQ(reddish, 1);
}
