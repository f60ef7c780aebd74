// BodySurface.h -- a fish body lofted from a side outline and a thickness profile.
//
// From the side the body is two lobes, the back and the belly, each rising from the snout to its
// peak and falling to the narrow stalk before the tail; from above it is a third lobe, the half
// thickness. A cross-section is an ellipse-like curve through the back, the flank and the belly.
// Every part that sits on the body (lips, fin roots, eyes) finds its place on this one surface.
//
// Coordinates are mesh units (the fish's size multiplies them): x along the body, head toward -x;
// z up; the left half has y <= 0. A point is named by (t, around): t from the snout (0) to the
// tail root (1), around from the back (0) over the left flank to the belly (1).
#pragma once

#include "fish/model/VectorMath.h"

#include <functional>
#include <utility>

// A lobe from `start` (t = 0) up to `peak` (t = peakAt) and on to `end` (t = 1). The exponents
// shape the rise and the fall: above 1 a hollow flank, below 1 a full, rounded one.
float Lobe(float t, float start, float peak, float peakAt, float end, float riseShape, float fallShape);

struct BodyShape
{
    float headX, tailRootX; // the snout (column 0) and the tail root (the last column)
    float snoutZ;           // height of the mouth line
    float snoutHalfHeight, snoutHalfThickness;
    float backZ, backAt;   // the highest point of the back, and where along the body it lies
    float bellyZ, bellyAt; // the lowest point of the belly
    float peduncleZ;       // centre of the stalk before the tail (0 for most fish)
    float peduncleHalfHeight;
    float foreheadShape; // outline exponent toward the snout: > 1 a pointed snout
    float rearShape;     // toward the tail: < 1 a full, rounded rear
    float halfThickness, thickestAt;
    float peduncleHalfThickness;
    float sectionShape;         // 1 an ellipse, below 1 flatter flanks, above 1 a rounder back
    float thicknessRise = 0.6f; // the thickness lobe's exponents
    float thicknessFall = 1.0f;
};

class CBodySurface
{
public:
    // Body columns are evenly spaced along the body unless `spacing` maps a column (0 .. columns - 1)
    // to its fraction t: a fish whose fins sit close behind its head packs its head columns.
    CBodySurface(const BodyShape& shape, int columns, std::function<float(float column)> spacing = nullptr)
        : shape(shape), columns(columns), spacing(std::move(spacing))
    {
    }

    struct Section
    {
        float x, top, bottom, halfThickness;
    };
    Section At(float t) const;

    // The left half's surface point; both ends of around lie exactly on the midline y = 0.
    Vector3 Point(float t, float around) const;
    // Outward normal of the left half, from the surface's own slopes.
    Vector3 Normal(float t, float around) const;
    // The (t, around) of the surface point at x and height z.
    void Coordinates(float x, float z, float& t, float& around) const;
    // Where a part on the flank meets the body: the left surface's y at (x, z).
    float FlankY(float x, float z) const;

    float ColumnFraction(float column) const
    {
        return spacing ? spacing(column) : column / static_cast<float>(columns - 1);
    }
    float ColumnX(float column) const { return At(ColumnFraction(column)).x; }
    Section ColumnSection(float column) const { return At(ColumnFraction(column)); }
    float Length() const { return shape.tailRootX - shape.headX; }
    // Body length over the mean half girth, as the skin layout's aspect.
    float Aspect() const;

    const BodyShape& Shape() const { return shape; }
    int Columns() const { return columns; }

private:
    BodyShape shape;
    int columns;
    std::function<float(float)> spacing;
};
