// Offscreen tests of the bubble column: how many take part, rebirth, the long run, the blend, the scene.
#include "environment/BubbleSystem.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/Random.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cmath>
#include <sys/stat.h>
#include <vector>

namespace {
class Bubbles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        ResetRand15();
        ASSERT_TRUE(bubbles.Init(kBubbleCount));
        // Looking straight at the source: x and y -4..4 tank units fill the 64 x 64 frame.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-4.0, 4.0, -4.0, 4.0, -10.0, 10.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    std::vector<Particle> Snapshot() const
    {
        std::vector<Particle> all;
        for (int i = 0; i < bubbles.ParticleCount(); ++i)
            all.push_back(bubbles.ParticleAt(i));
        return all;
    }

    static bool Same(const Particle& a, const Particle& b)
    {
        return a.position[0] == b.position[0] && a.position[1] == b.position[1] && a.position[2] == b.position[2] &&
               a.velocity[1] == b.velocity[1] && a.life == b.life;
    }

    int LitPixels() const
    {
        glFinish();
        int lit = 0;
        for (int y = 0; y < context.Height(); ++y)
            for (int x = 0; x < context.Width(); ++x)
                lit += (context.PixelAt(x, y) & 0xFFFFFF) != 0;
        return lit;
    }

    COffscreenContext context{64, 64};
    // No picture: the squares come out in the plain current colour, which the pixel checks want.
    CBubbleSystem bubbles{[](int, const char*) { return 0u; }};
};
} // namespace

TEST_F(Bubbles, TheSettingDecidesHowManyTakePartAndTheRestWaitWhereTheyStopped)
{
    const std::vector<Particle> start = Snapshot();
    for (int frame = 0; frame < 10; ++frame)
        bubbles.Draw(0); // bubble setting 200
    EXPECT_EQ(LitPixels(), 0);
    for (int i = 0; i < kBubbleCount; ++i)
        ASSERT_TRUE(Same(bubbles.ParticleAt(i), start[i])) << i;

    bubbles.Draw(50);
    EXPECT_GT(LitPixels(), 0);
    const std::vector<Particle> afterFifty = Snapshot();
    for (int i = 0; i < kBubbleCount; ++i)
        EXPECT_EQ(Same(afterFifty[i], start[i]), i >= 50) << i;

    // Raised again, the held-back bubbles move on from exactly where they were.
    bubbles.Draw(kBubbleCount);
    for (int i = 50; i < kBubbleCount; ++i) {
        const Particle& p = bubbles.ParticleAt(i);
        EXPECT_FLOAT_EQ(p.position[1], start[i].position[1] + start[i].velocity[1]) << i;
        EXPECT_FLOAT_EQ(p.life, start[i].life - start[i].decay) << i;
    }

    // A hand-edited bubble setting below 0 or above 200 draws at most all of them, at least none.
    bubbles.Draw(kBubbleCount + 50);
    EXPECT_EQ(bubbles.DrawCount(), kBubbleCount);
    bubbles.Draw(-100);
    EXPECT_EQ(bubbles.DrawCount(), 0);
}

TEST_F(Bubbles, ABubbleIsRebornWhenItsLifeReachesExactlyZeroOrItLeavesTheWater)
{
    bubbles.SetCeiling(50.0f);
    Particle& spent = bubbles.ParticleAt(0);
    spent.position[1] = 10.0f;
    spent.life = 1.0f;
    spent.decay = 1.0f;
    const float size = spent.halfSize;
    Particle& alive = bubbles.ParticleAt(1);
    alive.position[1] = 10.0f;
    alive.life = 2.0f;
    alive.decay = 1.0f;
    Particle& surfacing = bubbles.ParticleAt(2);
    surfacing.position[1] = 49.9f;
    surfacing.velocity[1] = 0.2f;
    surfacing.decay = 0.0f; // would never run out of life

    bubbles.Draw(3);
    EXPECT_EQ(bubbles.ParticleAt(0).life, 200.0f);
    EXPECT_LT(bubbles.ParticleAt(0).position[1], -0.9f);
    EXPECT_EQ(bubbles.ParticleAt(0).halfSize, size); // the size survives rebirth
    EXPECT_EQ(bubbles.ParticleAt(1).life, 1.0f);
    EXPECT_GT(bubbles.ParticleAt(1).position[1], 10.0f);
    EXPECT_LT(bubbles.ParticleAt(2).position[1], -0.9f);
    EXPECT_EQ(bubbles.ParticleAt(2).life, 200.0f);
}

TEST_F(Bubbles, DrawingAddsOntoTheFrameAndPutsTheUsualBlendBack)
{
    glClearColor(0.2f, 0.2f, 0.2f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ZERO);
    glColor4f(0.4f, 0.4f, 0.4f, 1.0f);
    Particle& p = bubbles.ParticleAt(0);
    p.position[0] = p.position[1] = p.position[2] = 0.0f;
    p.halfSize = 2.0f; // whatever the jitter, it covers the middle of the frame
    bubbles.Draw(1);
    glFinish();
    EXPECT_NEAR(static_cast<int>(context.PixelAt(32, 32) & 0xFF), 153, 2); // 0.2 + 0.4: added, not laid over

    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);
}

// The start-up spreads the column with 200 frames that move the bubbles as drawn frames would,
// taking the same random values, without drawing a square.
TEST_F(Bubbles, AdvancingMovesExactlyLikeDrawingButDrawsNothing)
{
    ResetRand15(7);
    ASSERT_TRUE(bubbles.Init(kBubbleCount));
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ZERO);
    for (int frame = 0; frame < 200; ++frame)
        bubbles.Advance(150);
    EXPECT_EQ(LitPixels(), 0);
    GLint destination = 0;
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);

    CBubbleSystem drawn{[](int, const char*) { return 0u; }};
    ResetRand15(7);
    ASSERT_TRUE(drawn.Init(kBubbleCount));
    for (int frame = 0; frame < 200; ++frame)
        drawn.Draw(150);
    EXPECT_GT(LitPixels(), 0);
    for (int i = 0; i < kBubbleCount; ++i) {
        const Particle& a = bubbles.ParticleAt(i);
        const Particle& b = drawn.ParticleAt(i);
        ASSERT_TRUE(Same(a, b) && a.decay == b.decay && a.velocity[0] == b.velocity[0]) << i;
    }
}

// A bubble whose decay is 0 (one rebirth in fifty) would never run out of life; without the
// ceiling it rose out of sight for good, and within minutes the column was empty.
TEST_F(Bubbles, TheColumnStillHasItsBubblesAfterAHundredThousandFrames)
{
    bubbles.SetCeiling(70.0f);
    auto lowerHalf = [this] {
        int n = 0;
        for (int i = 0; i < kBubbleCount; ++i)
            n += bubbles.ParticleAt(i).position[1] < 35.0f;
        return n;
    };
    bubbles.Draw(kBubbleCount); // the count every frame takes
    int early = 0;
    for (int frame = 1; frame < 1200; ++frame) {
        bubbles.Update();
        if (frame >= 200)
            early += lowerHalf();
    }

    constexpr int kFrames = 100000;
    std::vector<float> lastHeight(kBubbleCount);
    std::vector<bool> reborn(kBubbleCount, false);
    int late = 0;
    for (int frame = 1200; frame < kFrames; ++frame) {
        bubbles.Update();
        if (frame >= kFrames - 1000) {
            late += lowerHalf();
            for (int i = 0; i < kBubbleCount; ++i) {
                const float y = bubbles.ParticleAt(i).position[1];
                if (frame > kFrames - 1000 && y < lastHeight[i])
                    reborn[i] = true;
                lastHeight[i] = y;
            }
        }
    }
    for (int i = 0; i < kBubbleCount; ++i) {
        const Particle& p = bubbles.ParticleAt(i);
        EXPECT_TRUE(std::isfinite(p.position[0]) && std::isfinite(p.position[2]) && std::isfinite(p.life)) << i;
        EXPECT_LE(p.position[1], 70.0f) << i;
        EXPECT_TRUE(reborn[i]) << "bubble " << i << " was not reborn in the last 1000 frames";
    }
    // As many bubbles in the lower half of the column, averaged over 1000 frames, as early on.
    EXPECT_GT(late, early * 8 / 10);
}

namespace {
class SceneBubbles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        // The user's file withholds 150 of the 200 bubbles.
        const std::string folder = configHome.path + "/kelpora";
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
        WriteWholeFile(folder + "/KelporaSet.ini", "[Aquarium Settings]\nQIPAONUM=150\nFOGNONGDU=100\n");
        scene.Initialise(context.Width(), context.Height());
        scene.SetMouse(context.Width() / 2, context.Height() / 2); // no drift of the camera
    }

    std::vector<uint32_t> Frame() const
    {
        std::vector<uint32_t> pixels;
        for (int y = 0; y < context.Height(); ++y)
            for (int x = 0; x < context.Width(); ++x)
                pixels.push_back(context.PixelAt(x, y) & 0xFFFFFF);
        return pixels;
    }

    COffscreenContext context{320, 180};
    CScratchFolder configHome;
    CBorrowedVariable configVariable{"XDG_CONFIG_HOME", configHome.path.c_str()};
    CAquariumScene scene;
};
} // namespace

TEST_F(SceneBubbles, TheColumnStartsAtTheBackOfTheFloorAlreadySpreadOut)
{
    const Vector3& origin = scene.BubbleOrigin();
    EXPECT_FLOAT_EQ(origin.x, -5.0f);
    EXPECT_NEAR(origin.y, -25.4f, 2.0f);
    EXPECT_FLOAT_EQ(origin.z, -90.0f);
    EXPECT_FLOAT_EQ(scene.Bubbles().Ceiling(), 30.0f - (origin.y - 15.0f));
    EXPECT_EQ(scene.Bubbles().DrawCount(), 50);
    EXPECT_NE(scene.Bubbles().Texture(), 0u);

    // The 200 warm-up draws have spread the first fifty up the column; the rest wait at the source.
    int risen = 0;
    for (int i = 0; i < 50; ++i)
        risen += scene.Bubbles().ParticleAt(i).position[1] > 5.0f;
    EXPECT_GT(risen, 15);
    for (int i = 50; i < kBubbleCount; ++i)
        ASSERT_LT(scene.Bubbles().ParticleAt(i).position[1], -0.9f) << i;

    // Every picture and the recording were unpacked, used and deleted again.
    EXPECT_TRUE(FolderEntries(scene.TempDirectory()).empty());
}

TEST_F(SceneBubbles, AllTwoHundredShowWithSettingZeroAndNoneWithTwoHundred)
{
    AquariumSettings& s = scene.Settings();
    s.showTerra = 1;
    s.background = 0;
    s.bubbleSetting = kBubbleCount;
    scene.RenderFrame();
    const std::vector<uint32_t> without = Frame();
    EXPECT_EQ(scene.Bubbles().DrawCount(), 0);

    s.bubbleSetting = 0;
    for (int frame = 0; frame < 100; ++frame)
        scene.RenderFrame();
    EXPECT_EQ(scene.Bubbles().DrawCount(), kBubbleCount);
    const std::vector<uint32_t> with = Frame();
    int changed = 0;
    for (size_t i = 0; i < with.size(); ++i)
        changed += with[i] != without[i];
    EXPECT_GT(changed, 200);

    // A hand-edited file may hold any number; it is taken at the nearer end of 0..200.
    s.bubbleSetting = INT32_MIN;
    scene.RenderFrame();
    EXPECT_EQ(scene.Bubbles().DrawCount(), kBubbleCount);
    s.bubbleSetting = INT32_MAX;
    scene.RenderFrame();
    EXPECT_EQ(scene.Bubbles().DrawCount(), 0);
}
