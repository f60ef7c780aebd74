// FishViewMain.cpp -- kelpora_fishview: a species' mesh parts rendered offscreen, posed by its own chains.
//
//   kelpora_fishview [--species N] [--skin fish.bmp] [--light 0..1] [--size S] [--out DIR]
//   kelpora_fishview --sheet SKIN_DIR [--sheet-pose rest|turn] [--out FILE.png]
//
// The first form writes DIR/fishN_<view>_<pose>.png for the side, top and front views, at rest and
// mid-turn, and DIR/fishN_sheet.png with all six (rest above, mid-turn below). The mid-turn pose is
// the fish's own: a CFish of the species runs its chains into a turn, and the whole body is turned
// back so that its head points left. The second form renders every species from the side at rest,
// at the size it spawns with and one scale for all (as in the tank), with the skins found in
// SKIN_DIR (fish0.bmp ...), five to a row; a species without a mesh leaves its cell empty. With
// --sheet-pose turn every fish is caught mid-turn instead, posed by its own chains.
// The light, the axis swap and the camera direction are the tank's, so "side" is what a viewer of
// the tank sees; the projection is orthographic.
#include "FishPortrait.h"
#include "SkinBitmap.h"

#include "fish/Fish.h"
#include "fish/SpeciesCatalogue.h"
#include "fish/species/SpeciesMeshes.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/Random.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
constexpr int kImageSize = 480;        // pixels, each view
constexpr float kViewHalfSize = 0.62f; // half the visible square, in mesh units (times the size)
constexpr float kSheetHalfSize = 3.6f; // half a contact-sheet cell, in tank units
constexpr int kSheetCell = 240;        // pixels of a contact-sheet cell
constexpr int kSheetColumns = 5;
constexpr float kTurnSheetTilt = 55.0f; // degrees the mid-turn sheet looks down on the fish

struct Options
{
    int species = 0;
    std::string skin;
    float light = 1.0f; // the tank's light at its default setting
    float size = 5.0f;  // an angelfish's size at spawn
    std::string out = ".";
    std::string sheetSkins;    // the contact sheet, with the skins of this folder
    bool sheetTurning = false; // the contact sheet's fish caught mid-turn instead of at rest
};

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc)
            return false;
        const char* value = argv[++i];
        if (flag == "--sheet")
            options.sheetSkins = value;
        else if (flag == "--sheet-pose")
            options.sheetTurning = std::string(value) == "turn";
        else if (flag == "--species")
            options.species = std::atoi(value);
        else if (flag == "--skin")
            options.skin = value;
        else if (flag == "--light")
            options.light = static_cast<float>(std::atof(value));
        else if (flag == "--size")
            options.size = static_cast<float>(std::atof(value));
        else if (flag == "--out")
            options.out = value;
        else
            return false;
    }
    return options.species >= 0 && options.species < kSpeciesTotal && options.size > 0.0f;
}

bool LoadSkin(const std::string& path)
{
    SkinBitmap bitmap;
    std::string error;
    if (!ReadSkinBitmap(path, bitmap, error)) {
        std::fprintf(stderr, "kelpora_fishview: %s\n", error.c_str());
        return false;
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // Bottom row first, as the tank uploads its pictures.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, bitmap.width, bitmap.height, 0, GL_RGB, GL_UNSIGNED_BYTE, bitmap.rgb.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    return true;
}

struct View
{
    const char* name;
    float angle, ax, ay, az; // turns the world so the camera, looking down -z, sees this side
};

const View kViews[] = {
    {"side", 0.0f, 0.0f, 1.0f, 0.0f},   // the tank viewer's view: head left, back up
    {"top", 90.0f, 1.0f, 0.0f, 0.0f},   // from above: head left, the fish's right side at the top
    {"front", 90.0f, 0.0f, 1.0f, 0.0f}, // head on: the fish's left side on the right
};

bool Run(const std::string& command)
{
    if (std::system(command.c_str()) == 0)
        return true;
    std::fprintf(stderr, "kelpora_fishview: failed: %s\n", command.c_str());
    return false;
}
// Every species from the side at rest, each at its spawn size, one scale for all.
bool WriteContactSheet(const Options& options, COffscreenContext& context)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-kSheetHalfSize, kSheetHalfSize, -kSheetHalfSize, kSheetHalfSize, -50.0, 50.0);
    glMatrixMode(GL_MODELVIEW);
    const std::string out = options.out == "." ? "species.png" : options.out;
    std::string sheet = "convert";
    PoseArrays pose;
    for (int s = 0; s < kSpeciesTotal; ++s) {
        if (s % kSheetColumns == 0)
            sheet += " \\(";
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        ResetRand15();
        CFish fish;
        fish.Initialise(s);
        const std::string skin = options.sheetSkins + "/fish" + std::to_string(s) + ".bmp";
        int count = 0;
        if (SpeciesParts(s, count) != nullptr && LoadSkin(skin)) {
            if (options.sheetTurning) {
                MidTurnPose(s, pose);
                glRotatef(kTurnSheetTilt, 1.0f, 0.0f, 0.0f); // from above the side, where a bend shows
            } else {
                ClearPose(pose);
            }
            DrawFishPortrait(s, pose, fish.size);
        }
        glFinish();
        const std::string cell = out + ".cell" + std::to_string(s);
        if (!context.WritePpm(cell + ".ppm"))
            return false;
        sheet += " '" + cell + ".ppm'";
        if (s % kSheetColumns == kSheetColumns - 1)
            sheet += " +append \\)";
    }
    sheet += " -append -resize " + std::to_string(kSheetColumns * kSheetCell) + "x '" + out + "'";
    const bool ok = Run(sheet);
    for (int s = 0; s < kSpeciesTotal; ++s)
        std::remove((out + ".cell" + std::to_string(s) + ".ppm").c_str());
    if (ok)
        std::printf("%s\n", out.c_str());
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: kelpora_fishview [--species 0..%d] [--skin fish.bmp] [--light 0..1] "
                     "[--size S] [--out DIR]\n       kelpora_fishview --sheet SKIN_DIR [--sheet-pose rest|turn] "
                     "[--out FILE.png]\n",
                     kSpeciesTotal - 1);
        return 2;
    }
    COffscreenContext context(kImageSize, kImageSize);
    if (!context.IsOK()) {
        std::fprintf(stderr, "kelpora_fishview: no offscreen GL context\n");
        return 1;
    }
    SetUpTankLight(options.light);
    glClearColor(0.04f, 0.09f, 0.22f, 1.0f);
    if (!options.skin.empty() && !LoadSkin(options.skin))
        return 1;
    if (options.skin.empty()) {
        glDisable(GL_TEXTURE_2D);
        glColor4f(0.7f, 0.7f, 0.7f, 1.0f);
    }

    if (!options.sheetSkins.empty())
        return WriteContactSheet(options, context) ? 0 : 1;

    PoseArrays rest, turning;
    ClearPose(rest);
    MidTurnPose(options.species, turning);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const float half = kViewHalfSize * options.size;
    glOrtho(-half, half, -half, half, -10.0 * half, 10.0 * half);
    glMatrixMode(GL_MODELVIEW);

    const std::string prefix = options.out + "/fish" + std::to_string(options.species);
    std::string sheet = "convert";
    for (const char* poseName : {"rest", "turn"}) {
        sheet += " \\(";
        for (const View& view : kViews) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glLoadIdentity();
            glRotatef(view.angle, view.ax, view.ay, view.az);
            if (!DrawFishPortrait(options.species, poseName == std::string("rest") ? rest : turning, options.size)) {
                std::fprintf(stderr, "kelpora_fishview: species %d has no mesh yet\n", options.species);
                return 1;
            }
            glFinish();
            const std::string base = prefix + "_" + view.name + "_" + poseName;
            if (!context.WritePpm(base + ".ppm")) {
                std::fprintf(stderr, "kelpora_fishview: cannot write %s.ppm\n", base.c_str());
                return 1;
            }
            if (!Run("convert '" + base + ".ppm' '" + base + ".png'"))
                return 1;
            std::remove((base + ".ppm").c_str());
            sheet += " '" + base + ".png'";
        }
        sheet += " +append \\)";
    }
    if (!Run(sheet + " -append '" + prefix + "_sheet.png'"))
        return 1;
    std::printf("%s_sheet.png\n", prefix.c_str());
    return 0;
}
