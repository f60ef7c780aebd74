// GoldfishMesh.h -- the fancy goldfish's fourteen mesh parts and the pose arrays they read.
//
// The parts are generated once, on first use, from the shape parameters at the top of
// GoldfishMesh.cpp and live for the whole program. Body columns run from the snout (column 0) to
// the tail root (column 16); the body is centred on the model origin so that the fish turns about
// its middle. Skin layout as every species: the body in u < 0.875, the fins in the strip beyond,
// the two tail halves in its top half and every other fin in its bottom half.
#pragma once

#include "fish/MeshPart.h"

// The goldfish's pose arrays, in the order its chains fill them.
enum GoldfishPose : int
{
    kGoldfishHeadings = 0, // columnHeadings, 17, degrees
    kGoldfishSway,         // columnSway, 17
    kGoldfishDorsalWave,   // 10, added to the dorsal fin without the size factor
    kGoldfishPectoralBeat, // 8
    kGoldfishVentralWave,  // 14
    kGoldfishAnalBeat,     // 7
    kGoldfishTailBeat,     // 21
    kGoldfishGapeA,        // lower mouth, 3
    kGoldfishGapeB,        // upper mouth, 3
    kGoldfishPoseCount
};

// Elements of each pose array, indexed by GoldfishPose.
constexpr int kGoldfishPoseLengths[kGoldfishPoseCount] = {17, 17, 10, 8, 14, 7, 21, 3, 3};

constexpr int kGoldfishBodyColumns = 17;
constexpr int kGoldfishPartCount = 14;

// The parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* GoldfishParts(int& partCount);
