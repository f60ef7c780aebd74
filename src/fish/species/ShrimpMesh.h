// ShrimpMesh.h -- the shrimp's 23 mesh parts and the pose arrays they read.
//
// The shrimp is drawn in a model frame turned a quarter turn about z: its tables run along y with
// the head toward +y (the tank's -x at heading 0), x is lateral with the left half on -x, z is up.
// The body is one closed tube whose 14 rings are the 14 body columns, head (row 0) to tail (row
// 13); each band of it turns with the column of its first ring. Every other part hangs on one
// body column. The parts are generated once, on first use, from the shape parameters in
// ShrimpMesh.cpp and live for the whole program.
//
// Every pose array is filled already multiplied by the fish's size, so the parts add the values as
// they are.
#pragma once

#include "fish/MeshPart.h"

// The shrimp's pose arrays, in the order its chains fill them.
enum ShrimpPose : int
{
    kShrimpHeadings = 0,  // columnHeadings, 14, degrees
    kShrimpBodyWave,      // 14: the rise of each body ring (z)
    kShrimpTailFanWave,   // 8: the spread of the tail fan, per blade column (x)
    kShrimpTailFanZero,   // 8: always zero; the tail fan's second array
    kShrimpLegWave,       // 9: the walking legs' stroke, per leg row (y, along the body)
    kShrimpSwimmeretWave, // 9: the swimmerets' stroke, per swimmeret row (y)
    kShrimpAntennaWave,   // 12: the long antennae's lateral whip, per antenna column (x)
    kShrimpFeelerWave,    // 12: the antennules' and antennal scales' lateral sway, per row (x)
    kShrimpPoseCount
};

// Elements of each pose array, indexed by ShrimpPose.
constexpr int kShrimpPoseLengths[kShrimpPoseCount] = {14, 14, 8, 8, 9, 9, 12, 12};

constexpr int kShrimpBodyColumns = 14; // also the rings of the body tube
constexpr int kShrimpPartCount = 23;

// The parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* ShrimpParts(int& partCount);
