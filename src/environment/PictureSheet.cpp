// PictureSheet.cpp -- the sheet's wave, its control net and its evaluation into triangle strips.
#include "environment/PictureSheet.h"

#include "platform/GLHeaders.h"

namespace {
constexpr int kSubdivisions = 2;      // N: the surface is evaluated at 0, 1/2 and 1 each way
constexpr float kWaveStep = 0.1f;     // per update
constexpr float kWaveHigh = 10.0f;    // past this the wave turns down
constexpr float kWaveLow = -5.0f;     // below this it turns up again
constexpr double kSheetDepth = -90.0; // the plane of the hanging sheet
constexpr float kRowHeights[CPictureSheet::kNetSide] = {39.0f, 23.6f, 8.2f, -7.2f, -22.6f, -38.0f}; // top first

// Columns whose top point follows the wave, and how far sideways it goes per unit of W: the two
// left columns swing twice as far as the two right ones; the middle two hang still.
constexpr double kTopSway[CPictureSheet::kNetSide] = {2.0, 2.0, 0.0, 0.0, 1.0, 1.0};
} // namespace

void CPictureSheet::UpdatePictureSheet(const TankBounds& bounds)
{
    sheetWave += sheetWaveRising ? kWaveStep : -kWaveStep;
    if (sheetWave > kWaveHigh)
        sheetWaveRising = false;
    if (sheetWave < kWaveLow)
        sheetWaveRising = true;
    sheetSubdivisions = kSubdivisions;
    BuildControlNet(sheetWave, bounds, sheetControlNet);
}

void CPictureSheet::BuildControlNet(float wave, const TankBounds& bounds, ControlNet& net)
{
    const double w = wave;
    const double width = static_cast<double>(bounds.xMax) - bounds.xMin;
    for (int row = 0; row < kNetSide; ++row) {
        for (int column = 0; column < kNetSide; ++column) {
            SheetPoint& p = net[row * kNetSide + column];
            p.x = bounds.xMin + width * column / (kNetSide - 1); // five equal bays, wall to wall
            p.y = kRowHeights[row];
            p.z = kSheetDepth;
            if (row == 0 && kTopSway[column] != 0.0) {
                p.x += kTopSway[column] * w;
                p.z += w; // towards the viewer as W grows
            }
        }
    }
}

SheetPoint CPictureSheet::EvaluateBezier5(double t, const SheetPoint (&p)[kNetSide])
{
    // Bernstein weights of degree 5, with p[0] weighted by t^5 so that t = 1 lands on p[0].
    const double u = 1.0 - t;
    const double t2 = t * t, u2 = u * u;
    const double weights[kNetSide] = {t2 * t2 * t,        5.0 * t2 * t2 * u, 10.0 * t2 * t * u2,
                                      10.0 * t2 * u2 * u, 5.0 * t * u2 * u2, u2 * u2 * u};
    SheetPoint sum;
    for (int k = 0; k < kNetSide; ++k) {
        sum.x += p[k].x * weights[k];
        sum.y += p[k].y * weights[k];
        sum.z += p[k].z * weights[k];
    }
    return sum;
}

void CPictureSheet::DrawPictureSheet() const
{
    const int n = sheetSubdivisions;
    if (n < 1 || n > kSubdivisions)
        return; // no update yet: there is no net to draw

    SheetPoint row[kNetSide];
    SheetPoint across[kNetSide];            // the surface along each row at the current row parameter
    SheetPoint previous[kSubdivisions + 1]; // the surface at the previous row parameter

    // Row parameter 0 is the last column of every row, the tank's right wall.
    for (int k = 0; k < kNetSide; ++k)
        row[k] = sheetControlNet[k * kNetSide + kNetSide - 1];
    for (int j = 0; j <= n; ++j)
        previous[j] = EvaluateBezier5(static_cast<double>(j) / n, row);

    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        const float tPrevious = static_cast<float>(i - 1) / n;
        for (int k = 0; k < kNetSide; ++k) {
            for (int c = 0; c < kNetSide; ++c)
                row[c] = sheetControlNet[k * kNetSide + c];
            across[k] = EvaluateBezier5(t, row);
        }
        glBegin(GL_TRIANGLE_STRIP);
        for (int j = 0; j <= n; ++j) {
            const double s = static_cast<double>(j) / n;
            glTexCoord2f(tPrevious, static_cast<float>(s));
            glVertex3d(previous[j].x, previous[j].y, previous[j].z);
            previous[j] = EvaluateBezier5(s, across);
            glTexCoord2f(static_cast<float>(t), static_cast<float>(s));
            glVertex3d(previous[j].x, previous[j].y, previous[j].z);
        }
        glEnd();
    }
}
