// ClownfishMesh.h -- the clownfish's ten mesh parts and the pose arrays they read.
//
// The parts are generated once, on first use, from the shape parameters in ClownfishMesh.cpp and
// live for the whole program. Body columns run from the snout (column 0) to the tail root (column
// 30); the first four column steps cover the head, so that column 4, where the pectoral and ventral
// fins are bound, lies just behind the gill cover, and the remaining columns are evenly spaced
// along the trunk. The body is centred on the model origin, so the fish turns about its middle.
//
// Every array but the drift is filled already multiplied by the fish's size, so the parts add those
// values as they are; only the drift of the hanging fins is scaled where it is used.
#pragma once

#include "fish/MeshPart.h"

// The clownfish's pose arrays, in the order its chains fill them.
enum ClownfishPose : int
{
    kClownfishGapeA = 0,       // lower mouth, 6
    kClownfishGapeB,           // upper mouth, 7
    kClownfishHeadings,        // columnHeadings, 31, degrees
    kClownfishSway,            // columnSway, 31
    kClownfishFrontDorsalBeat, // 18
    kClownfishDorsalBeat,      // 32
    kClownfishPectoralBeat,    // 36
    kClownfishVentralBeat,     // 32
    kClownfishAnalBeat,        // 48
    kClownfishTailBeat,        // 90
    kClownfishDrift,           // 1: the hanging fins' drift in element 0
    kClownfishPoseCount
};

// Elements of each pose array, indexed by ClownfishPose.
constexpr int kClownfishPoseLengths[kClownfishPoseCount] = {6, 7, 31, 31, 18, 32, 36, 32, 48, 90, 1};

constexpr int kClownfishBodyColumns = 31;
constexpr int kClownfishPartCount = 10;

// The parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* ClownfishParts(int& partCount);
