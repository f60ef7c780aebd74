// ArowanaMesh.h -- the arowana's nine mesh parts and the pose arrays they read.
//
// A long, flat-sided blade with a straight back, a big upturned jaw, and its dorsal and anal fins
// set far back, close to a rounded tail. Body columns run from the snout (column 0) to the tail
// root (column 11); the first column step covers the whole head and the steps shorten toward the
// tail (ArowanaMesh.cpp), so that the columns the rear fins follow lie over the back third of the
// body. The body is centred on the model origin.
//
// Every pose array is filled already multiplied by the fish's size, so the parts add the values as
// they are.
#pragma once

#include "fish/MeshPart.h"

// The arowana's pose arrays, in the order its chains fill them.
enum ArowanaPose : int
{
    kArowanaGapeA = 0,    // lower mouth, 5
    kArowanaGapeB,        // upper mouth, 5
    kArowanaHeadings,     // columnHeadings, 12, degrees
    kArowanaSway,         // columnSway, 12
    kArowanaDorsalBeat,   // 8
    kArowanaAnalWave,     // 9
    kArowanaPectoralWave, // 8
    kArowanaVentralBeat,  // 7
    kArowanaTailBeat,     // 13
    kArowanaPoseCount
};

// Elements of each pose array, indexed by ArowanaPose.
constexpr int kArowanaPoseLengths[kArowanaPoseCount] = {5, 5, 12, 12, 8, 9, 8, 7, 13};

constexpr int kArowanaBodyColumns = 12;
constexpr int kArowanaPartCount = 9;

// The nine parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* ArowanaParts(int& partCount);
