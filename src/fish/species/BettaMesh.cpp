// BettaMesh.cpp -- the betta as mesh data.
#include "fish/species/BettaMesh.h"

const MeshPartSpec* BettaParts(int& partCount)
{
    partCount = 0;
    return nullptr;
}
