// SpeciesCatalogue.cpp -- the constants of every species: start, motion, follower, chains, parts.
//
// Species share far more than they differ, so each descriptor starts from the common swimmer
// below and states only what is its own.
#include "fish/SpeciesCatalogue.h"

#include "fish/AngelfishMesh.h"
#include "fish/species/CrabMesh.h"
#include "fish/species/SpeciesMeshes.h"

#include <array>
#include <cstddef>

namespace {
constexpr float kPi = 3.1415925f; // the tank's pi; pi / q below is rounded to float

constexpr float PiOver(float q)
{
    return kPi / q;
}

ChainSpec Follower(int n)
{
    ChainSpec chain;
    chain.kind = ChainKind::Follower;
    chain.n = n;
    return chain;
}

ChainSpec Wave(ChainKind kind, int n, int period, float waveNumber, float amplitude, float step, GaitRetune gait = {},
               int swayStart = 0)
{
    ChainSpec chain;
    chain.kind = kind;
    chain.n = n;
    chain.period = period;
    chain.waveNumber = waveNumber;
    chain.amplitude = amplitude;
    chain.step = step;
    chain.gait = gait;
    chain.swayStart = swayStart;
    return chain;
}

ChainSpec Drift(float step, float limit, int odds, float kick)
{
    ChainSpec chain;
    chain.kind = ChainKind::Drift;
    chain.n = 1;
    chain.drift.step = step;
    chain.drift.limit = limit;
    chain.drift.odds = odds;
    chain.drift.kick = kick;
    return chain;
}

// Gait retunes by the cruise speed, with a = 10 x speed: a new wave number (0 keeps it),
// amplitude perA x a (0 keeps it) and step a x pi / q (0 keeps it).
GaitRetune ByA(float waveNumber, float perA, float q)
{
    GaitRetune gait;
    gait.waveNumber = waveNumber;
    gait.amplitudePerA = perA;
    gait.stepPiDivisor = q;
    return gait;
}
GaitRetune StepTimesA(float q)
{
    return ByA(0.0f, 0.0f, q);
}

// The same by b, 1.5 when the fish hurries (cruise 0.2 and above) and 1 otherwise.
GaitRetune ByB(float waveNumber, float perB, float q)
{
    GaitRetune gait = ByA(waveNumber, perB, q);
    gait.byB = true;
    return gait;
}
GaitRetune StepTimesB(float q)
{
    return ByB(0.0f, 0.0f, q);
}
GaitRetune AmplitudeAndStep(float perA, float q)
{
    return ByA(0.0f, perA, q);
}

// Divisors a random gait draws: rand() % span + base, or with the one draw r the gait call
// shares, r % span + base, plus the sway's current first column m where asked.
GaitDraw Drawn(int span, int base)
{
    GaitDraw draw;
    draw.span = span;
    draw.base = base;
    return draw;
}
GaitDraw SharedDrawn(int span, int base, bool plusSwayStart)
{
    GaitDraw draw = Drawn(span, base);
    draw.sharedDraw = true;
    draw.plusSwayStart = plusSwayStart;
    return draw;
}
GaitDraw SwayStartDivisor()
{
    GaitDraw draw;
    draw.plusSwayStart = true;
    return draw;
}

// A random rhythm redrawn at every wrap of the phase: period rand() % periodSpan + periodBase,
// step pi / (rand() % stepSpan + stepBase) and, for a sway, m = rand() % mSpan + mBase.
WrapRedraw Rhythm(int periodSpan, int periodBase, int stepSpan, int stepBase, int mSpan = 0, int mBase = 0)
{
    WrapRedraw redraw;
    redraw.periodSpan = periodSpan;
    redraw.periodBase = periodBase;
    redraw.stepSpan = stepSpan;
    redraw.stepBase = stepBase;
    redraw.swayStartSpan = mSpan;
    redraw.swayStartBase = mBase;
    return redraw;
}

ChainSpec Gape(ChainKind kind, int n, GapeShape shape, float c, MouthTimer timer = MouthTimer::None, int threshold = 0)
{
    ChainSpec chain;
    chain.kind = kind;
    chain.n = n;
    chain.gapeShape = shape;
    chain.amplitude = c;
    chain.mouthTimer = timer;
    chain.mouthThreshold = threshold;
    return chain;
}

ChainSpec Leading(ChainKind kind, int n, int written, int start, float c, MouthTimer timer)
{
    ChainSpec chain = Gape(kind, n, GapeShape::Leading, c, timer);
    chain.gapeLeading = written;
    chain.gapeStart = start;
    chain.timesSize = true;
    return chain;
}

ChainSpec TimesSize(ChainSpec chain)
{
    chain.timesSize = true;
    return chain;
}

// A second array on an earlier chain's rhythm: chain `ofChain`'s oscillator runs once more.
ChainSpec Rerun(ChainKind kind, int n, int ofChain)
{
    ChainSpec chain;
    chain.kind = kind;
    chain.n = n;
    chain.oscillatorOf = ofChain;
    return chain;
}

// A ramp times size on shared phase `slot`: every call by any fish of the species advances it,
// one step of pi / 6 every 12 calls.
ChainSpec Shared(int n, float waveNumber, float c, int slot)
{
    ChainSpec chain = TimesSize(Wave(ChainKind::SharedWave, n, 12, waveNumber, c, PiOver(6)));
    chain.sharedSlot = slot;
    return chain;
}

ChainSpec Zeros(int n)
{
    ChainSpec chain;
    chain.kind = ChainKind::Zero;
    chain.n = n;
    return chain;
}

// The common swimmer: a mid-water fish of whole size 5 that cruises from set 1.
SpeciesDescriptor Swimmer(const char* name, int columns)
{
    SpeciesDescriptor s{};
    s.name = name;
    s.realSize = false;
    s.startSizeRule = StartSize::Fixed;
    s.startSize = 5.0f;
    s.startSpeed = 0.1f;
    s.randomStartPitch = true;
    s.startHeading = StartHeading::Random180;
    s.bodyLength = 1.0f;
    s.nearFloor = false;
    s.startsAtBackLimit = false;
    s.randomRowAtSpawn = false;
    s.speedMin = 0.1f;
    s.speedMax = 0.3f;
    s.wanderPeriod = 200;
    s.wanderResetSpan = 100;
    s.cruiseSet = 1;
    s.cruiseEaseStep = 0.01f;
    s.gaitCall = GaitCall::RandomFlag;
    s.smallTurnSpan = 15;
    s.wrapsHeading = false;
    s.wall = WallVariant::Standard;
    s.columns = columns;
    s.swayPose = -1;
    s.parts = nullptr;
    s.partCount = 0;
    return s;
}

// Animals that keep to the front of the tank near the floor: real size, no gait.
SpeciesDescriptor FloorDweller(const char* name, int columns, WallVariant wall)
{
    SpeciesDescriptor s = Swimmer(name, columns);
    s.realSize = true;
    s.nearFloor = true;
    s.bodyLength = 0.64383f;
    s.startHeading = StartHeading::ZeroOr180;
    s.cruiseSet = 2;
    s.cruiseEaseStep = 0.05f;
    s.gaitCall = GaitCall::None;
    s.smallTurnSpan = 180;
    s.wall = wall;
    return s;
}

// The chains in call order: chain c fills pose array c, which is what the species' parts read.
template <std::size_t N> void SetChains(SpeciesDescriptor& s, const ChainSpec (&chains)[N])
{
    static_assert(N <= kMaxChains, "more chains than a fish record holds");
    s.chainCount = 0;
    for (const ChainSpec& chain : chains) {
        if (chain.kind == ChainKind::Follower)
            s.headingsPose = s.chainCount;
        s.chains[s.chainCount++] = chain;
    }
}

std::array<SpeciesDescriptor, kSpeciesTotal> BuildCatalogue()
{
    std::array<SpeciesDescriptor, kSpeciesTotal> all{};
    constexpr auto A = ChainKind::GapeA;
    constexpr auto B = ChainKind::GapeB;

    // 0: angelfish, the reference member: turns as a rigid body and wraps its target heading.
    SpeciesDescriptor& angel = all[kAngelfish] = Swimmer("Angelfish", 16);
    angel.bodyLength = 0.64383f;
    angel.randomStartPitch = false;
    angel.startHeading = StartHeading::Zero;
    angel.randomRowAtSpawn = true;
    angel.wrapsHeading = true;
    angel.follower.rule = ColumnRule::Rigid;
    const ChainSpec angelChains[] = {
        Gape(A, 5, GapeShape::Descending, 0.003f),
        Gape(B, 6, GapeShape::Descending, 0.003f, MouthTimer::Threshold, 15),
        Follower(16),
        Wave(ChainKind::Sway, 16, 7, PiOver(16), 0.02f, PiOver(6), StepTimesA(6), 13),
        Wave(ChainKind::Ramp, 10, 7, PiOver(5), 0.01f, PiOver(8), StepTimesA(8)),
        Wave(ChainKind::Sine, 7, 4, PiOver(24), 0.05f, PiOver(8), StepTimesA(16)),
        Wave(ChainKind::Ramp, 8, 7, PiOver(20), 0.01f, PiOver(8), StepTimesA(8)),
        Wave(ChainKind::Sine, 8, 3, PiOver(2), 0.01f, PiOver(6)),
        Wave(ChainKind::Sine, 15, 3, PiOver(4), 0.05f, PiOver(6), StepTimesA(6)),
    };
    SetChains(angel, angelChains);
    angel.swayPose = kAngelSway;

    constexpr auto Sine = ChainKind::Sine;
    constexpr auto Ramp = ChainKind::Ramp;
    constexpr auto Sway = ChainKind::Sway;

    // 1: most of its fins beat wider and faster the faster it cruises.
    SpeciesDescriptor& discus = all[kPinkDiscus] = Swimmer("PinkDiscus", 14);
    discus.bodyLength = 0.843674f;
    discus.startsAtBackLimit = true;
    discus.follower.catchUpStep = 5;
    const ChainSpec discusChains[] = {
        Follower(14),
        Wave(Sway, 14, 7, PiOver(16), 0.02f, PiOver(6), {}, 13),
        Gape(A, 4, GapeShape::Descending, 0.005f),
        Gape(B, 4, GapeShape::Descending, 0.005f, MouthTimer::Threshold, 20),
        Wave(Sine, 4, 7, PiOver(2), 0.01f, PiOver(6), ByA(PiOver(4), 0.02f, 6)),
        Wave(Sine, 7, 7, PiOver(2), 0.01f, PiOver(6), ByA(PiOver(24), 0.02f, 8)),
        Wave(Sine, 16, 4, PiOver(24), 0.05f, PiOver(8), AmplitudeAndStep(0.05f, 8)),
        Wave(Sine, 4, 7, PiOver(2), 0.01f, PiOver(6), ByA(PiOver(4), 0.03f, 6)),
        Wave(Sine, 5, 7, PiOver(2), 0.01f, PiOver(6)),
        Wave(Sine, 20, 7, PiOver(8), 0.03f, PiOver(6)),
    };
    SetChains(discus, discusChains);
    discus.swayPose = 1;

    // 2: turns as a rigid body; its mouth chains come last.
    SpeciesDescriptor& goldfish = all[kGoldfish] = Swimmer("Goldfish", 17);
    goldfish.follower.rule = ColumnRule::Rigid;
    const ChainSpec goldfishChains[] = {
        Follower(17),
        Wave(Sway, 17, 4, PiOver(16), 0.0125f, PiOver(6), StepTimesA(6), 10),
        Wave(Ramp, 10, 7, PiOver(4), 0.01f, PiOver(6), StepTimesA(4)),
        Wave(Sine, 8, 4, PiOver(24), 0.05f, PiOver(8), ByA(PiOver(16), 0.01f, 6)),
        Wave(Ramp, 14, 7, PiOver(20), 0.01f, PiOver(8), ByA(PiOver(16), 0.0f, 6)),
        Wave(Sine, 7, 7, PiOver(20), 0.001f, PiOver(8), ByA(PiOver(2), 0.01f, 6)),
        Wave(Sine, 21, 4, PiOver(4), 0.05f, PiOver(6)),
        Gape(A, 3, GapeShape::AscendingLastRaised, 0.01f),
        Gape(B, 3, GapeShape::ShiftedLastRaised, 0.01f, MouthTimer::Threshold, 50),
    };
    SetChains(goldfish, goldfishChains);
    goldfish.swayPose = 1;

    // 3: a long, slowly swaying body; elements 22 to 25 of its tail beat hold element 21's value.
    SpeciesDescriptor& guppy = all[kGuppy] = Swimmer("Guppy", 26);
    guppy.follower.catchUpSeekingStep = 6;
    guppy.follower.rule = ColumnRule::HeadFollowsNext;
    guppy.follower.catchUpColumn2FollowsColumn1 = true;
    guppy.follower.catchUpIsTargetWhenBouncing = true;
    ChainSpec guppyTail = Wave(Sine, 37, 3, PiOver(10), 0.05f, PiOver(6), AmplitudeAndStep(0.05f, 6));
    guppyTail.holdSource = 21;
    guppyTail.holdFirst = 22;
    guppyTail.holdLast = 25;
    const ChainSpec guppyChains[] = {
        Follower(26),
        Wave(Sway, 26, 12, PiOver(16), 1.0f / 130.0f, PiOver(6), {}, 13),
        Wave(Sine, 9, 3, PiOver(4), 0.02f, PiOver(6), AmplitudeAndStep(0.02f, 6)),
        Wave(Sine, 12, 7, PiOver(24), 0.02f, PiOver(8), AmplitudeAndStep(0.02f, 8)),
        Wave(Ramp, 7, 7, PiOver(20), 0.01f, PiOver(8), StepTimesA(8)),
        guppyTail,
        Gape(A, 6, GapeShape::DescendingLastZero, 0.005f),
        Gape(B, 4, GapeShape::DescendingLastZero, 0.0f, MouthTimer::Threshold, 50),
    };
    SetChains(guppy, guppyChains);
    guppy.swayPose = 1;

    // 4: drawn squat, every pose value scaled by its size. Its body sways and its pectoral fins
    // beat at a restless random rhythm redrawn at each wrap of their phase, and its gait draws
    // new waves instead of following the speed. The drift sways its hanging fins.
    SpeciesDescriptor& clown = all[kClownfish] = Swimmer("Clownfish", 31);
    clown.bodyLength = 0.64383f;
    clown.startSizeRule = StartSize::TwoToEight;
    clown.randomStartPitch = false;
    clown.startHeading = StartHeading::Zero;
    clown.cruiseSet = 2;
    clown.cruiseEaseStep = 0.05f;
    clown.mouthTimerStartsAtZero = true;
    clown.modelScale[0] = 0.85f;
    clown.modelScale[1] = 0.9f;
    clown.modelScale[2] = 0.7f;
    {
        // Gait draws: one value r shared by the sway and tail waves; m is the sway's first column.
        GaitRetune swayGait;
        swayGait.waveDraw = SharedDrawn(20, 0, true); // pi / (r % 20 + m)
        swayGait.stepDraw = SwayStartDivisor();       // pi / m
        swayGait.redrawsSwayStart = true;
        ChainSpec sway = TimesSize(Wave(Sway, 31, 7, PiOver(52), 0.01f, PiOver(8), swayGait));
        sway.swayStartDrawn = true;
        sway.redraw = Rhythm(10, 3, 10, 2, 13, 18);
        sway.holdSource = 30; // the last two columns sway as one
        sway.holdFirst = 29;
        sway.holdLast = 29;

        GaitRetune dorsalGait;
        dorsalGait.waveDraw = Drawn(10, 16);
        dorsalGait.amplitudeBase = 0.01f;
        dorsalGait.amplitudeSpan = 4;
        ChainSpec dorsal = TimesSize(Wave(Sine, 32, 4, PiOver(20), 0.03f, PiOver(8), dorsalGait));
        dorsal.zeroLast = 5;

        GaitRetune finGait; // pectoral and ventral fins
        finGait.waveDraw = Drawn(20, 80);
        finGait.amplitudeBase = 0.03f;
        finGait.amplitudeSpan = 5;
        finGait.stepDraw = Drawn(3, 6);
        ChainSpec pectoral = TimesSize(Wave(Sine, 36, 4, PiOver(100), 0.05f, PiOver(8), finGait));
        pectoral.redraw = Rhythm(3, 2, 16, 2);

        GaitRetune analGait;
        analGait.waveDraw = Drawn(10, 16);
        analGait.amplitudeBase = 0.01f;
        analGait.amplitudeSpan = 5;

        GaitRetune tailGait;
        tailGait.waveDraw = SharedDrawn(20, 30, false); // pi / (r % 20 + 30)
        tailGait.amplitudeBase = 0.02f;
        tailGait.amplitudeSpan = 5;

        const ChainSpec clownChains[] = {
            TimesSize(Gape(A, 6, GapeShape::Descending, 0.003f)),
            TimesSize(Gape(B, 7, GapeShape::Descending, 0.003f, MouthTimer::RandomLimit)),
            Follower(31),
            sway,
            TimesSize(Wave(Sine, 18, 7, PiOver(20), 0.02f, PiOver(8))),
            dorsal,
            pectoral,
            TimesSize(Wave(Sine, 32, 4, PiOver(100), 0.03f, PiOver(6), finGait)),
            TimesSize(Wave(Sine, 48, 3, PiOver(20), 0.03f, PiOver(6), analGait)),
            TimesSize(Wave(Sine, 90, 4, PiOver(40), 0.05f, PiOver(6), tailGait)),
            Drift(0.002f, 0.008f, 5, 3.0f),
        };
        SetChains(clown, clownChains);
        clown.swayPose = 3;
    }

    // 5: two rear fins beat in step with the tail.
    SpeciesDescriptor& wrasse = all[kWrasse] = Swimmer("Wrasse", 18);
    const ChainSpec wrasseChains[] = {
        Follower(18),
        Wave(Sway, 18, 7, PiOver(16), 0.02f, PiOver(6), {}, 10),
        Gape(A, 4, GapeShape::DescendingFirstZero, 0.005f),
        Gape(B, 3, GapeShape::Ascending, 0.01f, MouthTimer::Threshold, 20),
        Wave(Sine, 13, 7, PiOver(16), 0.03f, PiOver(6), AmplitudeAndStep(0.03f, 6)),
        Wave(Sine, 21, 4, PiOver(24), 0.05f, PiOver(8), AmplitudeAndStep(0.05f, 8)),
        Wave(Ramp, 8, 7, PiOver(20), 0.01f, PiOver(8), StepTimesA(8)),
        Wave(Sine, 9, 7, PiOver(16), 0.03f, PiOver(6), AmplitudeAndStep(0.03f, 6)),
        Wave(Sine, 27, 7, PiOver(8), 0.03f, PiOver(6), AmplitudeAndStep(0.03f, 6)),
    };
    SetChains(wrasse, wrasseChains);
    wrasse.swayPose = 1;

    // 6: its anal and tail fins have no chain of their own; they read an array past the chain
    // list, which stays 0, and only follow the body columns. All its fish share one mouth timer.
    SpeciesDescriptor& tang = all[kBlueTang] = Swimmer("BlueTang", 14);
    tang.follower.ignoresBounce = true;
    const ChainSpec tangChains[] = {
        Follower(14),
        Wave(Sway, 14, 7, PiOver(16), 0.0125f, PiOver(6), StepTimesA(6), 8),
        Wave(Sine, 11, 7, PiOver(4), 0.02f, PiOver(6), AmplitudeAndStep(0.02f, 4)),
        Wave(ChainKind::ReversedRamp, 8, 4, PiOver(16), 0.0015f, PiOver(6), StepTimesA(6)),
        Wave(Ramp, 5, 7, PiOver(16), 0.01f, PiOver(6), StepTimesA(6)),
        Gape(A, 4, GapeShape::TangLower, 0.0f),
        Gape(B, 4, GapeShape::TangUpper, 0.0f, MouthTimer::Shared, 50),
    };
    SetChains(tang, tangChains);
    tang.swayPose = 1;

    // 7: no gait; its wander draws a turning style and a sway style instead. Every pose value
    // scales with its size; the drift scales its chin fins.
    SpeciesDescriptor& tetra = all[kPinkTetra] = Swimmer("PinkTetra", 20);
    tetra.bodyLength = 0.64383f;
    tetra.randomStartPitch = false;
    tetra.startHeading = StartHeading::Zero;
    tetra.cruiseSet = 2;
    tetra.cruiseEaseStep = 0.05f;
    tetra.gaitCall = GaitCall::StyleFlags;
    tetra.follower.smallStep = 1.0f;
    tetra.follower.midStep = 2.0f;
    tetra.follower.largeStep = 3.0f;
    tetra.follower.seekingStep = 3.0f;
    tetra.follower.catchUpSeekingStep = 3;
    // Unless its wander chose the turning style or food is in sight, it turns slowly and stays straight.
    tetra.hasCalmFollower = true;
    tetra.calmFollower.constantStep = true;
    tetra.calmFollower.constantStepValue = 1.0f;
    tetra.calmFollower.seekingStep = 1.0f;
    tetra.calmFollower.catchUpStep = 1;
    tetra.calmFollower.catchUpSeekingStep = 1;
    tetra.calmFollower.spreadCap = 0.3f;
    tetra.mouthTimerStartsAtZero = true;
    ChainSpec tetraSway = TimesSize(Wave(Sway, 20, 5, PiOver(100), 0.009f, PiOver(6), {}, 10));
    tetraSway.swayForm = SwayForm::StyleChosen;
    const ChainSpec tetraChains[] = {
        TimesSize(Gape(A, 6, GapeShape::Descending, 0.0002f)),
        TimesSize(Gape(B, 7, GapeShape::Descending, 0.0002f, MouthTimer::Chatter)),
        Follower(20),
        tetraSway,
        TimesSize(Wave(Sine, 4, 7, PiOver(5), 0.03f, PiOver(8))),
        TimesSize(Wave(Sine, 23, 7, PiOver(24), 0.05f, PiOver(8))),
        TimesSize(Wave(Sine, 9, 7, PiOver(100), 0.005f, PiOver(6))),
        TimesSize(Wave(Sine, 12, 7, PiOver(10), 0.005f, PiOver(6))),
        TimesSize(Wave(Sine, 31, 7, PiOver(20), 0.005f, PiOver(6))),
        Drift(0.003f, 0.01f, 10, 2.0f),
    };
    SetChains(tetra, tetraChains);
    tetra.swayPose = 3;

    // Species 8, 10 and 12 turn their heads at a constant rate and settle their bodies unevenly.
    FollowerVariant steady;
    steady.constantStep = true;
    steady.constantStepValue = 2.0f;
    steady.seekingStep = 2.0f;
    steady.randomCatchUp = true;
    steady.spreadCap = 1.0f;

    // 8: every pose value scaled by its size. Its body sways and its ventral fins ripple at a
    // restless random rhythm redrawn at each wrap of their phase; its gait only sets the mouth.
    SpeciesDescriptor& betta = all[kBetta] = Swimmer("Betta", 15);
    betta.bodyLength = 0.64383f;
    betta.randomStartPitch = false;
    betta.startHeading = StartHeading::Zero;
    betta.cruiseSet = 2;
    betta.cruiseEaseStep = 0.05f;
    betta.follower = steady;
    betta.mouthTimerStartsAtZero = true;
    {
        ChainSpec sway = TimesSize(Wave(Sway, 15, 7, PiOver(10), 0.005f, PiOver(8), {}, 10));
        sway.redraw = Rhythm(10, 3, 10, 2, 5, 10);
        ChainSpec ventral = TimesSize(Wave(Ramp, 10, 3, PiOver(10), 0.005f, PiOver(8)));
        ventral.redraw = Rhythm(3, 2, 16, 2);
        ChainSpec tail = TimesSize(Wave(Sine, 25, 3, PiOver(10), 0.03f, PiOver(6)));
        tail.zeroFirst = 2; // the fin's root stays on the body
        ChainSpec drift = Drift(0.002f, 0.008f, 5, 3.0f);
        drift.n = 7; // the small fins read element 0 of a 7-element array
        const ChainSpec bettaChains[] = {
            Follower(15),
            TimesSize(Gape(A, 7, GapeShape::Descending, 0.001f)),
            TimesSize(Gape(B, 8, GapeShape::Descending, 0.001f, MouthTimer::RandomLimit)),
            sway,
            TimesSize(Wave(Sine, 23, 3, PiOver(10), 0.05f, PiOver(8))),
            TimesSize(Wave(Sine, 20, 4, PiOver(32), 0.04f, PiOver(8))),
            ventral,
            // The barbels ripple along a long wave, pi / 100, that nothing retunes.
            TimesSize(Wave(Sine, 10, 3, PiOver(100), 0.02f, PiOver(6))),
            tail,
            drift,
        };
        SetChains(betta, bettaChains);
        betta.swayPose = 3;
    }

    // 9 to 11 wander half as often, alternate their mouths at every wander and beat their fins
    // half as fast again when they hurry.
    for (int id : {kMedaka, kTurquoiseDiscus, kArowana}) {
        static const char* const names[] = {"Medaka", "TurquoiseDiscus", "Arowana"};
        static const int columns[] = {15, 12, 12};
        SpeciesDescriptor& s = all[id] = Swimmer(names[id - kMedaka], columns[id - kMedaka]);
        s.startSizeRule = StartSize::TwoToEight;
        s.wanderPeriod = 400;
        s.wanderResetSpan = 200;
        s.cruiseSet = 2;
        s.cruiseEaseStep = 0.05f;
        s.gaitCall = GaitCall::AlternatingFlag;
    }

    SpeciesDescriptor& medaka = all[kMedaka];
    medaka.startSpeed = 0.2f;
    const ChainSpec medakaChains[] = {
        Gape(A, 6, GapeShape::Ascending, 0.003f),
        Gape(B, 5, GapeShape::Ascending, 0.003f, MouthTimer::Threshold, 50),
        Follower(15),
        Wave(Sway, 15, 5, PiOver(12), 0.01f, PiOver(4), StepTimesB(4), 7),
        Wave(Sine, 11, 7, PiOver(16), 0.01f, PiOver(6)),
        Wave(Sine, 10, 7, PiOver(16), 0.03f, PiOver(6)),
        Wave(Sine, 14, 7, PiOver(16), 0.01f, PiOver(6)),
        Wave(Sine, 15, 7, PiOver(16), 0.01f, PiOver(6)),
    };
    SetChains(medaka, medakaChains);
    medaka.swayPose = 3;

    // 10: every pose value scaled by its size; a half-strength sway. Its dorsal and anal fins
    // beat on one oscillator run twice a frame, so it steps twice as often as its period says and
    // the anal fin may lead the dorsal fin by one step.
    SpeciesDescriptor& turquoise = all[kTurquoiseDiscus];
    turquoise.follower = steady;
    {
        ChainSpec sway = TimesSize(Wave(Sway, 12, 5, PiOver(12), 0.01f, PiOver(4), StepTimesB(4), 7));
        sway.outputScale = 0.5f;
        ChainSpec ventral = TimesSize(Wave(Sine, 9, 7, PiOver(20), 0.02f, PiOver(8)));
        ventral.zeroFirst = 1;
        constexpr int dorsal = 4;
        const ChainSpec turquoiseChains[] = {
            Leading(A, 7, 4, 7, 0.003f, MouthTimer::RandomBelow),
            Leading(B, 5, 2, 5, 0.003f, MouthTimer::None),
            Follower(12),
            sway,
            TimesSize(Wave(Sine, 14, 7, PiOver(5), 0.01f, PiOver(8), ByB(0.0f, 0.015f, 8))),
            TimesSize(Rerun(Sine, 10, dorsal)),
            TimesSize(Wave(Ramp, 9, 7, PiOver(24), 0.008f, PiOver(8), StepTimesB(8))),
            ventral,
            TimesSize(Wave(Sine, 13, 7, PiOver(4), 0.01f, PiOver(6))),
            TimesSize(Wave(Sine, 14, 7, PiOver(2), 0.01f, PiOver(24))),
        };
        SetChains(turquoise, turquoiseChains);
        turquoise.swayPose = 3;
    }

    // 11: every pose value scaled by its size; it sways from its second column on.
    SpeciesDescriptor& arowana = all[kArowana];
    arowana.follower.largeStep = 5.0f;
    arowana.follower.seekingStep = 5.0f;
    arowana.follower.catchUpSeekingStep = 5;
    arowana.follower.rule = ColumnRule::HeadFollowsNext;
    const ChainSpec arowanaChains[] = {
        Leading(A, 5, 4, 5, 0.003f, MouthTimer::RandomBelow),
        Leading(B, 5, 4, 5, 0.003f, MouthTimer::None),
        Follower(12),
        TimesSize(Wave(Sway, 12, 5, PiOver(12), 0.01f, PiOver(4), StepTimesB(4), 2)),
        TimesSize(Wave(Sine, 8, 5, PiOver(20), 0.01f, PiOver(8), ByB(PiOver(5), 0.015f, 8))),
        TimesSize(Wave(Ramp, 9, 7, PiOver(5), 0.005f, PiOver(8))),
        TimesSize(Wave(Ramp, 8, 7, PiOver(20), 0.003f, PiOver(8))),
        TimesSize(Wave(Sine, 7, 7, PiOver(2), 0.01f, PiOver(6))),
        TimesSize(Wave(Sine, 13, 7, PiOver(6), 0.03f, PiOver(6))),
    };
    SetChains(arowana, arowanaChains);
    arowana.swayPose = 3;

    // 12: a half-strength sway; the top of its dorsal fin stands still and the drift moves its
    // eyes. Nothing of its rhythm depends on its speed.
    SpeciesDescriptor& grouper = all[kSpottedGrouper] = FloorDweller("SpottedGrouper", 18, WallVariant::Soft);
    grouper.startHeading = StartHeading::Random180;
    grouper.randomRowAtSpawn = true;
    grouper.follower = steady;
    grouper.gaitInert = true;
    {
        ChainSpec sway = Wave(Sway, 18, 5, PiOver(16), 0.01f, PiOver(6), {}, 5);
        sway.outputScale = 0.5f;
        ChainSpec dorsal = Wave(Sine, 16, 7, PiOver(16), 0.03f, PiOver(6));
        dorsal.zeroLast = 4; // elements past n - 5
        const ChainSpec grouperChains[] = {
            Follower(18),
            sway,
            Gape(A, 4, GapeShape::Ascending, 0.01f),
            Gape(B, 3, GapeShape::Ascending, 0.01f, MouthTimer::Threshold, 50),
            dorsal,
            Wave(Sine, 23, 3, PiOver(24), 0.05f, PiOver(8)),
            Wave(Sine, 10, 7, PiOver(20), 0.01f, PiOver(6)),
            Wave(Sine, 16, 7, PiOver(16), 0.03f, PiOver(6)),
            Wave(Sine, 24, 7, PiOver(8), 0.03f, PiOver(6)),
            Drift(0.002f, 0.008f, 10, 2.0f),
        };
        SetChains(grouper, grouperChains);
        grouper.swayPose = 1;
    }

    // 13: a rigid body turned by its heading alone (no part reads the follower's columns); its
    // legs beat in unison, the first pair and the first four claw elements held still.
    SpeciesDescriptor& crab = all[kCrab] = FloorDweller("Crab", 19, WallVariant::Crab);
    crab.startSizeRule = StartSize::MostlyLargeCrab;
    crab.startSpeed = 0.2f;
    crab.drawFrame = DrawFrame::Crab;
    crab.staticBody = CrabBody;
    crab.gaitInert = true;
    {
        ChainSpec legs = TimesSize(Wave(ChainKind::Uniform, 10, 3, PiOver(12), 0.05f, PiOver(4)));
        legs.zeroFirst = 2;
        ChainSpec claws = TimesSize(Wave(Sine, 10, 3, PiOver(24), 0.1f, PiOver(4)));
        claws.zeroFirst = 4;
        SetChains(crab, {Follower(19), legs, claws});
    }

    // 14: its body waves up and down in place of a sway, and its limbs ripple on phases shared by
    // every shrimp, so they hurry the more shrimp there are and rest while none is drawn.
    SpeciesDescriptor& shrimp = all[kShrimp] = FloorDweller("Shrimp", 14, WallVariant::Shrimp);
    shrimp.startSpeed = 0.05f;
    shrimp.speedMin = 0.05f;
    shrimp.speedMax = 0.2f;
    shrimp.wanderPeriod = 1000;
    shrimp.wanderResetSpan = 500;
    shrimp.drawFrame = DrawFrame::Shrimp;
    shrimp.gaitInert = true;
    const ChainSpec shrimpChains[] = {
        Follower(14),
        TimesSize(Wave(Sine, 14, 3, PiOver(12), 0.025f, PiOver(4))),
        Shared(8, PiOver(32), 0.005f, 0),
        Zeros(8), // the rear pair's second array
        Shared(9, PiOver(32), 0.01f, 1),
        Shared(9, PiOver(24), 0.02f, 2),
        Shared(12, PiOver(64), 0.005f, 3),
        Shared(12, PiOver(24), 0.005f, 4),
    };
    SetChains(shrimp, shrimpChains);
    shrimp.swayPose = 1; // the body wave, which its parts add to z
    // Every species draws the parts its mesh file gives; those not modelled yet draw nothing.
    for (int id = 0; id < kSpeciesTotal; ++id)
        all[id].parts = SpeciesParts(id, all[id].partCount);
    return all;
}
} // namespace

const SpeciesDescriptor& SpeciesCatalogue(int id)
{
    static const std::array<SpeciesDescriptor, kSpeciesTotal> catalogue = BuildCatalogue();
    return catalogue[id];
}
