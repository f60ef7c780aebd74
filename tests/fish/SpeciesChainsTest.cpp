// Tests of the chains of species 1 to 14 as their parts see them, and of the rules of single species.
#include "fish/Fish.h"
#include "fish/FishTestSupport.h"
#include "fish/SpeciesCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {
constexpr float kPi = 3.1415925f;

int PiDivisor(float angle)
{
    return static_cast<int>(std::lround(kPi / angle));
}

// The phase chain c is drawn with: its own oscillator's, the one it reruns, or a shared phase.
float PhaseOf(const CFish& fish, int c)
{
    const ChainSpec& chain = fish.Species().chains[c];
    if (chain.kind == ChainKind::SharedWave)
        return CFish::SharedWave(fish.SpeciesId(), chain.sharedSlot).phase;
    return fish.oscillators[chain.oscillatorOf >= 0 ? chain.oscillatorOf : c].phase;
}
} // namespace

TEST(SpeciesChains, EachChainStepsAtItsPeriodAndWritesItsLength)
{
    // Per pose array: the call on which its phase first moves (0: no oscillator) and one past the
    // last element it ever writes non-zero, mouth held open. Shorter than n where a shape leaves
    // the tail 0; 0 where nothing moves (species 1 sways only from its last column, species 3's
    // upper mouth has coefficient 0).
    const std::vector<std::vector<std::pair<int, int>>> expected = {
        {},
        {{0, 14}, {7, 0}, {0, 4}, {0, 4}, {7, 4}, {7, 7}, {4, 16}, {7, 4}, {7, 5}, {7, 20}},
        {{0, 17}, {4, 17}, {7, 10}, {4, 8}, {7, 14}, {7, 7}, {4, 21}, {0, 3}, {0, 3}},
        {{0, 26}, {12, 26}, {3, 9}, {7, 12}, {7, 7}, {3, 37}, {0, 5}, {0, 0}},
        {{0, 6}, {0, 7}, {0, 31}, {7, 31}, {7, 18}, {4, 27}, {4, 36}, {4, 32}, {3, 48}, {4, 90}, {0, 1}},
        {{0, 18}, {7, 18}, {0, 4}, {0, 3}, {7, 13}, {4, 21}, {7, 8}, {7, 9}, {7, 27}},
        {{0, 14}, {7, 14}, {7, 11}, {4, 8}, {7, 5}, {0, 4}, {0, 4}},
        {{0, 6}, {0, 7}, {0, 20}, {5, 20}, {7, 4}, {7, 23}, {7, 9}, {7, 12}, {7, 31}, {0, 1}},
        {{0, 15}, {0, 7}, {0, 8}, {7, 15}, {3, 23}, {4, 20}, {3, 10}, {3, 10}, {3, 25}, {0, 1}},
        {{0, 6}, {0, 5}, {0, 15}, {5, 15}, {7, 11}, {7, 10}, {7, 14}, {7, 15}},
        // Species 10's dorsal oscillator runs twice a frame: period 7 steps on the fourth frame.
        {{0, 4}, {0, 2}, {0, 12}, {5, 12}, {4, 14}, {4, 10}, {7, 9}, {7, 9}, {7, 13}, {7, 14}},
        {{0, 4}, {0, 4}, {0, 12}, {5, 12}, {5, 8}, {7, 9}, {7, 8}, {7, 7}, {7, 13}},
        {{0, 18}, {5, 18}, {0, 4}, {0, 3}, {7, 12}, {3, 23}, {7, 10}, {7, 16}, {7, 24}, {0, 1}},
        {{0, 19}, {3, 10}, {3, 10}},
        {{0, 14}, {3, 14}, {12, 8}, {0, 0}, {12, 9}, {12, 9}, {12, 12}, {12, 12}},
    };
    const int swayPose[] = {0, 1, 1, 1, 3, 1, 1, 3, 3, 3, 3, 3, 1, -1, 1};
    for (int species = kPinkDiscus; species <= kShrimp; ++species) {
        CFish::ResetSharedAnimation();
        CFish fish = MakeTestFish(species);
        const SpeciesDescriptor& s = fish.Species();
        fish.targetHeading = 45.0f;
        fish.targetPitch = 10.0f;
        std::vector<std::pair<int, int>> seen(kMaxChains, {0, 0}); // arrays past the chains stay 0
        PoseArrays pose;
        std::fill(&pose.values[0][0], &pose.values[0][0] + kMaxChains * kMaxPoseLength, 1.0f);
        for (int call = 1; call <= 400; ++call) {
            fish.mouthClosed = false;
            fish.Animate(pose);
            for (int c = 0; c < kMaxChains; ++c) {
                if (seen[c].first == 0 && PhaseOf(fish, c) != 0.0f)
                    seen[c].first = call;
                for (int i = seen[c].second; i < kMaxPoseLength; ++i)
                    seen[c].second = pose.values[c][i] != 0.0f ? i + 1 : seen[c].second;
            }
            for (int i = 0; i < fish.swayStart && s.swayPose >= 0; ++i)
                ASSERT_EQ(pose.values[s.swayPose][i], 0.0f) << species; // the front of the body never sways
        }
        std::vector<std::pair<int, int>> want = expected[species];
        want.resize(kMaxChains, {0, 0});
        EXPECT_EQ(seen, want) << "species " << species;
        EXPECT_EQ(s.swayPose, swayPose[species]);
        for (int i = 0; i < s.columns; ++i)
            EXPECT_FLOAT_EQ(pose.values[s.headingsPose][i], 45.0f) << species; // the body settled on the turn
    }
}

TEST(SpeciesChains, GaitStepsFollowTheCruiseSpeedWhereTheTableSaysSo)
{
    // Per chain: q of the step pi / q at factor 1, positive where the step is factor x pi / q,
    // negative where the speed leaves it alone; 0 for chains without an oscillator. The factor is
    // a = 10 x speed, or for species 9 to 11 b (1.5 from speed 0.2 on, else 1).
    const std::vector<std::pair<int, std::vector<int>>> expected = {
        {kPinkDiscus, {0, -6, 0, 0, 6, 8, 8, 6, -6, -6}},
        {kGoldfish, {0, 6, 4, 6, 6, 6, -6, 0, 0}},
        {kGuppy, {0, -6, 6, 8, 8, 6, 0, 0}},
        {kWrasse, {0, -6, 0, 0, 6, 8, 8, 6, 6}},
        {kBlueTang, {0, 6, 4, 6, 6, 0, 0}},
        {kBetta, {0, 0, 0, -8, -8, -8, -8, -6, -6, 0}},
        {kMedaka, {0, 0, 0, 4, -6, -6, -6, -6}},
        {kTurquoiseDiscus, {0, 0, 0, 4, 8, 8, 8, -8, -6, -24}},
        {kArowana, {0, 0, 0, 4, 8, -8, -8, -6, -6}},
        {kSpottedGrouper, {0, -6, 0, 0, -6, -8, -6, -6, -6, 0}},
        {kCrab, {0, -4, -4}},
        {kShrimp, {0, -4, -6, 0, -6, -6, -6, -6}},
    };
    for (const auto& [species, rules] : expected) {
        for (float speed : {0.1f, 0.3f}) {
            CFish::ResetSharedAnimation();
            CFish fish = MakeTestFish(species);
            fish.SetGait(speed, false);
            EXPECT_EQ(fish.mouthClosed, species >= kSpottedGrouper) << species; // theirs changes nothing
            const bool byB = species >= kMedaka && species <= kArowana;
            const float factor = byB ? (speed >= 0.2f ? 1.5f : 1.0f) : 10.0f * speed;
            std::vector<float> firstStep(rules.size(), 0.0f);
            PoseArrays pose;
            for (int call = 0; call < 20; ++call) {
                fish.Animate(pose);
                for (size_t c = 0; c < rules.size(); ++c)
                    firstStep[c] = firstStep[c] == 0.0f ? PhaseOf(fish, static_cast<int>(c)) : firstStep[c];
            }
            for (size_t c = 0; c < rules.size(); ++c) {
                const float step = rules[c] == 0 ? 0.0f : kPi / static_cast<float>(std::abs(rules[c]));
                EXPECT_NEAR(firstStep[c], rules[c] > 0 ? factor * step : step, 1e-6f)
                    << "species " << species << " speed " << speed << " chain " << c;
            }
        }
    }
}

TEST(SpeciesChains, GuppyAndClownfishHoldTheirFixedElementsEveryFrame)
{
    CFish guppy = MakeTestFish(kGuppy);
    CFish clown = MakeTestFish(kClownfish);
    PoseArrays a, b;
    for (int call = 0; call < 400; ++call) {
        guppy.Animate(a);
        for (int i = 22; i <= 25; ++i) // the guppy's tail beat holds 22 to 25 at element 21
            ASSERT_EQ(a.values[5][i], a.values[5][21]) << i;
        clown.Animate(b);
        for (int i = 27; i < 32; ++i) // the clownfish's dorsal beat ends in 5 still elements
            ASSERT_EQ(b.values[5][i], 0.0f) << i;
        ASSERT_NE(b.values[5][26], 0.0f);
        ASSERT_EQ(b.values[3][29], b.values[3][30]); // its last two columns sway as one
    }
}

TEST(SpeciesChains, RandomRhythmsAreRedrawnOnlyWhenThePhaseWraps)
{
    // Clownfish and betta: sway (periods 3..12, pi / 2..11, m within mMin..mMax) and fins (periods
    // 2..4, pi / 2..17; mMax 0).
    const std::tuple<int, int, int, int> cases[] = {
        {kClownfish, 3, 18, 30}, {kClownfish, 6, 0, 0}, {kBetta, 3, 10, 14}, {kBetta, 6, 0, 0}};
    for (const auto& [species, c, mMin, mMax] : cases) {
        CFish fish = MakeTestFish(species);
        PoseArrays pose;
        int callsSinceStep = 0;
        std::set<int> periods, divisors, columns;
        for (int call = 0; call < 4000; ++call) {
            const Oscillator before = fish.oscillators[c];
            const int period = fish.chainPeriods[c];
            const int m = fish.swayStart;
            fish.Animate(pose);
            const Oscillator& now = fish.oscillators[c];
            ++callsSinceStep;
            if (now.phase != before.phase) {
                ASSERT_EQ(callsSinceStep, period) << "chain " << c; // the period in force when it stepped
                callsSinceStep = 0;
            }
            if (!(before.phase != 0.0f && now.phase == 0.0f)) { // no wrap: nothing is drawn
                ASSERT_TRUE(now.step == before.step && fish.chainPeriods[c] == period &&
                            (mMax == 0 || fish.swayStart == m));
                continue;
            }
            periods.insert(fish.chainPeriods[c]);
            divisors.insert(PiDivisor(now.step));
            columns.insert(fish.swayStart);
        }
        const bool sway = mMax != 0;
        EXPECT_EQ(std::make_pair(*periods.begin(), *periods.rbegin()),
                  sway ? std::make_pair(3, 12) : std::make_pair(2, 4));
        EXPECT_TRUE(*divisors.begin() >= 2 && *divisors.rbegin() <= (sway ? 11 : 17) && divisors.size() > 3);
        EXPECT_TRUE(!sway || (*columns.begin() == mMin && *columns.rbegin() == mMax)) << species;
    }
}

TEST(SpeciesChains, ClownfishGaitSharesOneDrawBetweenSwayAndTail)
{
    CFish fish = MakeTestFish(kClownfish);
    std::set<int> shared;
    for (int gait = 0; gait < 30; ++gait) {
        const int m = fish.swayStart;
        fish.SetGait(0.2f, true);
        const int r = PiDivisor(fish.oscillators[9].waveNumber) - 30; // tail: pi / (r % 20 + 30)
        EXPECT_EQ(PiDivisor(fish.oscillators[3].waveNumber), r + m);  // sway: pi / (r % 20 + m)
        EXPECT_FLOAT_EQ(fish.oscillators[3].step, kPi / static_cast<float>(m));
        shared.insert(r);
    }
    EXPECT_GE(*shared.begin(), 0);
    EXPECT_LT(*shared.rbegin(), 20);
    EXPECT_GT(shared.size(), 5u);
}

TEST(SpeciesChains, DriftLeansWithThePitchJittersByItsOddsAndKickAndStaysWithinItsLimit)
{
    struct Case
    {
        int species, chain;
        float step, limit;
        int kick;          // in steps
        float kickedShare; // one of the two independent draws of odds p hits: 2 p (1 - p)
    };
    for (const Case& k :
         {Case{kClownfish, 10, 0.002f, 0.008f, 3, 0.32f}, Case{kPinkTetra, 9, 0.003f, 0.01f, 2, 0.18f},
          Case{kBetta, 9, 0.002f, 0.008f, 3, 0.32f}, Case{kSpottedGrouper, 9, 0.002f, 0.008f, 2, 0.18f}}) {
        for (float pitch : {20.0f, 0.0f}) { // level swimming leans like a dive
            CFish fish = MakeTestFish(k.species);
            fish.targetPitch = pitch;
            PoseArrays pose;
            float sum = 0.0f;
            for (int call = 0; call < 300; ++call, sum += fish.driftValue) {
                fish.Animate(pose);
                ASSERT_LE(std::fabs(fish.driftValue), k.limit + 1e-7f);
                ASSERT_EQ(pose.values[k.chain][0], fish.driftValue);
            }
            EXPECT_GT(pitch > 0.0f ? sum : -sum, 0.5f * k.limit * 300.0f) << k.species;
        }
        CFish fish = MakeTestFish(k.species);
        fish.targetPitch = 5.0f;
        PoseArrays pose;
        std::map<int, int> changes; // calls per change in steps, each from 0 and so clear of the limits
        for (int call = 0; call < 1000; ++call, fish.driftValue = 0.0f) {
            fish.Animate(pose);
            ++changes[static_cast<int>(std::lround(fish.driftValue / k.step))];
        }
        EXPECT_EQ(changes.size(), 3u);
        EXPECT_TRUE(changes.count(1 - k.kick) && changes.count(1 + k.kick));
        EXPECT_NEAR((1000 - changes[1]) / 1000.0f, k.kickedShare, 0.04f) << k.species;
    }
}

TEST(SpeciesChains, TetraSwayGrowsTowardTheTailInOneStyleAndSwingsBackInTheOther)
{
    constexpr int m = 10, n = 20;
    for (int style : {0, 1}) {
        CFish fish = MakeTestFish(kPinkTetra);
        fish.swayStyle = style;
        PoseArrays pose;
        for (int call = 0; call < 200; ++call) {
            fish.Animate(pose);
            const Oscillator& o = fish.oscillators[3];
            for (int i = 0; i < n; ++i) {
                const float wave = 0.009f * fish.size * std::sin(static_cast<float>(i) * o.waveNumber + o.phase);
                const int factor = i < m ? 0 : style == 1 ? i - m + 1 : n - m - i + 1;
                ASSERT_NEAR(pose.values[3][i], static_cast<float>(factor) * wave, 1e-6f) << style << " " << i;
            }
        }
    }
}

TEST(SpeciesChains, HeldElementsHalvedSwaysAndTheCrabsLegsBeatAsOne)
{
    CFish betta = MakeTestFish(kBetta), turquoise = MakeTestFish(kTurquoiseDiscus);
    CFish grouper = MakeTestFish(kSpottedGrouper), crab = MakeTestFish(kCrab);
    PoseArrays p8, p10, p12, p13;
    for (int call = 0; call < 200; ++call) {
        betta.Animate(p8);
        turquoise.Animate(p10);
        grouper.Animate(p12);
        crab.Animate(p13);
        // Tail and ventral roots, the top of the grouper's dorsal fin, the crab's first legs and claws.
        ASSERT_TRUE(p8.values[8][0] == 0.0f && p8.values[8][1] == 0.0f && p10.values[7][0] == 0.0f);
        for (int i = 0; i < 4; ++i)
            ASSERT_TRUE(p12.values[4][12 + i] == 0.0f && p13.values[2][i] == 0.0f && p13.values[1][i % 2] == 0.0f);
        // Every leg takes one value: the wave number added once, not once per element.
        const float leg = std::sin(kPi / 12.0f + crab.oscillators[1].phase) * 0.05f * crab.size;
        for (int i = 2; i < 10; ++i)
            ASSERT_NEAR(p13.values[1][i], leg, 1e-6f) << i;
        // Half-strength sways: the turquoise discus's times size from column 7, the grouper's from 5.
        for (auto [fish, p, m] : {std::tuple{&turquoise, &p10, 7}, std::tuple{&grouper, &p12, 5}}) {
            const Oscillator& o = fish->oscillators[fish->Species().swayPose];
            const float scale = fish == &turquoise ? fish->size : 1.0f;
            for (int i = m; i < fish->Species().columns; ++i)
                ASSERT_NEAR(p->values[fish->Species().swayPose][i],
                            0.5f * (i - m) * 0.01f * std::sin(i * o.waveNumber + o.phase) * scale, 1e-6f);
        }
    }
}

TEST(SpeciesChains, TurquoiseDiscusAnalFinMayLeadItsDorsalFinByOneStep)
{
    CFish fish = MakeTestFish(kTurquoiseDiscus);
    const Oscillator& o = fish.oscillators[4]; // the dorsal beat's, run again for the anal fin
    const auto wave = [&](float phase) { return std::sin(o.waveNumber + phase) * o.amplitude * fish.size; };
    PoseArrays pose;
    int leads = 0, together = 0;
    for (int frame = 0; frame < 60; ++frame) {
        const float before = o.phase;
        fish.Animate(pose);
        ASSERT_NEAR(pose.values[5][1], wave(o.phase), 1e-6f); // the anal fin has the newest phase
        const bool behind = std::fabs(pose.values[4][1] - wave(before)) < 1e-6f;
        ASSERT_TRUE(behind || std::fabs(pose.values[4][1] - wave(o.phase)) < 1e-6f);
        if (o.phase != before)
            ++(behind ? leads : together); // behind: the step came on the second call
    }
    EXPECT_TRUE(leads > 0 && together > 0);
}

TEST(SpeciesChains, ShrimpLimbsRunOnPhasesEveryShrimpAdvances)
{
    CFish::ResetSharedAnimation();
    PoseArrays pose;
    for (int species = kAngelfish; species < kShrimp; ++species) { // no shrimp drawn: they rest
        CFish other = MakeTestFish(species);
        for (int call = 0; call < 30; ++call)
            other.Animate(pose);
    }
    for (int slot = 0; slot < kMaxSharedWaves; ++slot)
        EXPECT_EQ(CFish::SharedWave(kShrimp, slot).phase, 0.0f);
    for (int count : {1, 3}) {
        std::vector<CFish> shrimp(count, MakeTestFish(kShrimp));
        shrimp[0].size = 1.5f;
        std::vector<int> stepFrames;
        for (int frame = 1; frame <= 48; ++frame) {
            const float before = CFish::SharedWave(kShrimp, 4).phase;
            for (CFish& s : shrimp) {
                s.Animate(pose); // wave 5, element 11: 11 x 0.005 x size x sin(11 pi / 24 + phase)
                const float phase = CFish::SharedWave(kShrimp, 4).phase;
                ASSERT_NEAR(pose.values[7][11], 11 * 0.005f * s.size * std::sin(11 * kPi / 24.0f + phase), 1e-6f);
            }
            if (CFish::SharedWave(kShrimp, 4).phase != before)
                stepFrames.push_back(frame);
        }
        // One step per 12 calls of any shrimp: every 12 frames for one shrimp, every 4 for three.
        ASSERT_GE(stepFrames.size(), 3u) << count;
        EXPECT_EQ(stepFrames[2] - stepFrames[1], 12 / count);
        EXPECT_EQ(stepFrames[1] - stepFrames[0], 12 / count);
    }
}
