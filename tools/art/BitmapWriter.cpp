// BitmapWriter.cpp -- 24-bit and 32-bit uncompressed BMP encoding.
#include "art/BitmapWriter.h"

#include <cstddef>

namespace {
void PutLittleEndian(std::vector<uint8_t>& out, size_t at, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Both headers of an uncompressed picture whose rows take `stride` bytes; the pixels are left zero.
std::vector<uint8_t> StartBitmap(int width, int height, int bitCount, int stride)
{
    const uint32_t pixelBytes = static_cast<uint32_t>(stride) * height;
    std::vector<uint8_t> out(kBitmapHeaderBytes + pixelBytes, 0);

    // File header.
    out[0] = 'B';
    out[1] = 'M';
    PutLittleEndian(out, 2, kBitmapHeaderBytes + pixelBytes, 4); // file size
    PutLittleEndian(out, 10, kBitmapHeaderBytes, 4);             // offset of the pixels

    // Info header; fields not set stay 0 (no compression, no palette, no important colours).
    PutLittleEndian(out, 14, 40, 4);
    PutLittleEndian(out, 18, static_cast<uint32_t>(width), 4);
    PutLittleEndian(out, 22, static_cast<uint32_t>(height), 4); // positive: bottom-up
    PutLittleEndian(out, 26, 1, 2);                             // planes
    PutLittleEndian(out, 28, static_cast<uint32_t>(bitCount), 2);
    PutLittleEndian(out, 34, pixelBytes, 4);
    PutLittleEndian(out, 38, 2835, 4); // 72 dots per inch, in dots per metre
    PutLittleEndian(out, 42, 2835, 4);
    return out;
}
} // namespace

int BitmapRowStride(int width)
{
    return (width * 3 + 3) / 4 * 4;
}

std::vector<uint8_t> EncodeBitmap(const CRgbImage& image)
{
    const int stride = BitmapRowStride(image.Width());
    std::vector<uint8_t> out = StartBitmap(image.Width(), image.Height(), 24, stride);
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

std::vector<uint8_t> EncodeBitmapWithAlpha(const CRgbaImage& image)
{
    const int stride = image.Width() * 4;
    std::vector<uint8_t> out = StartBitmap(image.Width(), image.Height(), 32, stride);
    for (int row = 0; row < image.Height(); ++row) {
        const int y = image.Height() - 1 - row; // the first stored row is the bottom one
        uint8_t* dst = &out[kBitmapHeaderBytes + static_cast<size_t>(row) * stride];
        for (int x = 0; x < image.Width(); ++x) {
            const uint8_t* rgba = image.Pixel(x, y);
            dst[4 * x + 0] = rgba[2];
            dst[4 * x + 1] = rgba[1];
            dst[4 * x + 2] = rgba[0];
            dst[4 * x + 3] = rgba[3];
        }
    }
    return out;
}
