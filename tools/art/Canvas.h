// Canvas.h -- a Cairo drawing surface that owns its context, with direct access to its pixels.
//
// The surface is ARGB32 (premultiplied alpha, one native-endian 32-bit word per pixel) and starts
// fully transparent. Painters draw on it with Cairo and may then touch pixels directly; ToImage()
// flattens it over black, which is how every additive or keyed picture of the aquarium is seen, and
// ToRgbaImage() keeps the transparency, as the cursors need it.
#pragma once

#include "art/Colour.h"
#include "art/RgbImage.h"
#include "art/RgbaImage.h"

#include <cairo.h>

#include <cstdint>

class CCanvas
{
public:
    CCanvas(int width, int height);
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    cairo_t* Context() { return cr; }
    int Width() const { return width; }
    int Height() const { return height; }

    // Direct pixel access: call BeginPixels() after Cairo drawing and before reading or writing
    // words, and EndPixels() after writing and before drawing with Cairo again.
    void BeginPixels();
    void EndPixels();
    uint32_t* Row(int y);

    // The pixel as straight (not premultiplied) colour and its alpha, both 0..1.
    void ReadPixel(int x, int y, Rgb& colour, float& alpha);
    void WritePixel(int x, int y, const Rgb& colour, float alpha);

    // The picture as seen over black.
    CRgbImage ToImage();

    // The picture with its transparency, colour un-premultiplied (straight alpha); a fully
    // transparent pixel is stored as transparent black.
    CRgbaImage ToRgbaImage();

private:
    int width;
    int height;
    cairo_surface_t* surface;
    cairo_t* cr;
};

// Cairo's colour setter with our colour type.
inline void SetSource(cairo_t* cr, const Rgb& colour, float alpha = 1.0f)
{
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}
