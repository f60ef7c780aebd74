// Fish.h -- one swimming animal: where it is, where it steers, how its body is posed.
//
// Every animal of every species lives in a CFish. Its species descriptor supplies the constants
// and variants; the record holds the state. The view owns 50 records per species for its whole
// life and the live count decides which of them swim: records keep their state while not live.
//
// Each frame a live fish is drawn by Draw(), which also runs its animation chains (Animate), its
// wander before the mesh and its move and head point after it. Steering primitives (Turn,
// TurnPitch, EaseSpeed) are also used by feeding and touching.
//
// Directions: heading 0 points along -x, 90 along +z (toward the viewer); pitch is positive
// nose-up; angles in degrees.
#pragma once

#include "fish/SpeciesDescriptor.h"
#include "platform/Vector3.h"

#include <cstdint>

class CVertexSink;

// One phase-stepped oscillator of a pose chain.
struct Oscillator
{
    float phase = 0.0f;      // radians, wraps to 0 past 2 pi
    int counter = 0;         // calls since the last phase step
    float waveNumber = 0.0f; // radians per element
    float amplitude = 0.0f;
    float step = 0.0f; // radians per phase step
};

// A phase shared by every fish of one species: each call by any of them advances it, so it runs
// faster the more of them are drawn and stands still while none is.
struct SharedPhase
{
    float phase = 0.0f; // radians, wraps to 0 past 2 pi
    int counter = 0;    // calls, by any fish of the species, since the last phase step
};

// The pose arrays of one draw call: array c is filled by the species' chain c; arrays that no
// chain fills are 0, so a part may read one to follow the body columns alone.
struct PoseArrays
{
    float values[kMaxChains][kMaxPoseLength];
    const float* pointers[kMaxChains];
};

class CFish
{
public:
    CFish() = default;

    // Start values of the species; draws the random ones. Position (0, 0, 0).
    void Initialise(int speciesId);

    // Swim limits: x between xMin and xMax, y between yBottom + 5 and yTop + 10, z by species.
    void Spawn(float xMin, float xMax, float yTopArg, float yBottomArg, float zArg1, float zArg2);

    // The per-frame routine: pose, orientation, wander, mesh, move, head point. The caller has
    // translated to `position` and pops its matrix afterwards; the matrix is left as found except
    // for the species' model scale, which is applied to it outside the routine's own push.
    // `texture` is the species skin, bound by the crab before its body list (0 in picking passes).
    void Draw(CVertexSink& sink, uint32_t texture = 0);

    // Steering.
    void Turn(float angle, bool flag, int mode);
    void TurnPitch(float angle, bool flag, int mode);
    void EaseSpeed(float step, float target);
    bool InCruiseBand() const;

    // Motion steps, in the order Draw runs them.
    void Wander();
    void Move();
    void UpdateBodyBox();

    // Animation: every chain of the species into `pose`, and the gait re-tuning of a wander.
    void Animate(PoseArrays& pose);
    void SetGait(float cruiseSpeed, bool closed);

    // Animation state shared by all fish of a species (a mouth timer, shared phases). It lives for
    // the whole run; the reset returns it to its start, all 0.
    static SharedPhase SharedWave(int speciesId, int slot);
    static void ResetSharedAnimation();

    // Size change by eating: by `amount` up (grow) or down, whole for whole-size species, then
    // held within 3 to 7.
    void Grow(float amount, bool grow);

    void SetSeeking(bool value) { seeking = value; }
    const SpeciesDescriptor& Species() const { return *species; }
    int SpeciesId() const { return speciesId; }

    // The record; public so that feeding, touching, tests and the population reach it directly.
    float size = 1.0f;
    float speed = 0.0f;         // tank units per frame along the heading
    float targetPitch = 0.0f;   // kept within -45..45
    float targetHeading = 0.0f; // kept within -360..360
    float pitch = 0.0f;
    float heading = 0.0f;
    bool seeking = false;
    Vector3 position;
    bool towardNegX = false, towardPosX = false, towardPosZ = false, towardNegZ = false, noseUp = false;
    bool targetTowardNegX = false, targetTowardPosX = false, targetTowardPosZ = false, targetTowardNegZ = false;
    float swimXMin = 0.0f, swimXMax = 0.0f, swimYTop = 0.0f, swimYBottom = 0.0f, swimZFar = 0.0f, swimZNear = 0.0f;
    int wallHit = 0; // 0 none; 1 x low; 2 x high; 3 z far; 4 z near; 5 y top; 6 y bottom
    int wanderTimer = 0;
    float bodyLength = 0.0f;
    Vector3 headPoint;
    float partMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    uint32_t bodyList = 0; // the crab's body, compiled at spawn with the size of that moment

    // Animation block.
    Oscillator oscillators[kMaxChains]; // one per chain, by chain index; unused by the other kinds
                                        // and by a chain that reruns another chain's oscillator
    int chainPeriods[kMaxChains] = {};  // calls per phase step; chains with a WrapRedraw draw new ones
    int swayStart = 0;                  // the sway chain's first swaying column m
    float driftValue = 0.0f;            // the drift chain's value, within -driftLimit..driftLimit
    float driftStep = 0.0f;
    float driftLimit = 0.0f;
    float lastTarget = 0.0f;
    int turnCounter = 0;
    bool headArrived = false;
    bool bodyArrived = false;
    int columnAngles[kMaxColumns] = {};
    bool mouthClosed = true;
    int mouthTimer = 0;
    int mouthLimit = 0;
    bool chatter = false; // a chattering mouth toggles at every limit; nothing sets it yet
    int turnStyle = 0;    // style flags of species whose wander draws them instead of a gait
    int swayStyle = 0;

private:
    void WallStepStandard();
    void WallStepSoft();
    void WallStepFloorDweller(bool carriedAcross, float easeTarget);
    void WallStepVertical(float easeTarget);
    void BoundTargetHeading();
    void EasePitch();

    void DrawParts(CVertexSink& sink, const PoseArrays& pose);
    uint32_t BuildBodyList() const; // 0 when the species has no rigid body or GL has no list
    void RunFollower(float* out, int n);
    void RunWaveChain(const ChainSpec& chain, int c, float* out);
    void RedrawOnWrap(const ChainSpec& chain, int c);
    void RunSharedWave(const ChainSpec& chain, float* out);
    void RunDrift(const ChainSpec& chain, float* out);
    void RunGape(const ChainSpec& chain, float* out);
    void AdvanceMouthTimer(const ChainSpec& chain);

    const SpeciesDescriptor* species = nullptr;
    int speciesId = 0;
};
