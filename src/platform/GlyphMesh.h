// GlyphMesh.h -- turns the flattened contours of one glyph into a solid: faces and side walls.
//
// The outline font hands every glyph over as closed polylines in em units (y up). This file knows
// nothing of fonts: it cleans the polylines, fills them with the GLU tessellator and emits the
// extruded solid into GL (normally while a display list is being compiled):
//
//   front face  z = 0, facing +z, normal (0, 0, 1)
//   back face   z = -depth, facing -z
//   side walls  two triangles per contour segment, normal perpendicular to it, pointing out of the ink
//
// Every polygon is wound counter-clockwise seen from the side its normal points to, so the solid
// draws the same with or without back-face culling.
#pragma once

#include <vector>

struct GlyphPoint
{
    double x = 0.0;
    double y = 0.0;
};

using GlyphContour = std::vector<GlyphPoint>; // closed: the last point joins the first

// How overlapping contours fill: TrueType outlines use the non-zero rule, some others even-odd.
enum class GlyphFillRule
{
    NonZero,
    EvenOdd,
};

// Which side of a contour's direction of travel the ink lies on, for the whole outline. TrueType
// draws outer contours clockwise (ink on the right), PostScript outlines counter-clockwise.
enum class GlyphInkSide
{
    Right,
    Left,
};

// Largest distance, in em, between a curve and the chords that replace it.
constexpr double kGlyphFlatness = 0.004;

// Append a quadratic (one control point) or cubic (two) Bezier curve from the contour's last point
// to end, as enough straight pieces to stay within kGlyphFlatness. The start point is not repeated.
void AppendQuadratic(GlyphContour& contour, GlyphPoint control, GlyphPoint end);
void AppendCubic(GlyphContour& contour, GlyphPoint control1, GlyphPoint control2, GlyphPoint end);

// Removes points that repeat their predecessor (the closing point included), then contours left
// with fewer than three points, which enclose nothing.
void CleanContours(std::vector<GlyphContour>& contours);

// Fills the contours by the rule and returns the filled area as triangles, three points each,
// every one counter-clockwise seen from +z; slivers of no area are left out. Self-touching and
// self-crossing contours are fine. False (and no triangles) when the tessellator gives up.
bool TessellateGlyph(const std::vector<GlyphContour>& contours, GlyphFillRule rule, std::vector<GlyphPoint>& triangles);

// Emits the solid as one batch of GL_TRIANGLES: both faces from the triangles, then the walls along
// the contours, depth units deep. Changes the current normal.
void EmitExtrudedGlyph(const std::vector<GlyphContour>& contours, const std::vector<GlyphPoint>& triangles,
                       GlyphInkSide inkSide, double depth);
