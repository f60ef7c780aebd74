// SpeciesCatalogue.cpp -- the constants of every species: start, motion, follower, chains, parts.
//
// Species share far more than they differ, so each descriptor starts from the common swimmer
// below and states only what is its own.
#include "fish/SpeciesCatalogue.h"

#include "fish/AngelfishMesh.h"

#include <array>

namespace {
constexpr float kPi = 3.1415925f; // the tank's pi; pi / q below is rounded to float

constexpr float PiOver(float q) { return kPi / q; }

ChainSpec Follower(int n)
{
    ChainSpec chain;
    chain.kind = ChainKind::Follower;
    chain.n = n;
    return chain;
}

ChainSpec Wave(ChainKind kind, int n, int period, float waveNumber, float amplitude, float step,
               GaitRetune gait = {}, int swayStart = 0)
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

ChainSpec Gape(ChainKind kind, int n, GapeShape shape, float c, MouthTimer timer = MouthTimer::None,
               int threshold = 0)
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

void SetChains(SpeciesDescriptor& s, std::initializer_list<ChainSpec> chains)
{
    s.chainCount = 0;
    for (const ChainSpec& chain : chains) {
        if (chain.kind == ChainKind::Follower)
            s.headingsPose = s.chainCount;
        s.chains[s.chainCount++] = chain;
    }
}

// Followers ahead of the mouth chains; the species' own fin chains join as they are modelled.
void SetFollowerAndMouth(SpeciesDescriptor& s, ChainSpec lower, ChainSpec upper)
{
    SetChains(s, {Follower(s.columns), lower, upper});
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
    SetChains(angel, {
        Gape(A, 5, GapeShape::Descending, 0.003f),
        Gape(B, 6, GapeShape::Descending, 0.003f, MouthTimer::Threshold, 15),
        Follower(16),
        Wave(ChainKind::Sway, 16, 7, PiOver(16), 0.02f, PiOver(6), {0, 0, 6}, 13),
        Wave(ChainKind::Ramp, 10, 7, PiOver(5), 0.01f, PiOver(8), {0, 0, 8}),
        Wave(ChainKind::Sine, 7, 4, PiOver(24), 0.05f, PiOver(8), {0, 0, 16}),
        Wave(ChainKind::Ramp, 8, 7, PiOver(20), 0.01f, PiOver(8), {0, 0, 8}),
        Wave(ChainKind::Sine, 8, 3, PiOver(2), 0.01f, PiOver(6)),
        Wave(ChainKind::Sine, 15, 3, PiOver(4), 0.05f, PiOver(6), {0, 0, 6}),
    });
    angel.swayPose = kAngelSway;
    angel.parts = AngelfishParts(angel.partCount);

    SpeciesDescriptor& discus = all[kPinkDiscus] = Swimmer("PinkDiscus", 14);
    discus.bodyLength = 0.843674f;
    discus.startsAtBackLimit = true;
    discus.follower.catchUpStep = 5;
    SetFollowerAndMouth(discus, Gape(A, 4, GapeShape::Descending, 0.005f),
                        Gape(B, 4, GapeShape::Descending, 0.005f, MouthTimer::Threshold, 20));

    SpeciesDescriptor& goldfish = all[kGoldfish] = Swimmer("Goldfish", 17);
    goldfish.follower.rule = ColumnRule::Rigid;
    SetFollowerAndMouth(goldfish, Gape(A, 3, GapeShape::AscendingLastRaised, 0.01f),
                        Gape(B, 3, GapeShape::ShiftedLastRaised, 0.01f, MouthTimer::Threshold, 50));

    SpeciesDescriptor& guppy = all[kGuppy] = Swimmer("Guppy", 26);
    guppy.follower.catchUpSeekingStep = 6;
    guppy.follower.rule = ColumnRule::HeadFollowsNext;
    guppy.follower.catchUpColumn2FollowsColumn1 = true;
    guppy.follower.catchUpIsTargetWhenBouncing = true;
    SetFollowerAndMouth(guppy, Gape(A, 6, GapeShape::DescendingLastZero, 0.005f),
                        Gape(B, 4, GapeShape::DescendingLastZero, 0.0f, MouthTimer::Threshold, 50));

    SpeciesDescriptor& clown = all[kClownfish] = Swimmer("Clownfish", 31);
    clown.bodyLength = 0.64383f;
    clown.startSizeRule = StartSize::TwoToEight;
    clown.randomStartPitch = false;
    clown.startHeading = StartHeading::Zero;
    clown.cruiseSet = 2;
    clown.cruiseEaseStep = 0.05f;
    clown.mouthTimerStartsAtZero = true;
    SetFollowerAndMouth(clown, TimesSize(Gape(A, 6, GapeShape::Descending, 0.003f)),
                        TimesSize(Gape(B, 7, GapeShape::Descending, 0.003f, MouthTimer::RandomLimit)));

    SpeciesDescriptor& wrasse = all[kWrasse] = Swimmer("Wrasse", 18);
    SetFollowerAndMouth(wrasse, Gape(A, 4, GapeShape::DescendingFirstZero, 0.005f),
                        Gape(B, 3, GapeShape::Ascending, 0.01f, MouthTimer::Threshold, 20));

    SpeciesDescriptor& tang = all[kBlueTang] = Swimmer("BlueTang", 14);
    tang.follower.ignoresBounce = true;
    SetFollowerAndMouth(tang, Gape(A, 4, GapeShape::TangLower, 0.0f),
                        Gape(B, 4, GapeShape::TangUpper, 0.0f, MouthTimer::Shared, 50));

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
    SetFollowerAndMouth(tetra, TimesSize(Gape(A, 6, GapeShape::Descending, 0.0002f)),
                        TimesSize(Gape(B, 7, GapeShape::Descending, 0.0002f, MouthTimer::Chatter)));

    // Species 8, 10 and 12 turn their heads at a constant rate and settle their bodies unevenly.
    FollowerVariant steady;
    steady.constantStep = true;
    steady.constantStepValue = 2.0f;
    steady.seekingStep = 2.0f;
    steady.randomCatchUp = true;
    steady.spreadCap = 1.0f;

    SpeciesDescriptor& betta = all[kBetta] = Swimmer("Betta", 15);
    betta.bodyLength = 0.64383f;
    betta.randomStartPitch = false;
    betta.startHeading = StartHeading::Zero;
    betta.cruiseSet = 2;
    betta.cruiseEaseStep = 0.05f;
    betta.follower = steady;
    betta.mouthTimerStartsAtZero = true;
    SetFollowerAndMouth(betta, TimesSize(Gape(A, 7, GapeShape::Descending, 0.001f)),
                        TimesSize(Gape(B, 8, GapeShape::Descending, 0.001f, MouthTimer::RandomLimit)));

    // 9 to 11 wander half as often and alternate their mouths at every wander.
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
    all[kMedaka].startSpeed = 0.2f;
    SetFollowerAndMouth(all[kMedaka], Gape(A, 6, GapeShape::Ascending, 0.003f),
                        Gape(B, 5, GapeShape::Ascending, 0.003f, MouthTimer::Threshold, 50));
    all[kTurquoiseDiscus].follower = steady;
    SetFollowerAndMouth(all[kTurquoiseDiscus], Leading(A, 7, 4, 7, 0.003f, MouthTimer::RandomBelow),
                        Leading(B, 5, 2, 5, 0.003f, MouthTimer::None));
    all[kArowana].follower.largeStep = 5.0f;
    all[kArowana].follower.seekingStep = 5.0f;
    all[kArowana].follower.catchUpSeekingStep = 5;
    all[kArowana].follower.rule = ColumnRule::HeadFollowsNext;
    SetFollowerAndMouth(all[kArowana], Leading(A, 5, 4, 5, 0.003f, MouthTimer::RandomBelow),
                        Leading(B, 5, 4, 5, 0.003f, MouthTimer::None));

    SpeciesDescriptor& grouper = all[kSpottedGrouper] = FloorDweller("SpottedGrouper", 18, WallVariant::Soft);
    grouper.startHeading = StartHeading::Random180;
    grouper.randomRowAtSpawn = true;
    grouper.follower = steady;
    SetFollowerAndMouth(grouper, Gape(A, 4, GapeShape::Ascending, 0.01f),
                        Gape(B, 3, GapeShape::Ascending, 0.01f, MouthTimer::Threshold, 50));

    SpeciesDescriptor& crab = all[kCrab] = FloorDweller("Crab", 19, WallVariant::Crab);
    crab.startSizeRule = StartSize::MostlyLargeCrab;
    crab.startSpeed = 0.2f;
    SetChains(crab, {Follower(19)});

    SpeciesDescriptor& shrimp = all[kShrimp] = FloorDweller("Shrimp", 14, WallVariant::Shrimp);
    shrimp.startSpeed = 0.05f;
    shrimp.speedMin = 0.05f;
    shrimp.speedMax = 0.2f;
    shrimp.wanderPeriod = 1000;
    shrimp.wanderResetSpan = 500;
    SetChains(shrimp, {Follower(14)});
    return all;
}
} // namespace

const SpeciesDescriptor& SpeciesCatalogue(int id)
{
    static const std::array<SpeciesDescriptor, kSpeciesTotal> catalogue = BuildCatalogue();
    return catalogue[id];
}
