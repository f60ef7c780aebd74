// PaintPlants.h -- the leaf textures of the five plant kinds, 128 x 128 each, on black.
//
// Every leaf stands upright in its picture: its base at the bottom edge, its tip towards the top.
#pragma once

#include "art/RgbImage.h"

#include <string>
#include <vector>

struct PlantPicture
{
    std::string name; // base name of the file: cao0, cao1, cao3, cao4, cao5
    CRgbImage image;
};

// cao0 broad rosette leaf, cao1 grass blades, cao3 upright strap blade (reddish), cao4 low star
// leaf, cao5 fern frond.
std::vector<PlantPicture> PaintPlants();
