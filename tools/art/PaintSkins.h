// PaintSkins.h -- paints a species' first skin from its recipe (see SkinRecipe.h for the layout).
#pragma once

#include "art/RgbImage.h"
#include "art/SkinRecipe.h"

#include <cstdint>

constexpr int kSkinWidth = skin::kWidth;
constexpr int kSkinHeight = skin::kHeight;
constexpr int kSkinBodyWidth = skin::kBodyWidth; // x from here on is the fin strip

// The seed places the random parts of the markings (spots, blotch outlines, mottling).
CRgbImage PaintSkin(const SkinRecipe& recipe, uint64_t seed);
