// Tests of the painted cursors: a dark outline around a light body, and the tipped shaker's flakes.
// Hot spots, transparent corners and the held poses are checked on the linked cursors (tests/view).
#include "art/PaintCursors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
constexpr int kOpaque = 192; // alpha of a pixel that hides what lies under it

int Alpha(const CRgbaImage& image, int x, int y)
{
    return image.Pixel(x, y)[3];
}

// Rec. 601 luma, 0..255.
int Luma(const CRgbaImage& image, int x, int y)
{
    const uint8_t* p = image.Pixel(x, y);
    return (299 * p[0] + 587 * p[1] + 114 * p[2]) / 1000;
}

bool IsFlake(const CRgbaImage& image, int x, int y)
{
    const uint8_t* p = image.Pixel(x, y);
    return p[3] >= kOpaque && p[0] > 200 && p[1] < 110 && p[2] > 150;
}

int CountFlakePixels(const CRgbaImage& image)
{
    int count = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            count += IsFlake(image, x, y);
    return count;
}

const CursorPicture& Picture(const std::vector<CursorPicture>& pictures, int id)
{
    const auto it = std::find_if(std::begin(kCursorCatalogue), std::end(kCursorCatalogue),
                                 [id](const CursorEntry& entry) { return entry.id == id; });
    return pictures[static_cast<size_t>(it - std::begin(kCursorCatalogue))];
}
} // namespace

TEST(Cursors, EachIsALightShapeOutlinedInDarkOnATransparentGround)
{
    const std::vector<CursorPicture> pictures = PaintCursors();
    ASSERT_EQ(pictures.size(), std::size(kCursorCatalogue));
    for (size_t i = 0; i < pictures.size(); ++i) {
        const CRgbaImage& image = pictures[i].image;
        SCOPED_TRACE(pictures[i].name);
        EXPECT_EQ(pictures[i].name, kCursorCatalogue[i].baseName);
        ASSERT_EQ(image.Width(), kCursorCatalogue[i].width);
        ASSERT_EQ(image.Height(), kCursorCatalogue[i].height);
        // Opaque pixels bordering the clear ground are dark; inside, the body is light.
        const int w = image.Width(), h = image.Height();
        const auto clear = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && Alpha(image, x, y) < 32; };
        int edge = 0, darkEdge = 0, opaque = 0, light = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (Alpha(image, x, y) < kOpaque)
                    continue;
                ++opaque;
                light += Luma(image, x, y) > 170;
                if (clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) || clear(x, y + 1)) {
                    ++edge;
                    darkEdge += Luma(image, x, y) < 80;
                }
            }
        }
        EXPECT_GT(opaque, w * h / 6) << "large enough to see";
        EXPECT_GT(light, opaque / 3) << "a light body";
        EXPECT_GE(darkEdge * 10, edge * 9) << "a dark outline, " << darkEdge << " of " << edge;
    }
}

TEST(Cursors, OnlyTheTippedShakerDropsFlakesAndOnlyBelowItsOpening)
{
    const std::vector<CursorPicture> pictures = PaintCursors();
    EXPECT_EQ(CountFlakePixels(Picture(pictures, kFeedCursorResource).image), 0);
    const CRgbaImage& tipped = Picture(pictures, kFeedHeldCursorResource).image;
    int below = 0;
    for (int y = FindCursorEntry(kFeedHeldCursorResource)->hotY + 2; y < tipped.Height(); ++y)
        for (int x = 0; x < tipped.Width(); ++x)
            below += IsFlake(tipped, x, y);
    EXPECT_GE(below, 8);
    EXPECT_EQ(CountFlakePixels(tipped), below);
}
