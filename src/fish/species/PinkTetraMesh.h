// PinkTetraMesh.h -- the pink tetra's mesh parts and the pose arrays they read.
//
// A small, deep-chested fish (2.2 : 1 without fins) with a tall dorsal fin over the middle of its
// back, a small adipose fin before the tail, a long anal fin, a deeply forked tail and tiny fins by
// the head. Body columns run from the snout (column 0) to the tail root (column 19). Its eye is
// painted on the skin (where: PinkTetraLayout.h); no part of the mesh stands for it.
#pragma once

#include "fish/MeshPart.h"

// The pink tetra's pose arrays, in the order its chains fill them. Every chain of this species
// already carries the fish's size; its parts decide per term whether to scale once more.
enum PinkTetraPose : int
{
    kPinkTetraGapeA = 0,    // lower mouth, 6
    kPinkTetraGapeB,        // upper mouth, 7
    kPinkTetraHeadings,     // columnHeadings, 20, degrees
    kPinkTetraSway,         // columnSway, 20
    kPinkTetraDorsalBeat,   // the dorsal fin (its front fin), 4
    kPinkTetraPectoralBeat, // 23
    kPinkTetraVentralBeat,  // 9
    kPinkTetraAdiposeBeat,  // the fin along the rear of the back, 12
    kPinkTetraTailWave,     // the forked tail's edge, 31
    kPinkTetraDrift,        // element 0: the drift of the small fins by the head
    kPinkTetraPoseCount
};

// Elements of each pose array, indexed by PinkTetraPose.
constexpr int kPinkTetraPoseLengths[kPinkTetraPoseCount] = {6, 7, 20, 20, 4, 23, 9, 12, 31, 1};

constexpr int kPinkTetraBodyColumns = 20;
constexpr int kPinkTetraPartCount = 10;

// The ten parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* PinkTetraParts(int& partCount);
