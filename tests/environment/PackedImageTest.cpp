// Tests of decoding packed pictures in memory into top-down RGBA, as the cursors and dialog art are.
#include "environment/PackedImage.h"
#include "environment/BitmapBuilder.h"

#include <gtest/gtest.h>

namespace {
constexpr char kType[] = "CURSOR";

uint32_t ArgbAt(const PackedImage& image, int x, int row)
{
    const uint8_t* p = &image.rgba[(static_cast<size_t>(row) * image.width + x) * 4];
    return p[0] << 16 | p[1] << 8 | p[2] | static_cast<uint32_t>(p[3]) << 24;
}
} // namespace

TEST(PackedImage, DecodesTopRowFirstWithStraightAlphaOr24BitAsOpaque)
{
    // Width 3 leaves 24-bit rows padded from 9 to 12 bytes.
    const std::vector<uint8_t> withAlpha = PackedTestBitmap(3, 2, 32);
    const std::vector<uint8_t> opaque = PackedTestBitmap(3, 2, 24);
    const PackedResource entries[] = {{kType, 1, withAlpha.data(), withAlpha.size()},
                                      {kType, 2, opaque.data(), opaque.size()}};
    const CResourceTable table(entries, 2);
    for (int id : {1, 2}) {
        SCOPED_TRACE(id);
        PackedImage image;
        ASSERT_TRUE(LoadPackedImage(table, kType, id, 3, image));
        EXPECT_EQ(image.width, 3);
        EXPECT_EQ(image.height, 2);
        EXPECT_EQ(image.hasAlpha, id == 1);
        ASSERT_EQ(image.rgba.size(), 3u * 2u * 4u);
        for (int row = 0; row < 2; ++row) {
            for (int x = 0; x < 3; ++x) {
                const uint32_t argb = DistinctArgb(x, 1 - row); // the top row is the file's last
                EXPECT_EQ(ArgbAt(image, x, row), id == 1 ? argb : (argb | 0xFF000000u)) << x << ", " << row;
            }
        }
    }
}

TEST(PackedImage, MissingCorruptTruncatedOversizedOrPalettedPicturesAreRefused)
{
    const std::vector<uint8_t> good = PackedTestBitmap(32, 32);
    const std::vector<uint8_t> truncated(good.begin(), good.end() - 100);
    const std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 54);
    std::vector<uint8_t> garbage(good.size());
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<uint8_t>(i * 131 + 7);
    const std::vector<uint8_t> tooWide = PackedTestBitmap(1024, 1);
    const std::vector<uint8_t> tooTall = PackedTestBitmap(1, 33, 24);
    TestBitmap paletted;
    paletted.width = paletted.height = 4;
    paletted.bitCount = 8;
    paletted.palette.assign(4 * 2, 0x7F);
    paletted.coloursUsed = 2;
    std::vector<uint8_t> eightBit = paletted.Build();
    EncodePackedBytes(eightBit.data(), eightBit.size(), 0);
    const PackedResource entries[] = {
        {kType, 1, truncated.data(), truncated.size()}, {kType, 2, headerOnly.data(), headerOnly.size()},
        {kType, 3, garbage.data(), garbage.size()},     {kType, 4, good.data(), 0},
        {kType, 5, tooWide.data(), tooWide.size()},     {kType, 6, tooTall.data(), tooTall.size()},
        {kType, 7, eightBit.data(), eightBit.size()},   {"ICON", 8, good.data(), good.size()}, // another type
    };
    const CResourceTable table(entries, std::size(entries));
    for (int id = 1; id <= 9; ++id) {
        PackedImage image;
        image.width = 99;
        EXPECT_FALSE(LoadPackedImage(table, kType, id, 32, image)) << id;
        EXPECT_EQ(image.width, 0);
        EXPECT_TRUE(image.rgba.empty());
    }
    PackedImage image;
    EXPECT_TRUE(LoadPackedImage(table, "ICON", 8, 32, image)) << "the same bytes under their own type";
}
