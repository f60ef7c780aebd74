// SceneCostBench.cpp -- what each element of the tank adds to a frame at 1920 x 1080, on the plain
// path and with the frame's levers, side by side.
//
// The same scene drawn with one element switched on at a time, then with everything: where the
// frame time goes, and what the levers (FrameLevers.h) take off it. On a software rasteriser the
// full-screen sheets cost most, being pure fill. Each row reports the median and the 99th
// percentile of its frame times besides the mean; the headline row is the full tank with fifty
// fish of all fifteen species, which must stay inside the 20 ms tick.
#include "platform/OffscreenContext.h"
#include "view/AquariumScene.h"

#include "fish/SpeciesCatalogue.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {
struct SceneElements
{
    const char* name;
    int showWater, showLight, showTerra, angelfish, bubbleSetting;
    int mixedSpecies; // the fish are spread over species 0 to mixedSpecies - 1 instead of angelfish; 0: not
    bool help = false; // the help text shown, as at start-up
};

constexpr SceneElements kCases[] = {
    {"headline: everything, 50 fish of all 15 species", 1, 1, 1, 50, 0, 15},
    {"empty tank", 0, 0, 0, 0, 200, 0},
    {"water glow", 1, 0, 0, 0, 200, 0},
    {"light rays", 0, 1, 0, 0, 200, 0},
    {"glow and rays", 1, 1, 0, 0, 200, 0},
    {"floor and plants", 0, 0, 1, 0, 200, 0},
    {"200 bubbles", 0, 0, 0, 0, 0, 0},
    {"50 angelfish", 0, 0, 0, 50, 200, 0},
    {"50 fish of all fifteen species", 0, 0, 0, 50, 200, 15},
    {"everything, 50 angelfish", 1, 1, 1, 50, 0, 0},
    {"the headline with the help text, as at start-up", 1, 1, 1, 50, 0, 15, true},
};

// Fifty fish spread evenly over the first `species` species, the first ones taking the remainder.
int MixedCount(int species, int of)
{
    return species >= of ? 0 : 50 / of + (species < 50 % of ? 1 : 0);
}

double Percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t at = std::min(values.size() - 1, static_cast<size_t>(fraction * static_cast<double>(values.size())));
    return values[at];
}

void FrameCostByElement(benchmark::State& state)
{
    const SceneElements& elements = kCases[state.range(0)];
    const bool withLevers = state.range(1) != 0;
    state.SetLabel(std::string(withLevers ? "levers  " : "plain   ") + elements.name);
    COffscreenContext context(1920, 1080);
    if (!context.IsOK()) {
        state.SkipWithError("no offscreen context");
        return;
    }
    auto scene = std::make_unique<CAquariumScene>();
    scene->SetLevers(withLevers ? FrameLevers() : FrameLevers::Plain());
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
    if (scene->HelpVisible() != elements.help)
        scene->ToggleHelp();
    for (int frame = 0; frame < 20; ++frame) // let the rasteriser compile what this scene needs
        scene->Tick();
    std::vector<double> milliseconds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        scene->Tick();
        milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["median_ms"] = Percentile(milliseconds, 0.5);
    state.counters["p99_ms"] = Percentile(milliseconds, 0.99);
}

void AllCases(benchmark::internal::Benchmark* benchmark)
{
    for (int c = 0; c < static_cast<int>(std::size(kCases)); ++c)
        for (int levers = 0; levers < 2; ++levers)
            benchmark->Args({c, levers});
}
BENCHMARK(FrameCostByElement)->Apply(AllCases)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
} // namespace
