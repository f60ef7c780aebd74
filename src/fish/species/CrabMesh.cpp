// CrabMesh.cpp -- the crab as mesh data.
#include "fish/species/CrabMesh.h"

const MeshPartSpec* CrabParts(int& partCount)
{
    partCount = 0;
    return nullptr;
}

const StaticBody* CrabBody()
{
    return nullptr;
}
