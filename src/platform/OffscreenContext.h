// OffscreenContext.h -- an OpenGL context that draws into memory, for tests and benchmarks.
//
// Mesa's OSMesa renders with the same software rasteriser the windowed program uses on machines
// without a GPU, so the scene code runs unchanged: create the context, initialise the scene at
// the context's size, render frames, read the pixels back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class COffscreenContext
{
public:
    // Creates an RGBA context of this size with a 32-bit depth buffer, or 24 bits where 32 is
    // not offered, and makes it current. IsOK() tells whether that worked.
    COffscreenContext(int width, int height);
    ~COffscreenContext();

    COffscreenContext(const COffscreenContext&) = delete;
    COffscreenContext& operator=(const COffscreenContext&) = delete;

    bool IsOK() const { return context != nullptr; }
    int Width() const { return width; }
    int Height() const { return height; }
    int DepthBits() const { return depthBits; }

    // The colour of pixel (x, y), y counted from the top, as 0xAABBGGRR.
    uint32_t PixelAt(int x, int y) const;

    // Writes the picture as a binary PPM (top row first); false when the file cannot be written.
    bool WritePpm(const std::string& path) const;

private:
    int width;
    int height;
    int depthBits = 0;
    void* context = nullptr;     // the OSMesa context
    std::vector<uint8_t> pixels; // RGBA, bottom row first, as GL lays them out
};
