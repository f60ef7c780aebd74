// RgbaImage.h -- a finished picture with transparency: red, green, blue and straight (not
// premultiplied) alpha, 8 bits each, rows from the top down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CRgbaImage
{
public:
    CRgbaImage(int width, int height) : width(width), height(height), bytes(static_cast<size_t>(width) * height * 4) {}

    int Width() const { return width; }
    int Height() const { return height; }

    // The four bytes (red, green, blue, alpha) of the pixel in column x of row y, row 0 at the top.
    uint8_t* Pixel(int x, int y) { return &bytes[(static_cast<size_t>(y) * width + x) * 4]; }
    const uint8_t* Pixel(int x, int y) const { return &bytes[(static_cast<size_t>(y) * width + x) * 4]; }

    const std::vector<uint8_t>& Bytes() const { return bytes; }

private:
    int width;
    int height;
    std::vector<uint8_t> bytes; // width * height * 4, red first
};
