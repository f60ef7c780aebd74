// BitmapFile.cpp -- BMP headers checked against the bytes present, colour tables, RGBA expansion.
#include "environment/BitmapFile.h"

#include "platform/UnpackedFiles.h"

namespace {
constexpr int kMaxPaletteEntries = 256;

uint32_t Read32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

uint16_t Read16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

bool HasSignature(const uint8_t* data, size_t size)
{
    return size >= kBitmapFileHeaderBytes && Read16(data) == 0x4D42; // "BM"
}

// Width and height from the info header at `info`, when both are usable.
bool ReadSize(const uint8_t* info, int& width, int& height)
{
    const int32_t w = static_cast<int32_t>(Read32(info + 4));
    const int32_t h = static_cast<int32_t>(Read32(info + 8)); // negative: top-down rows, not supported
    if (w < 1 || h < 1 || int64_t{w} * h > kMaxBitmapPixels)
        return false;
    width = w;
    height = h;
    return true;
}
} // namespace

size_t BitmapRowStride(int bitCount, int width)
{
    return (static_cast<size_t>(bitCount) * static_cast<size_t>(width) + 31) / 32 * 4;
}

bool ParseBitmapFile(const uint8_t* data, size_t size, BitmapImage& image)
{
    image = BitmapImage();
    if (!HasSignature(data, size) || size - kBitmapFileHeaderBytes < kBitmapInfoHeaderBytes)
        return false;
    const uint8_t* info = data + kBitmapFileHeaderBytes;
    const size_t bufferSize = size - kBitmapFileHeaderBytes;

    int width = 0, height = 0;
    if (!ReadSize(info, width, height))
        return false;
    const int bitCount = Read16(info + 14);
    if (bitCount != 8 && bitCount != 24 && bitCount != 32)
        return false;

    int paletteEntries = 0;
    if (bitCount == 8) {
        const uint32_t coloursUsed = Read32(info + 32);
        if (coloursUsed > kMaxPaletteEntries)
            return false;
        paletteEntries = coloursUsed == 0 ? kMaxPaletteEntries : static_cast<int>(coloursUsed);
    }
    const size_t bitsOffset = kBitmapInfoHeaderBytes + 4 * static_cast<size_t>(paletteEntries);
    const size_t bitsSize = BitmapRowStride(bitCount, width) * static_cast<size_t>(height);
    if (bitsOffset > bufferSize || bitsSize > bufferSize - bitsOffset)
        return false;

    image.buffer.assign(info, info + bufferSize);
    image.width = width;
    image.height = height;
    image.bitCount = bitCount;
    image.paletteEntries = paletteEntries;
    image.bitsOffset = bitsOffset;
    return true;
}

bool ReadBitmapFile(const std::string& path, BitmapImage& image)
{
    image = BitmapImage();
    std::vector<uint8_t> bytes;
    return ReadPrivateFile(path, bytes) && ParseBitmapFile(bytes.data(), bytes.size(), image);
}

std::vector<uint8_t> ExpandPaletteTo24Bit(const BitmapImage& image)
{
    const size_t sourceStride = BitmapRowStride(8, image.width);
    const size_t targetStride = BitmapRowStride(24, image.width);
    std::vector<uint8_t> target(targetStride * static_cast<size_t>(image.height), 0);
    const uint8_t* palette = image.Palette();
    for (int row = 0; row < image.height; ++row) {
        const uint8_t* source = image.Bits() + sourceStride * static_cast<size_t>(row);
        uint8_t* out = target.data() + targetStride * static_cast<size_t>(row);
        for (int x = 0; x < image.width; ++x, out += 3) {
            const int index = source[x];
            // An index past the table's end leaves the pixel black.
            if (index >= image.paletteEntries)
                continue;
            out[0] = palette[4 * index + 0]; // blue
            out[1] = palette[4 * index + 1]; // green
            out[2] = palette[4 * index + 2]; // red
        }
    }
    return target;
}

int PowerOfTwoTarget(int size, int limit)
{
    const int wanted = size < limit ? size : limit;
    int target = 2;
    while (target < wanted)
        target *= 2;
    return target;
}

bool DecodeBitmapToRgba(const uint8_t* data, size_t size, RgbaPicture& picture)
{
    picture = RgbaPicture();
    if (!HasSignature(data, size) || size - kBitmapFileHeaderBytes < kBitmapInfoHeaderBytes)
        return false;
    const uint8_t* info = data + kBitmapFileHeaderBytes;
    int width = 0, height = 0;
    if (!ReadSize(info, width, height) || Read16(info + 14) != 24)
        return false;

    // Rows padded to 4 bytes, as every BMP stores them; the last row needs only its pixels.
    const size_t pixelOffset = Read32(data + 10);
    const size_t stride = BitmapRowStride(24, width);
    const size_t rowBytes = 3 * static_cast<size_t>(width);
    const size_t needed = stride * static_cast<size_t>(height - 1) + rowBytes;
    if (pixelOffset > size || needed > size - pixelOffset)
        return false;

    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    uint8_t* out = picture.pixels.data();
    for (int row = 0; row < height; ++row) {
        const uint8_t* bgr = data + pixelOffset + stride * static_cast<size_t>(row);
        for (int x = 0; x < width; ++x, bgr += 3, out += 4) {
            out[0] = bgr[2];
            out[1] = bgr[1];
            out[2] = bgr[0];
            out[3] = (bgr[0] | bgr[1] | bgr[2]) != 0 ? 255 : 0; // pure black is transparent
        }
    }
    return true;
}
