// Plant.h -- what every plant kind shares: leaf scaling, the sway and bend generators, bent vertices.
//
// A plant is a few leaves (petals, blades, fronds): one small mesh drawn several times under
// different rotations and scales. Plants that move do so with two frame-counted generators:
//
//   sway  a travelling sine wave along the leaf, a fraction of a table unit high; its phase
//         steps on every third call, so a plant that calls it once a frame ripples slowly;
//   bend  a total bend angle that walks between -limit and +limit by `bendSpeed` on every third
//         call and is spread linearly from the leaf's base (0) to its tip, column by column.
//
// Leaf meshes are tables in their own units (LeafMeshes.h). `meshScale` stretches a table per
// leaf before it is bent; `scale` is the whole plant's glScalef. Every plant of the tank is
// flattened to a twentieth (or nothing) of its depth by that scale: the camera looks straight
// down -z at them, so each one reads as a full plant while standing in a thin slice of the tank.
#pragma once

#include "fish/MeshPart.h"

class CPlant
{
public:
    // Draws the start of the bend from the tank's random sequence (0 to 9 degrees).
    CPlant();
    virtual ~CPlant() = default;

    // Each plant keeps a pointer to a bend direction flag; copies would point at the original's.
    CPlant(const CPlant&) = delete;
    CPlant& operator=(const CPlant&) = delete;

    // Steps the sway phase on every third call (wrapping past 2 pi to 0), then fills
    // out[0..n-1] with amplitude * sin(i * swayFrequency + swayPhase); out[0] is always 0, so
    // the base of a leaf never moves.
    void StepSway(float* out, int n, float amplitude);

    // On every third call walks `bend` by `bendSpeed` in the kind's direction, turning at
    // +-limit; then fills out[0..n-1] with (bend / n) * i * factor, in degrees.
    void StepBend(float* out, int n, float limit, float factor);

    void SetMeshScale(float sx, float sy, float sz);

    // `bendMatrix` becomes the glRotatef matrix of angleDegrees about (ax, ay, az); a zero axis
    // gives the identity.
    void SetBendRotation(float angleDegrees, float ax, float ay, float az);

    // Sends one vertex to GL: the position turned by `bendMatrix`, the normal as given (bent
    // leaves keep their table normals), the texture coordinate.
    void EmitBentVertex(const float* position, const float* normal, const float* texcoord) const;

    // All plants of one kind turn their bend together: they share one direction flag, which
    // the owner of the kind's plants points every one of them at. Until then a plant has its own.
    void ShareBendDirection(bool* kindFlag) { bendRising = kindFlag; }
    bool BendRising() const { return *bendRising; }

    void SetScale(float x, float y, float z)
    {
        scale[0] = x;
        scale[1] = y;
        scale[2] = z;
    }
    const float* Scale() const { return scale; }
    const float* MeshScale() const { return meshScale; }
    float SwayFrequency() const { return swayFrequency; }
    float SwayPhase() const { return swayPhase; }
    float SwayStep() const { return swayStep; }
    int SwayTick() const { return swayTick; }
    float Bend() const { return bend; }
    float BendSpeed() const { return bendSpeed; }
    int BendTick() const { return bendTick; }

protected:
    // Draws every band of `grid` as a quad strip of plain, unbent vertices scaled by meshScale.
    void EmitStaticGrid(const MeshGrid& grid) const;
    // One table vertex scaled by meshScale, unbent.
    void EmitStaticVertex(const MeshVertex& v) const;
    // One table vertex scaled by meshScale plus `offset` (sway, wave), turned by bendMatrix.
    void EmitBentTableVertex(const MeshVertex& v, float ox, float oy, float oz) const;

    float meshScale[3] = {5.0f, 5.0f, 5.0f}; // per-leaf stretch of table coordinates
    float bendMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float swayFrequency = 0.0f;          // radians per leaf column
    float swayPhase = 5.0f;              // radians, 0 to 2 pi
    float bendSpeed = 0.0f;              // degrees per bend step
    float bend = 0.0f;                   // degrees, the whole leaf's bend, between -limit and +limit once moving
    float swayStep = 0.0f;               // radians per sway step
    int swayTick = 0;                    // sway calls since the phase last stepped (0, 1, 2)
    int bendTick = 0;                    // bend calls since the bend last stepped (0, 1, 2)
    float scale[3] = {1.0f, 1.0f, 1.0f}; // whole plant, set by the placement

private:
    bool ownBendRising = true;
    bool* bendRising = &ownBendRising;
};
