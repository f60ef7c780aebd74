// AquariumSettings.h -- every user choice of the aquarium, in one record.
//
// The record holds 39 consecutive 32-bit fields in the order the settings file lists its keys
// (the same order the bulk update copies them), plus the two colour phases that the backdrop's
// colour animation publishes. One instance lives for the whole process, owned by the scene; the
// settings file fills it at start-up, the dialogs write it back, and everything else only reads.
//
// Colours are 0x00BBGGRR (red in the low byte); flags are 0 or 1. Values read from the file are
// not range-checked, except the fish counts, which never exceed kMaxFishPerSpecies.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kSpeciesCount = 15;
constexpr int kMaxFishPerSpecies = 50;

struct AquariumSettings
{
    int32_t showWater = 0;         // "Show Water": draw the water glow
    int32_t showLight = 0;         // "Show Light": draw the light rays
    int32_t showTerra = 0;         // "Show Terra": draw the plants or the picture, and the floor
    int32_t frontFixed = 0;        // "FRONT GUDING": foreground fixed colour mode
    int32_t frontColour = 0;       // "FRONTCOLOR"
    int32_t frontGradual = 0;      // "FRONT MANJIANBIAN"
    int32_t frontColour1 = 0;      // "FRONT COLOR1"
    int32_t frontColour2 = 0;      // "FRONT COLOR2"
    int32_t frontAuto = 0;         // "FRONT AUTOJIANBIAN": foreground automatic mode
    int32_t frontLock = 0;         // "CHECK LOCKFORE": freeze the automatic foreground colours
    float frontPhaseSaved = 0.0f;  // "LOCKFORE ROT": foreground phase to resume from
    int32_t backFixed = 0;         // "BACK GUDING": background fixed colour mode
    int32_t backColour = 0;        // "BACKCOLOR"
    int32_t backGradual = 0;       // "BACK MANJIANBIAN"
    int32_t backColour1 = 0;       // "BACK COLOR1": gradual top colour
    int32_t backColour2 = 0;       // "BACK COLOR2": gradual bottom colour
    int32_t backAuto = 0;          // "BACK AUTOJIANBIAN": background automatic mode
    int32_t backLock = 0;          // "CHECK LOCKBACK": freeze the automatic background colours
    float backPhaseSaved = 0.0f;   // "LOCKBACK ROT": background phase to resume from
    int32_t volume = 0;            // "YINLIANG": attenuation; output level is 65535 minus this, 0..65535
    int32_t bubbleSetting = 0;     // "QIPAONUM": bubbles withheld; 200 minus this are drawn, 0..200
    int32_t background = 0;        // "BACKGROUND": scene variant, 0 plants, 1 picture backdrop
    int32_t fishCount[kSpeciesCount] = {}; // "Fish0".."Fish14": live fish per species, 0..50
    int32_t fogSetting = 0;        // "FOGNONGDU": fog density is (100 - this) * 0.0005, 0..100
    int32_t lightSetting = 0;      // "LIGHTQIANGDU": light intensity is (100 - this) * 0.01, 0..100

    // Published by the colour animation after every step; saved under the *ROT keys.
    float currentFrontPhase = 0.0f;
    float currentBackPhase = 0.0f;

    // Copies every field of `values` except the fish counts, which stay as they are. The saved
    // phases become 0.0 here: they live only in the file, and the dialog saves the published ones.
    void BulkUpdate(const AquariumSettings& values);

    // Stores the fifteen counts in catalogue order, each above kMaxFishPerSpecies stored as that.
    void StoreFishCounts(const int32_t (&counts)[kSpeciesCount]);

    // The record as the settings file yields it when there is no file at all: everything 0 except
    // the fog setting, which a missing key reads as 100 (no fog).
    static AquariumSettings Defaults();
};

static_assert(sizeof(int32_t) == 4 && sizeof(float) == 4);
static_assert(offsetof(AquariumSettings, currentFrontPhase) == 39 * 4,
              "the record keeps its 39 fields consecutive, in key order");
