// PlayBench.cpp -- what the cursor modes add to a frame at 1920 x 1080.
//
// Each case runs the same tank (the reef picture, fifty fish of all fifteen species) in one mode:
// a plain frame for reference, ripple mode with all seven ripples running, a feed click that never
// resolves, and a touch pass over all fifty fish (a click on open water each frame, so that every
// fish is tested). The pending click is held beyond the reach of every strip, above and to the
// right of the window, so that every frame runs all sixty selection passes and none ends early;
// the camera has slid to the right edge before the timing starts.
#include "platform/OffscreenContext.h"
#include "view/AquariumScene.h"

#include "fish/SpeciesCatalogue.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

enum PlayCase
{
    kPlainFrame,
    kSevenRipples,
    kPendingFeedClick,
    kTouchPassOverFiftyFish,
};

const char* const kCaseNames[] = {"plain frame", "ripple mode, seven ripples running",
                                  "feed click pending: sixty selection passes", "touch pass over fifty fish"};

std::unique_ptr<CAquariumScene> FullTank()
{
    auto scene = std::make_unique<CAquariumScene>();
    scene->Initialise(kWidth, kHeight);
    scene->Resize(kWidth, kHeight);
    AquariumSettings& settings = scene->Settings();
    settings.background = 1;
    for (int species = 0; species < kSpeciesTotal; ++species)
        settings.fishCount[species] = 50 / kSpeciesTotal + (species < 50 % kSpeciesTotal ? 1 : 0);
    scene->SetMouse(kWidth / 2, kHeight / 2);
    return scene;
}

void FrameCostByMode(benchmark::State& state)
{
    const auto which = static_cast<PlayCase>(state.range(0));
    state.SetLabel(kCaseNames[which]);
    COffscreenContext context(kWidth, kHeight);
    if (!context.IsOK()) {
        state.SkipWithError("no offscreen context");
        return;
    }
    auto scene = FullTank();
    switch (which) {
    case kPlainFrame:
        scene->SelectMode(CursorMode::Hide);
        break;
    case kSevenRipples:
        scene->SelectMode(CursorMode::Ripple);
        scene->ApplyModeCursor();
        break;
    case kPendingFeedClick:
        scene->SelectMode(CursorMode::Feed);
        break;
    case kTouchPassOverFiftyFish:
        scene->SelectMode(CursorMode::Touch);
        break;
    }
    if (which == kPendingFeedClick) {
        scene->SetMouse(kWidth + 1000, -500);
        for (int i = 0; i < 50; ++i)
            scene->Tick(); // the camera slides to its right-hand limit
    }
    int frame = 0;
    for (auto _ : state) {
        if (which == kSevenRipples && frame % 30 == 0) {
            // A ripple lives about 240 frames; a click every 30 keeps all seven running.
            for (int k = 0; k < 7; ++k)
                scene->PressLeft(200 + 220 * k, 300 + 60 * k);
        }
        if (which == kPendingFeedClick && frame == 0)
            scene->PressLeft(kWidth + 1000, -500);
        if (which == kTouchPassOverFiftyFish)
            scene->PressLeft(3, 3); // open water in the corner: every fish is tested, none is hit
        scene->Tick();
        ++frame;
    }
}
BENCHMARK(FrameCostByMode)
    ->DenseRange(kPlainFrame, kTouchPassOverFiftyFish)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();
} // namespace
