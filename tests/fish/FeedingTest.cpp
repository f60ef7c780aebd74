// Tests of food drops' flakes, seeking, eating and growth, without GL.
#include "fish/Feeding.h"
#include "fish/FishTestSupport.h"
#include "fish/SpeciesCatalogue.h"

#include <gtest/gtest.h>

namespace {
// A fish at `p` heading along -x, its head one unit ahead.
CFish FishAt(int species, Vector3 p)
{
    CFish fish = MakeTestFish(species);
    fish.position = p;
    fish.headPoint = {p.x - 1.0f, p.y, p.z};
    fish.heading = fish.targetHeading = fish.targetPitch = 0.0f;
    fish.towardNegX = true;
    fish.towardPosX = false;
    fish.speed = 0.1f;
    return fish;
}

// A fresh, active drop (base (0, 0, -70)) whose flakes were last drawn at p[0], p[1] and p[2].
void Lay(CFoodDrop& drop, const Vector3 (&p)[kPelletsPerDrop])
{
    drop.Reset();
    for (int i = 0; i < kPelletsPerDrop; ++i)
        drop.SetPelletWorld(i, p[i].x, p[i].y, p[i].z + 70.0f);
    drop.SetActive(true);
}
} // namespace

TEST(FoodDrop, ResetDrawsElevenValuesPerFlakeInOrderFirstMinusSecond)
{
    ResetRand15(77);
    int v[3 * 11];
    for (int& draw : v)
        draw = Rand15();
    ResetRand15(77);
    CFoodDrop drop;
    drop.Place(5.0f, 6.0f, -70.0f);
    for (int i = 0; i < kPelletsPerDrop; ++i) {
        const int* d = v + 11 * i;
        const FoodPellet& p = drop.Pellet(i);
        EXPECT_NEAR(p.offset.x, (d[0] - d[1]) * 1.38 / 32767, 1e-6);
        EXPECT_NEAR(p.offset.z, (d[2] - d[3]) * 0.38 / 32767, 1e-6);
        EXPECT_NEAR(p.tumble, (d[4] - d[5]) * 180.0 / 32767, 1e-4);
        EXPECT_NEAR(p.spin, (d[6] - d[7] + d[8] - d[9]) * 180.0 / 32767, 1e-4);
        EXPECT_NEAR(p.sinkSpeed, 0.005 + 0.0005 * (d[10] % 10), 1e-7);
        // The fish see each flake where it will first be drawn, never at the origin meanwhile.
        EXPECT_FLOAT_EQ(drop.PelletWorld(i).x, 5.0f + p.offset.x);
        EXPECT_FLOAT_EQ(drop.PelletWorld(i).y, 6.8f);
    }
}

TEST(Feeding, ClimbStepAndYawErrorForSeveralGeometries)
{
    EXPECT_EQ(ClimbStep(0.0f, 0.0f), 0);
    EXPECT_EQ(ClimbStep(-5.0f, 0.00005f), 270); // on the axes
    EXPECT_EQ(ClimbStep(0.00005f, -3.0f), 180);
    EXPECT_EQ(ClimbStep(1.0f, 2.0f), 26); // atan(1/2) = 26.6 degrees, truncated
    for (const Vector3 f : {Vector3{-1.0f, 2.0f}, Vector3{1.0f, -2.0f}, Vector3{-1.0f, -2.0f}})
        EXPECT_EQ(ClimbStep(f.x, f.y), 64); // the other quadrants fold to 90 - 26

    const Vector3 p{0.0f, 0.0f, 0.0f}, alongX{-1.0f, 0.0f, 0.0f};
    EXPECT_NEAR(YawError(p, alongX, {10.0f, 5.0f, 0.0f}), 0.0f, 1e-4f); // behind is on the same line
    EXPECT_NEAR(YawError(p, alongX, {-10.0f, 0.0f, 10.0f}), 45.0f, 1e-3f);
    EXPECT_NEAR(YawError(p, alongX, {0.0f, 0.0f, 10.0f}), 90.0f, 0.01f);              // straight to the side
    EXPECT_NEAR(YawError(p, {0.0f, 0.0f, 1.0f}, {-10.0f, 0.0f, 0.0f}), 90.0f, 0.01f); // body along z
}

TEST(Feeding, AFishFarAwayInDepthSeeksAndSteersButNeverEats)
{
    CFoodDrop drops[kFoodDropCount];
    const Vector3 flake{0.0f, 0.0f, -70.0f};
    Lay(drops[0], {flake, flake, flake});
    CFish fish = FishAt(kPinkDiscus, {25.0f, 24.0f, -20.0f}); // head 24 to the side in x and y, 50 in z
    SeekFood(fish, 0, drops);
    EXPECT_TRUE(fish.seeking);
    EXPECT_FLOAT_EQ(fish.speed, 0.2f);
    EXPECT_FLOAT_EQ(fish.targetHeading, -63.0f); // the whole yaw toward the flake, atan(50 / 25)
    for (int frame = 0; frame < 10; ++frame) {
        SeekFood(fish, 0, drops);
        EatFood(fish, drops);
    }
    EXPECT_FLOAT_EQ(fish.speed, 0.3f);
    EXPECT_TRUE(drops[0].PelletPresent(0) && drops[0].PelletPresent(1) && drops[0].PelletPresent(2));
}

TEST(Feeding, FishAimAtPelletIndexModThreeOfTheFirstThreeDropsOnly)
{
    CFoodDrop drops[kFoodDropCount];
    // From (10, 0, -70): pellet 0 ahead and above, pellet 1 45 degrees toward +z, pellet 2 toward -z.
    Lay(drops[0], {{3.0f, 4.0f, -70.0f}, {0.0f, 0.0f, -60.0f}, {0.0f, 0.0f, -80.0f}});
    for (int index = 0; index < 6; ++index) {
        CFish fish = FishAt(kGoldfish, {10.0f, 0.0f, -70.0f});
        SeekFood(fish, index, drops);
        EXPECT_FLOAT_EQ(fish.targetHeading, index % 3 == 0 ? 0.0f : index % 3 == 1 ? 45.0f : -45.0f) << index;
        EXPECT_FLOAT_EQ(fish.targetPitch, index % 3 == 0 ? 36.0f : 0.0f) << index; // ClimbStep(3, 4)
    }
    for (int slot : {2, 3}) { // two flakes in reach (3 units in y is not), the first fish to come eats them
        CFoodDrop more[kFoodDropCount];
        CFish fish = FishAt(kAngelfish, {1.0f, 0.0f, -70.0f}), later = FishAt(kGuppy, {1.0f, 0.0f, -70.0f});
        fish.size = 3.0f;
        const Vector3 h = fish.headPoint;
        Lay(more[slot], {h, {h.x + 2.0f, h.y - 2.0f, h.z + 4.0f}, {h.x, h.y + 3.0f, h.z}});
        SeekFood(fish, 0, more);
        EatFood(fish, more);
        EatFood(later, more);
        EXPECT_EQ(fish.seeking, slot == 2);
        EXPECT_EQ(fish.size, slot == 2 ? 7.0f : 3.0f);
        EXPECT_EQ(later.size, 5.0f);
        EXPECT_TRUE(more[slot].PelletPresent(2));
    }
}

TEST(Feeding, GrowthKeepsWholeSizesWholeAndEverySizeWithinThreeToSeven)
{
    // Species, size before, amount (negative: shrink), size after.
    const float cases[][4] = {{kAngelfish, 5, 2, 7}, {kClownfish, 8, 2, 7},    {kCrab, 20, 2, 7},
                              {kMedaka, 2, 2, 4},    {kAngelfish, 4, 0.5f, 4}, {kSpottedGrouper, 4, 0.5f, 4.5f},
                              {kAngelfish, 4, -2, 3}};
    for (const auto& c : cases) {
        CFish fish = MakeTestFish(static_cast<int>(c[0]));
        fish.size = c[1];
        fish.Grow(std::abs(c[2]), c[2] > 0.0f);
        EXPECT_EQ(fish.size, c[3]) << c[0] << " from " << c[1];
    }
}
