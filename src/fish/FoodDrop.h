// FoodDrop.h -- one food drop: three small flakes that spread, tumble, spin and sink.
//
// A drop hangs at its base point (where the feed click landed, on the plane z = -70) and carries
// three flakes at offsets from it. Each frame an active drop draws its remaining flakes, records
// where it drew them (pelletWorld, read by the fish in the next frame) and lets them sink and
// drift. A flake is gone once eaten or once it has sunk 40 units; the first draw that finds no
// flake left switches the drop off.
//
// The flake mesh is one display list per drop, compiled the first time it is needed with a
// context current and reused for every later placement; it lives as long as the context.
#pragma once

#include "platform/Vector3.h"

#include <cstdint>

constexpr int kPelletsPerDrop = 3;

struct FoodPellet
{
    Vector3 offset;         // from the drop's base point, tank units
    float tumble = 0.0f;    // degrees about x
    float spin = 0.0f;      // degrees about y
    float sinkSpeed = 0.0f; // tank units per frame
    float present = 0.0f;   // 1 while the flake exists, 0 once eaten or sunk
};

class CFoodDrop
{
public:
    CFoodDrop() = default;
    virtual ~CFoodDrop() = default; // never touches GL: the context may be gone by now

    CFoodDrop(const CFoodDrop&) = delete;
    CFoodDrop& operator=(const CFoodDrop&) = delete;

    // New random flakes around the base point. Needs no GL context; the flake list is kept.
    void Reset();
    // Moves the base point and resets the flakes. The caller activates the drop.
    void Place(float x, float y, float z);

    void SetActive(bool value) { active = value; }
    bool IsActive() const { return active; }

    // One frame: draws the flakes still present and lets every flake sink. The caller pushes and
    // pops the model-view matrix around it, with lighting off. Compiles the flake list if there
    // is none yet.
    void DrawAndAdvance();

    // pelletWorld[i] = (x, y, z) + base.
    void SetPelletWorld(int i, float x, float y, float z);
    void ClearPellet(int i) { pellets[i].present = 0.0f; }

    // Compiles the flake mesh into this drop's list unless it has one. Needs a current context.
    void CompileFlakeList();
    // Deletes the flake list when a context is current; without one the list went with its
    // context and is only forgotten.
    void ReleaseFlakeList();

    const Vector3& PelletWorld(int i) const { return pelletWorld[i]; }
    bool PelletPresent(int i) const { return pellets[i].present > 0.0f; }
    const FoodPellet& Pellet(int i) const { return pellets[i]; }
    const Vector3& Base() const { return base; }
    uint32_t FlakeList() const { return flakeList; }

private:
    FoodPellet pellets[kPelletsPerDrop];
    uint32_t flakeList = 0;
    Vector3 pelletWorld[kPelletsPerDrop]; // where each flake was last drawn, without the spin
    Vector3 base{0.0f, 0.0f, -70.0f};
    bool active = false;
};
