// SpeciesMeshes.cpp -- the catalogue's index of mesh parts.
#include "fish/species/SpeciesMeshes.h"

#include "fish/AngelfishMesh.h"
#include "fish/species/ArowanaMesh.h"
#include "fish/species/BettaMesh.h"
#include "fish/species/BlueTangMesh.h"
#include "fish/species/ClownfishMesh.h"
#include "fish/species/CrabMesh.h"
#include "fish/species/GoldfishMesh.h"
#include "fish/species/GuppyMesh.h"
#include "fish/species/MedakaMesh.h"
#include "fish/species/PinkDiscusMesh.h"
#include "fish/species/PinkTetraMesh.h"
#include "fish/species/ShrimpMesh.h"
#include "fish/species/SpottedGrouperMesh.h"
#include "fish/species/TurquoiseDiscusMesh.h"
#include "fish/species/WrasseMesh.h"

const MeshPartSpec* SpeciesParts(int id, int& partCount)
{
    using PartsFunction = const MeshPartSpec* (*)(int&);
    static const PartsFunction kModelled[] = {
        AngelfishParts,       PinkDiscusParts, GoldfishParts,       GuppyParts, ClownfishParts,
        WrasseParts,          BlueTangParts,   PinkTetraParts,      BettaParts, MedakaParts,
        TurquoiseDiscusParts, ArowanaParts,    SpottedGrouperParts, CrabParts,  ShrimpParts};
    constexpr int kModelledCount = sizeof(kModelled) / sizeof(kModelled[0]);
    partCount = 0;
    return id >= 0 && id < kModelledCount ? kModelled[id](partCount) : nullptr;
}
