// Render tests of the client-array fish path against immediate mode: same picture, same state left.
#include "fish/FishTestSupport.h"
#include "fish/GlArraySink.h"
#include "fish/SpeciesCatalogue.h"
#include "platform/GLHeaders.h"
#include "platform/Random.h"
#include "view/SceneFixture.h"

#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {
using Frame = std::vector<uint32_t>; // 0xAABBGGRR, top row first

Frame Pixels(const COffscreenContext& context)
{
    Frame frame;
    for (int y = 0; y < context.Height(); ++y)
        for (int x = 0; x < context.Width(); ++x)
            frame.push_back(context.PixelAt(x, y));
    return frame;
}

// "" when the frames are equal; else how many pixels differ and by how many levels at most.
std::string Difference(const Frame& a, const Frame& b)
{
    int pixels = 0, largest = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        pixels += (a[i] & 0xFFFFFF) != (b[i] & 0xFFFFFF) ? 1 : 0;
        for (int shift = 0; shift < 24; shift += 8)
            largest = std::max(largest, std::abs(static_cast<int>((a[i] >> shift & 0xFF) - (b[i] >> shift & 0xFF))));
    }
    return pixels == 0 ? "" : std::to_string(pixels) + " pixels differ, by up to " + std::to_string(largest);
}

// What a run of the tank leaves: its frames, and the GL state after the last one.
struct TankRun
{
    std::vector<Frame> frames;
    std::array<float, 4> normal{}, colour{}, texCoord{};
    bool lastSkinBound = false; // the last species' skin stays bound, as the next frame expects
    bool arraysEnabled = true;
};

class FishArrays : public SceneFixture
{
protected:
    // Three fish of every species for 12 frames, from the same start every time. The fish are the
    // last thing drawn (hide mode, plants variant, no food), so the state after a frame is the
    // state the fish left, but for the lighting that the frame switches off.
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
        tank->Settings().background = 0;
        for (int s = 0; s < kSpeciesTotal; ++s) {
            tank->Settings().fishCount[s] = 3;
            // The first of each spread over the view at the front of the swim box.
            tank->Fish().At(s, 0).position = {-20.0f + 10.0f * static_cast<float>(s % 5),
                                              -8.0f + 8.0f * static_cast<float>(s / 5), -50.0f};
        }
        // One that swims right up to the eye, across the near plane, where the rasteriser clips.
        tank->Fish().At(kSpottedGrouper, 1).position = {0.0f, 1.0f, -10.8f};

        TankRun run;
        for (int f = 0; f < 12; ++f) {
            tank->Tick();
            run.frames.push_back(Pixels(context));
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
        // A skin whose neighbouring texels differ, so that a wrong texture coordinate shows.
        std::vector<uint8_t> texels(64 * 64 * 3);
        for (size_t i = 0; i < texels.size(); ++i)
            texels[i] = static_cast<uint8_t>(i * 73 ^ i / 192 * 151);
        glBindTexture(GL_TEXTURE_2D, skin);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 64, 64, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        for (GLenum capability : {GL_TEXTURE_2D, GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT1, GL_COLOR_MATERIAL})
            glEnable(capability);
        const float direction[4] = {0.3f, 0.5f, 1.0f, 0.0f}, white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        glLightfv(GL_LIGHT1, GL_POSITION, direction);
        glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
        glMatrixMode(GL_PROJECTION);
        glOrtho(-2.8, 2.8, -1.575, 1.575, -10.0, 10.0);
        glMatrixMode(GL_MODELVIEW);
    }

    // Six frames of one fish of `species`, turned a little toward the viewer.
    std::vector<Frame> Draw(int species, bool arrays)
    {
        CFish fish = MakeTestFish(species);
        CFish::ResetSharedAnimation();
        fish.heading = fish.targetHeading = 25.0f;
        std::vector<Frame> frames;
        for (int f = 0; f < 6; ++f) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glLoadIdentity();
            if (arrays)
                arraySink.Begin();
            fish.Draw(arrays ? static_cast<CVertexSink&>(arraySink) : glSink, skin);
            if (arrays)
                arraySink.End();
            glFinish();
            frames.push_back(Pixels(context));
        }
        return frames;
    }

    COffscreenContext context{320, 180};
    GLuint skin = 7;
    CGlVertexSink glSink;
    CGlArraySink arraySink;
};
} // namespace

// Twitching eyes, the crab's body list and the shrimp's band-by-band body take the array path's
// special turns; every frame must come out as immediate mode's, to the pixel.
TEST_F(FishArrays, EverySpeciesDrawsTheSamePictureAndLeavesTheSameState)
{
    const TankRun plain = DrawTank(false);
    const TankRun arrays = DrawTank(true);

    // The fish are in the picture and moving: otherwise there would be nothing to compare.
    EXPECT_NE(Difference(plain.frames.front(), plain.frames.back()), "");
    for (size_t f = 0; f < plain.frames.size(); ++f)
        EXPECT_EQ(Difference(plain.frames[f], arrays.frames[f]), "") << "frame " << f;
    EXPECT_EQ(arrays.normal, plain.normal);
    EXPECT_EQ(arrays.colour, plain.colour);
    EXPECT_EQ(arrays.texCoord, plain.texCoord);
    EXPECT_TRUE(plain.lastSkinBound);
    EXPECT_TRUE(arrays.lastSkinBound);
    EXPECT_FALSE(arrays.arraysEnabled);
}

// Close up, where a tank's worth of small fish hides them: the guppy's eye caps, every fin edge.
TEST_F(FishCloseUp, EverySpeciesComesOutPixelForPixelAsInImmediateMode)
{
    for (int species = 0; species < kSpeciesTotal; ++species) {
        const std::vector<Frame> plain = Draw(species, false);
        const std::vector<Frame> arrays = Draw(species, true);
        for (size_t f = 0; f < plain.size(); ++f)
            EXPECT_EQ(Difference(plain[f], arrays[f]), "") << "species " << species << ", frame " << f;
    }
}
