// FishBench.cpp -- what fifty fish cost: the whole frame offscreen, and the processor's share.
//
// The first figure is a frame of the tank at 1920 x 1080 with fifty angelfish over the floor, in
// front of the water glow and the light rays. The second moves, animates and generates the
// vertices of fifty fish without rasterising them: the work the processor does per frame before
// OpenGL sees a single vertex.
#include "environment/FloorAndLight.h"
#include "fish/FishStore.h"
#include "fish/VertexSink.h"
#include "platform/OffscreenContext.h"
#include "view/AquariumScene.h"
#include "view/TankBounds.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {
class CDiscardingSink final : public CVertexSink
{
public:
    void BeginStrip() override {}
    void Vertex(float x, float y, float z, const MeshVertex&) override { checksum += x + y + z; }
    void EndStrip() override {}
    void Translate(float, float, float) override {}
    float checksum = 0.0f;
};

void FrameWithFiftyAngelfish(benchmark::State& state)
{
    COffscreenContext context(1920, 1080);
    if (!context.IsOK()) {
        state.SkipWithError("no offscreen context");
        return;
    }
    auto scene = std::make_unique<CAquariumScene>();
    scene->Initialise(1920, 1080);
    AquariumSettings& settings = scene->Settings();
    settings.showTerra = settings.showWater = settings.showLight = 1;
    settings.fishCount[kAngelfish] = 50;
    scene->SetMouse(960, 540);
    for (auto _ : state)
        scene->Tick();
}
BENCHMARK(FrameWithFiftyAngelfish)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

void FiftyFishWithoutRasterising(benchmark::State& state)
{
    COffscreenContext context(16, 16); // the draw routine's matrix calls need a context
    CFloorAndLight floor;
    floor.Setup(180, 50, 1, [](int, const char*) { return 0u; }, [](const std::string&, const std::string&) {});
    auto store = std::make_unique<CFishStore>();
    store->PlaceAll(floor, TankBounds::Aquarium());
    CDiscardingSink sink;
    for (auto _ : state) {
        for (int i = 0; i < 50; ++i)
            store->At(kAngelfish, i).Draw(sink);
    }
    benchmark::DoNotOptimize(sink.checksum);
}
BENCHMARK(FiftyFishWithoutRasterising)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
} // namespace
