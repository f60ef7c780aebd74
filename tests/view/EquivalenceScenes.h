// EquivalenceScenes.h -- the scenes in which the frame's levers must draw what the plain path draws.
//
// Together they cover each backdrop colour mode, fog settings 0, 60 and 100, light settings 0
// and 40, both scene variants, the glow and rays on and off, the terrain off, a camera drifted to
// either side, the help text, and two fish of every species.
#pragma once

#include "ui/AquariumSettings.h"

#include <cstdint>

struct EquivalenceScene
{
    const char* name;
    int32_t background;     // scene variant
    int32_t showWater, showLight, showTerra;
    int32_t frontMode;      // 0 none, 1 fixed, 2 gradual, 3 automatic
    int32_t backMode;
    int32_t fogSetting;     // 100 clear
    int32_t lightSetting;   // 0 full light
    int mouseX;             // -1 leaves the pointer in the middle; near an edge the camera drifts
};

constexpr int kEquivalenceWidth = 480;
constexpr int kEquivalenceHeight = 270;
constexpr int kEquivalenceFrames = 150;

// Fog and the glow over a bright backdrop wash much of a frame out to white, where a difference
// could not show; most scenes keep the backdrop dark or its colour off so that the levers' work
// stays in the middle of the range.
constexpr EquivalenceScene kEquivalenceScenes[] = {
    {"plants-clear-help", 0, 1, 1, 1, 0, 0, 100, 0, -1},
    {"plants-fixed-light40", 0, 1, 1, 1, 1, 1, 100, 40, -1},
    {"plants-gradual-fog60", 0, 1, 1, 1, 2, 2, 60, 0, -1},
    {"picture-clear-drifted-left", 1, 1, 1, 1, 0, 0, 100, 0, 1},
    {"picture-gradual-fog60-light40", 1, 1, 1, 1, 2, 2, 60, 40, -1},
    {"plants-rays-without-glow-automatic-light40", 0, 0, 1, 1, 3, 3, 100, 40, -1},
    {"no-terrain-glow-only-thick-fog", 0, 1, 0, 0, 3, 1, 0, 0, -1},
    {"plants-automatic-drifted-right", 0, 1, 1, 1, 3, 3, 100, 0, kEquivalenceWidth - 2},
};

// The settings file's record for a scene: its switches and modes, fixed colours chosen to show,
// two fish of every species, the sound silent.
inline AquariumSettings EquivalenceSettings(const EquivalenceScene& scene)
{
    AquariumSettings values = AquariumSettings::Defaults();
    values.background = scene.background;
    values.showWater = scene.showWater;
    values.showLight = scene.showLight;
    values.showTerra = scene.showTerra;
    values.frontFixed = scene.frontMode == 1;
    values.frontGradual = scene.frontMode == 2;
    values.frontAuto = scene.frontMode == 3;
    values.backFixed = scene.backMode == 1;
    values.backGradual = scene.backMode == 2;
    values.backAuto = scene.backMode == 3;
    values.frontColour = 0xC0E0FF; // 0x00BBGGRR: a warm light on the plants
    values.frontColour1 = 0xFFC0A0;
    values.frontColour2 = 0xA0FFC0;
    values.backColour = 0x402010; // deep blue
    values.backColour1 = 0x301000;
    values.backColour2 = 0x103020;
    values.fogSetting = scene.fogSetting;
    values.lightSetting = scene.lightSetting;
    values.volume = 65535;
    for (int32_t& count : values.fishCount)
        count = 2;
    return values;
}
