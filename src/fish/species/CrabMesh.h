// CrabMesh.h -- the crab's mesh parts and the pose arrays they read.
#pragma once

#include "fish/MeshPart.h"
#include "fish/StaticBody.h"

// The parts in draw order; built on first use and kept for the life of the program. Null (and a
// count of 0) until the animal is modelled.
const MeshPartSpec* CrabParts(int& partCount);

// The rigid body (carapace, eyes on stalks, mouth parts) as a triangle table, compiled into a
// display list for each crab at spawn. Null until the body is modelled.
const StaticBody* CrabBody();
