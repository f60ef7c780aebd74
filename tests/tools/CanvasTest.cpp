// Tests of the drawing surface: straight colour in and out, and flattening over black.
#include "art/Canvas.h"
#include "art/CellNoise.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Canvas, PixelsReadBackAsWrittenAndFlattenOverBlack)
{
    CCanvas canvas(4, 2);
    canvas.BeginPixels();
    canvas.WritePixel(1, 0, {1.0f, 0.5f, 0.2f}, 1.0f);
    canvas.WritePixel(2, 1, {0.8f, 0.4f, 1.0f}, 0.5f);
    Rgb colour;
    float alpha = 0.0f;
    canvas.ReadPixel(2, 1, colour, alpha);
    EXPECT_NEAR(alpha, 0.5f, 0.01f);
    // Stored premultiplied in 8 bits; the straight colour comes back within rounding.
    EXPECT_NEAR(colour.r, 0.8f, 0.01f);
    EXPECT_NEAR(colour.g, 0.4f, 0.01f);
    EXPECT_NEAR(colour.b, 1.0f, 0.01f);
    canvas.ReadPixel(0, 0, colour, alpha);
    EXPECT_EQ(alpha, 0.0f);
    canvas.EndPixels();

    // Cairo drawing on top lands in the same words.
    cairo_set_source_rgb(canvas.Context(), 0.0, 1.0, 0.0);
    cairo_rectangle(canvas.Context(), 3.0, 0.0, 1.0, 1.0);
    cairo_fill(canvas.Context());

    const CRgbImage image = canvas.ToImage();
    EXPECT_EQ(image.Pixel(1, 0)[0], 255);
    EXPECT_EQ(image.Pixel(1, 0)[1], 128);
    EXPECT_EQ(image.Pixel(2, 1)[0], 102); // half of 0.8 over black
    EXPECT_EQ(image.Pixel(2, 1)[2], 128);
    EXPECT_EQ(image.Pixel(3, 0)[1], 255);
    EXPECT_EQ(image.Pixel(0, 0)[0] + image.Pixel(0, 0)[1] + image.Pixel(0, 0)[2], 0);
}

TEST(Canvas, RgbaImageKeepsTransparencyWithStraightColour)
{
    CCanvas canvas(3, 1);
    canvas.BeginPixels();
    canvas.WritePixel(0, 0, {0.8f, 0.4f, 1.0f}, 0.5f);
    canvas.WritePixel(1, 0, {0.0f, 1.0f, 0.2f}, 1.0f);
    canvas.EndPixels();

    const CRgbaImage image = canvas.ToRgbaImage();
    // Half transparent: the colour is the painted one, not darkened by its alpha.
    EXPECT_NEAR(image.Pixel(0, 0)[0], 204, 2);
    EXPECT_NEAR(image.Pixel(0, 0)[1], 102, 2);
    EXPECT_EQ(image.Pixel(0, 0)[2], 255);
    EXPECT_EQ(image.Pixel(0, 0)[3], 128);
    EXPECT_EQ(image.Pixel(1, 0)[1], 255);
    EXPECT_EQ(image.Pixel(1, 0)[3], 255);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(image.Pixel(2, 0)[c], 0) << "untouched pixels are transparent black";
}

TEST(CellNoise, NearestBeforeSecondAndTheGridWrapsBothWays)
{
    const CCellNoise cells(5, 3, 9);
    for (int i = 0; i < 300; ++i) {
        const float x = 0.0137f * static_cast<float>(i);
        const float y = 0.0291f * static_cast<float>(i % 41);
        float first = 0.0f, second = 0.0f, wrappedFirst = 0.0f, wrappedSecond = 0.0f;
        cells.Nearest(x, y, first, second);
        EXPECT_LE(first, second);
        // A jittered point lies in every cell, so the nearest one is never more than a cell away.
        EXPECT_LT(first, 1.5f);
        cells.Nearest(x + 1.0f, y - 2.0f, wrappedFirst, wrappedSecond);
        EXPECT_NEAR(first, wrappedFirst, 1e-4f);
        EXPECT_NEAR(second, wrappedSecond, 1e-4f);
    }
}
