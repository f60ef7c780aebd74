// TurquoiseDiscusMesh.h -- the turquoise discus's mesh parts and the pose arrays they read.
#pragma once

#include "fish/MeshPart.h"

// The parts in draw order; built on first use and kept for the life of the program. Null (and a
// count of 0) until the animal is modelled.
const MeshPartSpec* TurquoiseDiscusParts(int& partCount);
