// Tests of the plants' sway, bend and frond wave generators and their start values.
#include "environment/FrondPlant.h"
#include "environment/RosettePlant.h"
#include "environment/StarPlant.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
// A plant whose generator settings a test chooses.
class CTestPlant : public CPlant
{
public:
    CTestPlant(float frequency, float step, float speed, float startBend)
    {
        swayFrequency = frequency;
        swayStep = step;
        bendSpeed = speed;
        bend = startBend;
    }
    void SetPhase(float phase) { swayPhase = phase; }
};

constexpr float kPi = 3.1415925f;
} // namespace

TEST(PlantSway, PhaseStepsOnEveryThirdCallAndTheBaseNeverMoves)
{
    CTestPlant plant(kPi / 4, 0.25f, 0.0f, 0.0f);
    float out[13];
    for (int call = 1; call <= 9; ++call) {
        plant.StepSway(out, 13, 0.01f);
        const int steps = call / 3; // calls 3, 6 and 9 step the phase
        const float phase = 5.0f + 0.25f * static_cast<float>(steps);
        EXPECT_NEAR(plant.SwayPhase(), phase, 1e-5) << "call " << call;
        EXPECT_EQ(out[0], 0.0f);
        for (int i = 1; i < 13; ++i)
            EXPECT_NEAR(out[i], 0.01f * std::sin(i * kPi / 4 + phase), 1e-6);
    }
}

TEST(PlantSway, PhaseWrapsToZeroOncePastTwoPi)
{
    CTestPlant plant(0.5f, 0.5f, 0.0f, 0.0f);
    plant.SetPhase(6.0f);
    float out[4];
    for (int call = 0; call < 3; ++call)
        plant.StepSway(out, 4, 1.0f);
    EXPECT_EQ(plant.SwayPhase(), 0.0f); // 6.5 is past 2 pi
    EXPECT_NEAR(out[2], std::sin(1.0f), 1e-6);
}

TEST(PlantBend, WalksEveryThirdCallClampsAtTheLimitsAndTurns)
{
    CTestPlant plant(0.0f, 0.0f, 1.0f, 7.0f);
    float out[13];
    // Rising from 7 by 1 a step: 8, 9, 10; the step past 10 clamps it and turns it down in the
    // same step (9); down to -10, where the step past it clamps and turns it (-10 again), then up.
    std::vector<float> seen;
    for (int call = 1; call <= 3 * 30; ++call) {
        plant.StepBend(out, 13, 10.0f, 1.0f);
        if (call % 3 == 0)
            seen.push_back(plant.Bend());
        else
            ASSERT_EQ(plant.BendTick(), call % 3); // the two calls between steps change nothing
    }
    const std::vector<float> expected = {8,  9,  10, 9,  8,  7,  6,  5,   4,   3,  2,  1,  0,  -1, -2,
                                         -3, -4, -5, -6, -7, -8, -9, -10, -10, -9, -8, -7, -6, -5, -4};
    ASSERT_EQ(seen.size(), expected.size());
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_NEAR(seen[i], expected[i], 1e-5) << "step " << i;
}

TEST(PlantBend, SpreadsLinearlyFromBaseToTipTimesTheFactor)
{
    CTestPlant plant(0.0f, 0.0f, 0.5f, 6.5f);
    float out[13];
    plant.StepBend(out, 13, 10.0f, 4.0f);
    for (int i = 0; i < 13; ++i)
        EXPECT_NEAR(out[i], 6.5f / 13.0f * i * 4.0f, 1e-5);
}

TEST(PlantBend, PlantsOfAKindTurnTogether)
{
    bool kindRising = true;
    CTestPlant first(0.0f, 0.0f, 2.0f, 9.0f);
    CTestPlant second(0.0f, 0.0f, 2.0f, 0.0f);
    first.ShareBendDirection(&kindRising);
    second.ShareBendDirection(&kindRising);
    float out[4];
    for (int call = 0; call < 3; ++call)
        first.StepBend(out, 4, 10.0f, 1.0f); // past 10: turns the kind downward
    EXPECT_FALSE(second.BendRising());
    for (int call = 0; call < 3; ++call)
        second.StepBend(out, 4, 10.0f, 1.0f);
    EXPECT_FLOAT_EQ(second.Bend(), -2.0f);
}

TEST(FrondWave, OneTickServesBothStepsAndTheEndsMatch)
{
    ResetRand15();
    CFrondPlant frond;
    const float swayStep = frond.SwayStep();
    float w[kFrondWaveValues];
    // Two ticks a frame: the phase moves on frame 2 (the sway's turn, by its own step) and on
    // frame 3 (the frond's turn, by a tenth of pi), and so on every three frames.
    for (int frame = 0; frame < 3; ++frame)
        frond.StepFrondWave(w);
    const float phase = 5.0f + swayStep + 0.31415924f;
    EXPECT_NEAR(frond.SwayPhase(), phase, 1e-5);
    EXPECT_EQ(w[0], w[32]);
    for (int j = 1; j < kFrondWaveValues; ++j)
        EXPECT_NEAR(w[j], 0.02f * std::sin(j * 0.31415924f + phase), 1e-6);
}

TEST(PlantKinds, StartValuesAreDrawnFromTheirRanges)
{
    ResetRand15();
    for (int i = 0; i < 20; ++i) {
        CRosettePlant rosette;
        CStarPlant star;
        for (const CPlant* plant : {static_cast<const CPlant*>(&rosette), static_cast<const CPlant*>(&star)}) {
            EXPECT_GE(plant->Bend(), 0.0f);
            EXPECT_LE(plant->Bend(), 9.0f);
            EXPECT_EQ(plant->Bend(), std::floor(plant->Bend()));
            EXPECT_EQ(plant->SwayPhase(), 5.0f);
            EXPECT_EQ(plant->MeshScale()[0], 5.0f);
        }
        const float rosetteDivisor = kPi / rosette.SwayFrequency();
        EXPECT_NEAR(rosetteDivisor, std::round(rosetteDivisor), 1e-4);
        EXPECT_GE(std::round(rosetteDivisor), 4.0f);
        EXPECT_LE(std::round(rosetteDivisor), 8.0f);
        const float starDivisor = kPi / star.SwayFrequency();
        EXPECT_GE(std::round(starDivisor), 10.0f);
        EXPECT_LE(std::round(starDivisor), 14.0f);
        EXPECT_GE(kPi / rosette.SwayStep(), 4.99f);
        EXPECT_LE(kPi / rosette.SwayStep(), 9.01f);
        // Bend speeds: tenths (rosette) and quarters (star), 1 to 5 of them.
        EXPECT_NEAR(rosette.BendSpeed() * 10.0f, std::round(rosette.BendSpeed() * 10.0f), 1e-4);
        EXPECT_GE(rosette.BendSpeed(), 0.09f);
        EXPECT_LE(rosette.BendSpeed(), 0.51f);
        EXPECT_NEAR(star.BendSpeed() * 4.0f, std::round(star.BendSpeed() * 4.0f), 1e-4);
        EXPECT_GE(star.BendSpeed(), 0.25f);
        EXPECT_LE(star.BendSpeed(), 1.25f);
    }
}
