// SceneMemoryBench.cpp -- where the tank's resident memory goes, offscreen at 1920 x 1080.
//
// Figures only. The process's resident memory, split the way /proc/self/smaps splits it, after
// each stage of a run: the GL context, the scene's set-up, frames with the help block shown,
// frames with it hidden. "malloc" is what the C heap has handed out and not had back (all
// arenas, large mapped blocks included): the scene's own data and most of the GL's (display
// lists, textures, each frame's binned triangles). The window adds the toolkit, the X image of
// the window and its own depth buffer; this measures what the scene brings. Run with
// ./build-wt/kelpora_memory_bench [frames per stage, default 60].
#include "platform/OffscreenContext.h"
#include "view/AquariumScene.h"

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Resident
{
    long total = 0; // kB, every mapping
    long heap = 0;  // the [heap] mapping
    long anon = 0;  // unnamed mappings: mapped malloc blocks, thread arenas, driver buffers
    long llvm = 0;  // the shader compiler's code
    long other = 0; // every other file-backed or special mapping
};

Resident ReadResident()
{
    Resident r;
    std::ifstream smaps("/proc/self/smaps");
    long* bucket = &r.other;
    for (std::string line; std::getline(smaps, line);) {
        std::istringstream fields(line);
        std::string range, perms, offset, device, inode, name;
        fields >> range >> perms >> offset >> device >> inode;
        if (range.find('-') != std::string::npos && !inode.empty()) { // a mapping's first line
            std::getline(fields >> std::ws, name);
            bucket = name == "[heap]"                    ? &r.heap
                     : name.empty()                      ? &r.anon
                     : name.find("libLLVM") != name.npos ? &r.llvm
                                                         : &r.other;
            continue;
        }
        if (line.rfind("Rss:", 0) == 0) {
            const long kb = std::strtol(line.c_str() + 4, nullptr, 10);
            *bucket += kb;
            r.total += kb;
        }
    }
    return r;
}

void PrintStage(const char* stage)
{
    const Resident r = ReadResident();
    const struct mallinfo2 m = mallinfo2();
    std::printf("%-30s %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f\n", stage, r.total / 1024.0, r.heap / 1024.0,
                r.anon / 1024.0, r.llvm / 1024.0, r.other / 1024.0, (m.uordblks + m.hblkhd) / 1048576.0);
}
} // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    std::printf("Resident memory in MB, offscreen at %d x %d, after each stage (%d frames a stage)\n", kWidth, kHeight,
                frames);
    std::printf("%-30s %8s %8s %8s %8s %8s %8s\n", "stage", "resident", "[heap]", "[anon]", "LLVM", "other", "malloc");
    PrintStage("start");
    COffscreenContext context(kWidth, kHeight);
    if (!context.IsOK()) {
        std::printf("no offscreen context\n");
        return 1;
    }
    PrintStage("GL context");
    CAquariumScene scene;
    scene.Initialise(kWidth, kHeight);
    scene.SetMouse(kWidth / 2, kHeight / 2);
    PrintStage("scene set up");
    for (int i = 0; i < frames; ++i)
        scene.Tick();
    PrintStage("frames, help block shown");
    scene.ToggleHelp();
    for (int i = 0; i < frames; ++i)
        scene.Tick();
    PrintStage("frames, help block hidden");
    return 0;
}
