// FishBench.cpp -- the processor's share of fifty fish, and fifty fish in a frame, by either path.
//
// Moves, animates and generates the vertices of fifty fish without rasterising them: the work the
// processor does per frame before OpenGL sees a single vertex, with every band vertex made as the
// immediate-mode sink takes it or every grid vertex made once as the array sink takes it. Then the
// whole frame at 1920 x 1080 with fifty fish of all fifteen species, the fish sent in immediate
// mode or through client arrays (the fishArrays lever), the other levers on as the program runs.
#include "environment/FloorAndLight.h"
#include "fish/FishStore.h"
#include "fish/GlArraySink.h"
#include "fish/SpeciesCatalogue.h"
#include "fish/VertexSink.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "view/AquariumScene.h"
#include "view/TankBounds.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

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

// Takes grids as the array sink does: each vertex made once, the bands as rows of indices.
class CIndexedDiscardingSink final : public CIndexedVertexSink
{
public:
    void BeginStrip() override {}
    void Vertex(float x, float y, float z, const MeshVertex&) override { checksum += x + y + z; }
    void EndStrip() override {}
    void Translate(float, float, float) override {}
    MeshVertex* Reserve(int count, uint32_t& first) override
    {
        first = static_cast<uint32_t>(vertices.size());
        vertices.resize(vertices.size() + static_cast<size_t>(count));
        return vertices.data() + first;
    }
    void IndexedStrip(uint32_t firstRow, uint32_t secondRow, int columns) override
    {
        checksum += vertices[firstRow].x + vertices[secondRow + columns - 1].z;
    }
    void Flush() override { vertices.clear(); }
    float checksum = 0.0f;

private:
    std::vector<MeshVertex> vertices;
};

// Fifty fish: all angelfish (first argument 0), spread over species 0 to 7 (1), or over all
// fifteen (2); their vertices made band by band (second argument 0) or once per grid vertex (1).
void FiftyFishWithoutRasterising(benchmark::State& state)
{
    const int spread = state.range(0) == 0 ? 1 : state.range(0) == 1 ? 8 : kSpeciesTotal;
    const bool indexed = state.range(1) != 0;
    state.SetLabel(std::string(spread == 1   ? "angelfish"
                               : spread == 8 ? "species 0 to 7"
                                             : "all fifteen species") +
                   (indexed ? ", indexed" : ", band by band"));
    COffscreenContext context(16, 16); // the draw routine's matrix calls need a context
    CFloorAndLight floor;
    floor.Setup(
        180, 50, 1, [](int, const char*) { return 0u; }, [](const std::string&, const std::string&) {});
    auto store = std::make_unique<CFishStore>();
    store->PlaceAll(floor, TankBounds::Aquarium());
    CDiscardingSink bandSink;
    CIndexedDiscardingSink indexedSink;
    CVertexSink& sink = indexed ? static_cast<CVertexSink&>(indexedSink) : bandSink;
    for (auto _ : state) {
        for (int i = 0; i < 50; ++i)
            store->At(i % spread, i / spread).Draw(sink);
    }
    benchmark::DoNotOptimize(bandSink.checksum);
    benchmark::DoNotOptimize(indexedSink.checksum);
}
BENCHMARK(FiftyFishWithoutRasterising)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// The fish pass alone at 1920 x 1080: fifty fish of all fifteen species moved, animated and drawn,
// lit, untextured, under the tank's projection and camera, in immediate mode (argument 0) or through
// client arrays (1), and waited for (glFinish).
void FiftyMixedFishDrawn(benchmark::State& state)
{
    const bool arrays = state.range(0) != 0;
    state.SetLabel(arrays ? "arrays" : "immediate");
    COffscreenContext context(1920, 1080);
    if (!context.IsOK()) {
        state.SkipWithError("no offscreen context");
        return;
    }
    CFloorAndLight floor;
    floor.Setup(
        180, 50, 1, [](int, const char*) { return 0u; }, [](const std::string&, const std::string&) {});
    auto store = std::make_unique<CFishStore>();
    store->PlaceAll(floor, TankBounds::Aquarium());
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT1);
    glEnable(GL_COLOR_MATERIAL);
    glMatrixMode(GL_PROJECTION);
    glFrustum(-0.4 * 1920.0 / 1080.0, 0.4 * 1920.0 / 1080.0, -0.4, 0.4, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    gluLookAt(0.0, 0.0, -10.0, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
    CGlVertexSink glSink;
    CGlArraySink arraySink;
    CVertexSink& sink = arrays ? static_cast<CVertexSink&>(arraySink) : glSink;
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (arrays)
            arraySink.Begin();
        for (int i = 0; i < 50; ++i) {
            CFish& fish = store->At(i % kSpeciesTotal, i / kSpeciesTotal);
            glPushMatrix();
            glTranslatef(fish.position.x, fish.position.y, fish.position.z);
            fish.Draw(sink);
            glPopMatrix();
        }
        if (arrays)
            arraySink.End();
        glFinish();
    }
}
BENCHMARK(FiftyMixedFishDrawn)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// A frame at 1920 x 1080 with fifty fish spread over all fifteen species (four of each of the
// first five, three of the rest): the tank with nothing else in it (first argument 0) or with
// floor, plants, glow, rays and bubbles (1); the fish in immediate mode (second argument 0) or
// through client arrays (1).
void FiftyMixedFishFrame(benchmark::State& state)
{
    const bool everything = state.range(0) != 0;
    const bool arrays = state.range(1) != 0;
    state.SetLabel(std::string(everything ? "whole tank" : "fish only") + (arrays ? ", arrays" : ", immediate"));
    COffscreenContext context(1920, 1080);
    if (!context.IsOK()) {
        state.SkipWithError("no offscreen context");
        return;
    }
    auto scene = std::make_unique<CAquariumScene>();
    scene->Initialise(1920, 1080);
    FrameLevers levers;
    levers.fishArrays = arrays;
    scene->SetLevers(levers);
    AquariumSettings& settings = scene->Settings();
    settings.showWater = settings.showLight = settings.showTerra = everything ? 1 : 0;
    settings.bubbleSetting = everything ? 0 : 200;
    settings.fogSetting = 100;
    for (int species = 0; species < kSpeciesTotal; ++species)
        settings.fishCount[species] = 50 / kSpeciesTotal + (species < 50 % kSpeciesTotal ? 1 : 0);
    scene->SetMouse(960, 540);
    for (int frame = 0; frame < 20; ++frame) // let the rasteriser compile what this scene needs
        scene->Tick();
    for (auto _ : state)
        scene->Tick();
}
BENCHMARK(FiftyMixedFishFrame)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();
} // namespace
