// SpottedGrouperMesh.h -- the spotted grouper's nine mesh parts and the pose arrays they read.
//
// A heavy, thick-set fish (2.8 : 1 without fins) with a big head and a wide mouth, a long spiny
// dorsal fin running into a rounded soft one, large rounded pectoral fans, a rounded anal fin
// under the rear and a rounded tail. The parts are generated once, on first use, from the shape
// parameters in SpottedGrouperMesh.cpp. Body columns run from the snout (column 0) to the tail
// root (column 17), closer together over the head; the body is centred on the model origin.
//
// The fish's size is a real number here; no chain of this species carries it, so every part term
// multiplies its pose value by the size, the eyes' drift included.
#pragma once

#include "fish/MeshPart.h"

// The spotted grouper's pose arrays, in the order its chains fill them.
enum SpottedGrouperPose : int
{
    kSpottedGrouperHeadings = 0, // columnHeadings, 18, degrees
    kSpottedGrouperSway,         // columnSway, 18
    kSpottedGrouperGapeA,        // lower mouth, 4
    kSpottedGrouperGapeB,        // upper mouth, 3
    kSpottedGrouperDorsalBeat,   // 16
    kSpottedGrouperPectoralBeat, // 23
    kSpottedGrouperVentralBeat,  // 10
    kSpottedGrouperAnalBeat,     // 16
    kSpottedGrouperTailBeat,     // 24
    kSpottedGrouperDrift,        // element 0: the eyes' drift
    kSpottedGrouperPoseCount
};

// Elements of each pose array, indexed by SpottedGrouperPose.
constexpr int kSpottedGrouperPoseLengths[kSpottedGrouperPoseCount] = {18, 18, 4, 3, 16, 23, 10, 16, 24, 1};

constexpr int kSpottedGrouperBodyColumns = 18;
constexpr int kSpottedGrouperPartCount = 9;

// The nine parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* SpottedGrouperParts(int& partCount);
