// Canvas.cpp -- surface ownership and pixel packing.
#include "art/Canvas.h"

#include <algorithm>

CCanvas::CCanvas(int width, int height)
    : width(width), height(height), surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr(cairo_create(surface))
{
}

CCanvas::~CCanvas()
{
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

void CCanvas::BeginPixels()
{
    cairo_surface_flush(surface);
}

void CCanvas::EndPixels()
{
    cairo_surface_mark_dirty(surface);
}

uint32_t* CCanvas::Row(int y)
{
    unsigned char* data = cairo_image_surface_get_data(surface);
    return reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * cairo_image_surface_get_stride(surface));
}

void CCanvas::ReadPixel(int x, int y, Rgb& colour, float& alpha)
{
    const uint32_t word = Row(y)[x];
    const float a = static_cast<float>(word >> 24) / 255.0f;
    alpha = a;
    if (a <= 0.0f) {
        colour = {0.0f, 0.0f, 0.0f};
        return;
    }
    const float k = 1.0f / (255.0f * a);
    colour = {static_cast<float>((word >> 16) & 0xff) * k, static_cast<float>((word >> 8) & 0xff) * k,
              static_cast<float>(word & 0xff) * k};
}

void CCanvas::WritePixel(int x, int y, const Rgb& colour, float alpha)
{
    const float a = Clamp01(alpha);
    const uint32_t word = static_cast<uint32_t>(ToByte(a)) << 24 | static_cast<uint32_t>(ToByte(colour.r * a)) << 16 |
                          static_cast<uint32_t>(ToByte(colour.g * a)) << 8 | ToByte(colour.b * a);
    Row(y)[x] = word;
}

CRgbImage CCanvas::ToImage()
{
    BeginPixels();
    CRgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = Row(y);
        for (int x = 0; x < width; ++x) {
            // Premultiplied colour is exactly the colour composited over black.
            uint8_t* rgb = image.Pixel(x, y);
            rgb[0] = static_cast<uint8_t>(row[x] >> 16);
            rgb[1] = static_cast<uint8_t>(row[x] >> 8);
            rgb[2] = static_cast<uint8_t>(row[x]);
        }
    }
    return image;
}

CRgbaImage CCanvas::ToRgbaImage()
{
    BeginPixels();
    CRgbaImage image(width, height);
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = Row(y);
        for (int x = 0; x < width; ++x) {
            const uint32_t alpha = row[x] >> 24;
            uint8_t* rgba = image.Pixel(x, y);
            if (alpha == 0)
                continue; // the image starts zeroed: transparent black
            // Rounded to nearest; Cairo keeps every premultiplied channel at or below alpha.
            for (int c = 0; c < 3; ++c) {
                const uint32_t premultiplied = (row[x] >> (16 - 8 * c)) & 0xff;
                rgba[c] = static_cast<uint8_t>(std::min<uint32_t>(255, (premultiplied * 255 + alpha / 2) / alpha));
            }
            rgba[3] = static_cast<uint8_t>(alpha);
        }
    }
    return image;
}
