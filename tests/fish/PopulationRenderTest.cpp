// Offscreen tests of the population: placement, spawn limits, live counts, and a long swim.
#include "environment/FloorAndLight.h"
#include "fish/FishStore.h"
#include "fish/VertexSink.h"
#include "platform/OffscreenContext.h"
#include "view/TankBounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

namespace {
class CCountingSink : public CVertexSink
{
public:
    void BeginStrip() override {}
    void Vertex(float x, float y, float z, const MeshVertex&) override
    {
        ++vertices;
        finite = finite && std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
    }
    void EndStrip() override {}
    void Translate(float, float, float) override {}
    long vertices = 0;
    bool finite = true;
};

class Population : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        floor.Setup(
            180, 50, 1, [](int, const char*) { return 0u; }, [](const std::string&, const std::string&) {});
        store->PlaceAll(floor, TankBounds::Aquarium());
    }

    COffscreenContext context{32, 32};
    CFloorAndLight floor;
    std::unique_ptr<CFishStore> store = std::make_unique<CFishStore>();
};
} // namespace

TEST_F(Population, EveryRecordIsPlacedAboveTheFloorWithItsSwimLimits)
{
    for (int s = 0; s < kSpeciesTotal; ++s) {
        for (int i = 0; i < kFishPerSpecies; ++i) {
            const CFish& f = store->At(s, i);
            EXPECT_GE(f.position.x, -90.0f);
            EXPECT_LE(f.position.x, 89.0f);
            EXPECT_EQ(f.position.x, std::floor(f.position.x));
            EXPECT_GT(f.position.y, -15.0f);
            EXPECT_LT(f.position.y, 40.0f);
            EXPECT_FLOAT_EQ(f.swimXMin, -90.0f);
            EXPECT_FLOAT_EQ(f.swimXMax, 90.0f);
            EXPECT_FLOAT_EQ(f.swimYTop, 20.0f);
            EXPECT_FLOAT_EQ(f.swimYBottom, -17.0f);
            if (s >= kSpottedGrouper) {
                EXPECT_FLOAT_EQ(f.swimZFar, -50.0f);
                EXPECT_FLOAT_EQ(f.swimZNear, -10.0f);
            } else {
                EXPECT_FLOAT_EQ(f.swimZFar, -100.0f);
                EXPECT_FLOAT_EQ(f.swimZNear, -50.0f);
            }
            if (s == kPinkDiscus)
                EXPECT_FLOAT_EQ(f.position.z, -50.0f);
            else if (s == kAngelfish || s == kSpottedGrouper) {
                EXPECT_GE(f.position.z, -85.0f);
                EXPECT_LE(f.position.z, -37.0f);
            } else {
                EXPECT_GE(f.position.z, -80.0f);
                EXPECT_LE(f.position.z, -61.0f);
            }
        }
    }
}

TEST_F(Population, StartValuesFollowTheCatalogue)
{
    int smallCrabs = 0;
    for (int i = 0; i < kFishPerSpecies; ++i) {
        EXPECT_FLOAT_EQ(store->At(kAngelfish, i).size, 5.0f);
        EXPECT_FLOAT_EQ(store->At(kAngelfish, i).targetHeading, 0.0f);
        const float clown = store->At(kClownfish, i).size;
        EXPECT_GE(clown, 2.0f);
        EXPECT_LE(clown, 8.0f);
        const float crab = store->At(kCrab, i).size;
        EXPECT_TRUE(crab == 20.0f || crab == 7.0f);
        smallCrabs += crab == 7.0f;
        const float shrimpHeading = store->At(kShrimp, i).targetHeading;
        EXPECT_TRUE(shrimpHeading == 0.0f || shrimpHeading == 180.0f);
        EXPECT_LT(store->At(kGuppy, i).targetPitch, 45.0f);
    }
    EXPECT_LT(smallCrabs, 20);
}

TEST(LiveCounts, AddDeleteRandomizeAndClear)
{
    int32_t counts[kSpeciesTotal] = {};
    AddFish(counts, 3);
    EXPECT_EQ(counts[3], 1);
    AddFish(counts, -1); // nothing selected
    AddFish(counts, 15);
    DeleteFish(counts, 0);
    EXPECT_EQ(counts[0], 0);
    counts[4] = 49;
    AddFish(counts, 5); // the total is 50 already
    EXPECT_EQ(counts[5], 0);
    DeleteFish(counts, 4);
    AddFish(counts, 5);
    EXPECT_EQ(counts[5], 1);
    for (int round = 0; round < 50; ++round) {
        RandomizeCounts(counts);
        for (int32_t count : counts) {
            EXPECT_GE(count, 0);
            EXPECT_LE(count, 3);
        }
    }
    ClearCounts(counts);
    for (int32_t count : counts)
        EXPECT_EQ(count, 0);

    // The settings file may hold any negative count: a delete gives 0 and the total stays below 50.
    counts[0] = INT32_MIN;
    counts[1] = -1;
    AddFish(counts, 2);
    EXPECT_EQ(counts[2], 1);
    DeleteFish(counts, 0);
    EXPECT_EQ(counts[0], 0);
}

// Fifty fish spread over every species swim a long time: nothing becomes NaN, no fish strays far
// from its swim box once its first moves have brought it in, and every fish that is outside at
// the end (past a limit while already steering away, which the walls allow) comes back in.
TEST_F(Population, FiftyFishSwimAHundredThousandFramesAndStayInTheTank)
{
    CCountingSink sink;
    auto liveOf = [](int s) { return s == kAngelfish ? 8 : 3; }; // 50 fish in all
    auto excursion = [](const CFish& f) {
        return std::max({f.swimXMin - f.position.x, f.position.x - f.swimXMax, f.swimYBottom - f.position.y,
                         f.position.y - f.swimYTop, f.swimZFar - f.position.z, f.position.z - f.swimZNear, 0.0f});
    };
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kFrames = 8000; // the sanitizers' pass looks for memory faults; the plain build runs the long run
#else
    constexpr int kFrames = 100000;
#endif
    constexpr int kSettlingFrames = 5000; // some fish start behind or above their box
    float worst = 0.0f;
    for (int frame = 0; frame < kFrames; ++frame) {
        for (int s = 0; s < kSpeciesTotal; ++s) {
            for (int i = 0; i < liveOf(s); ++i) {
                CFish& f = store->At(s, i);
                f.Draw(sink);
                if (frame >= kSettlingFrames)
                    worst = std::max(worst, excursion(f));
            }
        }
    }
    EXPECT_TRUE(sink.finite);
    EXPECT_GT(sink.vertices, 0);
    EXPECT_LT(worst, 25.0f);

    for (int s = 0; s < kSpeciesTotal; ++s) {
        for (int i = 0; i < liveOf(s); ++i) {
            CFish& f = store->At(s, i);
            for (float v : {f.position.x, f.position.y, f.position.z, f.heading, f.targetHeading, f.pitch, f.speed})
                ASSERT_TRUE(std::isfinite(v)) << "species " << s << " fish " << i;
            EXPECT_LE(std::fabs(f.targetHeading), 360.0f);
            EXPECT_LE(std::fabs(f.targetPitch), 45.0f);
            // The crab and the shrimp are set to z = -9 in the front band, a unit before their near limit.
            constexpr float kInside = 1.5f;
            int extra = 0;
            while (excursion(f) > kInside && extra < 5000) {
                f.Draw(sink);
                ++extra;
            }
            EXPECT_LE(excursion(f), kInside) << "species " << s << " fish " << i << " still outside";
        }
    }
}
