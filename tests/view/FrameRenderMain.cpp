// FrameRenderMain.cpp -- kelpora_frame_render: one equivalence scene's last frame, in a process of its own.
//
//     kelpora_frame_render <scene index> <out file>
//
// Runs the scene from a fresh start (its own settings file in a private folder, the random
// sequence reset) for kEquivalenceFrames frames with the levers KELPORA_FRAME chooses, and writes
// the last frame as RGB bytes, top row first. A process per frame, so that nothing one path leaves
// behind (GL state, statics, the random sequence) can reach the other.
#include "platform/OffscreenContext.h"
#include "platform/Random.h"
#include "platform/ScratchFolder.h"
#include "platform/SettingsPath.h"
#include "ui/SettingsFile.h"
#include "view/AquariumScene.h"
#include "view/EquivalenceScenes.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

int main(int argc, char** argv)
{
    const int index = argc == 3 ? std::atoi(argv[1]) : -1;
    if (index < 0 || index >= static_cast<int>(std::size(kEquivalenceScenes))) {
        std::fprintf(stderr, "usage: kelpora_frame_render <scene 0..%zu> <out file>\n",
                     std::size(kEquivalenceScenes) - 1);
        return 2;
    }
    const EquivalenceScene& chosen = kEquivalenceScenes[index];
    CScratchFolder configHome;
    CBorrowedVariable configVariable("XDG_CONFIG_HOME", configHome.path.c_str());
    CBorrowedVariable audio("SDL_AUDIODRIVER", "dummy");
    AquariumSettings record;
    CSettingsFile file(SettingsPath());
    const AquariumSettings values = EquivalenceSettings(chosen);
    if (!file.SaveAll(record, values) || !file.SaveFishCounts(record, values.fishCount)) {
        std::fprintf(stderr, "kelpora_frame_render: cannot write the settings\n");
        return 1;
    }

    COffscreenContext context(kEquivalenceWidth, kEquivalenceHeight);
    if (!context.IsOK()) {
        std::fprintf(stderr, "kelpora_frame_render: no offscreen context\n");
        return 1;
    }
    ResetRand15();
    std::vector<uint8_t> rgb;
    {
        CAquariumScene scene;
        scene.Initialise(kEquivalenceWidth, kEquivalenceHeight);
        scene.Resize(kEquivalenceWidth, kEquivalenceHeight);
        if (scene.HelpVisible() != (index == 0)) // the help text only in the first scene
            scene.ToggleHelp();
        if (chosen.mouseX >= 0)
            scene.SetMouse(chosen.mouseX, kEquivalenceHeight / 2);
        for (int frame = 0; frame < kEquivalenceFrames; ++frame)
            scene.Tick();
        for (int y = 0; y < kEquivalenceHeight; ++y) {
            for (int x = 0; x < kEquivalenceWidth; ++x) {
                const uint32_t c = context.PixelAt(x, y);
                rgb.push_back(c & 0xFF);
                rgb.push_back((c >> 8) & 0xFF);
                rgb.push_back((c >> 16) & 0xFF);
            }
        }
    }
    FILE* out = std::fopen(argv[2], "wb");
    if (out == nullptr || std::fwrite(rgb.data(), 1, rgb.size(), out) != rgb.size() || std::fclose(out) != 0) {
        std::fprintf(stderr, "kelpora_frame_render: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
