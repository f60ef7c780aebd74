// ImageChecks.h -- small measurements on generated pictures shared by the art tests.
#pragma once

#include "art/RgbImage.h"

#include <algorithm>
#include <cstdlib>

// Sum of the three channels, 0..765.
inline int Brightness(const CRgbImage& image, int x, int y)
{
    const uint8_t* p = image.Pixel(x, y);
    return p[0] + p[1] + p[2];
}

inline bool IsBlack(const CRgbImage& image, int x, int y)
{
    return Brightness(image, x, y) == 0;
}

// Mean absolute difference, over all rows and channels, between column a and column b.
inline double ColumnDifference(const CRgbImage& image, int a, int b)
{
    double sum = 0.0;
    for (int y = 0; y < image.Height(); ++y)
        for (int c = 0; c < 3; ++c)
            sum += std::abs(image.Pixel(a, y)[c] - image.Pixel(b, y)[c]);
    return sum / (3.0 * image.Height());
}

// The same between two rows.
inline double RowDifference(const CRgbImage& image, int a, int b)
{
    double sum = 0.0;
    for (int x = 0; x < image.Width(); ++x)
        for (int c = 0; c < 3; ++c)
            sum += std::abs(image.Pixel(x, a)[c] - image.Pixel(x, b)[c]);
    return sum / (3.0 * image.Width());
}

// Largest difference between neighbouring columns inside the picture (not across its edge).
inline double LargestInnerColumnStep(const CRgbImage& image)
{
    double largest = 0.0;
    for (int x = 0; x + 1 < image.Width(); ++x)
        largest = std::max(largest, ColumnDifference(image, x, x + 1));
    return largest;
}

inline double LargestInnerRowStep(const CRgbImage& image)
{
    double largest = 0.0;
    for (int y = 0; y + 1 < image.Height(); ++y)
        largest = std::max(largest, RowDifference(image, y, y + 1));
    return largest;
}
