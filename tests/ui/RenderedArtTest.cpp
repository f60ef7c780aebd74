// Tests of the pictures rendered from the tank at build time: the population sheet and the previews.
#include "ui/PanelArt.h"
#include "ui/PanelArtCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

namespace {
struct Rgb
{
    int r, g, b;
    bool operator<(const Rgb& o) const { return r != o.r ? r < o.r : g != o.g ? g < o.g : b < o.b; }
};

Rgb At(const PackedImage& image, int x, int y)
{
    const uint8_t* p = &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
    return {p[0], p[1], p[2]};
}

PackedImage Rendered(int id)
{
    PackedImage image;
    EXPECT_TRUE(LoadPanelArt(kFrameBitmapType, id, image, RenderedPanelArt())) << id;
    return image;
}

// How many pixels of the rectangle differ by more than 40 levels in some channel from the colour
// of their own row at the rectangle's left edge (the water behind a fish varies only downwards).
int PixelsOffTheirRow(const PackedImage& image, int left, int top, int right, int bottom)
{
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        const Rgb water = At(image, left, y);
        for (int x = left; x < right; ++x) {
            const Rgb c = At(image, x, y);
            if (std::abs(c.r - water.r) > 40 || std::abs(c.g - water.g) > 40 || std::abs(c.b - water.b) > 40)
                ++count;
        }
    }
    return count;
}
} // namespace

TEST(RenderedArt, EveryRenderedPictureIsInItsOwnTableAtItsSize)
{
    int rendered = 0;
    for (const PanelArtEntry& entry : kPanelArtCatalogue) {
        if (!entry.rendered)
            continue;
        ++rendered;
        const PackedImage image = Rendered(entry.id);
        EXPECT_EQ(image.width, entry.width);
        EXPECT_EQ(image.height, entry.height);
        EXPECT_FALSE(image.hasAlpha);
    }
    EXPECT_EQ(rendered, 3);
    EXPECT_EQ(RenderedPanelArt().Count(), 3u);
}

TEST(RenderedArt, EachSheetCellShowsAnAnimalAndTheRestIsPlain)
{
    const PackedImage sheet = Rendered(kPopulationSheetBitmap);
    ASSERT_EQ(sheet.rgba.size(), static_cast<size_t>(kPopulationSheetWidth) * kPopulationSheetHeight * 4);
    for (int species = 0; species < 15; ++species) {
        SCOPED_TRACE(species);
        const int left = kPopulationCellWidth * (species % kPopulationSheetColumns);
        const int top = kPopulationCellHeight * (species / kPopulationSheetColumns);
        // The animal: a good share of the picture area, none of it in the count's corner.
        const int animal = PixelsOffTheirRow(sheet, left + 2, top + 20, left + 98, top + 88);
        EXPECT_GT(animal, 96 * 68 / 12);
        EXPECT_EQ(PixelsOffTheirRow(sheet, left + 2, top + 2, left + 22, top + 20), 0);
        // A skin, not a flat tint: many colours.
        std::set<Rgb> colours;
        for (int y = top + 20; y < top + 88; ++y)
            for (int x = left + 2; x < left + 98; ++x)
                colours.insert(At(sheet, x, y));
        EXPECT_GT(colours.size(), 300u);
    }
    const Rgb plain = At(sheet, 0, kPopulationSheetHeight - 1);
    for (int y = 3 * kPopulationCellHeight; y < kPopulationSheetHeight; y += 7)
        for (int x = 0; x < kPopulationSheetWidth; x += 7)
            ASSERT_FALSE(At(sheet, x, y) < plain || plain < At(sheet, x, y)) << x << "," << y;
}

TEST(RenderedArt, ThePreviewsShowTwoDifferentLivelyScenes)
{
    const PackedImage plants = Rendered(kPlantsPreviewBitmap);
    const PackedImage picture = Rendered(kPicturePreviewBitmap);
    ASSERT_EQ(plants.height, picture.height);
    double difference = 0.0;
    for (const PackedImage* image : {&plants, &picture}) {
        std::set<Rgb> colours;
        for (int y = 0; y < image->height; ++y)
            for (int x = 0; x < image->width; ++x)
                colours.insert(At(*image, x, y));
        EXPECT_GT(colours.size(), 2000u) << "a scene, not a blank or a flat fill";
    }
    for (int y = 0; y < plants.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb a = At(plants, x, y);
            const Rgb b = At(picture, x, y);
            difference += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
        }
    }
    EXPECT_GT(difference / (3.0 * plants.height * picture.width), 20.0) << "the variants look alike";
}
