// WrasseMesh.h -- the wrasse's mesh parts and the pose arrays they read.
//
// A long, round-bodied cigar with a pointed snout: low dorsal and anal fins along the rear half of
// the back and belly, each ending in a small free lobe over the tail stalk, a small rounded tail and
// large pectoral fans it rows with. Body columns run from the snout (column 0) to the tail root
// (column 17), closer together over the head than over the tail (WrasseMesh.cpp); the body is
// centred on the model origin.
#pragma once

#include "fish/MeshPart.h"

// The wrasse's pose arrays, in the order its chains fill them.
enum WrassePose : int
{
    kWrasseHeadings = 0,   // columnHeadings, 18, degrees
    kWrasseSway,           // columnSway, 18
    kWrasseGapeA,          // lower mouth, 4
    kWrasseGapeB,          // upper mouth, 3
    kWrasseFirstRearBeat,  // first rear fin beat (the dorsal fin), 13
    kWrassePectoralBeat,   // 21
    kWrasseVentralWave,    // 8
    kWrasseSecondRearBeat, // second rear fin beat (the anal fin), 9
    kWrasseTailBeat,       // 27
    kWrassePoseCount
};

// Elements of each pose array, indexed by WrassePose.
constexpr int kWrassePoseLengths[kWrassePoseCount] = {18, 18, 4, 3, 13, 21, 8, 9, 27};

constexpr int kWrasseBodyColumns = 18;
constexpr int kWrassePartCount = 12;

// The twelve parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* WrasseParts(int& partCount);
