// GuppyMesh.h -- the guppy's eleven mesh parts and the pose arrays they read.
//
// The parts are generated once, on first use, from the shape parameters in GuppyMesh.cpp. The
// heading and sway arrays have 26 body columns; the body mesh itself runs from the snout (column 0)
// to the tail root (column 21), where the tail fan grows. Columns 22 to 25 lie behind the tail root:
// only the rear of the dorsal flag reads column 22.
#pragma once

#include "fish/MeshPart.h"

// The guppy's pose arrays, in the order its chains fill them.
enum GuppyPose : int
{
    kGuppyHeadings = 0, // columnHeadings, 26, degrees
    kGuppySway,         // columnSway, 26
    kGuppyDorsalBeat,   // 9
    kGuppyPectoralBeat, // 12
    kGuppyVentralWave,  // 7
    kGuppyTailBeat,     // 37
    kGuppyGapeA,        // lower mouth, 6
    kGuppyGapeB,        // upper mouth, 4
    kGuppyPoseCount
};

// Elements of each pose array, indexed by GuppyPose.
constexpr int kGuppyPoseLengths[kGuppyPoseCount] = {26, 26, 9, 12, 7, 37, 6, 4};

constexpr int kGuppyBodyColumns = 26;
constexpr int kGuppyTailRootColumn = 21; // the last column of the body mesh
constexpr int kGuppyPartCount = 11;

// The parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* GuppyParts(int& partCount);
