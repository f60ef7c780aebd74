// FrameBench.cpp -- what a frame and the start-up cost, offscreen at 1920 x 1080.
//
// Figures only: the frame time of the tank as it stands, and the time from nothing to the first
// finished frame (context, scene set-up, one frame). Run with `make bench`.
#include "platform/OffscreenContext.h"
#include "view/AquariumScene.h"

#include <benchmark/benchmark.h>

namespace {
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void FrameAt1920x1080(benchmark::State& state)
{
    COffscreenContext context(kWidth, kHeight);
    if (!context.IsOK()) {
        state.SkipWithError("no offscreen context");
        return;
    }
    CAquariumScene scene;
    scene.Initialise(kWidth, kHeight);
    scene.SetMouse(kWidth / 2, kHeight / 2);
    for (auto _ : state)
        scene.Tick();
}
BENCHMARK(FrameAt1920x1080)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void StartupToFirstFrame(benchmark::State& state)
{
    for (auto _ : state) {
        COffscreenContext context(kWidth, kHeight);
        CAquariumScene scene;
        scene.Initialise(kWidth, kHeight);
        scene.RenderFrame();
    }
}
BENCHMARK(StartupToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
