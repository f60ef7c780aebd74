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

// Fifty fish: all angelfish (argument 0), or six or seven of each of species 0 to 7 (argument 1).
void FiftyFishWithoutRasterising(benchmark::State& state)
{
    const bool mixed = state.range(0) == 1;
    state.SetLabel(mixed ? "species 0 to 7" : "angelfish");
    COffscreenContext context(16, 16); // the draw routine's matrix calls need a context
    CFloorAndLight floor;
    floor.Setup(
        180, 50, 1, [](int, const char*) { return 0u; }, [](const std::string&, const std::string&) {});
    auto store = std::make_unique<CFishStore>();
    store->PlaceAll(floor, TankBounds::Aquarium());
    CDiscardingSink sink;
    for (auto _ : state) {
        for (int i = 0; i < 50; ++i) {
            const int species = mixed ? i % 8 : kAngelfish;
            store->At(species, i / (mixed ? 8 : 1)).Draw(sink);
        }
    }
    benchmark::DoNotOptimize(sink.checksum);
}
BENCHMARK(FiftyFishWithoutRasterising)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
} // namespace
