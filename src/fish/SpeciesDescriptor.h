// SpeciesDescriptor.h -- everything that makes one species differ from another, as data.
//
// There is one fish record type (CFish) and one implementation of its motion, animation and
// drawing. A species is a descriptor: its start values, its motion constants and wall variant,
// its heading follower, its chain table (the pose arrays its parts read) and its mesh parts. The
// catalogue (SpeciesCatalogue.h) holds the fifteen descriptors in drawing order.
#pragma once

#include "fish/MeshPart.h"
#include "fish/StaticBody.h"

#include <cstdint>

constexpr int kMaxChains = 12;     // pose chains per species
constexpr int kMaxColumns = 32;    // body columns (the longest body has 31)
constexpr int kMaxPoseLength = 90; // elements of one pose array (the clownfish's tail beat has 90)
constexpr int kMaxSharedWaves = 5; // oscillators one species shares among all its fish

// ---- start values ----------------------------------------------------------------------------

enum class StartSize : uint8_t
{
    Fixed,           // startSize
    TwoToEight,      // 2 + rand() % 7
    MostlyLargeCrab, // 20, or 7 when rand() % 10 == 0
};

enum class StartHeading : uint8_t
{
    Zero,
    Random180, // rand() % 180
    ZeroOr180, // 0 when rand() is even, else 180
};

// ---- motion ----------------------------------------------------------------------------------

enum class WallVariant : uint8_t
{
    Standard, // turn back at every limit and set the fish inside
    Soft,     // slows near x and z limits, nudged back in x, never set back in z
    Crab,     // as soft, with a front band, and sometimes carried to the far side
    Shrimp,   // as crab, never carried across, easing toward 0.05
};

enum class GaitCall : uint8_t
{
    None,            // the wander re-tunes nothing
    RandomFlag,      // SetGait(v, rand() is odd)
    AlternatingFlag, // SetGait(v, !mouthClosed)
    StyleFlags,      // no gait; turnStyle and swayStyle drawn instead
};

// ---- animation -------------------------------------------------------------------------------

enum class ColumnRule : uint8_t
{
    Rigid,          // every column takes column 0's heading: the fish turns without bending
    Fan,            // the tail trails the head by the turn still to go
    HeadFollowsNext // as Fan, but column 0 takes column 1's value
};

struct FollowerVariant
{
    float smallStep = 1.0f; // head step while |target| < 5
    float midStep = 3.0f;   // while 5 <= |target| < 10
    float largeStep = 10.0f;
    float seekingStep = 10.0f;
    int catchUpStep = 2; // integer column headings close in by this per call
    int catchUpSeekingStep = 10;
    bool constantStep = false; // the head step never depends on the target (constantStepValue)
    float constantStepValue = 0.0f;
    bool randomCatchUp = false; // catch-up step 1 + (rand() % 90) * 0.01, drawn per call
    float spreadCap = 0.0f;     // caps the per-column spread d; 0 = no cap
    ColumnRule rule = ColumnRule::Fan;
    bool ignoresBounce = false; // the head step ignores the bounce state
    bool catchUpColumn2FollowsColumn1 = false;
    bool catchUpIsTargetWhenBouncing = false; // in bounce states 1 and 2 the columns step by |target|
};

enum class ChainKind : uint8_t
{
    Follower,     // the heading follower: column headings
    Sine,         // sin(i k + phase) * amplitude
    Ramp,         // i * c * sin(i k + phase)
    ReversedRamp, // (n - i) * c * sin(i k + phase)
    Sway,         // 0 before column m, then (i - m) * c * sin(i k + phase)
    Uniform,      // sin(k + phase) * amplitude for every element: k is added once, not per element
    GapeA,        // lower mouth opening
    GapeB,        // upper mouth opening
    Zero,         // all 0
    Drift,        // one value in element 0 that wanders with the pitch (DriftRule)
    SharedWave,   // as Ramp, on a phase shared by every fish of the species (ChainSpec::sharedSlot)
};

enum class SwayForm : uint8_t
{
    FromStart,   // (i - m) * c * sin(...): grows from 0 at column m
    StyleChosen, // swayStyle 1: (i - m + 1) * c * sin(...); else (n - m - i + 1) * c * sin(...)
};

enum class GapeShape : uint8_t
{
    Descending,          // c (n - i)
    DescendingLastZero,  // c (n - i), last element 0
    DescendingFirstZero, // c (n - i), element 0 is 0
    Ascending,           // i c
    AscendingLastRaised, // i c, element 0 is 0, last element x 1.3
    ShiftedLastRaised,   // (i - 1) c, element 0 is 0, last element x 1.3
    TangLower,           // (i - 1) * 0.002, element 0 is 0, last x 1.2
    TangUpper,           // (i - 1) * 0.005
    Leading,             // only the first `gapeLeading` elements: c (gapeStart - i)
};

enum class MouthTimer : uint8_t
{
    None,        // this gape chain does not advance the mouth timer
    Threshold,   // toggles when the timer before its increment exceeds mouthThreshold
    RandomLimit, // toggles past mouthLimit, then draws a new limit rand() % 20 + 15
    Shared,      // one timer for all fish of the species
    RandomBelow, // toggles when rand() % 10 + 15 is below the timer before its increment
    Chatter,     // past mouthLimit: toggles now and then, more readily while open; new limit rand() % 20 + 20
};

// A divisor q for pi / q drawn by a gait: draw % span + base, plus the sway's current first
// column m when plusSwayStart is set. The draw is fresh, or the one value a gait call shares
// among all its chains (sharedDraw). Unset (all 0, no m) means the value is not drawn.
struct GaitDraw
{
    int span = 0; // 0: no draw, the divisor is base (+ m)
    int base = 0;
    bool sharedDraw = false;
    bool plusSwayStart = false;

    bool IsSet() const { return span != 0 || base != 0 || plusSwayStart; }
};

// What SetGait does to one oscillator, with a = 10 * speed and b = 1.5 if speed >= 0.2 else 1.
// A species retunes either by the speed (the first three) or by random draws (the rest).
struct GaitRetune
{
    float waveNumber = 0.0f;    // new wave number; 0 = unchanged
    float amplitudePerA = 0.0f; // amplitude = this * a; 0 = unchanged
    float stepPiDivisor = 0.0f; // step = a * pi / this; 0 = unchanged
    bool byB = false;           // amplitude and step scale by b instead of a

    GaitDraw waveDraw;             // wave number = pi / divisor
    float amplitudeBase = 0.0f;    // amplitude = amplitudeBase + 0.01 * (rand() % amplitudeSpan)
    int amplitudeSpan = 0;         // 0 = unchanged
    GaitDraw stepDraw;             // step = pi / divisor
    bool redrawsSwayStart = false; // afterwards a new m by the chain's WrapRedraw rule
};

// New oscillator parameters drawn in the call in which the phase wraps to 0, and only then.
struct WrapRedraw
{
    int periodSpan = 0; // period = rand() % periodSpan + periodBase calls; 0 = no redraws
    int periodBase = 0;
    int stepSpan = 0; // step = pi / (rand() % stepSpan + stepBase)
    int stepBase = 0;
    int swayStartSpan = 0; // sway chains: m = rand() % swayStartSpan + swayStartBase; 0 = m kept
    int swayStartBase = 0;
};

// A scalar that leans with the pitch and jitters: per call +-step by the sign of targetPitch,
// then, each with odds 1 in `odds` drawn independently, + kick * step and - kick * step; held
// within +-limit. Units are those of the part that reads it (an offset or a scale).
struct DriftRule
{
    float step = 0.0f;
    float limit = 0.0f;
    int odds = 1;
    float kick = 0.0f;
};

struct ChainSpec
{
    ChainKind kind = ChainKind::Zero;
    int n = 0;
    int period = 1;              // frames between phase steps (the first period, where `redraw` draws new ones)
    float waveNumber = 0.0f;     // radians per element
    float amplitude = 0.0f;      // sine amplitude, or ramp/sway coefficient c, or gape coefficient
    float step = 0.0f;           // radians per phase step
    int swayStart = 0;           // first swaying column m
    bool swayStartDrawn = false; // m starts as a draw by `redraw`'s rule instead of swayStart
    SwayForm swayForm = SwayForm::FromStart;
    WrapRedraw redraw;
    bool timesSize = false;   // the array is multiplied by the fish's size
    float outputScale = 1.0f; // the finished wave is multiplied by this
    int zeroFirst = 0;        // after the wave: this many leading elements are 0
    int zeroLast = 0;         // after the wave: this many trailing elements are 0
    int holdSource = -1;      // after the wave: elements holdFirst..holdLast take this one's value
    int holdFirst = 0;
    int holdLast = -1;
    DriftRule drift;
    GapeShape gapeShape = GapeShape::Descending;
    MouthTimer mouthTimer = MouthTimer::None;
    int mouthThreshold = 0;
    int gapeLeading = 0; // Leading shape: elements written
    int gapeStart = 0;   // Leading shape: the factor of element 0
    GaitRetune gait;
    int oscillatorOf = -1; // runs the oscillator (and period) of this earlier chain once more; -1: its own
    int sharedSlot = 0;    // SharedWave: which of the species' shared phases
};

// ---- drawing -----------------------------------------------------------------------------------

// How the draw routine turns the model before its parts.
enum class DrawFrame : uint8_t
{
    Standard, // the axis swap, then the pitch about the fish's own lateral axis
    Crab,     // pitch and a rigid heading on the tank's axes, then its own turns and a 0.15 scale
    Shrimp,   // the axis swap and a quarter turn more (tables along y); the pitch is never applied
};

// ---- the descriptor --------------------------------------------------------------------------

struct SpeciesDescriptor
{
    const char* name;

    // Start values.
    bool realSize; // size is a real number (species 12 to 14), else whole
    StartSize startSizeRule;
    float startSize;
    float startSpeed;      // tank units per frame
    bool randomStartPitch; // rand() % 45, else 0
    StartHeading startHeading;
    float bodyLength;       // half of size * bodyLength separates position and headPoint
    bool nearFloor;         // swims between zBack and zFront - 10 instead of 2 zBack and zBack
    bool startsAtBackLimit; // spawns at z = -50
    bool randomRowAtSpawn;  // spawn row 15 + rand() % 30 instead of 20

    // Motion.
    float speedMin;
    float speedMax;
    int wanderPeriod;    // frames between changes of cruise
    int wanderResetSpan; // the timer restarts at rand() % this
    int cruiseSet;       // 1: 0.10..0.19; 2: 0.1, 0.2, 0.3 or 0.4
    float cruiseEaseStep;
    GaitCall gaitCall;
    int smallTurnSpan; // a small turn is rand() % this degrees
    bool wrapsHeading; // over +-360 the target wraps to the other bound, else it is held
    WallVariant wall;

    // Animation.
    int columns; // body columns: length of columnHeadings and columnSway
    FollowerVariant follower;
    bool hasCalmFollower; // a second follower, used unless turnStyle is 1 or the fish is seeking
    FollowerVariant calmFollower;
    bool mouthTimerStartsAtZero;  // else rand() % 15
    ChainSpec chains[kMaxChains]; // in call order; chain c fills pose array c, arrays past chainCount stay 0
    int chainCount;
    int headingsPose;       // which pose array holds columnHeadings
    int swayPose;           // which holds columnSway; -1 when none
    bool gaitInert = false; // SetGait changes nothing, not even the mouth

    // Drawing.
    float modelScale[3] = {1.0f, 1.0f, 1.0f}; // applied to the caller's matrix before the model's own
    DrawFrame drawFrame = DrawFrame::Standard;
    const StaticBody* (*staticBody)() = nullptr; // a rigid body compiled at spawn (the crab)
    const MeshPartSpec* parts;                   // in draw order; null until the species is modelled
    int partCount;
};
