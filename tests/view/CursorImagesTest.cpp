// Tests of the cursor table and of decoding the linked cursor pictures into RGBA images.
#include "view/CursorImages.h"
#include "environment/BitmapBuilder.h"
#include "environment/ResourceCatalogue.h"
#include "view/CursorCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
#ifdef KELPORA_ART_DIR
constexpr bool kBuildHasArt = true;
#else
constexpr bool kBuildHasArt = false; // nothing was packed
#endif

int AlphaAt(const CursorImage& image, int x, int y)
{
    x = std::clamp(x, 0, image.width - 1);
    y = std::clamp(y, 0, image.height - 1);
    return image.rgba[(static_cast<size_t>(y) * image.width + x) * 4 + 3];
}
} // namespace

TEST(CursorCatalogue, EveryModeShowsItsCursorUpAndHeldAndHideShowsNone)
{
    const CursorMode modes[] = {CursorMode::Touch, CursorMode::Feed, CursorMode::Hide, CursorMode::Camera,
                                CursorMode::Ripple};
    const int up[] = {158, 163, 0, 170, 234};
    const int held[] = {159, 164, 0, 176, 234};
    for (size_t i = 0; i < std::size(modes); ++i) {
        EXPECT_EQ(CursorResourceFor(modes[i], false), up[i]) << static_cast<int>(modes[i]);
        EXPECT_EQ(CursorResourceFor(modes[i], true), held[i]) << static_cast<int>(modes[i]);
        EXPECT_EQ(up[i] == 0, FindCursorEntry(up[i]) == nullptr);
        EXPECT_EQ(held[i] == 0, FindCursorEntry(held[i]) == nullptr);
    }
    EXPECT_EQ(CursorResourceFor(static_cast<CursorMode>(1037), false), 0);
    EXPECT_EQ(CursorResourceFor(static_cast<CursorMode>(0), true), 0);
}

// Decoding itself, and refusing damaged pictures, are tested with the shared decoder (PackedImage).
TEST(CursorImages, ClampsTheHotSpotIntoThePictureAndRefusesOpaqueOrUncataloguedOnes)
{
    const std::vector<uint8_t> small = PackedTestBitmap(3, 2);
    const std::vector<uint8_t> noAlpha = PackedTestBitmap(32, 32, 24);
    // The camera's hot spot (16, 18) lies outside this 3 x 2 picture.
    const PackedResource entries[] = {
        {kCursorResourceType, kCameraCursorResource, small.data(), small.size()},
        {kCursorResourceType, kFeedHeldCursorResource, noAlpha.data(), noAlpha.size()},
        {kPackedResourceType, kRippleCursorResource, small.data(), small.size()}, // right id, wrong type
        {kCursorResourceType, kWaterResource, small.data(), small.size()},        // not a catalogued cursor
    };
    const CResourceTable table(entries, std::size(entries));
    CursorImage image;
    ASSERT_TRUE(LoadCursorImage(kCameraCursorResource, image, table));
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.hotX, 2);
    EXPECT_EQ(image.hotY, 1);
    EXPECT_EQ(image.rgba.size(), 3u * 2u * 4u);
    for (int id : {kFeedHeldCursorResource, kRippleCursorResource, kWaterResource, kTouchCursorResource, 0}) {
        image.width = 99;
        EXPECT_FALSE(LoadCursorImage(id, image, table)) << id;
        EXPECT_EQ(image.width, 0);
        EXPECT_TRUE(image.rgba.empty());
    }
}

TEST(CursorImages, TheLinkedCursorsAreWholePicturesPointingWhereTheirHotSpotsSay)
{
    const CResourceTable& linked = CResourceTable::Linked();
    std::vector<std::vector<uint8_t>> pixels;
    for (const CursorEntry& entry : kCursorCatalogue) {
        SCOPED_TRACE(entry.baseName);
        CursorImage image;
        ASSERT_EQ(LoadCursorImage(entry.id, image, linked), kBuildHasArt);
        if (!kBuildHasArt)
            continue;
        ASSERT_EQ(image.width, kCursorSide);
        ASSERT_EQ(image.height, kCursorSide);
        EXPECT_EQ(image.hotX, entry.hotX);
        EXPECT_EQ(image.hotY, entry.hotY);
        const int last = kCursorSide - 1;
        EXPECT_EQ(AlphaAt(image, 0, 0) + AlphaAt(image, last, 0) + AlphaAt(image, 0, last) + AlphaAt(image, last, last),
                  0);
        int nearest = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                nearest = std::max(nearest, AlphaAt(image, image.hotX + dx, image.hotY + dy));
        EXPECT_GE(nearest, 192) << "the hot spot points at nothing";
        pixels.push_back(image.rgba);
    }
    if (!kBuildHasArt)
        return;
    // Catalogue order: each mode's up picture is followed by its held one, ripple last and alone.
    for (size_t i = 0; i + 1 < pixels.size(); i += 2)
        EXPECT_NE(pixels[i], pixels[i + 1]) << kCursorCatalogue[i].baseName;

    // Id 164 is both the held shaker and the light rays; each type finds its own.
    const PackedResource* rays = linked.Find(kPackedResourceType, kRayResource);
    const PackedResource* shaker = linked.Find(kCursorResourceType, kFeedHeldCursorResource);
    static_assert(kRayResource == kFeedHeldCursorResource, "the clash checked here");
    ASSERT_NE(rays, nullptr);
    ASSERT_NE(shaker, nullptr);
    EXPECT_NE(rays->size, shaker->size);
}
