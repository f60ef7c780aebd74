// BitmapBuilder.h -- small BMP files built in memory for the reader and loader tests.
#pragma once

#include "platform/PackedCodec.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

struct TestBitmap
{
    int width = 1;
    int height = 1;
    int bitCount = 24;
    std::vector<uint8_t> palette; // 8-bit only: 4 bytes an entry, blue, green, red, reserved
    uint32_t coloursUsed = 0;     // the info header's field
    // The pixel at (x, y), y = 0 the bottom row: 0xAARRGGBB for 24 and 32 bits, the index for 8.
    std::function<uint32_t(int x, int y)> pixel = [](int, int) { return 0u; };

    static void Put(std::vector<uint8_t>& out, size_t at, uint32_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            out[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }

    size_t Stride() const { return (static_cast<size_t>(bitCount) * width + 31) / 32 * 4; }

    std::vector<uint8_t> Build() const
    {
        const size_t pixelOffset = 54 + palette.size();
        const size_t imageSize = Stride() * height;
        std::vector<uint8_t> out(pixelOffset + imageSize, 0);
        out[0] = 'B';
        out[1] = 'M';
        Put(out, 2, static_cast<uint32_t>(out.size()), 4);
        Put(out, 10, static_cast<uint32_t>(pixelOffset), 4);
        Put(out, 14, 40, 4);
        Put(out, 18, static_cast<uint32_t>(width), 4);
        Put(out, 22, static_cast<uint32_t>(height), 4);
        Put(out, 26, 1, 2);
        Put(out, 28, static_cast<uint32_t>(bitCount), 2);
        Put(out, 34, static_cast<uint32_t>(imageSize), 4);
        Put(out, 46, coloursUsed, 4);
        std::copy(palette.begin(), palette.end(), out.begin() + 54);
        for (int y = 0; y < height; ++y) {
            uint8_t* row = out.data() + pixelOffset + Stride() * y;
            for (int x = 0; x < width; ++x) {
                const uint32_t value = pixel(x, y);
                if (bitCount == 8)
                    row[x] = static_cast<uint8_t>(value);
                else
                    Put(out, static_cast<size_t>(row - out.data()) + static_cast<size_t>(x) * (bitCount / 8), value,
                        bitCount / 8);
            }
        }
        return out;
    }
};

inline bool WriteTestFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// 0xAARRGGBB of distinct bytes for the pixel (x, y), y = 0 the bottom row, x and y below 16.
inline uint32_t DistinctArgb(int x, int y)
{
    const uint32_t k = static_cast<uint32_t>(16 * y + x);
    return (0x80 + k) << 24 | (0x10 + k) << 16 | (0x40 + k) << 8 | (0x70 + k);
}

// A picture of DistinctArgb pixels, scrambled as the packer packs it.
inline std::vector<uint8_t> PackedTestBitmap(int width, int height, int bitCount = 32)
{
    TestBitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bitCount = bitCount;
    bitmap.pixel = DistinctArgb;
    std::vector<uint8_t> bytes = bitmap.Build();
    EncodePackedBytes(bytes.data(), bytes.size(), 0);
    return bytes;
}
