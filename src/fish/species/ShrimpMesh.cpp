// ShrimpMesh.cpp -- the shrimp as mesh data.
#include "fish/species/ShrimpMesh.h"

const MeshPartSpec* ShrimpParts(int& partCount)
{
    partCount = 0;
    return nullptr;
}
