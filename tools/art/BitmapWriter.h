// BitmapWriter.h -- encodes a picture as the Windows BMP file that the texture loaders read.
//
// The only layout produced: a 14-byte file header ("BM"), a 40-byte info header, then 24-bit pixels
// stored blue, green, red, rows bottom-up, each row padded with zeros to a multiple of 4 bytes. The
// info header's image-size field holds the true size of that pixel block (padding included), since
// the mipmapped loader reads exactly that many bytes.
#pragma once

#include "art/RgbImage.h"

#include <cstdint>
#include <vector>

constexpr int kBitmapHeaderBytes = 14 + 40;

// Bytes of one stored row of a 24-bit picture of this width.
int BitmapRowStride(int width);

std::vector<uint8_t> EncodeBitmap(const CRgbImage& image);
