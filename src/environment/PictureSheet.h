// PictureSheet.h -- the reef picture hung at the back of the tank on a slowly waving sheet.
//
// The sheet is a quintic Bezier surface over a 6 x 6 control net standing in the plane z = -90,
// spanning the tank's width and a little more than its height. A wave offset W swings between
// about -5.1 and 10.1 by 0.1 a frame (a full cycle in about 300 frames) and pushes the top row's
// outer points sideways and towards the viewer, so the upper edge sways as if moved by the water
// while the rest of the sheet hangs still.
//
// The surface is evaluated at parameters 0, 1/2 and 1 in each direction and drawn as two triangle
// strips over those nine points. The first texture coordinate is the parameter along a row (0 at
// the tank's right wall, 1 at its left, so the picture is mirrored left to right); the second
// runs up the sheet (0 at the bottom row, 1 at the top). The sheet gives no normals and leaves
// lighting, fog, blending and the bound texture to the caller; the picture's pure black pixels
// are transparent, so the backdrop shows through them.
#pragma once

#include "view/TankBounds.h"

struct SheetPoint
{
    double x = 0.0; // tank units
    double y = 0.0;
    double z = 0.0;
};

class CPictureSheet
{
public:
    static constexpr int kNetSide = 6; // control points per row and rows per net
    using ControlNet = SheetPoint[kNetSide * kNetSide];

    // Advances the wave by one step, turning it at its limits, and rebuilds sheetControlNet for
    // the new wave offset from the tank's bounds.
    void UpdatePictureSheet(const TankBounds& bounds);

    // Evaluates the surface and draws it in immediate mode with texture coordinates.
    void DrawPictureSheet() const;

    // The quintic Bezier curve through p[0..5] at parameter t: t = 0 gives p[5], t = 1 gives p[0].
    static SheetPoint EvaluateBezier5(double t, const SheetPoint (&p)[kNetSide]);

    // The control net for wave offset `wave`: row k (top row 0) holds points 6k to 6k + 5, from
    // the tank's left wall to its right. Only the top row's outer points depend on the wave.
    static void BuildControlNet(float wave, const TankBounds& bounds, ControlNet& net);

    const SheetPoint& ControlPoint(int row, int column) const { return sheetControlNet[row * kNetSide + column]; }
    float Wave() const { return sheetWave; }
    bool WaveRising() const { return sheetWaveRising; }
    int Subdivisions() const { return sheetSubdivisions; }

private:
    ControlNet sheetControlNet{}; // rebuilt by every update
    float sheetWave = 0.0f;       // W, tank units; swings between about -5.1 and 10.1
    bool sheetWaveRising = true;
    int sheetSubdivisions = 0; // N, set to 2 by every update: parameters 0, 1/2, 1
};
