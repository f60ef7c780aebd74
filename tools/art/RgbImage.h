// RgbImage.h -- a finished picture: 8-bit red, green, blue per pixel, rows from the top down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CRgbImage
{
public:
    CRgbImage(int width, int height) : width(width), height(height), bytes(static_cast<size_t>(width) * height * 3) {}

    int Width() const { return width; }
    int Height() const { return height; }

    // The three bytes (red, green, blue) of the pixel in column x of row y, row 0 at the top.
    uint8_t* Pixel(int x, int y) { return &bytes[(static_cast<size_t>(y) * width + x) * 3]; }
    const uint8_t* Pixel(int x, int y) const { return &bytes[(static_cast<size_t>(y) * width + x) * 3]; }

    const std::vector<uint8_t>& Bytes() const { return bytes; }

private:
    int width;
    int height;
    std::vector<uint8_t> bytes; // width * height * 3, red first
};
