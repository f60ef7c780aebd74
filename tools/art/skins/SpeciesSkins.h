// SpeciesSkins.h -- the skin recipes that live in files of their own, one per modelled species.
#pragma once

#include "art/SkinRecipe.h"

SkinRecipe PinkDiscusSkin();
SkinRecipe GoldfishSkin();
SkinRecipe GuppySkin();
SkinRecipe ClownfishSkin();
SkinRecipe WrasseSkin();
SkinRecipe BlueTangSkin();
SkinRecipe PinkTetraSkin();
SkinRecipe BettaSkin();
SkinRecipe MedakaSkin();
SkinRecipe TurquoiseDiscusSkin();
SkinRecipe ArowanaSkin();
SkinRecipe SpottedGrouperSkin();
SkinRecipe CrabSkin();
SkinRecipe ShrimpSkin();
