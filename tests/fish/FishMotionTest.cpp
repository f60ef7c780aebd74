// Tests of fish steering and motion: speed easing, turns, pitch, the walls and the head point.
#include "fish/Fish.h"
#include "fish/FishTestSupport.h"
#include "fish/SpeciesCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
CFish MakeFish(int species)
{
    CFish fish = MakeTestFish(species);
    fish.position = {0.0f, 0.0f, -75.5f};
    return fish;
}
} // namespace

TEST(FishMotion, EaseSpeedFromBelowNeverOvershootsAndFromAboveMayUndershoot)
{
    CFish fish = MakeFish(kAngelfish);
    fish.speed = 0.142f;
    fish.EaseSpeed(0.01f, 0.15f);
    EXPECT_FLOAT_EQ(fish.speed, 0.142f); // 0.152 would pass the target: undone
    fish.speed = 0.16f;
    fish.EaseSpeed(0.01f, 0.15f);
    EXPECT_FLOAT_EQ(fish.speed, 0.15f);
    fish.speed = 0.25f;
    fish.EaseSpeed(0.2f, 0.5f);
    EXPECT_FLOAT_EQ(fish.speed, 0.3f); // held at the top of the range
    fish.speed = 0.12f;
    fish.EaseSpeed(0.1f, 0.0f);
    EXPECT_FLOAT_EQ(fish.speed, 0.1f); // and at its bottom

    CFish shrimp = MakeFish(kShrimp);
    shrimp.speed = 0.2f;
    shrimp.EaseSpeed(0.2f, 0.5f);
    EXPECT_FLOAT_EQ(shrimp.speed, 0.2f);
}

TEST(FishMotion, TurnModesChangeTheTargetHeading)
{
    CFish fish = MakeFish(kPinkDiscus);
    for (int i = 0; i < 200; ++i) { // random wheel: down from above 180, up otherwise, by 0..169
        fish.heading = fish.targetHeading = 200.0f;
        fish.Turn(0.0f, false, 0);
        EXPECT_LE(fish.targetHeading, 200.0f);
        EXPECT_GT(fish.targetHeading, 200.0f - 170.0f);
        fish.heading = fish.targetHeading = 180.0f;
        fish.Turn(0.0f, false, 0);
        EXPECT_GE(fish.targetHeading, 180.0f);
        EXPECT_LT(fish.targetHeading, 350.0f);
    }
    fish.heading = fish.targetHeading = 180.0f;
    fish.Turn(0.0f, false, 1);
    EXPECT_FLOAT_EQ(fish.targetHeading, 360.0f);
    fish.heading = fish.targetHeading = 181.0f;
    fish.Turn(0.0f, false, 1);
    EXPECT_FLOAT_EQ(fish.targetHeading, 1.0f);

    // Mode 7 steps by the whole part of the angle, signed by the flag against the x direction.
    fish.heading = fish.targetHeading = 100.0f;
    fish.towardNegX = false;
    fish.Turn(-12.9f, true, 7);
    EXPECT_FLOAT_EQ(fish.targetHeading, 112.0f);
    fish.heading = fish.targetHeading;
    fish.Turn(12.9f, false, 7);
    EXPECT_FLOAT_EQ(fish.targetHeading, 100.0f);

    // Mode 4 is a quarter turn in the cruising depths only; z = -75 exactly is outside.
    fish.heading = fish.targetHeading = 200.0f;
    fish.Turn(0.0f, false, 4);
    EXPECT_FLOAT_EQ(fish.targetHeading, 110.0f);
    fish.heading = fish.targetHeading = -200.0f;
    fish.Turn(0.0f, false, 4);
    EXPECT_FLOAT_EQ(fish.targetHeading, -110.0f);
    fish.position.z = -75.0f;
    fish.heading = fish.targetHeading = 50.0f;
    fish.Turn(0.0f, false, 4);
    EXPECT_FLOAT_EQ(fish.targetHeading, 50.0f);
}

TEST(FishMotion, TurnInProgressDropsEveryFurtherTurn)
{
    CFish fish = MakeFish(kGoldfish);
    fish.heading = fish.targetHeading = 10.0f;
    fish.Turn(0.0f, false, 1);
    EXPECT_FLOAT_EQ(fish.targetHeading, 190.0f);
    fish.Turn(0.0f, false, 1); // heading still 10: the second request is dropped
    EXPECT_FLOAT_EQ(fish.targetHeading, 190.0f);
    fish.heading = 189.95f; // within 0.1: no turn in progress any more
    fish.Turn(0.0f, false, 1);
    EXPECT_FLOAT_EQ(fish.targetHeading, 10.0f);
}

TEST(FishMotion, AngelfishWrapsPastThreeSixtyWhereOthersAreHeld)
{
    CFish angel = MakeFish(kAngelfish);
    angel.heading = angel.targetHeading = 355.0f;
    angel.towardNegX = true;
    angel.Turn(10.0f, false, 7); // flag differs from towardNegX: adds
    EXPECT_FLOAT_EQ(angel.targetHeading, -360.0f);

    CFish discus = MakeFish(kPinkDiscus);
    discus.heading = discus.targetHeading = 355.0f;
    discus.towardNegX = true;
    discus.Turn(10.0f, false, 7);
    EXPECT_FLOAT_EQ(discus.targetHeading, 360.0f);
    discus.heading = discus.targetHeading = -355.0f;
    discus.Turn(10.0f, true, 7);
    EXPECT_FLOAT_EQ(discus.targetHeading, -360.0f);
}

TEST(FishMotion, TurnPitchStaysWithinFortyFive)
{
    CFish fish = MakeFish(kWrasse);
    fish.targetPitch = 45.0f;
    fish.TurnPitch(50.0f, true, 7); // 95 is beyond 90: nothing changes
    EXPECT_FLOAT_EQ(fish.targetPitch, 45.0f);
    fish.targetPitch = 30.0f;
    fish.TurnPitch(50.0f, true, 7);
    EXPECT_FLOAT_EQ(fish.targetPitch, 45.0f); // 80, lowered by the bound
    fish.targetPitch = 10.0f;
    fish.TurnPitch(20.0f, false, 7);
    EXPECT_FLOAT_EQ(fish.targetPitch, -10.0f);
    fish.TurnPitch(0.0f, false, 3);
    EXPECT_FLOAT_EQ(fish.targetPitch, 10.0f);
    for (int i = 0; i < 100; ++i) {
        fish.TurnPitch(0.0f, false, 0);
        EXPECT_LE(std::fabs(fish.targetPitch), 45.0f);
    }
}

TEST(FishMotion, MoveGuardsTheHeadingAndSetsTheDirectionFlags)
{
    CFish fish = MakeFish(kGuppy);
    fish.heading = 400.0f;
    fish.targetHeading = 180.0f;
    fish.Move();
    EXPECT_FLOAT_EQ(fish.heading, 180.0f);
    EXPECT_TRUE(fish.towardPosX);
    EXPECT_TRUE(fish.towardPosZ); // 180 lies in [0, 180]

    fish.heading = fish.targetHeading = -300.0f;
    fish.Move();
    EXPECT_TRUE(fish.towardNegX); // [-360, -270]
    EXPECT_TRUE(fish.towardPosZ); // [-360, -180]

    // Heading 90 swims toward the viewer (+z) at `speed`, pitch from the target.
    fish.position = {0.0f, 0.0f, -80.0f};
    fish.heading = fish.targetHeading = 90.0f;
    fish.targetPitch = 30.0f;
    fish.speed = 0.2f;
    fish.Move();
    EXPECT_NEAR(fish.position.z, -79.8f, 1e-5);
    EXPECT_NEAR(fish.position.y, 0.1f, 1e-5);
    EXPECT_NEAR(fish.position.x, 0.0f, 1e-5);
}

TEST(FishMotion, SideWallStallsTheFishWhileItWheelsAbout)
{
    CFish fish = MakeFish(kClownfish);
    fish.position = {-91.0f, 0.0f, -80.0f};
    fish.heading = fish.targetHeading = 0.0f; // heading toward -x
    fish.speed = 0.2f;
    fish.Move();
    EXPECT_EQ(fish.wallHit, 1);
    EXPECT_FLOAT_EQ(fish.position.x, -88.0f); // set back inside
    EXPECT_FLOAT_EQ(fish.targetHeading, 180.0f);

    const Vector3 before = fish.position;
    fish.heading = 20.0f; // still 160 degrees to go
    fish.Move();
    EXPECT_EQ(fish.wallHit, 1);
    EXPECT_FLOAT_EQ(fish.position.x, before.x);
    EXPECT_FLOAT_EQ(fish.position.z, before.z);

    fish.heading = 170.0f; // nearly round, heading away from the wall (+x)
    fish.Move();
    EXPECT_GT(fish.position.x, before.x);
}

TEST(FishMotion, FloorDwellersAreKeptOutOfTheFrontBand)
{
    CFish crab = MakeFish(kCrab);
    crab.Spawn(-90.0f, 90.0f, 10.0f, -22.0f, -50.0f, -10.0f);
    EXPECT_FLOAT_EQ(crab.swimZFar, -50.0f);
    EXPECT_FLOAT_EQ(crab.swimZNear, -10.0f);
    crab.position = {0.0f, -10.0f, -15.0f};
    crab.heading = crab.targetHeading = 270.0f; // toward -z
    crab.Move();
    EXPECT_FLOAT_EQ(crab.position.z, -9.0f);

    int carried = 0;
    for (int i = 0; i < 500; ++i) {
        crab.position = {-91.0f, -10.0f, -30.0f};
        crab.heading = crab.targetHeading = 0.0f;
        crab.wallHit = 0;
        crab.Move();
        if (crab.position.x == crab.swimXMax)
            ++carried;
    }
    EXPECT_GT(carried, 60); // about one in five
    EXPECT_LT(carried, 140);
}

TEST(FishMotion, HeadPointLiesAheadAlongTheTarget)
{
    CFish fish = MakeFish(kGoldfish);
    fish.size = 5.0f;
    fish.position = {10.0f, 0.0f, -80.0f};
    fish.heading = fish.targetHeading = 0.0f;
    fish.targetPitch = 0.0f;
    fish.speed = 0.0f;
    fish.Move();
    fish.UpdateBodyBox();
    EXPECT_FLOAT_EQ(fish.headPoint.x, 10.0f - 2.5f); // half of size x bodyLength
    EXPECT_FLOAT_EQ(fish.headPoint.z, -80.0f);
}

TEST(FishMotion, InCruiseBandExcludesItsMiddle)
{
    CFish fish = MakeFish(kAngelfish);
    for (float z : {-89.9f, -76.0f, -74.0f, -60.1f}) {
        fish.position.z = z;
        EXPECT_TRUE(fish.InCruiseBand()) << z;
    }
    for (float z : {-90.0f, -75.0f, -60.0f, -30.0f}) {
        fish.position.z = z;
        EXPECT_FALSE(fish.InCruiseBand()) << z;
    }
}
