// SceneCostBench.cpp -- what each element of the tank adds to a frame at 1920 x 1080.
//
// The same scene drawn with one element switched on at a time, then with everything: where the
// frame time goes. On a software rasteriser the full-screen sheets cost most, being pure fill.
#include "platform/OffscreenContext.h"
#include "view/AquariumScene.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {
struct SceneElements
{
    const char* name;
    int showWater, showLight, showTerra, angelfish, bubbleSetting;
    bool mixed; // the fish are of species 0 to 7, six or seven of each, instead of angelfish
};

constexpr SceneElements kCases[] = {
    {"empty tank", 0, 0, 0, 0, 200, false},
    {"water glow", 1, 0, 0, 0, 200, false},
    {"light rays", 0, 1, 0, 0, 200, false},
    {"floor and plants", 0, 0, 1, 0, 200, false},
    {"200 bubbles", 0, 0, 0, 0, 0, false},
    {"50 angelfish", 0, 0, 0, 50, 200, false},
    {"50 angelfish over the floor, glow and rays", 1, 1, 1, 50, 200, false},
    {"everything", 1, 1, 1, 50, 0, false},
    {"50 fish of species 0 to 7", 0, 0, 0, 50, 200, true},
};

// Fifty fish spread over species 0 to 7: seven of the first two, six of the others.
int MixedCount(int species)
{
    return species < 2 ? 7 : species < 8 ? 6 : 0;
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
    if (elements.mixed) {
        for (int species = 0; species < 8; ++species)
            settings.fishCount[species] = MixedCount(species);
    }
    settings.bubbleSetting = elements.bubbleSetting;
    settings.fogSetting = 100;
    scene->SetMouse(960, 540);
    for (int frame = 0; frame < 20; ++frame) // let the rasteriser compile what this scene needs
        scene->Tick();
    for (auto _ : state)
        scene->Tick();
}
BENCHMARK(FrameCostByElement)->DenseRange(0, 8)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
} // namespace
