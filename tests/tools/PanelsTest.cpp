// Tests of the painted dialog pictures: icons on a clear ground, and caption pieces that join
// without a seam. That every picture is linked and decodes is checked in tests/ui.
#include "art/PaintPanels.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
const CRgbaImage& Picture(const std::vector<PanelPicture>& pictures, int id)
{
    const auto it = std::find_if(std::begin(kPanelArtCatalogue), std::end(kPanelArtCatalogue),
                                 [id](const PanelArtEntry& entry) { return entry.id == id; });
    return pictures[static_cast<size_t>(it - std::begin(kPanelArtCatalogue))].image;
}

// Column x of the picture, all four bytes of every row.
std::vector<uint8_t> Column(const CRgbaImage& image, int x)
{
    std::vector<uint8_t> column;
    for (int y = 0; y < image.Height(); ++y)
        column.insert(column.end(), image.Pixel(x, y), image.Pixel(x, y) + 4);
    return column;
}
} // namespace

TEST(Panels, EachPictureHasItsSizeAndTheOpaqueOnesHaveNoClearPixel)
{
    const std::vector<PanelPicture> pictures = PaintPanels();
    // The painted pictures, in catalogue order; the rendered ones are not the painter's.
    std::vector<const PanelArtEntry*> painted;
    for (const PanelArtEntry& entry : kPanelArtCatalogue)
        if (!entry.rendered)
            painted.push_back(&entry);
    ASSERT_EQ(pictures.size(), painted.size());
    for (size_t i = 0; i < pictures.size(); ++i) {
        const PanelArtEntry& entry = *painted[i];
        const CRgbaImage& image = pictures[i].image;
        SCOPED_TRACE(entry.baseName);
        EXPECT_EQ(pictures[i].name, entry.baseName);
        EXPECT_EQ(pictures[i].alpha, entry.alpha);
        ASSERT_EQ(image.Width(), entry.width);
        ASSERT_EQ(image.Height(), entry.height);
        // The 24-bit files drop alpha: anything not fully opaque would turn black.
        int minAlpha = 255;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                minAlpha = std::min<int>(minAlpha, image.Pixel(x, y)[3]);
        if (!entry.alpha) {
            EXPECT_EQ(minAlpha, 255);
        }
    }
}

TEST(Panels, IconsAreOpaqueShapesOnAClearGround)
{
    const std::vector<PanelPicture> pictures = PaintPanels();
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (std::string(kPanelArtCatalogue[i].type) != kIconType)
            continue;
        const CRgbaImage& image = pictures[i].image;
        SCOPED_TRACE(pictures[i].name);
        const int last = image.Width() - 1;
        EXPECT_EQ(image.Pixel(0, 0)[3] + image.Pixel(last, 0)[3] + image.Pixel(0, last)[3] + image.Pixel(last, last)[3],
                  0);
        int opaque = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                opaque += image.Pixel(x, y)[3] == 255;
        EXPECT_GT(opaque, image.Width() * image.Height() / 4) << "fills the button";
        EXPECT_EQ(image.Pixel(image.Width() / 2, image.Height() / 2)[3], 255) << "solid in the middle";
    }
}

TEST(Panels, TheCaptionPiecesJoinWithoutASeamAndCarryTheSideBorders)
{
    const std::vector<PanelPicture> pictures = PaintPanels();
    const CRgbaImage& left = Picture(pictures, kCaptionLeftBitmap);
    const CRgbaImage& tile = Picture(pictures, kCaptionTileBitmap);
    const CRgbaImage& right = Picture(pictures, kCaptionRightBitmap);
    const CRgbaImage& border = Picture(pictures, kBorderTileBitmap);
    ASSERT_EQ(left.Height(), tile.Height());
    ASSERT_EQ(right.Height(), tile.Height());
    const std::vector<uint8_t> profile = Column(tile, 0);
    EXPECT_EQ(Column(tile, tile.Width() - 1), profile);
    EXPECT_EQ(Column(left, left.Width() - 1), profile);
    EXPECT_EQ(Column(right, 0), profile);
    // The outer top corners are rounded off; below the corner the ends are solid down to the border.
    EXPECT_EQ(left.Pixel(0, 0)[3], 0);
    EXPECT_EQ(right.Pixel(right.Width() - 1, 0)[3], 0);
    EXPECT_EQ(left.Pixel(0, left.Height() - 1)[3], 255);
    EXPECT_EQ(right.Pixel(right.Width() - 1, right.Height() - 1)[3], 255);
    // The side border runs up into the end pieces in the border tile's colour.
    const uint8_t* side = left.Pixel(1, left.Height() - 1);
    const uint8_t* tileColour = border.Pixel(0, 0);
    EXPECT_TRUE(std::equal(side, side + 3, tileColour));
    // The close box fits the right end, between its border and the caption's edges.
    EXPECT_LE(kCloseBoxSide + 2 * kBorderTileSide, kCaptionRightWidth);
    EXPECT_LT(kCloseBoxSide, kCaptionHeight);
}
