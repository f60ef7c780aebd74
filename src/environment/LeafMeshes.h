// LeafMeshes.h -- the leaf meshes of the five plant kinds, generated once from a few shape numbers.
//
// Each mesh is a grid of rows x columns of vertices (position, normal, texture coordinate) drawn
// as quad strips between consecutive rows, the pairs of a strip taken column by column; the
// grid's shape is fixed by how the plant draws it (bend and sway are per column).
//
// The leaf pictures are painted on black and uploaded without transparency, so a mesh covering
// the whole picture would show a black card around its leaf. Every mesh is therefore cut to the
// painted outline: its texture coordinates stay inside the leaf the painter drew, and its
// positions keep the picture's proportions before the leaf is curved into shape.
//
// Table units: a leaf is about half a unit long; each kind stretches its table by its own mesh
// scale. Each kind anchors its leaf at one table point, its `...Base` below: the plant translates
// by minus that point times the mesh scale, which puts the leaf's base on the plant's origin.
#pragma once

#include "fish/MeshPart.h"

constexpr int kPetalRows = 4; // rosette petal: 3 strips of 13 pairs
constexpr int kPetalColumns = 13;
constexpr int kTuftLeafColumns = 14; // grass tuft leaf: 1 strip of 14 pairs
constexpr int kCrossBladeRows = 3;   // crossed blade: 2 strips of 12 pairs
constexpr int kCrossBladeColumns = 12;
constexpr int kStarLeafColumns = 10; // star leaf: 1 strip of 10 pairs
constexpr int kFrondStalkRows = 8;   // frond stalk: 7 strips of 4 pairs
constexpr int kFrondStalkColumns = 4;
constexpr int kFrondBladeColumns = 33; // frond blade: 1 strip of 33 pairs, its left edge waves
constexpr int kFrondFootColumns = 9;   // frond foot: 1 strip of 9 pairs

// The frond stalk's columns after the first are stored at a fifth of their height and stretched
// back by the drawing.
constexpr float kFrondStalkStretch = 5.0f;

// Anchors, in table units (see above).
constexpr float kPetalBase[3] = {-0.492957f, 0.403705f, -0.379808f};
constexpr float kTuftLeafBase[3] = {-0.283128f, 0.263121f, 0.193716f};
constexpr float kCrossBladeBase[3] = {0.0905328f, 0.184795f, -0.232735f};
constexpr float kStarLeafBase[3] = {0.474594f, -0.0955728f, 0.123621f};
constexpr float kFrondBase[3] = {0.0441879f, 0.0470131f, -1.077805f};

struct LeafMeshes
{
    // Up is +z; the petal stands in the plane of the plant's axis, rising from its base and
    // leaning out toward -y, cupped toward +x.
    MeshVertex petal[kPetalRows * kPetalColumns];
    // Up is -z; seven grass blades side by side across x, each its own triangle, chained through
    // zero-area quads (tip to tip, then base to base along the ground) into one strip.
    MeshVertex tuftLeaf[2 * kTuftLeafColumns];
    // Up is +z; a strap blade folded along its midrib (rows: left edge, keel, right edge) and
    // leaning away from the plant's centre toward +y as it rises.
    MeshVertex crossBlade[kCrossBladeRows * kCrossBladeColumns];
    // Lies in the xy plane: from its base toward -x, width along y, its middle raised toward -z.
    MeshVertex starLeaf[2 * kStarLeafColumns];
    // Up is +z for the three frond parts: a thin stalk, the broad foot of the frond, and the rest
    // of it up to the tip, arching toward +y.
    MeshVertex frondStalk[kFrondStalkRows * kFrondStalkColumns];
    MeshVertex frondFoot[2 * kFrondFootColumns];
    MeshVertex frondBlade[2 * kFrondBladeColumns];

    MeshGrid Petal() const { return {kPetalRows, kPetalColumns, petal}; }
    MeshGrid TuftLeaf() const { return {2, kTuftLeafColumns, tuftLeaf}; }
    MeshGrid CrossBlade() const { return {kCrossBladeRows, kCrossBladeColumns, crossBlade}; }
    MeshGrid StarLeaf() const { return {2, kStarLeafColumns, starLeaf}; }
    MeshGrid FrondStalk() const { return {kFrondStalkRows, kFrondStalkColumns, frondStalk}; }
    MeshGrid FrondFoot() const { return {2, kFrondFootColumns, frondFoot}; }
    MeshGrid FrondBlade() const { return {2, kFrondBladeColumns, frondBlade}; }
};

// Generated on first use and kept for the life of the program.
const LeafMeshes& GetLeafMeshes();
