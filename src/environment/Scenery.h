// Scenery.h -- the plants on the tank floor: 32 specimens of five kinds, placed once; three of them
// are drawn live every frame and the other 27 replayed from three display lists.
//
//   kind 0  rosettes  10  texture slot 0  specimen 0 live, 1-9 in the rosette list
//   kind 1  tufts     10  texture slot 1  1-9 in the tuft list (specimen 0 is never drawn)
//   kind 3  crosses   10  texture slot 3  1-9 in the cross list (specimen 0 is never drawn)
//   kind 4  star       1  texture slot 4  live
//   kind 5  frond      1  texture slot 5  live
//
// Plants move only while drawn: with Show Terra off, or the picture backdrop chosen, their sway
// and bend stand still.
#pragma once

#include "environment/CrossPlant.h"
#include "environment/FrondPlant.h"
#include "environment/RosettePlant.h"
#include "environment/StarPlant.h"
#include "environment/TuftPlant.h"

#include <cstdint>

class CFloorAndLight;
struct TankBounds;

// Where a plant stands, before the drawing's offsets (see Scenery.cpp), tank units.
struct PlantPoint
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

constexpr int kPlantsPerGroup = 10;   // rosettes, tufts, crosses
constexpr int kPlantTextureSlots = 6; // slot 2 has no picture

class CScenery
{
public:
    // Builds the 32 plants, which draw their start values from the tank's random sequence in
    // this order: the rosettes, the tufts, the crosses, the star, the frond.
    CScenery();

    CScenery(const CScenery&) = delete;
    CScenery& operator=(const CScenery&) = delete;

    // Where each plant stands and how large it is; once, after the floor exists. The star and the
    // frond stand on floor vertices; without a floor, where a flat floor would put them.
    void PlaceScenery(const CFloorAndLight& floor, const TankBounds& bounds);

    // Compiles the still specimens into the three display lists; once, at the end of the scene
    // population. The lists are never rebuilt: later calls keep the ones there are.
    void BuildPlantLists(const TankBounds& bounds);

    // All plants, in order: the live rosette and the rosette list, the tuft list, the cross list,
    // the star, the frond, each kind with its texture bound. Leaves the frond's texture bound
    // and the matrix stack as it found it; the colour is the caller's.
    void DrawScenery(const uint32_t (&plantTextures)[kPlantTextureSlots], const TankBounds& bounds);

    const CRosettePlant& Rosette(int i) const { return rosettes[i]; }
    const CTuftPlant& Tuft(int i) const { return tufts[i]; }
    const CCrossPlant& Cross(int i) const { return crosses[i]; }
    const CStarPlant& Star() const { return star; }
    const CFrondPlant& Frond() const { return frond; }
    const PlantPoint& RosettePoint(int i) const { return rosettePoints[i]; }
    const PlantPoint& TuftPoint(int i) const { return tuftPoints[i]; }
    const PlantPoint& CrossPoint(int i) const { return crossPoints[i]; }
    const PlantPoint& StarPoint() const { return starPoint; }
    const PlantPoint& FrondPoint() const { return frondPoint; }
    uint32_t RosetteList() const { return rosetteList; }
    uint32_t TuftList() const { return tuftList; }
    uint32_t CrossList() const { return crossList; }

private:
    // One bend direction for each kind that bends, shared by all its plants.
    bool rosetteBendRising = true;
    bool starBendRising = true;

    CRosettePlant rosettes[kPlantsPerGroup];
    CTuftPlant tufts[kPlantsPerGroup];
    CCrossPlant crosses[kPlantsPerGroup];
    CStarPlant star;
    CFrondPlant frond;

    PlantPoint rosettePoints[kPlantsPerGroup];
    PlantPoint tuftPoints[kPlantsPerGroup];
    PlantPoint crossPoints[kPlantsPerGroup];
    PlantPoint starPoint;
    PlantPoint frondPoint;

    uint32_t rosetteList = 0; // display lists, 0 until built
    uint32_t tuftList = 0;
    uint32_t crossList = 0;
};
