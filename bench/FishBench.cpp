// FishBench.cpp -- the processor's share of fifty fish.
//
// Moves, animates and generates the vertices of fifty fish without rasterising them: the work the
// processor does per frame before OpenGL sees a single vertex. The whole frame with fifty fish is
// one of the cases of SceneCostBench.cpp.
#include "environment/FloorAndLight.h"
#include "fish/FishStore.h"
#include "fish/SpeciesCatalogue.h"
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

// Fifty fish: all angelfish (argument 0), spread over species 0 to 7 (1), or over all fifteen (2).
void FiftyFishWithoutRasterising(benchmark::State& state)
{
    const int spread = state.range(0) == 0 ? 1 : state.range(0) == 1 ? 8 : kSpeciesTotal;
    state.SetLabel(spread == 1 ? "angelfish" : spread == 8 ? "species 0 to 7" : "all fifteen species");
    COffscreenContext context(16, 16); // the draw routine's matrix calls need a context
    CFloorAndLight floor;
    floor.Setup(
        180, 50, 1, [](int, const char*) { return 0u; }, [](const std::string&, const std::string&) {});
    auto store = std::make_unique<CFishStore>();
    store->PlaceAll(floor, TankBounds::Aquarium());
    CDiscardingSink sink;
    for (auto _ : state) {
        for (int i = 0; i < 50; ++i)
            store->At(i % spread, i / spread).Draw(sink);
    }
    benchmark::DoNotOptimize(sink.checksum);
}
BENCHMARK(FiftyFishWithoutRasterising)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
} // namespace
