// Tests of the dialog pictures' table and of loading the linked ones.
#include "ui/PanelArt.h"
#include "environment/BitmapBuilder.h"
#include "ui/PanelArtCatalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace {
#ifdef KELPORA_ART_DIR
constexpr bool kBuildHasArt = true;
#else
constexpr bool kBuildHasArt = false; // nothing was packed
#endif
} // namespace

TEST(PanelArt, EveryCataloguedPictureIsLinkedAndDecodesAtItsSize)
{
    for (const PanelArtEntry& entry : kPanelArtCatalogue) {
        SCOPED_TRACE(entry.baseName);
        EXPECT_EQ(FindPanelArt(entry.type, entry.id), &entry) << "(type, id) is unique";
        PackedImage image;
        if (entry.rendered) {
            // Rendered from the scene, which links this table: they must be in a table of their own.
            EXPECT_EQ(CResourceTable::Linked().Find(entry.type, entry.id), nullptr);
            continue;
        }
        ASSERT_EQ(LoadPanelArt(entry.type, entry.id, image), kBuildHasArt);
        if (!kBuildHasArt)
            continue;
        EXPECT_EQ(image.width, entry.width);
        EXPECT_EQ(image.height, entry.height);
        EXPECT_EQ(image.hasAlpha, entry.alpha);
        EXPECT_EQ(image.rgba.size(), static_cast<size_t>(entry.width) * entry.height * 4);
    }
}

TEST(PanelArt, PicturesOfAnotherSizeOrNotCataloguedAreRefused)
{
    const std::vector<uint8_t> small = PackedTestBitmap(4, 4);
    const std::vector<uint8_t> toolbarSized = PackedTestBitmap(kToolbarIconSide, kToolbarIconSide);
    const PackedResource entries[] = {
        {kIconType, kFeedIcon, small.data(), small.size()},                            // not 40 x 40
        {kFrameBitmapType, kFeedIcon, toolbarSized.data(), toolbarSized.size()},       // not a frame bitmap
        {kIconType, kCameraIcon, toolbarSized.data(), toolbarSized.size()},            // the one good picture
        {kFrameBitmapType, kCloseBoxBitmap, toolbarSized.data(), toolbarSized.size()}, // larger than the box
    };
    const CResourceTable table(entries, std::size(entries));
    PackedImage image;
    EXPECT_TRUE(LoadPanelArt(kIconType, kCameraIcon, image, table));
    EXPECT_FALSE(LoadPanelArt(kIconType, kFeedIcon, image, table));
    EXPECT_TRUE(image.rgba.empty());
    EXPECT_FALSE(LoadPanelArt(kFrameBitmapType, kFeedIcon, image, table));
    EXPECT_FALSE(LoadPanelArt(kFrameBitmapType, kCloseBoxBitmap, image, table));
    EXPECT_FALSE(LoadPanelArt("CURSOR", kCameraIcon, image, table));
}
