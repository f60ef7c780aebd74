// SkinBitmap.cpp -- 24-bit BMP decoding: headers checked, rows unpadded, blue-green-red swapped.
#include "SkinBitmap.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {
uint32_t LittleEndian(const std::vector<uint8_t>& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + i];
    return value;
}
} // namespace

bool ReadSkinBitmap(const std::string& path, SkinBitmap& out, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    constexpr size_t kHeaders = 14 + 40; // file header and the smallest info header
    if (bytes.size() < kHeaders || bytes[0] != 'B' || bytes[1] != 'M') {
        error = path + " is not a BMP file";
        return false;
    }
    const uint32_t pixelOffset = LittleEndian(bytes, 10, 4);
    const int32_t width = static_cast<int32_t>(LittleEndian(bytes, 18, 4));
    const int32_t signedHeight = static_cast<int32_t>(LittleEndian(bytes, 22, 4)); // negative: top row first
    const uint32_t bitCount = LittleEndian(bytes, 28, 2);
    const uint32_t compression = LittleEndian(bytes, 30, 4);
    if (bitCount != 24 || compression != 0 || width <= 0 || signedHeight == 0 || width > 16384 ||
        std::abs(signedHeight) > 16384) {
        error = path + ": only uncompressed 24-bit pictures are read";
        return false;
    }
    const int height = std::abs(signedHeight);
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    if (pixelOffset < kHeaders || pixelOffset + stride * height > bytes.size()) {
        error = path + " is cut short";
        return false;
    }
    out.width = width;
    out.height = height;
    out.rgb.resize(static_cast<size_t>(width) * height * 3);
    for (int row = 0; row < height; ++row) {
        const int stored = signedHeight > 0 ? row : height - 1 - row;
        const uint8_t* src = &bytes[pixelOffset + stride * stored];
        uint8_t* dst = &out.rgb[static_cast<size_t>(row) * width * 3];
        for (int x = 0; x < width; ++x) {
            dst[3 * x + 0] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x + 0];
        }
    }
    return true;
}
