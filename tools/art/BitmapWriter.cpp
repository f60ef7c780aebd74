// BitmapWriter.cpp -- 24-bit uncompressed BMP encoding.
#include "art/BitmapWriter.h"

#include <cstddef>

namespace {
void PutLittleEndian(std::vector<uint8_t>& out, size_t at, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
} // namespace

int BitmapRowStride(int width)
{
    return (width * 3 + 3) / 4 * 4;
}

std::vector<uint8_t> EncodeBitmap(const CRgbImage& image)
{
    const int stride = BitmapRowStride(image.Width());
    const uint32_t pixelBytes = static_cast<uint32_t>(stride) * image.Height();
    std::vector<uint8_t> out(kBitmapHeaderBytes + pixelBytes, 0);

    // File header.
    out[0] = 'B';
    out[1] = 'M';
    PutLittleEndian(out, 2, kBitmapHeaderBytes + pixelBytes, 4); // file size
    PutLittleEndian(out, 10, kBitmapHeaderBytes, 4);             // offset of the pixels

    // Info header; fields not set stay 0 (no compression, no palette, no important colours).
    PutLittleEndian(out, 14, 40, 4);
    PutLittleEndian(out, 18, static_cast<uint32_t>(image.Width()), 4);
    PutLittleEndian(out, 22, static_cast<uint32_t>(image.Height()), 4); // positive: bottom-up
    PutLittleEndian(out, 26, 1, 2);                                     // planes
    PutLittleEndian(out, 28, 24, 2);                                    // bits per pixel
    PutLittleEndian(out, 34, pixelBytes, 4);
    PutLittleEndian(out, 38, 2835, 4); // 72 dots per inch, in dots per metre
    PutLittleEndian(out, 42, 2835, 4);

    for (int row = 0; row < image.Height(); ++row) {
        const int y = image.Height() - 1 - row; // the first stored row is the bottom one
        uint8_t* dst = &out[kBitmapHeaderBytes + static_cast<size_t>(row) * stride];
        for (int x = 0; x < image.Width(); ++x) {
            const uint8_t* rgb = image.Pixel(x, y);
            dst[3 * x + 0] = rgb[2];
            dst[3 * x + 1] = rgb[1];
            dst[3 * x + 2] = rgb[0];
        }
    }
    return out;
}
