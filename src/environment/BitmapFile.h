// BitmapFile.h -- reading the BMP pictures that the texture loaders upload; no GL here.
//
// Two readers, one per loader:
//
// - ReadBitmapFile / ParseBitmapFile keep the file minus its 14-byte file header in one buffer,
//   as LoadTexture uploads it: the 40-byte info header, then for 8-bit pictures the colour table
//   (4 bytes an entry: blue, green, red, reserved), then the pixel rows, bottom row first, each
//   row padded to a multiple of 4 bytes. The file header's pixel-data offset is not used.
// - DecodeBitmapToRgba turns a 24-bit picture into the RGBA block of LoadMipmappedTexture, with
//   pure black transparent; it does follow the pixel-data offset.
//
// Both trust nothing in the headers: sizes, bit counts and palette lengths are checked against
// the bytes actually present, so an accepted picture can be read whole without running past its
// buffer, and a rejected one is simply not loaded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr size_t kBitmapFileHeaderBytes = 14;
constexpr size_t kBitmapInfoHeaderBytes = 40;
// Larger pictures are refused: GLU computes its scratch sizes in int, and no texture needs more.
constexpr int64_t kMaxBitmapPixels = int64_t{1} << 26;

struct BitmapImage
{
    std::vector<uint8_t> buffer; // the file minus its file header: info header, palette, bits
    int width = 0;               // pixels, > 0
    int height = 0;              // pixels, > 0 (rows stored bottom-up)
    int bitCount = 0;            // 8, 24 or 32
    int paletteEntries = 0;      // 8-bit pictures: colours used, or 256 when that field is 0
    size_t bitsOffset = 0;       // of the first pixel row within buffer

    const uint8_t* Palette() const { return buffer.data() + kBitmapInfoHeaderBytes; }
    const uint8_t* Bits() const { return buffer.data() + bitsOffset; }
};

// Bytes of one stored pixel row: rows are padded to a multiple of 4 bytes.
size_t BitmapRowStride(int bitCount, int width);

// A whole BMP file as bytes. False, leaving image empty, unless the file starts with "BM", has a
// whole info header, a width and height of at least 1 pixel, 8, 24 or 32 bits a pixel, a colour
// table of at most 256 entries, and every pixel row the header promises.
bool ParseBitmapFile(const uint8_t* data, size_t size, BitmapImage& image);

// ParseBitmapFile on the content of the file at path; false also when it cannot be read.
bool ReadBitmapFile(const std::string& path, BitmapImage& image);

// An 8-bit picture as 24-bit rows (blue, green, red, rows padded to 4 bytes), through the colour
// table. Indices past the table's end read as black.
std::vector<uint8_t> ExpandPaletteTo24Bit(const BitmapImage& image);

// The smallest power of two not below min(size, limit), and at least 2.
int PowerOfTwoTarget(int size, int limit);

struct RgbaPicture
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // red, green, blue, alpha; width * height * 4 bytes, bottom row first
};

// A 24-bit BMP file as RGBA: alpha 0 where all three colour bytes are 0, 255 elsewhere. The
// pixels start at the file header's pixel-data offset. The info header's image-size field is not
// relied on (0 is legal for uncompressed pictures); the rows must all be in the file.
bool DecodeBitmapToRgba(const uint8_t* data, size_t size, RgbaPicture& picture);
