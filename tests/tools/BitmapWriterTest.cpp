// Tests of the BMP encoders: the headers the loaders check and the stored row layouts.
#include "art/BitmapWriter.h"

#include <gtest/gtest.h>

namespace {
uint32_t ReadLittleEndian(const std::vector<uint8_t>& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

// A 3 x 2 picture whose every byte is distinct: red = 10 * x + y, green = 100 + that, blue = 200 + that.
CRgbImage Distinct3x2()
{
    CRgbImage image(3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            uint8_t* p = image.Pixel(x, y);
            p[0] = static_cast<uint8_t>(10 * x + y);
            p[1] = static_cast<uint8_t>(100 + 10 * x + y);
            p[2] = static_cast<uint8_t>(200 + 10 * x + y);
        }
    }
    return image;
}
} // namespace

TEST(BitmapWriter, HeadersDescribeAn24BitBottomUpPictureWithItsTruePixelSize)
{
    const std::vector<uint8_t> bmp = EncodeBitmap(Distinct3x2());
    // Rows of 3 pixels take 9 bytes, padded to 12.
    ASSERT_EQ(bmp.size(), 54u + 2u * 12u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(ReadLittleEndian(bmp, 2, 4), bmp.size());
    EXPECT_EQ(ReadLittleEndian(bmp, 10, 4), 54u); // pixels right after the two headers
    EXPECT_EQ(ReadLittleEndian(bmp, 14, 4), 40u);
    EXPECT_EQ(ReadLittleEndian(bmp, 18, 4), 3u);
    EXPECT_EQ(ReadLittleEndian(bmp, 22, 4), 2u); // positive height: bottom-up
    EXPECT_EQ(ReadLittleEndian(bmp, 26, 2), 1u);
    EXPECT_EQ(ReadLittleEndian(bmp, 28, 2), 24u);
    EXPECT_EQ(ReadLittleEndian(bmp, 30, 4), 0u); // uncompressed
    EXPECT_EQ(ReadLittleEndian(bmp, 34, 4), 24u);
    EXPECT_EQ(ReadLittleEndian(bmp, 46, 4), 0u); // no palette
}

TEST(BitmapWriter, RowsAreStoredBottomFirstAsBlueGreenRedWithZeroPadding)
{
    const std::vector<uint8_t> bmp = EncodeBitmap(Distinct3x2());
    const uint8_t* bottomRow = &bmp[54];
    const uint8_t* topRow = &bmp[54 + 12];
    for (int x = 0; x < 3; ++x) {
        // The bottom row of the picture (y = 1) comes first.
        EXPECT_EQ(bottomRow[3 * x + 0], 200 + 10 * x + 1);
        EXPECT_EQ(bottomRow[3 * x + 1], 100 + 10 * x + 1);
        EXPECT_EQ(bottomRow[3 * x + 2], 10 * x + 1);
        EXPECT_EQ(topRow[3 * x + 0], 200 + 10 * x);
        EXPECT_EQ(topRow[3 * x + 2], 10 * x);
    }
    for (int pad = 9; pad < 12; ++pad) {
        EXPECT_EQ(bottomRow[pad], 0);
        EXPECT_EQ(topRow[pad], 0);
    }
}

TEST(BitmapWriter, WithAlphaStoresBottomRowFirstAsBlueGreenRedAlphaUnpremultiplied)
{
    // 3 x 2: every byte distinct, alphas from transparent to opaque.
    CRgbaImage image(3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            uint8_t* p = image.Pixel(x, y);
            p[0] = static_cast<uint8_t>(10 * x + y);
            p[1] = static_cast<uint8_t>(100 + 10 * x + y);
            p[2] = static_cast<uint8_t>(200 + 10 * x + y);
            p[3] = static_cast<uint8_t>(50 * (3 * y + x));
        }
    }
    const std::vector<uint8_t> bmp = EncodeBitmapWithAlpha(image);
    // 32-bit rows of 3 pixels take 12 bytes, no padding; uncompressed, so no colour masks either.
    ASSERT_EQ(bmp.size(), 54u + 2u * 12u);
    EXPECT_EQ(ReadLittleEndian(bmp, 28, 2), 32u);
    EXPECT_EQ(ReadLittleEndian(bmp, 30, 4), 0u);
    EXPECT_EQ(ReadLittleEndian(bmp, 34, 4), 24u);
    for (int row = 0; row < 2; ++row) {
        const int y = 1 - row;
        for (int x = 0; x < 3; ++x) {
            const uint8_t* stored = &bmp[54 + 12 * row + 4 * x];
            EXPECT_EQ(stored[0], 200 + 10 * x + y);
            EXPECT_EQ(stored[1], 100 + 10 * x + y);
            EXPECT_EQ(stored[2], 10 * x + y);
            EXPECT_EQ(stored[3], 50 * (3 * y + x)); // colour bytes above are not scaled by it
        }
    }
}

TEST(BitmapWriter, RowStrideIsAlwaysAMultipleOfFourAndNoLargerThanNeeded)
{
    EXPECT_EQ(BitmapRowStride(1), 4);
    EXPECT_EQ(BitmapRowStride(4), 12);
    EXPECT_EQ(BitmapRowStride(5), 16);
    EXPECT_EQ(BitmapRowStride(1024), 3072);
}
