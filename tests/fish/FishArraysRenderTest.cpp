// Render tests of the client-array fish path against immediate mode: same picture, same state left.
#include "fish/FishTestSupport.h"
#include "fish/GlArraySink.h"
#include "fish/SpeciesCatalogue.h"
#include "platform/GLHeaders.h"
#include "platform/Random.h"
#include "view/SceneFixture.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {
constexpr int kFrames = 12;

// What a run of the tank leaves: its frames, and the GL state after the last one.
struct TankRun
{
    std::vector<std::vector<uint32_t>> frames; // 0xAABBGGRR, top row first
    std::array<float, 4> normal{}, colour{}, texCoord{};
    bool lastSkinBound = false; // the last species' skin stays bound, as the next frame expects
    bool arraysEnabled = true;
};

class FishArrays : public SceneFixture
{
protected:
    // Three fish of every species for kFrames frames, from the same start every time. The fish
    // are the last thing drawn (hide mode, plants variant, no food), so the state after a frame
    // is the state the fish left, but for the lighting that the frame switches off.
    TankRun DrawTank(bool fishArrays)
    {
        ResetRand15();
        CFish::ResetSharedAnimation();
        auto tank = std::make_unique<CAquariumScene>();
        tank->Initialise(context.Width(), context.Height());
        tank->Resize(context.Width(), context.Height());
        FrameLevers levers;
        levers.fishArrays = fishArrays;
        tank->SetLevers(levers);
        tank->SelectMode(CursorMode::Hide);
        tank->SetMouse(context.Width() / 2, context.Height() / 2); // the camera stays put
        AquariumSettings& settings = tank->Settings();
        settings.background = 0;
        for (int s = 0; s < kSpeciesTotal; ++s) {
            settings.fishCount[s] = 3;
            // The first of each spread over the view at the front of the swim box, and one that
            // swims right up to the eye across the near plane, where the rasteriser clips.
            tank->Fish().At(s, 0).position = {-20.0f + 10.0f * static_cast<float>(s % 5),
                                              -8.0f + 8.0f * static_cast<float>(s / 5), -50.0f};
        }
        tank->Fish().At(kSpottedGrouper, 1).position = {0.0f, 1.0f, -10.8f};

        TankRun run;
        for (int f = 0; f < kFrames; ++f) {
            tank->Tick();
            std::vector<uint32_t>& frame = run.frames.emplace_back();
            for (int y = 0; y < context.Height(); ++y)
                for (int x = 0; x < context.Width(); ++x)
                    frame.push_back(context.PixelAt(x, y));
            if (std::getenv("FA_PPM"))
                context.WritePpm(std::string(std::getenv("FA_PPM")) + std::to_string(f) +
                                 (fishArrays ? "arrays.ppm" : "plain.ppm"));
        }
        glGetFloatv(GL_CURRENT_NORMAL, run.normal.data());
        glGetFloatv(GL_CURRENT_COLOR, run.colour.data());
        glGetFloatv(GL_CURRENT_TEXTURE_COORDS, run.texCoord.data());
        GLint texture = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        run.lastSkinBound = texture != 0 && static_cast<uint32_t>(texture) == tank->SpeciesTexture(kSpeciesTotal - 1);
        run.arraysEnabled =
            glIsEnabled(GL_VERTEX_ARRAY) || glIsEnabled(GL_NORMAL_ARRAY) || glIsEnabled(GL_TEXTURE_COORD_ARRAY);
        return run;
    }
};

// One fish at a time filling the view, lit and skinned, drawn by either sink from the same start.
class FishCloseUp : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        // A skin whose every texel differs from its neighbours, so a wrong texture coordinate shows.
        std::vector<uint8_t> texels;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                texels.insert(texels.end(), {static_cast<uint8_t>(x * 73 ^ y * 151), static_cast<uint8_t>(x * 4),
                                             static_cast<uint8_t>(y * 4)});
        glGenTextures(1, &skin);
        glBindTexture(GL_TEXTURE_2D, skin);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 64, 64, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT1);
        const float direction[4] = {0.3f, 0.5f, 1.0f, 0.0f};
        const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        glLightfv(GL_LIGHT1, GL_POSITION, direction);
        glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
        glEnable(GL_COLOR_MATERIAL);
        glColor3f(0.9f, 0.8f, 1.0f);
    }

    // Frames of one fish of `species` turned a little toward the viewer.
    std::vector<std::vector<uint32_t>> Draw(int species, bool arrays)
    {
        CFish fish = MakeTestFish(species);
        CFish::ResetSharedAnimation();
        fish.heading = fish.targetHeading = 25.0f;
        std::vector<std::vector<uint32_t>> frames;
        for (int f = 0; f < 6; ++f) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glOrtho(-2.8, 2.8, -1.575, 1.575, -10.0, 10.0);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            if (arrays) {
                arraySink.Begin();
                fish.Draw(arraySink, skin);
                arraySink.End();
            } else {
                fish.Draw(glSink, skin);
            }
            glFinish();
            std::vector<uint32_t>& frame = frames.emplace_back();
            for (int y = 0; y < context.Height(); ++y)
                for (int x = 0; x < context.Width(); ++x)
                    frame.push_back(context.PixelAt(x, y));
        }
        return frames;
    }

    COffscreenContext context{320, 180};
    GLuint skin = 0;
    CGlVertexSink glSink;
    CGlArraySink arraySink;
};

struct FrameDifference
{
    int pixels = 0;  // pixels with any channel different
    int largest = 0; // the largest difference of one channel, in levels
    double mean = 0; // the mean difference over every channel of every pixel
};

FrameDifference Compare(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    FrameDifference d;
    long total = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        bool differs = false;
        for (int shift = 0; shift < 24; shift += 8) {
            const int delta =
                std::abs(static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF));
            total += delta;
            d.largest = std::max(d.largest, delta);
            differs = differs || delta != 0;
        }
        d.pixels += differs ? 1 : 0;
    }
    d.mean = static_cast<double>(total) / (3.0 * static_cast<double>(a.size()));
    return d;
}
} // namespace

// Twitching eyes, the guppy's capped eyes, the crab's body list and the shrimp's band-by-band
// body all take the array path's special turns; every frame must come out as immediate mode's.
TEST_F(FishArrays, EverySpeciesDrawsTheSamePictureAndLeavesTheSameState)
{
    const TankRun plain = DrawTank(false);
    const TankRun arrays = DrawTank(true);

    // The fish are in the picture and moving: otherwise there would be nothing to compare.
    EXPECT_GT(Compare(plain.frames.front(), plain.frames.back()).pixels, 500);
    for (int f = 0; f < kFrames; ++f) {
        const FrameDifference d = Compare(plain.frames[f], arrays.frames[f]);
        EXPECT_EQ(d.pixels, 0) << "frame " << f << ": largest " << d.largest << ", mean " << d.mean;
        EXPECT_LE(d.largest, 2) << "frame " << f;
        EXPECT_LT(d.mean, 0.5) << "frame " << f;
    }
    EXPECT_EQ(arrays.normal, plain.normal);
    EXPECT_EQ(arrays.colour, plain.colour);
    EXPECT_EQ(arrays.texCoord, plain.texCoord);
    EXPECT_TRUE(plain.lastSkinBound);
    EXPECT_TRUE(arrays.lastSkinBound);
    EXPECT_FALSE(arrays.arraysEnabled);
}

TEST_F(FishCloseUp, EverySpeciesComesOutPixelForPixelAsInImmediateMode)
{
    for (int species = 0; species < kSpeciesTotal; ++species) {
        const auto plain = Draw(species, false);
        const auto arrays = Draw(species, true);
        for (size_t f = 0; f < plain.size(); ++f) {
            const FrameDifference d = Compare(plain[f], arrays[f]);
            EXPECT_EQ(d.pixels, 0) << "species " << species << ", frame " << f << ": largest " << d.largest << ", mean "
                                   << d.mean;
        }
    }
}
