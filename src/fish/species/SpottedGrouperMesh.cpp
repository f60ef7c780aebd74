// SpottedGrouperMesh.cpp -- the spotted grouper as mesh data.
#include "fish/species/SpottedGrouperMesh.h"

const MeshPartSpec* SpottedGrouperParts(int& partCount)
{
    partCount = 0;
    return nullptr;
}
