// MedakaMesh.cpp -- the medaka as mesh data.
#include "fish/species/MedakaMesh.h"

const MeshPartSpec* MedakaParts(int& partCount)
{
    partCount = 0;
    return nullptr;
}
