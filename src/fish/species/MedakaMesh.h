// MedakaMesh.h -- the medaka's eight mesh parts and the pose arrays they read.
//
// The parts are generated once, on first use, from the shape parameters in MedakaMesh.cpp. Body
// columns run from the snout (column 0) to the tail root (column 14), packed over the head and
// placed over the trunk where the long anal fin's rays need them. The model's origin, about which
// every column turns, lies under the small dorsal fin far back on the body, so that the fin, which
// turns with a column near the head, stays on the back while the fish bends.
//
// The body and both mouth parts store their z upside down (their parts set negateZ): the tables
// hold -z, the parts emit z, and the gape terms act on the emitted, right-way-up mouth.
#pragma once

#include "fish/MeshPart.h"

// The medaka's pose arrays, in the order its chains fill them.
enum MedakaPose : int
{
    kMedakaGapeA = 0,    // second mouth part (the upper jaw), 6
    kMedakaGapeB,        // first mouth part (the lower jaw), 5
    kMedakaHeadings,     // columnHeadings, 15, degrees
    kMedakaSway,         // columnSway, 15
    kMedakaDorsalBeat,   // 11
    kMedakaPectoralBeat, // 10
    kMedakaVentralBeat,  // the long anal fin's beat, 14
    kMedakaTailBeat,     // 15
    kMedakaPoseCount
};

// Elements of each pose array, indexed by MedakaPose.
constexpr int kMedakaPoseLengths[kMedakaPoseCount] = {6, 5, 15, 15, 11, 10, 14, 15};

constexpr int kMedakaBodyColumns = 15;
constexpr int kMedakaPartCount = 8;

// The eight parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* MedakaParts(int& partCount);
