// OffscreenContext.cpp -- OSMesa behind the offscreen harness.
#include "platform/OffscreenContext.h"

#include "platform/GlFunctions.h"

#include <GL/osmesa.h>

#include <cstdio>

COffscreenContext::COffscreenContext(int width, int height)
    : width(width), height(height), pixels(static_cast<size_t>(width) * height * 4)
{
    for (int depth : {32, 24}) {
        OSMesaContext created = OSMesaCreateContextExt(OSMESA_RGBA, depth, 0, 0, nullptr);
        if (created == nullptr)
            continue;
        if (!OSMesaMakeCurrent(created, pixels.data(), GL_UNSIGNED_BYTE, width, height)) {
            OSMesaDestroyContext(created);
            continue;
        }
        context = created;
        RegisterGlProcLookup(OSMesaGetProcAddress);
        glGetIntegerv(GL_DEPTH_BITS, &depthBits);
        return;
    }
}

COffscreenContext::~COffscreenContext()
{
    if (context != nullptr)
        OSMesaDestroyContext(static_cast<OSMesaContext>(context));
}

uint32_t COffscreenContext::PixelAt(int x, int y) const
{
    const size_t row = static_cast<size_t>(height - 1 - y);
    const uint8_t* p = &pixels[(row * width + x) * 4];
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool COffscreenContext::WritePpm(const std::string& path) const
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    std::fprintf(file, "P6\n%d %d\n255\n", width, height);
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t c = PixelAt(x, y);
            row[x * 3 + 0] = c & 0xFF;
            row[x * 3 + 1] = (c >> 8) & 0xFF;
            row[x * 3 + 2] = (c >> 16) & 0xFF;
        }
        std::fwrite(row.data(), 1, row.size(), file);
    }
    return std::fclose(file) == 0;
}
