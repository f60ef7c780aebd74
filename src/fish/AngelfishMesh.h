// AngelfishMesh.h -- the angelfish's twelve mesh parts and the pose arrays they read.
//
// The parts are generated once, on first use, from a handful of shape parameters (AngelfishMesh.cpp
// explains the shape) and live for the whole program. Body columns run from the snout (column 0)
// to the tail root (column 15); the body is centred on the model origin so that the fish turns
// about its middle.
//
// Skin layout (256 x 128, as painted): the body takes the left 7/8 of the picture, snout at the
// left edge and tail root at u = 0.875, back along the top row and belly along the bottom; the fins
// take the strip u 0.875..1, from the fin's root (left) to its free edge (right), the tail fin in
// the strip's top half and every other fin in its bottom half; the eyes map onto the painted eye
// disc. Pictures are uploaded bottom row first, as BMP stores them, so texture v is 1 along the
// back and 0 along the belly.
#pragma once

#include "fish/MeshPart.h"

// The angelfish's pose arrays, in the order its chains fill them.
enum AngelfishPose : int
{
    kAngelGapeA = 0,    // lower mouth, 5
    kAngelGapeB,        // upper mouth, 6
    kAngelHeadings,     // columnHeadings, 16, degrees
    kAngelSway,         // columnSway, 16
    kAngelDorsalWave,   // 10
    kAngelPectoralBeat, // 7
    kAngelVentralBeat,  // 8
    kAngelAnalBeat,     // 8
    kAngelTailBeat,     // 15
    kAngelPoseCount
};

// Elements of each pose array, indexed by AngelfishPose.
constexpr int kAngelPoseLengths[kAngelPoseCount] = {5, 6, 16, 16, 10, 7, 8, 8, 15};

constexpr int kAngelBodyColumns = 16;
constexpr int kAngelPartCount = 12;

// The twelve parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* AngelfishParts(int& partCount);
