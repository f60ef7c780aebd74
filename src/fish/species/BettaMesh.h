// BettaMesh.h -- the betta's nine mesh parts and the pose arrays they read.
//
// The parts are generated once, on first use, from the shape parameters in BettaMesh.cpp and live
// for the whole program. Body columns run from the snout (column 0) to the tail root (column 14);
// the head's four column steps are packed so that the ventral fins (column 2), the pectorals
// (column 3) and the front of the long anal fin (column 4) lie just behind the gill cover, and the
// trunk's columns are evenly spaced. The body is centred on the model origin, so the fish turns
// about its middle.
//
// Every array but the drift is filled already multiplied by the fish's size, so the parts add those
// values as they are; only the drift of the small fins is scaled where it is used.
#pragma once

#include "fish/MeshPart.h"

// The betta's pose arrays, in the order its chains fill them.
enum BettaPose : int
{
    kBettaHeadings = 0, // columnHeadings, 15, degrees
    kBettaGapeA,        // lower mouth, 7
    kBettaGapeB,        // upper mouth, 8
    kBettaSway,         // columnSway, 15
    kBettaDorsalBeat,   // 23
    kBettaPectoralBeat, // 20
    kBettaVentralWave,  // 10
    kBettaBarbelBeat,   // 10: the long anal fin
    kBettaTailBeat,     // 25
    kBettaDrift,        // 7: the small fins' drift in element 0
    kBettaPoseCount
};

// Elements of each pose array, indexed by BettaPose.
constexpr int kBettaPoseLengths[kBettaPoseCount] = {15, 7, 8, 15, 23, 20, 10, 10, 25, 7};

constexpr int kBettaBodyColumns = 15;
constexpr int kBettaPartCount = 9;

// The parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* BettaParts(int& partCount);
