// FrameBench.cpp -- what a frame and the start-up cost, offscreen at 1920 x 1080.
//
// Figures only: the frame time of the tank as it stands, the time from nothing to the first
// finished frame (context, scene set-up, one frame), and within that the cost of unpacking,
// decoding and loading every picture. Run with `make bench`.
#include "environment/PackedResources.h"
#include "environment/ResourceCatalogue.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/TempDirectory.h"
#include "platform/UnpackedFiles.h"
#include "view/AquariumScene.h"

#include <benchmark/benchmark.h>

#include <vector>

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

// The pictures' share of the start-up: every packed picture unpacked, decoded, loaded and its
// files deleted (the backdrop as mipmaps, the rest with the plain loader), and the sound unpacked
// and decoded, as the scene, the floor, the bubbles and the sound do it once each.
void UnpackDecodeAndLoadEveryPicture(benchmark::State& state)
{
    COffscreenContext context(kWidth, kHeight);
    if (!context.IsOK()) {
        state.SkipWithError("no offscreen context");
        return;
    }
    if (CResourceTable::Linked().Count() == 0) {
        state.SkipWithError("this build packed no art");
        return;
    }
    CTempDirectory temp(ReportToStandardError);
    size_t bytes = 0;
    for (auto _ : state) {
        std::vector<GLuint> names;
        for (const PackedResourceEntry& entry : kPackedResourceCatalogue) {
            if (entry.id == kMusicResource) {
                UnpackResource(entry.id, temp.Path(), entry.baseName, ReportToStandardError);
                DeleteUnpackedFiles(temp.Path(), entry.baseName);
                continue;
            }
            uint32_t name = 0;
            const TextureLoaderKind loader =
                entry.id == kBackdropPictureResource ? TextureLoaderKind::Mipmapped : TextureLoaderKind::Plain;
            LoadPackedPicture(temp.Path(), entry.id, entry.baseName, loader, name, ReportToStandardError);
            names.push_back(name);
        }
        glFinish();
        glDeleteTextures(static_cast<GLsizei>(names.size()), names.data());
    }
    for (const PackedResource& resource : CResourceTable::Linked())
        bytes += resource.size;
    state.counters["resources"] = static_cast<double>(CResourceTable::Linked().Count());
    state.counters["packedMiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(UnpackDecodeAndLoadEveryPicture)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
