// ArowanaMesh.cpp -- the arowana as mesh data.
#include "fish/species/ArowanaMesh.h"

const MeshPartSpec* ArowanaParts(int& partCount)
{
    partCount = 0;
    return nullptr;
}
