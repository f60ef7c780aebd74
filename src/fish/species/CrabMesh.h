// CrabMesh.h -- the crab's rigid body, its five limb parts and the pose arrays they read.
//
// The crab is drawn in a frame of its own: the tank turns the whole animal to its heading and
// scales it down, so its tables are laid out with the front (eyes, claws) toward +x, the left side
// toward -y and the back up (+z). The body never bends: carapace, stalked eyes and mouth parts are
// one triangle table, compiled into a display list at spawn with the size of that moment. The legs
// and claws are parts drawn every frame: each grid holds the left limb, rows around it and columns
// from the body out to its tip, and is drawn again mirrored to the right. A limb vertex is its
// table position times kCrabLimbScale times the size plus the fixed attachment; the mirrored copy
// negates y of that sum, beat included.
#pragma once

#include "fish/MeshPart.h"
#include "fish/StaticBody.h"

// The crab's pose arrays, in the order its chains fill them.
enum CrabPose : int
{
    kCrabHeadings = 0, // the heading follower, 19; only its head angle turns the crab
    kCrabLegBeat,      // 10, already times the size; elements 0 and 1 are 0
    kCrabClawBeat,     // 10, already times the size; elements 0 to 3 are 0
    kCrabPoseCount
};

// Elements of each pose array, indexed by CrabPose.
constexpr int kCrabPoseLengths[kCrabPoseCount] = {19, 10, 10};

constexpr int kCrabBodyColumns = kCrabPoseLengths[kCrabHeadings];

// Grid shapes of the limb parts, rows x columns, in draw order: four leg pairs, front to back,
// then the claws.
struct CrabLimbShape
{
    int rows, cols;
};
constexpr int kCrabLegPairs = 4;
constexpr CrabLimbShape kCrabLegShapes[kCrabLegPairs] = {{9, 9}, {10, 9}, {10, 9}, {10, 9}};
constexpr CrabLimbShape kCrabClawShape{10, 9};
constexpr int kCrabPartCount = kCrabLegPairs + 1;

constexpr float kCrabLimbScale = 1.2f;
constexpr float kCrabLimbAttachment[3] = {-0.500001f, -8.49999f, -6.7f};

// Material groups of the rigid body, in the order its faces are stored.
enum CrabMaterial : int
{
    kCrabShell = 0,  // the carapace seen from above
    kCrabUnderside,  // the paler underside
    kCrabEyes,       // eyes on their stalks
    kCrabMouthParts, // the mouth plates and the short feelers beside them
    kCrabMaterialCount
};

// The parts in draw order; built on first use and kept for the life of the program.
const MeshPartSpec* CrabParts(int& partCount);

// The rigid body as a triangle table; built on first use and kept for the life of the program.
const StaticBody* CrabBody();
