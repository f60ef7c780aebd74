// TurquoiseDiscusMesh.cpp -- the turquoise discus as mesh data.
#include "fish/species/TurquoiseDiscusMesh.h"

const MeshPartSpec* TurquoiseDiscusParts(int& partCount)
{
    partCount = 0;
    return nullptr;
}
