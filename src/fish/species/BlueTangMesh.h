// BlueTangMesh.h -- the blue tang's twelve mesh parts and the pose arrays they read.
//
// Body columns run from the snout (column 0) to the tail root (column 13). The skin layout is the
// one every species shares (fish/model/SkinLayout.h); the eye's place on it is BlueTangLayout.h.
#pragma once

#include "fish/MeshPart.h"

// The blue tang's pose arrays, in the order its chains fill them. Its anal and tail fins have no
// array of their own: they follow the body's columns and sway only.
enum BlueTangPose : int
{
    kBlueTangHeadings = 0, // columnHeadings, 14, degrees
    kBlueTangSway,         // columnSway, 14
    kBlueTangDorsalBeat,   // 11
    kBlueTangPectoralWave, // 8
    kBlueTangVentralWave,  // 5
    kBlueTangGapeA,        // lower mouth, 4
    kBlueTangGapeB,        // upper mouth, 4
    kBlueTangPoseCount
};

// Elements of each pose array, indexed by BlueTangPose.
constexpr int kBlueTangPoseLengths[kBlueTangPoseCount] = {14, 14, 11, 8, 5, 4, 4};

constexpr int kBlueTangBodyColumns = 14;
constexpr int kBlueTangPartCount = 12;

// The parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* BlueTangParts(int& partCount);
