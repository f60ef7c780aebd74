// PaintSkins.h -- paints a species' first skin from its recipe (see SkinRecipe.h for the layout).
#pragma once

#include "art/RgbImage.h"
#include "art/SkinRecipe.h"

#include <cstdint>

constexpr int kSkinWidth = 256;
constexpr int kSkinHeight = 128;
constexpr int kSkinBodyWidth = 224; // x from here on is the fin strip

// The seed places the random parts of the markings (spots, blotch outlines, mottling).
CRgbImage PaintSkin(const SkinRecipe& recipe, uint64_t seed);
