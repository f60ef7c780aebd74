// RippleGrid.h -- ripples across a copy of the frame: a 32 x 32 grid whose texture coordinates are
// pushed outwards by up to seven travelling rings.
//
// The effect is image-based. After the scene of a frame is drawn, the caller copies the frame
// buffer into a texture and draws this grid over the whole window with that texture; each grid
// vertex samples the copy at its rest coordinate plus the pushes of the running ripples, so the
// picture appears to bulge along rings that spread from every click:
//
//     grid.Resize(width, height);      // the window size; ends every ripple
//     grid.AddRipple(x, yFromBottom);  // a click, in window pixels
//     copy frame into texture; Draw(); Step();   // every frame of ripple mode
//
// A ripple's push at a vertex is amplitude[age - distance] x (1 - age / 2048)^2, directed away from
// the ripple's centre. Ages count amplitude-table steps (7 per frame); distances count the same
// steps, 800 of them across the 31 cells of a grid side. Every square root and oscillation is
// precomputed in two tables shared by all grids, so a frame costs 32 x 32 x 7 lookups.
//
// Draw sends positions in -1..1 on both axes; the caller scales them to cover the window.
#pragma once

#include <cstdint>

class CRippleGrid
{
public:
    static constexpr int kGridSize = 32;         // vertices per side
    static constexpr int kRippleCount = 7;       // ripples that can run at once
    static constexpr int kAmplitudeSteps = 2048; // entries of the amplitude table
    static constexpr int kAgeStep = 7;           // amplitude-table steps a ripple ages per frame

    // One grid vertex: six floats, in this order.
    struct Vertex
    {
        float x, y;   // position, -1..1
        float s, t;   // displaced texture coordinate, recomputed by every Step
        float s0, t0; // rest texture coordinate: (i / 31, j / 31) times the texture extent
    };

    // One entry of the vector table, for a vertex |di|, |dj| grid cells away from a ripple centre.
    struct VectorEntry
    {
        double vx, vy; // (|di|, |dj|) / its length; (0, 0) for the centre itself
        int r;         // that length in amplitude-table steps, floor(length * 800 / 31)
    };

    // One ripple's four values; it runs while t < tMax.
    struct RippleState
    {
        int cx, cy; // centre, grid indices 0..31
        int t;      // age, amplitude-table steps
        int tMax;   // end age
    };

    // A 1 x 1 window with no ripple running and every vertex at rest, until the owner's Resize.
    CRippleGrid();
    virtual ~CRippleGrid() = default;

    // The window is width x height pixels (each taken as at least 1). Rebuilds the rest
    // coordinates and positions, puts every vertex at rest and ends every ripple.
    void Resize(int width, int height);

    // The part of the texture the frame copy fills, as fractions of the texture's sides (each
    // kept within (0, 1]). The rest coordinates then span just that part, so the copy covers the
    // whole grid however much larger the texture is. Puts every vertex at rest; ripples go on.
    void SetTextureExtent(float s, float t);

    // A click at window pixel (x, y), y counted from the bottom. Starts the first finished ripple
    // there; false, and nothing changes, while all seven still run. A point outside the window
    // starts its ripple at the nearest grid column or row (indices clamped to 0..31).
    bool AddRipple(int x, int y);

    // Ages every ripple one frame and recomputes every displaced texture coordinate. One pushed
    // past an edge of the copy is reflected back in that edge, so the grid never samples outside
    // the copy and the picture stays continuous at the window's border.
    void Step();

    // One GL_POLYGON per grid cell, 31 x 31 of them, with the displaced texture coordinates, at
    // z = 0. Needs a current GL context; changes no state.
    void Draw() const;

    const Vertex& VertexAt(int i, int j) const { return vertices[i * kGridSize + j]; }
    RippleState Ripple(int k) const { return {cx[k], cy[k], t[k], tMax[k]}; }
    bool IsRunning(int k) const { return t[k] < tMax[k]; }
    int Diagonal() const { return diagonal; }
    int Width() const { return width; }
    int Height() const { return height; }
    float SExtent() const { return sExtent; }
    float TExtent() const { return tExtent; }

    // The shared tables. Vector takes |di| and |dj| in 0..31; Amplitude an index in 0..2047.
    static const VectorEntry& Vector(int di, int dj);
    static double Amplitude(int index);

private:
    void PlaceVerticesAtRest();

    Vertex vertices[kGridSize * kGridSize]; // column-major: all of column i = 0 first, j upwards
    int32_t cx[kRippleCount];
    int32_t cy[kRippleCount];
    int32_t t[kRippleCount];
    int32_t tMax[kRippleCount];
    int32_t diagonal; // floor(sqrt(width^2 + height^2)), pixels
    int32_t width;    // the window, pixels, at least 1
    int32_t height;
    float sExtent = 1.0f; // fraction of the texture's width and height that the frame copy fills
    float tExtent = 1.0f;
};
