// Random and mutated BMP files through both readers: whatever comes in, nothing reads out of bounds.
//
// Under the sanitized build every accepted picture is also read end to end, exactly as far as the
// upload will read it, so a size check that lets too much through fails here and not in a driver.
#include "environment/BitmapBuilder.h"
#include "environment/BitmapFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {
constexpr int kMutations = 6000;
constexpr int kRandomFiles = 2000;

// Sums every byte the plain upload reads: height rows of the stored stride from the bits.
unsigned TouchUploadedBytes(const BitmapImage& image)
{
    unsigned sum = 0;
    const size_t stride = (static_cast<size_t>(image.bitCount) * image.width + 31) / 32 * 4;
    for (size_t i = 0; i < stride * image.height; ++i)
        sum += image.Bits()[i];
    for (int i = 0; i < 4 * image.paletteEntries; ++i)
        sum += image.Palette()[i];
    return sum;
}

// Runs both readers on exactly these bytes, in a block of exactly their size.
void Feed(const std::vector<uint8_t>& input)
{
    std::unique_ptr<uint8_t[]> exact(new uint8_t[input.size() + 1]); // +1: new[0] is no block to test
    std::copy(input.begin(), input.end(), exact.get());

    BitmapImage image;
    if (ParseBitmapFile(exact.get(), input.size(), image)) {
        volatile unsigned sink = TouchUploadedBytes(image);
        (void)sink;
        if (image.bitCount == 8) {
            const std::vector<uint8_t> rgb = ExpandPaletteTo24Bit(image);
            ASSERT_EQ(rgb.size(), (24u * image.width + 31) / 32 * 4 * image.height);
        }
    }
    RgbaPicture picture;
    if (DecodeBitmapToRgba(exact.get(), input.size(), picture)) {
        ASSERT_EQ(picture.pixels.size(), static_cast<size_t>(picture.width) * picture.height * 4);
    }
}

std::vector<std::vector<uint8_t>> Seeds()
{
    std::vector<std::vector<uint8_t>> seeds;
    for (int bits : {8, 24, 32}) {
        for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {7, 5}, {16, 4}}) {
            TestBitmap bmp;
            bmp.width = w;
            bmp.height = h;
            bmp.bitCount = bits;
            if (bits == 8) {
                bmp.palette.assign(4 * 12, 0x40);
                bmp.coloursUsed = 12;
            }
            bmp.pixel = [](int x, int y) { return static_cast<uint32_t>(x * 37 + y * 101) * 2654435761u; };
            seeds.push_back(bmp.Build());
        }
    }
    return seeds;
}

// Field offsets within the file that the readers interpret.
constexpr size_t kFields[] = {0, 2, 10, 14, 18, 22, 26, 28, 30, 34, 46};
constexpr uint32_t kAwkwardValues[] = {0,      1,       2,          3,          8,          24,
                                       32,     255,     256,        257,        0x7FFF,     0x8000,
                                       0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFF0};
} // namespace

TEST(BitmapFuzz, MutatedPicturesNeverReadOutOfBounds)
{
    std::mt19937 random(20240611);
    const auto seeds = Seeds();
    for (int round = 0; round < kMutations; ++round) {
        std::vector<uint8_t> file = seeds[random() % seeds.size()];
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            switch (random() % 5) {
            case 0: // a header field set to an awkward value
                TestBitmap::Put(file, kFields[random() % std::size(kFields)],
                                kAwkwardValues[random() % std::size(kAwkwardValues)], 4);
                break;
            case 1: // a random byte anywhere
                file[random() % file.size()] = static_cast<uint8_t>(random());
                break;
            case 2: // cut short
                file.resize(random() % (file.size() + 1));
                break;
            case 3: // grown by a few bytes
                file.resize(file.size() + random() % 64, static_cast<uint8_t>(random()));
                break;
            default: // a small width or height the bytes may or may not cover
                TestBitmap::Put(file, random() % 2 ? 18 : 22, random() % 40, 4);
                break;
            }
            if (file.size() < 30)
                file.resize(30, 0); // keep the header fields in reach of later edits
        }
        Feed(file);
        if (HasFailure())
            FAIL() << "round " << round;
    }
}

TEST(BitmapFuzz, RandomBytesBehindTheSignatureNeverReadOutOfBounds)
{
    std::mt19937 random(7);
    for (int round = 0; round < kRandomFiles; ++round) {
        std::vector<uint8_t> file(random() % 300);
        for (uint8_t& byte : file)
            byte = static_cast<uint8_t>(random());
        if (file.size() >= 2 && random() % 4 != 0) {
            file[0] = 'B';
            file[1] = 'M';
        }
        if (file.size() >= 30 && random() % 2 != 0) { // sizes small enough for the bytes to cover
            TestBitmap::Put(file, 18, 1 + random() % 8, 4);
            TestBitmap::Put(file, 22, 1 + random() % 8, 4);
            TestBitmap::Put(file, 28, random() % 2 ? 24 : 8, 2);
        }
        Feed(file);
        if (HasFailure())
            FAIL() << "round " << round;
    }
}
