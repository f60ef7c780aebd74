// PinkDiscusMesh.h -- the pink discus's mesh parts and the pose arrays they read.
//
// A round, flat disc whose dorsal and anal fins run as one low ring around its back and belly, with
// a broad fan tail. Body columns run from the snout (column 0) to the tail root (column 13).
#pragma once

#include "fish/MeshPart.h"

// The pink discus's pose arrays, in the order its chains fill them.
enum PinkDiscusPose : int
{
    kPinkDiscusHeadings = 0,    // columnHeadings, 14, degrees
    kPinkDiscusSway,            // columnSway, 14
    kPinkDiscusGapeA,           // lower mouth, 4
    kPinkDiscusGapeB,           // upper mouth, 4
    kPinkDiscusFrontDorsalBeat, // 4
    kPinkDiscusRearDorsalBeat,  // 7
    kPinkDiscusPectoralBeat,    // 16
    kPinkDiscusVentralBeat,     // 4
    kPinkDiscusAnalBeat,        // 5
    kPinkDiscusTailBeat,        // 20
    kPinkDiscusPoseCount
};

// Elements of each pose array, indexed by PinkDiscusPose.
constexpr int kPinkDiscusPoseLengths[kPinkDiscusPoseCount] = {14, 14, 4, 4, 4, 7, 16, 4, 5, 20};

constexpr int kPinkDiscusBodyColumns = 14;

// The parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* PinkDiscusParts(int& partCount);
