// SpeciesMeshes.h -- every species' mesh parts, by catalogue index.
#pragma once

#include "fish/MeshPart.h"

// The parts of species `id` (0..14) in draw order, or null with a count of 0 when the species has
// no mesh yet.
const MeshPartSpec* SpeciesParts(int id, int& partCount);
