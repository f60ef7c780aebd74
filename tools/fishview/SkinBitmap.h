// SkinBitmap.h -- a tiny reader for 24-bit uncompressed BMP skins, enough for the fish viewer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SkinBitmap
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // red, green, blue; rows tightly packed, bottom row first as BMP stores them
};

// Reads a 24-bit BI_RGB picture (bottom-up or top-down). On failure returns false and says why.
bool ReadSkinBitmap(const std::string& path, SkinBitmap& out, std::string& error);
