// SceneCostBench.cpp -- what each element of the tank adds to a frame at 1920 x 1080.
//
// The same scene drawn with one element switched on at a time, then with everything: where the
// frame time goes. On a software rasteriser the full-screen sheets cost most, being pure fill.
#include "platform/OffscreenContext.h"
#include "view/AquariumScene.h"

#include "fish/SpeciesCatalogue.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {
struct SceneElements
{
    const char* name;
    int showWater, showLight, showTerra, angelfish, bubbleSetting;
    int mixedSpecies; // the fish are spread over species 0 to mixedSpecies - 1 instead of angelfish; 0: not
};

constexpr SceneElements kCases[] = {
    {"empty tank", 0, 0, 0, 0, 200, 0},
    {"water glow", 1, 0, 0, 0, 200, 0},
    {"light rays", 0, 1, 0, 0, 200, 0},
    {"floor and plants", 0, 0, 1, 0, 200, 0},
    {"200 bubbles", 0, 0, 0, 0, 0, 0},
    {"50 angelfish", 0, 0, 0, 50, 200, 0},
    {"50 angelfish over the floor, glow and rays", 1, 1, 1, 50, 200, 0},
    {"everything", 1, 1, 1, 50, 0, 0},
    {"50 fish of species 0 to 7", 0, 0, 0, 50, 200, 8},
    {"50 fish of all fifteen species", 0, 0, 0, 50, 200, 15},
};

// Fifty fish spread evenly over the first `species` species, the first ones taking the remainder.
int MixedCount(int species, int of)
{
    return species >= of ? 0 : 50 / of + (species < 50 % of ? 1 : 0);
}

void FrameCostByElement(benchmark::State& state)
{
    const SceneElements& elements = kCases[state.range(0)];
    state.SetLabel(elements.name);
    COffscreenContext context(1920, 1080);
    if (!context.IsOK()) {
        state.SkipWithError("no offscreen context");
        return;
    }
    auto scene = std::make_unique<CAquariumScene>();
    scene->Initialise(1920, 1080);
    AquariumSettings& settings = scene->Settings();
    settings.showWater = elements.showWater;
    settings.showLight = elements.showLight;
    settings.showTerra = elements.showTerra;
    settings.fishCount[0] = elements.angelfish;
    if (elements.mixedSpecies > 0) {
        for (int species = 0; species < kSpeciesTotal; ++species)
            settings.fishCount[species] = MixedCount(species, elements.mixedSpecies);
    }
    settings.bubbleSetting = elements.bubbleSetting;
    settings.fogSetting = 100;
    scene->SetMouse(960, 540);
    for (int frame = 0; frame < 20; ++frame) // let the rasteriser compile what this scene needs
        scene->Tick();
    for (auto _ : state)
        scene->Tick();
}
BENCHMARK(FrameCostByElement)->DenseRange(0, 9)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
} // namespace
