// FishBench.cpp -- the processor's share of fifty fish.
//
// Moves, animates and generates the vertices of fifty fish without rasterising them: the work the
// processor does per frame before OpenGL sees a single vertex. The whole frame with fifty fish is
// one of the cases of SceneCostBench.cpp.
#include "environment/FloorAndLight.h"
#include "fish/FishStore.h"
#include "fish/VertexSink.h"
#include "platform/OffscreenContext.h"
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
