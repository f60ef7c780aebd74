// Tests of the BMP readers: what they accept, what they refuse, and the pixels they hand on.
#include "environment/BitmapFile.h"
#include "environment/BitmapBuilder.h"

#include <gtest/gtest.h>

namespace {
bool Parse(const std::vector<uint8_t>& file, BitmapImage& image)
{
    return ParseBitmapFile(file.data(), file.size(), image);
}

bool Accepted(const std::vector<uint8_t>& file)
{
    BitmapImage image;
    RgbaPicture picture;
    const bool plain = Parse(file, image);
    const bool rgba = DecodeBitmapToRgba(file.data(), file.size(), picture);
    EXPECT_EQ(plain, rgba) << "the two readers disagree";
    return plain;
}

void Poke32(std::vector<uint8_t>& file, size_t at, uint32_t value)
{
    TestBitmap::Put(file, at, value, 4);
}

std::vector<uint8_t> GreyPalette(int entries)
{
    std::vector<uint8_t> palette;
    for (int i = 0; i < entries; ++i)
        palette.insert(palette.end(),
                       {static_cast<uint8_t>(i), static_cast<uint8_t>(i + 1), static_cast<uint8_t>(i + 2), 0});
    return palette;
}
} // namespace

TEST(BitmapFile, TwentyFourBitPictureKeepsItsRowsAfterTheInfoHeader)
{
    TestBitmap bmp;
    bmp.width = 3; // rows of 9 bytes padded to 12
    bmp.height = 2;
    bmp.pixel = [](int x, int y) { return 0x010203u * static_cast<uint32_t>(x + 1) + 0x100000u * y; };
    BitmapImage image;
    ASSERT_TRUE(Parse(bmp.Build(), image));
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.bitCount, 24);
    EXPECT_EQ(image.bitsOffset, 40u);
    EXPECT_EQ(image.buffer.size(), 40u + 2 * 12);
    EXPECT_EQ(image.Bits()[0], 0x03);      // blue of (0, 0)
    EXPECT_EQ(image.Bits()[2], 0x01);      // red of (0, 0)
    EXPECT_EQ(image.Bits()[12 + 2], 0x11); // red of (0, 1): the second row starts after the padding
}

TEST(BitmapFile, EightBitPaletteHasColoursUsedEntriesOr256WhenThatIsZero)
{
    TestBitmap bmp;
    bmp.bitCount = 8;
    bmp.width = 5;
    bmp.height = 4;
    bmp.palette = GreyPalette(256);
    BitmapImage image;
    ASSERT_TRUE(Parse(bmp.Build(), image));
    EXPECT_EQ(image.paletteEntries, 256);
    EXPECT_EQ(image.bitsOffset, 40u + 1024);

    bmp.palette = GreyPalette(16);
    bmp.coloursUsed = 16;
    ASSERT_TRUE(Parse(bmp.Build(), image));
    EXPECT_EQ(image.paletteEntries, 16);
    EXPECT_EQ(image.bitsOffset, 40u + 64);

    // A short table with colours used 0 still means 256 entries, which the file does not hold.
    bmp.coloursUsed = 0;
    bmp.height = 1;
    EXPECT_FALSE(Parse(bmp.Build(), image));
    EXPECT_TRUE(image.buffer.empty());
}

TEST(BitmapFile, HeadersThatPromiseMoreThanTheFileHoldsAreRefused)
{
    TestBitmap bmp;
    bmp.width = 8;
    bmp.height = 8;
    const std::vector<uint8_t> good = bmp.Build();
    ASSERT_TRUE(Accepted(good));

    EXPECT_FALSE(Accepted({}));
    EXPECT_FALSE(Accepted(std::vector<uint8_t>(good.begin(), good.begin() + 15)));
    EXPECT_FALSE(Accepted(std::vector<uint8_t>(good.begin(), good.begin() + 53))); // info header cut short
    EXPECT_FALSE(Accepted(std::vector<uint8_t>(good.begin(), good.end() - 1)));    // last row one byte short

    auto with = [&](size_t at, uint32_t value, int bytes = 4) {
        std::vector<uint8_t> file = good;
        TestBitmap::Put(file, at, value, bytes);
        return file;
    };
    EXPECT_FALSE(Accepted(with(0, 'M' | 'B' << 8, 2))); // signature
    EXPECT_FALSE(Accepted(with(18, 9)));                // one column more than stored
    EXPECT_FALSE(Accepted(with(22, 9)));                // one row more than stored
    EXPECT_FALSE(Accepted(with(18, 0)));                // empty
    EXPECT_FALSE(Accepted(with(22, 0)));
    EXPECT_FALSE(Accepted(with(18, static_cast<uint32_t>(-8)))); // negative
    EXPECT_FALSE(Accepted(with(22, static_cast<uint32_t>(-8)))); // top-down rows
    EXPECT_FALSE(Accepted(with(18, 0x7FFFFFFF)));                // sizes whose products overflow 32 bits
    EXPECT_FALSE(Accepted(with(22, 0x80000000)));
    for (uint32_t bits : {0u, 1u, 4u, 16u, 33u, 0xFFFFu})
        EXPECT_FALSE(Accepted(with(28, bits, 2))) << bits << " bits";

    // The image-size field is not trusted either way: 0 is legal for uncompressed pictures.
    EXPECT_TRUE(Accepted(with(34, 0)));
    EXPECT_TRUE(Accepted(with(34, 0xFFFFFFFF)));
}

TEST(BitmapFile, PaletteLengthsBeyond256OrPastTheEndAreRefused)
{
    TestBitmap bmp;
    bmp.bitCount = 8;
    bmp.palette = GreyPalette(2);
    bmp.coloursUsed = 2;
    std::vector<uint8_t> file = bmp.Build();
    BitmapImage image;
    ASSERT_TRUE(Parse(file, image));
    for (uint32_t entries : {3u, 257u, 0xFFFFFFFFu}) {
        Poke32(file, 46, entries);
        EXPECT_FALSE(Parse(file, image)) << entries << " entries";
    }
}

TEST(BitmapFile, PaletteExpansionGivesBlueGreenRedRowsPaddedToFourBytes)
{
    TestBitmap bmp;
    bmp.bitCount = 8;
    bmp.width = 2;
    bmp.height = 2;
    bmp.palette = {10, 20, 30, 0, 40, 50, 60, 0};
    bmp.coloursUsed = 2;
    bmp.pixel = [](int x, int y) { return x == 1 && y == 1 ? 7u : static_cast<uint32_t>(x); }; // 7: past the table
    BitmapImage image;
    ASSERT_TRUE(Parse(bmp.Build(), image));
    const std::vector<uint8_t> rgb = ExpandPaletteTo24Bit(image);
    const std::vector<uint8_t> expected = {10, 20, 30, 40, 50, 60, 0, 0,  // bottom row, 6 bytes + padding
                                           10, 20, 30, 0,  0,  0,  0, 0}; // index 7 reads as black
    EXPECT_EQ(rgb, expected);
}

TEST(BitmapFile, PowerOfTwoTargetsAreAtLeastTwoAndWithinTheLimit)
{
    EXPECT_EQ(PowerOfTwoTarget(64, 512), 64);
    EXPECT_EQ(PowerOfTwoTarget(100, 512), 128);
    EXPECT_EQ(PowerOfTwoTarget(60, 512), 64);
    EXPECT_EQ(PowerOfTwoTarget(1, 512), 2);
    EXPECT_EQ(PowerOfTwoTarget(513, 1024), 1024);
    EXPECT_EQ(PowerOfTwoTarget(1536, 512), 512);
    EXPECT_EQ(PowerOfTwoTarget(1 << 20, 512), 512);
}

TEST(BitmapFile, RgbaDecodingMakesOnlyPureBlackTransparent)
{
    TestBitmap bmp;
    bmp.width = 3; // rows padded from 9 to 12 bytes
    bmp.height = 2;
    const uint32_t colours[2][3] = {{0x000000, 0x000001, 0x102030}, {0x010000, 0x000100, 0xFFFFFF}};
    bmp.pixel = [&](int x, int y) { return colours[y][x]; };
    std::vector<uint8_t> file = bmp.Build();
    Poke32(file, 34, 0); // image size 0
    RgbaPicture picture;
    ASSERT_TRUE(DecodeBitmapToRgba(file.data(), file.size(), picture));
    ASSERT_EQ(picture.pixels.size(), 3u * 2 * 4);
    const std::vector<uint8_t> expected = {0, 0, 0, 0,   0, 0, 1, 255, 0x10, 0x20, 0x30, 255,
                                           1, 0, 0, 255, 0, 1, 0, 255, 255,  255,  255,  255};
    EXPECT_EQ(picture.pixels, expected);
}

TEST(BitmapFile, RgbaDecodingFollowsThePixelOffsetAndWantsTwentyFourBits)
{
    TestBitmap bmp;
    bmp.width = 4;
    bmp.height = 4;
    bmp.pixel = [](int, int) { return 0x112233u; };
    std::vector<uint8_t> file = bmp.Build();
    file.insert(file.begin() + 54, {0xAA, 0xAA, 0xAA, 0xAA}); // a gap before the pixels
    Poke32(file, 10, 58);
    RgbaPicture picture;
    ASSERT_TRUE(DecodeBitmapToRgba(file.data(), file.size(), picture));
    EXPECT_EQ(picture.pixels[0], 0x11);
    EXPECT_EQ(picture.pixels[picture.pixels.size() - 2], 0x33);

    Poke32(file, 10, static_cast<uint32_t>(file.size())); // no pixels after the offset
    EXPECT_FALSE(DecodeBitmapToRgba(file.data(), file.size(), picture));
    Poke32(file, 10, 0xFFFFFFF0);
    EXPECT_FALSE(DecodeBitmapToRgba(file.data(), file.size(), picture));

    bmp.bitCount = 32;
    file = bmp.Build();
    EXPECT_FALSE(DecodeBitmapToRgba(file.data(), file.size(), picture));
    EXPECT_TRUE(picture.pixels.empty());
}
