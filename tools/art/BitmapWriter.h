// BitmapWriter.h -- encodes a picture as the Windows BMP file that the texture loaders read.
//
// Two layouts, both a 14-byte file header ("BM"), a 40-byte info header (uncompressed, no colour
// table), then the pixel rows bottom-up right after the headers:
// - 24-bit: blue, green, red, each row padded with zeros to a multiple of 4 bytes;
// - 32-bit: blue, green, red, alpha, with straight (not premultiplied) alpha; rows need no padding.
// The info header's image-size field holds the true size of the pixel block (padding included),
// since the mipmapped loader reads exactly that many bytes.
#pragma once

#include "art/RgbImage.h"
#include "art/RgbaImage.h"

#include <cstdint>
#include <vector>

constexpr int kBitmapHeaderBytes = 14 + 40;

// Bytes of one stored row of a 24-bit picture of this width.
int BitmapRowStride(int width);

std::vector<uint8_t> EncodeBitmap(const CRgbImage& image);

// The 32-bit layout, which keeps the picture's transparency (the cursors).
std::vector<uint8_t> EncodeBitmapWithAlpha(const CRgbaImage& image);
