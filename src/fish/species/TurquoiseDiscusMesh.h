// TurquoiseDiscusMesh.h -- the turquoise discus's ten mesh parts and the pose arrays they read.
//
// A round, flat disc ringed by one low fin band over the back (the dorsal fin and, behind it, the
// rear fin) and one below (the anal fin), with a clear fan tail. Body columns run from the snout
// (column 0) to the tail root (column 11); the head's columns lie closer together than the trunk's,
// so column 3, where the pectoral fins are bound, lies just behind the gill cover.
//
// Every pose array is filled already multiplied by the fish's size, so the parts add the values as
// they are.
#pragma once

#include "fish/MeshPart.h"

// The turquoise discus's pose arrays, in the order its chains fill them.
enum TurquoiseDiscusPose : int
{
    kTurquoiseDiscusGapeA = 0,    // lower mouth, 7
    kTurquoiseDiscusGapeB,        // upper mouth, 5
    kTurquoiseDiscusHeadings,     // columnHeadings, 12, degrees
    kTurquoiseDiscusSway,         // columnSway, 12
    kTurquoiseDiscusDorsalBeat,   // 14: the shared fin oscillator's first call
    kTurquoiseDiscusAnalBeat,     // 10: its second call
    kTurquoiseDiscusPectoralWave, // 9
    kTurquoiseDiscusVentralBeat,  // 9, element 0 held at 0
    kTurquoiseDiscusRearFinBeat,  // 13
    kTurquoiseDiscusTailBeat,     // 14
    kTurquoiseDiscusPoseCount
};

// Elements of each pose array, indexed by TurquoiseDiscusPose.
constexpr int kTurquoiseDiscusPoseLengths[kTurquoiseDiscusPoseCount] = {7, 5, 12, 12, 14, 10, 9, 9, 13, 14};

constexpr int kTurquoiseDiscusBodyColumns = 12;
constexpr int kTurquoiseDiscusPartCount = 10;

// The parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* TurquoiseDiscusParts(int& partCount);
