// SnapshotMain.cpp -- kelpora_snapshots: the dialog pictures that are rendered from the tank itself.
//
//     kelpora_snapshots <out folder>
//
// Writes three 24-bit BMPs under the base names and at the sizes of the panel art catalogue:
// - the population sheet: each species drawn on its own from its meshes and skin, lit as the tank
//   lights it and seen a little from above and in front, fitted into its 100 x 90 cell below the
//   corner where the dialog writes the count;
// - the two scene previews: the real tank, started from a settings file of its own with every
//   effect on and two fish of each species, run for a few seconds in the plant variant and in the
//   picture variant, and scaled down.
// Everything is drawn large and averaged down, so edges come out smooth. The settings and the
// temporary files live in folders of the tool's own, never the developer's; the sound is not played.
#include "FishPortrait.h"

#include "art/BitmapWriter.h"
#include "art/OutputFile.h"
#include "art/RgbImage.h"
#include "environment/PackedResources.h"
#include "environment/ResourceCatalogue.h"
#include "fish/Fish.h"
#include "fish/SpeciesCatalogue.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/Random.h"
#include "platform/SettingsPath.h"
#include "platform/TempDirectory.h"
#include "ui/PanelArtCatalogue.h"
#include "ui/SettingsFile.h"
#include "view/AquariumScene.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
// A picture with premultiplied alpha, as the GL leaves it over a transparent clear: what a fish
// covers only in part comes out as part colour, part transparency.
struct Layer
{
    int width = 0;
    int height = 0;
    std::vector<float> rgba; // 0..1 each, rows from the top down

    Layer(int width, int height) : width(width), height(height), rgba(static_cast<size_t>(width) * height * 4) {}
    float* At(int x, int y) { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
    const float* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

struct Box
{
    int left, top, right, bottom; // right and bottom exclusive; empty when right <= left
};

Layer ReadBack(const COffscreenContext& context)
{
    glFinish();
    Layer layer(context.Width(), context.Height());
    for (int y = 0; y < layer.height; ++y) {
        for (int x = 0; x < layer.width; ++x) {
            const uint32_t c = context.PixelAt(x, y);
            float* p = layer.At(x, y);
            for (int k = 0; k < 4; ++k)
                p[k] = ((c >> (8 * k)) & 0xFF) / 255.0f;
        }
    }
    return layer;
}

// Averages the source rectangle (fractional, in source pixels) down to width x height: each
// output pixel is the mean of the area it covers, partly covered source pixels by their share.
Layer AreaScale(const Layer& source, double left, double top, double right, double bottom, int width, int height)
{
    Layer out(width, height);
    const double sx = (right - left) / width;
    const double sy = (bottom - top) / height;
    for (int y = 0; y < height; ++y) {
        const double y0 = top + y * sy;
        const double y1 = y0 + sy;
        for (int x = 0; x < width; ++x) {
            const double x0 = left + x * sx;
            const double x1 = x0 + sx;
            double sum[4] = {};
            double weight = 0.0;
            for (int iy = static_cast<int>(std::floor(y0)); iy < static_cast<int>(std::ceil(y1)); ++iy) {
                const double wy = std::min(y1, iy + 1.0) - std::max(y0, static_cast<double>(iy));
                for (int ix = static_cast<int>(std::floor(x0)); ix < static_cast<int>(std::ceil(x1)); ++ix) {
                    const double w = wy * (std::min(x1, ix + 1.0) - std::max(x0, static_cast<double>(ix)));
                    weight += w;
                    if (ix < 0 || iy < 0 || ix >= source.width || iy >= source.height)
                        continue; // outside the source: transparent
                    const float* p = source.At(ix, iy);
                    for (int k = 0; k < 4; ++k)
                        sum[k] += w * p[k];
                }
            }
            float* q = out.At(x, y);
            for (int k = 0; k < 4; ++k)
                q[k] = weight > 0.0 ? static_cast<float>(sum[k] / weight) : 0.0f;
        }
    }
    return out;
}

// The smallest box around every pixel with any coverage.
Box Covered(const Layer& layer)
{
    Box box{layer.width, layer.height, 0, 0};
    for (int y = 0; y < layer.height; ++y) {
        for (int x = 0; x < layer.width; ++x) {
            if (layer.At(x, y)[3] > 0.0f) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
    }
    return box;
}

uint8_t ToByte(float value)
{
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

bool WriteBitmap(const CRgbImage& image, const fs::path& path)
{
    if (WriteWholeFile(path.string(), EncodeBitmap(image)))
        return true;
    std::fprintf(stderr, "kelpora_snapshots: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
}

// ---------------------------------------------------------------------------------------------
// The population sheet

constexpr int kPortraitSide = 720; // pixels drawn for one species before it is fitted to its cell
constexpr float kPortraitHalfSize = 6.0f; // tank units, half the first view; widened until the fish fits
constexpr float kLookDown = 14.0f;  // degrees the sheet looks down on each fish
constexpr float kThreeQuarter = -24.0f; // degrees each fish is turned toward the viewer
constexpr float kCrabLookDown = 38.0f; // the crab is best seen from higher up

// The cell's picture area: clear of the count's 20-pixel square at the top left, with a margin.
constexpr int kFitLeft = 6, kFitTop = 20, kFitRight = kPopulationCellWidth - 6, kFitBottom = kPopulationCellHeight - 4;

// A soft band of water behind each species: lighter at the top, where the count stands.
const float kCellTop[3] = {0.925f, 0.957f, 0.973f};
const float kCellBottom[3] = {0.722f, 0.835f, 0.902f};
const float kSheetBackground[3] = {0.941f, 0.941f, 0.941f};

// The species drawn from the sheet's view, at rest, at its spawn size, with its own skin bound,
// over a transparent clear; widened until nothing touches the edge.
Layer RenderSpecies(int species, const COffscreenContext& context, uint32_t skin)
{
    ResetRand15();
    CFish fish;
    fish.Initialise(species);
    PoseArrays pose;
    ClearPose(pose);
    const bool crab = SpeciesCatalogue(species).drawFrame == DrawFrame::Crab;
    for (float half = kPortraitHalfSize;; half *= 1.5f) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-half, half, -half, half, -20.0 * half, 20.0 * half);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glRotatef(crab ? kCrabLookDown : kLookDown, 1.0f, 0.0f, 0.0f);
        glRotatef(kThreeQuarter, 0.0f, 1.0f, 0.0f);
        glBindTexture(GL_TEXTURE_2D, skin);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        DrawFishPortrait(species, pose, fish.size);
        Layer layer = ReadBack(context);
        const Box box = Covered(layer);
        const bool touches = box.left == 0 || box.top == 0 || box.right == layer.width || box.bottom == layer.height;
        if (!touches || half > 200.0f)
            return layer;
    }
}

// The portrait fitted into the cell's picture area, centred, its proportions kept.
void PlaceInCell(const Layer& portrait, CRgbImage& sheet, int species)
{
    const int cellLeft = kPopulationCellWidth * (species % kPopulationSheetColumns);
    const int cellTop = kPopulationCellHeight * (species / kPopulationSheetColumns);
    const Box box = Covered(portrait);
    if (box.right <= box.left)
        return; // no mesh: the cell keeps its water
    const double areaWidth = kFitRight - kFitLeft;
    const double areaHeight = kFitBottom - kFitTop;
    const double scale = std::min(areaWidth / (box.right - box.left), areaHeight / (box.bottom - box.top));
    // The source rectangle that maps onto the whole area, centred on the fish.
    const double centreX = (box.left + box.right) / 2.0;
    const double centreY = (box.top + box.bottom) / 2.0;
    const double halfWidth = areaWidth / scale / 2.0;
    const double halfHeight = areaHeight / scale / 2.0;
    const Layer fitted = AreaScale(portrait, centreX - halfWidth, centreY - halfHeight, centreX + halfWidth,
                                   centreY + halfHeight, kFitRight - kFitLeft, kFitBottom - kFitTop);
    for (int y = 0; y < fitted.height; ++y) {
        for (int x = 0; x < fitted.width; ++x) {
            const float* p = fitted.At(x, y);
            uint8_t* q = sheet.Pixel(cellLeft + kFitLeft + x, cellTop + kFitTop + y);
            for (int k = 0; k < 3; ++k)
                q[k] = ToByte(p[k] + (q[k] / 255.0f) * (1.0f - p[3])); // premultiplied over the water
        }
    }
}

CRgbImage BlankSheet()
{
    CRgbImage sheet(kPopulationSheetWidth, kPopulationSheetHeight);
    for (int y = 0; y < sheet.Height(); ++y)
        for (int x = 0; x < sheet.Width(); ++x)
            for (int k = 0; k < 3; ++k)
                sheet.Pixel(x, y)[k] = ToByte(kSheetBackground[k]);
    for (int species = 0; species < kSpeciesCount; ++species) {
        const int cellLeft = kPopulationCellWidth * (species % kPopulationSheetColumns);
        const int cellTop = kPopulationCellHeight * (species / kPopulationSheetColumns);
        for (int y = 1; y < kPopulationCellHeight - 1; ++y) {
            const float t = static_cast<float>(y) / (kPopulationCellHeight - 1);
            for (int x = 1; x < kPopulationCellWidth - 1; ++x)
                for (int k = 0; k < 3; ++k)
                    sheet.Pixel(cellLeft + x, cellTop + y)[k] = ToByte(kCellTop[k] + (kCellBottom[k] - kCellTop[k]) * t);
        }
    }
    return sheet;
}

bool WritePopulationSheet(const fs::path& folder)
{
    COffscreenContext context(kPortraitSide, kPortraitSide);
    if (!context.IsOK()) {
        std::fprintf(stderr, "kelpora_snapshots: no offscreen GL context\n");
        return false;
    }
    CTempDirectory temp(ReportToStandardError);
    SetUpTankLight(1.0f);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    CRgbImage sheet = BlankSheet();
    for (int species = 0; species < kSpeciesCount; ++species) {
        uint32_t skin = 0;
        if (!LoadPackedPicture(temp.Path(), kSpeciesResourceBase + species, "fish" + std::to_string(species),
                               TextureLoaderKind::Plain, skin, ReportToStandardError)) {
            std::fprintf(stderr, "kelpora_snapshots: no skin for species %d\n", species);
            return false;
        }
        PlaceInCell(RenderSpecies(species, context, skin), sheet, species);
        glDeleteTextures(1, &skin);
    }
    return WriteBitmap(sheet, folder / "PopulationSheet.bmp");
}

// ---------------------------------------------------------------------------------------------
// The scene previews

// The tank is drawn as on a 16:9 screen, and the preview cut from it as a band a little below the
// middle, where the plants or the picture meet the floor.
constexpr int kTankWidth = 1280;
constexpr int kTankHeight = 720;
constexpr double kBandPlace = 0.7; // of the height left over, above the band
constexpr int kPreviewTicks = 250;  // five seconds of the tank before the picture is taken
constexpr int kPreviewFishEach = 2; // fish of every species

// Every effect on, no backdrop colour modes, clear water, full light, sound off.
AquariumSettings PreviewSettings(int variant)
{
    AquariumSettings values = AquariumSettings::Defaults();
    values.showWater = 1;
    values.showLight = 1;
    values.showTerra = 1;
    values.fogSetting = 100;
    values.lightSetting = 0;
    values.volume = 65535;
    values.background = variant;
    for (int32_t& count : values.fishCount)
        count = kPreviewFishEach;
    return values;
}

bool WritePreview(const fs::path& folder, int variant, int width, const char* baseName)
{
    const std::string path = SettingsPath();
    AquariumSettings record;
    CSettingsFile file(path);
    if (path.empty() || !file.SaveAll(record, PreviewSettings(variant)) ||
        !file.SaveFishCounts(record, PreviewSettings(variant).fishCount)) {
        std::fprintf(stderr, "kelpora_snapshots: cannot write the tank's settings at %s\n", path.c_str());
        return false;
    }
    COffscreenContext context(kTankWidth, kTankHeight);
    if (!context.IsOK()) {
        std::fprintf(stderr, "kelpora_snapshots: no offscreen GL context\n");
        return false;
    }
    Layer frame(0, 0);
    {
        ResetRand15();
        CAquariumScene scene;
        scene.Initialise(kTankWidth, kTankHeight);
        scene.Resize(kTankWidth, kTankHeight);
        scene.SelectMode(CursorMode::Hide);
        if (scene.HelpVisible())
            scene.ToggleHelp();
        for (int tick = 0; tick < kPreviewTicks; ++tick)
            scene.Tick();
        frame = ReadBack(context);
    }
    const double bandHeight = static_cast<double>(kTankWidth) * kPreviewHeight / width;
    const double bandTop = (kTankHeight - bandHeight) * kBandPlace;
    const Layer small = AreaScale(frame, 0, bandTop, kTankWidth, bandTop + bandHeight, width, kPreviewHeight);
    CRgbImage preview(width, kPreviewHeight);
    for (int y = 0; y < kPreviewHeight; ++y)
        for (int x = 0; x < width; ++x)
            for (int k = 0; k < 3; ++k)
                preview.Pixel(x, y)[k] = ToByte(small.At(x, y)[k]);
    return WriteBitmap(preview, folder / (std::string(baseName) + ".bmp"));
}

// A configuration folder of the tool's own, removed again at the end.
class CPrivateConfiguration
{
public:
    CPrivateConfiguration()
    {
        std::string pattern = (fs::temp_directory_path() / "kelpora-snapshots-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            folder = pattern;
        if (!folder.empty())
            setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    ~CPrivateConfiguration()
    {
        std::error_code ignored;
        if (!folder.empty())
            fs::remove_all(folder, ignored);
    }
    bool IsOK() const { return !folder.empty(); }

private:
    std::string folder;
};
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelpora_snapshots <out folder>\n");
        return 2;
    }
    const fs::path folder = argv[1];
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "kelpora_snapshots: cannot create %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1); // a build makes no sound, with or without a device
    CPrivateConfiguration configuration;
    if (!configuration.IsOK()) {
        std::fprintf(stderr, "kelpora_snapshots: cannot make a private configuration folder\n");
        return 1;
    }
    const bool ok = WritePopulationSheet(folder) &&
                    WritePreview(folder, 0, kPlantsPreviewWidth, "PreviewPlants") &&
                    WritePreview(folder, 1, kPicturePreviewWidth, "PreviewPicture");
    return ok ? 0 : 1;
}
