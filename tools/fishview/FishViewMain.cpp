// FishViewMain.cpp -- kelpora_fishview: a species' mesh parts rendered offscreen from three sides.
//
//   kelpora_fishview [--species N] [--skin fish.bmp] [--light 0..1] [--size S] [--out DIR]
//
// Writes DIR/fishN_<view>_<pose>.png for the side, top and front views, at rest and mid-turn, and
// DIR/fishN_sheet.png with all six (rest above, mid-turn below). The light, the axis swap and the
// camera direction are the tank's, so "side" is what a viewer of the tank sees; the projection is
// orthographic and sized to the fish. Without a skin the fish is drawn untextured in grey.
#include "SkinBitmap.h"

#include "fish/AngelfishMesh.h"
#include "fish/MeshPart.h"
#include "fish/VertexSink.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
constexpr int kImageSize = 480;        // pixels, each view
constexpr float kViewHalfSize = 0.62f; // half the visible square, in mesh units (times the size)
constexpr float kPi = 3.14159265f;

using PoseArrays = std::vector<std::vector<float>>;

// What the viewer needs of a species: its parts, its pose arrays, and a pose caught mid-turn.
struct SpeciesView
{
    const MeshPartSpec* (*parts)(int& count);
    int poseCount;
    const int* poseLengths;
    int headingsPose;
    void (*midTurn)(PoseArrays& pose);
};

// The angelfish mid-stroke: its chains' formulas at one phase, with the mouth open, and the body
// bent from 0 degrees at the head to 40 at the tail root. (In the tank it turns rigidly; the bend
// shows how the parts follow their columns.)
void AngelfishMidTurn(PoseArrays& pose)
{
    constexpr float phase = 1.2f;
    for (int i = 0; i < kAngelPoseLengths[kAngelGapeA]; ++i)
        pose[kAngelGapeA][i] = 0.003f * (kAngelPoseLengths[kAngelGapeA] - i);
    for (int i = 0; i < kAngelPoseLengths[kAngelGapeB]; ++i)
        pose[kAngelGapeB][i] = 0.003f * (kAngelPoseLengths[kAngelGapeB] - i);
    for (int i = 0; i < kAngelBodyColumns; ++i) {
        pose[kAngelHeadings][i] = 40.0f * i / (kAngelBodyColumns - 1);
        pose[kAngelSway][i] = i < 13 ? 0.0f : (i - 13) * 0.02f * std::sin(i * kPi / 16 + phase);
    }
    for (int i = 0; i < 10; ++i)
        pose[kAngelDorsalWave][i] = i * 0.01f * std::sin(i * kPi / 5 + phase);
    for (int i = 0; i < 7; ++i)
        pose[kAngelPectoralBeat][i] = 0.05f * std::sin(i * kPi / 24 + phase);
    for (int i = 0; i < 8; ++i) {
        pose[kAngelVentralBeat][i] = i * 0.01f * std::sin(i * kPi / 20 + phase);
        pose[kAngelAnalBeat][i] = 0.01f * std::sin(i * kPi / 2 + phase);
    }
    for (int i = 0; i < 15; ++i)
        pose[kAngelTailBeat][i] = 0.05f * std::sin(i * kPi / 4 + phase);
}

const SpeciesView kSpecies[] = {
    {AngelfishParts, kAngelPoseCount, kAngelPoseLengths, kAngelHeadings, AngelfishMidTurn},
};
constexpr int kSpeciesModelled = sizeof(kSpecies) / sizeof(kSpecies[0]);

struct Options
{
    int species = 0;
    std::string skin;
    float light = 1.0f; // the tank's light at its default setting
    float size = 5.0f;  // an angelfish's size at spawn
    std::string out = ".";
};

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc)
            return false;
        const char* value = argv[++i];
        if (flag == "--species")
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
    return options.species >= 0 && options.species < kSpeciesModelled && options.size > 0.0f;
}

// The tank's lighting: GL_LIGHT1, white, far to the right, below and in front, fixed to the eye.
void SetUpTankState(float intensity)
{
    const float colour[4] = {intensity, intensity, intensity, 1.0f};
    const float position[4] = {1000.0f, -1000.0f, 1000.0f, 1.0f};
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLightfv(GL_LIGHT1, GL_AMBIENT, colour);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, colour);
    glLightfv(GL_LIGHT1, GL_POSITION, position);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glClearColor(0.04f, 0.09f, 0.22f, 1.0f);
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

void DrawFish(const SpeciesView& species, const PoseArrays& pose, float size)
{
    std::vector<const float*> arrays;
    for (const std::vector<float>& a : pose)
        arrays.push_back(a.data());
    float partMatrix[16];
    SetIdentityMatrix(partMatrix);
    CGlVertexSink sink;
    PartContext context{size, false, pose[species.headingsPose].data(), arrays.data(), partMatrix, &sink};
    int count = 0;
    const MeshPartSpec* parts = species.parts(count);
    glPushMatrix();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f); // as the tank: model z is world up, model y world -z
    for (int i = 0; i < count; ++i)
        DrawMeshPart(parts[i], context);
    glPopMatrix();
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
} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: kelpora_fishview [--species 0..%d] [--skin fish.bmp] [--light 0..1] "
                     "[--size S] [--out DIR]\n",
                     kSpeciesModelled - 1);
        return 2;
    }
    COffscreenContext context(kImageSize, kImageSize);
    if (!context.IsOK()) {
        std::fprintf(stderr, "kelpora_fishview: no offscreen GL context\n");
        return 1;
    }
    SetUpTankState(options.light);
    if (!options.skin.empty() && !LoadSkin(options.skin))
        return 1;
    if (options.skin.empty()) {
        glDisable(GL_TEXTURE_2D);
        glColor4f(0.7f, 0.7f, 0.7f, 1.0f);
    }

    const SpeciesView& species = kSpecies[options.species];
    PoseArrays rest(species.poseCount);
    for (int i = 0; i < species.poseCount; ++i)
        rest[i].assign(species.poseLengths[i], 0.0f);
    PoseArrays turning = rest;
    species.midTurn(turning);

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
            DrawFish(species, poseName == std::string("rest") ? rest : turning, options.size);
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
