// Tests of the pose chains: the heading follower, oscillators, the mouth and the gait.
#include "fish/Fish.h"
#include "fish/FishTestSupport.h"
#include "fish/SpeciesCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// Runs the chains `calls` times and returns the last column headings.
const float* Animate(CFish& fish, PoseArrays& pose, int calls = 1)
{
    for (int i = 0; i < calls; ++i)
        fish.Animate(pose);
    return pose.values[fish.Species().headingsPose];
}
} // namespace

TEST(HeadingFollower, HeadStepsEveryThirdCallBySizeOfTheTarget)
{
    PoseArrays pose;
    for (auto [target, step] : {std::pair{4.0f, 1.0f}, {7.0f, 3.0f}, {40.0f, 10.0f}, {-40.0f, 10.0f}}) {
        CFish fish = MakeTestFish(kAngelfish);
        fish.targetHeading = target;
        Animate(fish, pose, 2);
        EXPECT_FLOAT_EQ(fish.heading, 0.0f) << target;
        Animate(fish, pose, 1);
        EXPECT_FLOAT_EQ(fish.heading, target > 0 ? step : -step) << target;
    }
    // The step follows the target's size, not the turn still to go.
    CFish fish = MakeTestFish(kAngelfish);
    fish.heading = 3.0f;
    fish.targetHeading = 4.0f;
    Animate(fish, pose, 3);
    EXPECT_FLOAT_EQ(fish.heading, 4.0f);
}

TEST(HeadingFollower, TinyTargetChangeDoesNotRestartTheTurn)
{
    CFish fish = MakeTestFish(kGoldfish);
    PoseArrays pose;
    fish.targetHeading = 30.0f;
    Animate(fish, pose, 40);
    ASSERT_TRUE(fish.headArrived);
    fish.targetHeading = 30.005f;
    Animate(fish, pose);
    EXPECT_TRUE(fish.headArrived);
    fish.targetHeading = 60.0f;
    Animate(fish, pose);
    EXPECT_FALSE(fish.headArrived);
}

TEST(HeadingFollower, RigidSpeciesTurnWithoutBendingAndFanSpeciesTrailTheirTail)
{
    PoseArrays pose;
    CFish angel = MakeTestFish(kAngelfish);
    angel.targetHeading = 90.0f;
    for (int call = 0; call < 12; ++call) {
        const float* columns = Animate(angel, pose);
        for (int i = 1; i < 16; ++i)
            EXPECT_FLOAT_EQ(columns[i], columns[0]);
    }

    CFish discus = MakeTestFish(kPinkDiscus);
    discus.heading = 30.0f;
    discus.lastTarget = 90.0f;
    discus.targetHeading = 90.0f;
    const float* columns = Animate(discus, pose);
    EXPECT_FLOAT_EQ(discus.heading, 30.0f);
    EXPECT_FLOAT_EQ(columns[0], 30.0f);
    EXPECT_NEAR(columns[13], -30.0f, 1e-4); // 30 - 13 * 60 / 13: the tail trails by the turn to go
}

TEST(HeadingFollower, BounceSnapsHeadAndColumnsToTheTarget)
{
    CFish fish = MakeTestFish(kWrasse);
    PoseArrays pose;
    fish.heading = 10.0f;
    fish.targetHeading = 190.0f;
    fish.wallHit = 1;
    const float* columns = Animate(fish, pose);
    EXPECT_FLOAT_EQ(fish.heading, 190.0f);
    for (int i = 0; i < fish.Species().columns; ++i) {
        EXPECT_FLOAT_EQ(columns[i], 190.0f);
        EXPECT_EQ(fish.columnAngles[i], 190);
    }

    // Off the wall the next calls, before the head step confirms arrival, keep the body at the
    // target instead of flicking it to heading 0.
    fish.wallHit = 0;
    for (int call = 0; call < 3; ++call) {
        columns = Animate(fish, pose);
        for (int i = 0; i < fish.Species().columns; ++i)
            EXPECT_FLOAT_EQ(columns[i], 190.0f) << "call " << call << " column " << i;
    }
}

TEST(HeadingFollower, ColumnsSettleAtTheTargetTruncatedTowardZero)
{
    CFish fish = MakeTestFish(kPinkDiscus);
    PoseArrays pose;
    fish.targetHeading = -5.5f;
    const float* columns = Animate(fish, pose, 200);
    for (int i = 0; i < fish.Species().columns; ++i)
        EXPECT_FLOAT_EQ(columns[i], -5.0f) << i;
}

TEST(PoseChains, OscillatorStepsOnTheCallThatCompletesItsPeriod)
{
    CFish fish = MakeTestFish(kAngelfish);
    PoseArrays pose;
    constexpr int kAnal = 7; // period 3, step pi / 6
    fish.Animate(pose);
    fish.Animate(pose);
    EXPECT_FLOAT_EQ(fish.oscillators[kAnal].phase, 0.0f);
    fish.Animate(pose);
    EXPECT_FLOAT_EQ(fish.oscillators[kAnal].phase, 3.1415925f / 6.0f);
    fish.Animate(pose);
    fish.Animate(pose);
    EXPECT_FLOAT_EQ(fish.oscillators[kAnal].phase, 3.1415925f / 6.0f);

    // The sway stays 0 over the front of the body and moves from column 13 on.
    for (int i = 0; i < 40; ++i)
        fish.Animate(pose);
    const float* sway = pose.values[3];
    for (int i = 0; i <= 13; ++i)
        EXPECT_FLOAT_EQ(sway[i], 0.0f) << i;
}

TEST(PoseChains, ClosedMouthGapesNotAtAllAndAnOpenOneDescends)
{
    CFish fish = MakeTestFish(kAngelfish);
    PoseArrays pose;
    fish.mouthClosed = true;
    fish.mouthTimer = 0;
    fish.Animate(pose);
    for (int i = 0; i < 6; ++i)
        EXPECT_FLOAT_EQ(pose.values[1][i], 0.0f);
    fish.mouthClosed = false;
    fish.mouthTimer = 0;
    fish.Animate(pose);
    EXPECT_FLOAT_EQ(pose.values[0][0], 0.003f * 5);
    EXPECT_FLOAT_EQ(pose.values[1][5], 0.003f * 1);

    // The mouth toggles when the timer before its increment exceeds 15: every 17 calls.
    int toggles = 0;
    bool closed = fish.mouthClosed;
    for (int i = 0; i < 170; ++i) {
        fish.Animate(pose);
        if (fish.mouthClosed != closed)
            ++toggles;
        closed = fish.mouthClosed;
    }
    EXPECT_EQ(toggles, 10);
}

TEST(PoseChains, GaitRetunesStepsButNeverPhases)
{
    CFish fish = MakeTestFish(kAngelfish);
    PoseArrays pose;
    for (int i = 0; i < 30; ++i)
        fish.Animate(pose);
    const float swayPhase = fish.oscillators[3].phase;
    fish.SetGait(0.2f, false);
    EXPECT_FALSE(fish.mouthClosed);
    EXPECT_FLOAT_EQ(fish.oscillators[3].step, 2.0f * (3.1415925f / 6.0f)); // a = 10 x 0.2
    EXPECT_FLOAT_EQ(fish.oscillators[5].step, 2.0f * (3.1415925f / 16.0f));
    EXPECT_FLOAT_EQ(fish.oscillators[7].step, 3.1415925f / 6.0f); // the anal beat has no gait
    EXPECT_FLOAT_EQ(fish.oscillators[3].phase, swayPhase);
}

TEST(HeadingFollower, PinkTetraTurnsCalmlyUnlessItsStyleOrFoodSaysOtherwise)
{
    PoseArrays pose;
    CFish calm = MakeTestFish(kPinkTetra);
    calm.targetHeading = 90.0f;
    Animate(calm, pose, 30); // ten head steps of 1 degree
    EXPECT_FLOAT_EQ(calm.heading, 10.0f);

    CFish turning = MakeTestFish(kPinkTetra);
    turning.turnStyle = 1;
    turning.targetHeading = 90.0f;
    Animate(turning, pose, 30); // ten head steps of 3 degrees
    EXPECT_FLOAT_EQ(turning.heading, 30.0f);

    CFish hungry = MakeTestFish(kPinkTetra);
    hungry.SetSeeking(true);
    hungry.targetHeading = 90.0f;
    Animate(hungry, pose, 30);
    EXPECT_FLOAT_EQ(hungry.heading, 30.0f);

    // The calm follower keeps the body nearly straight: neighbouring columns differ by 0.3 at most.
    calm.targetHeading = 180.0f;
    const float* columns = Animate(calm, pose, 1);
    for (int i = 1; i < calm.Species().columns; ++i)
        EXPECT_LE(std::fabs(columns[i] - columns[i - 1]), 0.3f + 1e-4f);
}
