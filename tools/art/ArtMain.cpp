// ArtMain.cpp -- the build-time generator: paints every picture, cursor and dialog picture and composes the sound into
// a folder.
//
// Usage: kelpora_paint_art OUTPUT_DIR. Writes the BMP and WAV files under the base names the
// program's resources use; exits 1 when a file cannot be written.
#include "art/BitmapWriter.h"
#include "art/ComposeMusic.h"
#include "art/OutputFile.h"
#include "art/PaintBackdrop.h"
#include "art/PaintCursors.h"
#include "art/PaintEffects.h"
#include "art/PaintPanels.h"
#include "art/PaintPlants.h"
#include "art/PaintSkins.h"
#include "art/WaveWriter.h"

#include <cairo.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
bool Save(const std::string& folder, const std::string& name, const std::vector<uint8_t>& bytes)
{
    const std::string path = folder + "/" + name;
    if (WriteWholeFile(path, bytes))
        return true;
    std::fprintf(stderr, "kelpora_paint_art: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    ok = Save(folder, "BackGround0.bmp", EncodeBitmap(PaintBackdrop())) && ok;
    ok = Save(folder, "Water.bmp", EncodeBitmap(PaintWaterGlow())) && ok;
    ok = Save(folder, "GuangXian.bmp", EncodeBitmap(PaintLightRays())) && ok;
    ok = Save(folder, "Particle1.bmp", EncodeBitmap(PaintBubble())) && ok;
    const std::vector<SkinRecipe>& skins = SpeciesSkins();
    for (size_t i = 0; i < skins.size(); ++i) {
        const CRgbImage skin = PaintSkin(skins[i], 0xF15400 + i);
        ok = Save(folder, "fish" + std::to_string(i) + ".bmp", EncodeBitmap(skin)) && ok;
    }
    for (const PlantPicture& plant : PaintPlants())
        ok = Save(folder, plant.name + ".bmp", EncodeBitmap(plant.image)) && ok;
    for (const CursorPicture& cursor : PaintCursors())
        ok = Save(folder, cursor.name + ".bmp", EncodeBitmapWithAlpha(cursor.image)) && ok;
    for (const PanelPicture& panel : PaintPanels())
        ok = Save(folder, panel.name + ".bmp", EncodePanelPicture(panel)) && ok;
    ok = Save(folder, "Music.wav", EncodeWave(ComposeMusic(), kMusicChannels, kMusicSampleRate)) && ok;
    // Cairo keeps caches for the life of the process; release them so leak checkers see a clean exit.
    cairo_debug_reset_static_data();
    return ok ? 0 : 1;
}
