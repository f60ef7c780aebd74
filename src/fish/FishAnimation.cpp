// FishAnimation.cpp -- the pose chains: heading follower, waves and beats, mouth gape, gait.
#include "fish/Fish.h"

#include "fish/SpeciesCatalogue.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>

namespace {
// Species whose fish share one mouth timer keep it here, one per species; likewise the phases
// that all fish of a species advance together.
int sharedMouthTimers[kSpeciesTotal] = {};
SharedPhase sharedWaves[kSpeciesTotal][kMaxSharedWaves] = {};

constexpr float kTwoPi = 6.283185f;
constexpr float kPi = 3.1415925f;

// One phase step every `period` calls; the step happens before the array is filled. Returns
// whether the phase wrapped to 0 in this call.
bool StepPhase(float& phase, int& counter, int period, float step)
{
    if (counter++ > period - 2) {
        phase += step;
        counter = 0;
    }
    if (phase > kTwoPi) {
        phase = 0.0f;
        return true;
    }
    return false;
}

bool StepOscillator(Oscillator& oscillator, int period)
{
    return StepPhase(oscillator.phase, oscillator.counter, period, oscillator.step);
}

// Moves `value` toward `target` by `step`, never past it.
float StepToward(float value, float target, float step)
{
    if (value < target) {
        value += step;
        if (value > target)
            value = target;
    } else {
        value -= step;
        if (value < target)
            value = target;
    }
    return value;
}
} // namespace

void CFish::Animate(PoseArrays& pose)
{
    std::fill(&pose.values[0][0], &pose.values[0][0] + kMaxChains * kMaxPoseLength, 0.0f);
    for (int c = 0; c < kMaxChains; ++c)
        pose.pointers[c] = pose.values[c];
    for (int c = 0; c < species->chainCount; ++c) {
        const ChainSpec& chain = species->chains[c];
        float* out = pose.values[c];
        switch (chain.kind) {
        case ChainKind::Follower:
            RunFollower(out, chain.n);
            break;
        case ChainKind::GapeA:
        case ChainKind::GapeB:
            RunGape(chain, out);
            break;
        case ChainKind::Drift:
            RunDrift(chain, out);
            break;
        case ChainKind::Zero:
            break;
        case ChainKind::SharedWave:
            RunSharedWave(chain, out);
            break;
        default:
            RunWaveChain(chain, c, out);
            break;
        }
    }
}

void CFish::RunWaveChain(const ChainSpec& chain, int c, float* out)
{
    // A chain that reruns an earlier chain's oscillator advances it once more in the same frame,
    // so its array may be one phase step ahead of the earlier one.
    const int source = chain.oscillatorOf >= 0 ? chain.oscillatorOf : c;
    Oscillator& oscillator = oscillators[source];
    if (StepOscillator(oscillator, chainPeriods[source]))
        RedrawOnWrap(species->chains[source], source);
    const float scale = chain.timesSize ? size : 1.0f;
    const float k = oscillator.waveNumber;
    const float phase = oscillator.phase;
    const int n = chain.n;
    const int m = swayStart;
    for (int i = 0; i < n; ++i) {
        const float wave = std::sin(static_cast<float>(i) * k + phase);
        float value = 0.0f;
        switch (chain.kind) {
        case ChainKind::Sine:
            value = wave * oscillator.amplitude;
            break;
        case ChainKind::Ramp:
            value = static_cast<float>(i) * chain.amplitude * wave;
            break;
        case ChainKind::ReversedRamp:
            value = static_cast<float>(n - i) * chain.amplitude * wave;
            break;
        case ChainKind::Sway: {
            if (i < m)
                break;
            // The styled form either grows toward the tail or, from column m + 1 on, swings the
            // tail against the middle of the body.
            const int factor = chain.swayForm == SwayForm::FromStart ? i - m
                               : swayStyle == 1                      ? i - m + 1
                                                                     : n - m - i + 1;
            value = static_cast<float>(factor) * chain.amplitude * wave;
            break;
        }
        case ChainKind::Uniform:
            value = std::sin(k + phase) * oscillator.amplitude;
            break;
        default:
            break;
        }
        out[i] = value * scale * chain.outputScale;
    }
    for (int i = 0; i < chain.zeroFirst; ++i)
        out[i] = 0.0f;
    for (int i = n - chain.zeroLast; i < n; ++i)
        out[i] = 0.0f;
    for (int i = chain.holdFirst; i <= chain.holdLast; ++i)
        out[i] = out[chain.holdSource];
}

// A chain with a random rhythm draws its next period and step, and a sway its next first
// column, each time its phase comes round to 0.
void CFish::RedrawOnWrap(const ChainSpec& chain, int c)
{
    const WrapRedraw& redraw = chain.redraw;
    if (redraw.periodSpan == 0)
        return;
    chainPeriods[c] = Rand15() % redraw.periodSpan + redraw.periodBase;
    oscillators[c].step = kPi / static_cast<float>(Rand15() % redraw.stepSpan + redraw.stepBase);
    if (redraw.swayStartSpan != 0)
        swayStart = Rand15() % redraw.swayStartSpan + redraw.swayStartBase;
}

// A ramp on one of the species' shared phases: period, step, wave number and coefficient are
// the chain's own, only the phase and its counter are common to all fish.
void CFish::RunSharedWave(const ChainSpec& chain, float* out)
{
    SharedPhase& shared = sharedWaves[speciesId][chain.sharedSlot];
    StepPhase(shared.phase, shared.counter, chain.period, chain.step);
    const float scale = chain.timesSize ? size : 1.0f;
    for (int i = 0; i < chain.n; ++i) {
        const float fi = static_cast<float>(i);
        out[i] = fi * chain.amplitude * std::sin(fi * chain.waveNumber + shared.phase) * scale;
    }
}

SharedPhase CFish::SharedWave(int id, int slot)
{
    return sharedWaves[id][slot];
}

void CFish::ResetSharedAnimation()
{
    std::fill(sharedMouthTimers, sharedMouthTimers + kSpeciesTotal, 0);
    std::fill(&sharedWaves[0][0], &sharedWaves[0][0] + kSpeciesTotal * kMaxSharedWaves, SharedPhase{});
}

void CFish::RunDrift(const ChainSpec& chain, float* out)
{
    const DriftRule& rule = chain.drift;
    driftValue += targetPitch > 0.0f ? driftStep : -driftStep;
    const float kick = rule.kick * driftStep;
    if (Rand15() % rule.odds == 0)
        driftValue += kick;
    if (Rand15() % rule.odds == 0)
        driftValue -= kick;
    if (driftValue > driftLimit)
        driftValue = driftLimit;
    if (driftValue < -driftLimit)
        driftValue = -driftLimit;
    out[0] = driftValue;
}

void CFish::RunFollower(float* out, int n)
{
    const FollowerVariant& f =
        species->hasCalmFollower && !(turnStyle == 1 || seeking) ? species->calmFollower : species->follower;
    const float t = targetHeading;
    const bool bouncing = wallHit == 1 || wallHit == 2;

    if (std::fabs(lastTarget - t) > 0.01f) {
        headArrived = false;
        bodyArrived = false;
        lastTarget = t;
    }

    // The head step depends on how far the target lies from 0, not on the turn still to go.
    float s;
    if (f.constantStep) {
        s = f.constantStepValue;
    } else {
        const float magnitude = std::fabs(t);
        s = magnitude < 5.0f ? f.smallStep : magnitude < 10.0f ? f.midStep : f.largeStep;
        if (seeking)
            s = f.seekingStep;
        if (bouncing && !f.ignoresBounce)
            s = t;
    }

    if (turnCounter++ > 1) { // every third call
        if (!headArrived) {
            heading = StepToward(heading, t, s);
            if (static_cast<int>(heading - t) == 0)
                headArrived = true;
        }
        turnCounter = 0;
    }

    if (!headArrived) {
        // Head turn: the tail trails the head by the turn it still has to make.
        float d = std::fabs(heading - lastTarget) / static_cast<float>(n - 1);
        if (f.spreadCap > 0.0f && d > f.spreadCap)
            d = f.spreadCap;
        if (t != heading) {
            const float direction = t > heading ? -1.0f : 1.0f;
            for (int i = 0; i < n; ++i) {
                out[i] = heading + direction * static_cast<float>(i) * d;
                columnAngles[i] = static_cast<int>(out[i]);
            }
        } else {
            // Head already on the target (as after a bounce) but not yet confirmed by a head
            // step: the columns keep their headings rather than the zeroed array's heading 0.
            for (int i = 0; i < n; ++i)
                out[i] = static_cast<float>(columnAngles[i]);
        }
        if (f.rule == ColumnRule::Rigid) {
            for (int i = 0; i < n; ++i) {
                out[i] = out[0];
                columnAngles[i] = columnAngles[0];
            }
        } else if (f.rule == ColumnRule::HeadFollowsNext && n > 1) {
            out[0] = out[1];
            columnAngles[0] = columnAngles[1];
        }
        if (bouncing) {
            for (int i = 0; i < n; ++i) {
                out[i] = t;
                columnAngles[i] = static_cast<int>(t);
            }
            heading = targetHeading;
        }
        return;
    }

    // Body catch-up: the whole-degree column headings close in on the target.
    if (!bodyArrived) {
        int step = seeking ? f.catchUpSeekingStep : f.catchUpStep;
        if (f.randomCatchUp)
            step = static_cast<int>(1.0f + static_cast<float>(Rand15() % 90) * 0.01f);
        if (f.catchUpIsTargetWhenBouncing && bouncing)
            step = static_cast<int>(std::fabs(t)); // by magnitude: a negative step would never arrive
        const int settled = static_cast<int>(t);
        bool moved = false;
        for (int i = 0; i < n; ++i) {
            const float column = static_cast<float>(columnAngles[i]);
            if (column < t) {
                columnAngles[i] = columnAngles[i] + step > t ? settled : columnAngles[i] + step;
                moved = true;
            } else if (column > t) {
                columnAngles[i] = columnAngles[i] - step < t ? settled : columnAngles[i] - step;
                moved = true;
            }
        }
        if (f.catchUpColumn2FollowsColumn1 && n > 2)
            columnAngles[2] = columnAngles[1];
        if (!moved)
            bodyArrived = true;
    }
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<float>(columnAngles[i]);
}

void CFish::AdvanceMouthTimer(const ChainSpec& chain)
{
    const int before = mouthTimer++;
    switch (chain.mouthTimer) {
    case MouthTimer::Threshold:
        if (before > chain.mouthThreshold) {
            mouthClosed = !mouthClosed;
            mouthTimer = 0;
        }
        break;
    case MouthTimer::RandomLimit:
        if (before > mouthLimit) {
            mouthClosed = !mouthClosed;
            mouthTimer = 0;
            mouthLimit = Rand15() % 20 + 15;
        }
        break;
    case MouthTimer::Shared: {
        // The fish whose call finds the shared timer past the threshold toggles its own mouth.
        mouthTimer = before;
        int& shared = sharedMouthTimers[speciesId];
        if (shared++ > chain.mouthThreshold) {
            mouthClosed = !mouthClosed;
            shared = 0;
        }
        break;
    }
    case MouthTimer::Chatter:
        if (before > mouthLimit) {
            if (chatter) {
                mouthClosed = !mouthClosed;
                if (Rand15() % 10 == 0)
                    chatter = false;
                mouthTimer = 0;
            } else {
                if (mouthClosed ? Rand15() % 5 == 0 : Rand15() % 2 == 0)
                    mouthClosed = !mouthClosed;
                mouthTimer = 0;
                mouthLimit = Rand15() % 20 + 20;
            }
        }
        break;
    case MouthTimer::RandomBelow:
        if (Rand15() % 10 + 15 < before) {
            mouthClosed = !mouthClosed;
            mouthTimer = 0;
        }
        break;
    default:
        break;
    }
}

void CFish::RunGape(const ChainSpec& chain, float* out)
{
    if (chain.mouthTimer != MouthTimer::None)
        AdvanceMouthTimer(chain);
    if (mouthClosed)
        return; // a closed mouth: every element 0
    const int n = chain.n;
    const float c = chain.amplitude;
    const float scale = chain.timesSize ? size : 1.0f;
    for (int i = 0; i < n; ++i) {
        const float fi = static_cast<float>(i);
        float value = 0.0f;
        switch (chain.gapeShape) {
        case GapeShape::Descending:
            value = c * static_cast<float>(n - i);
            break;
        case GapeShape::DescendingLastZero:
            value = i == n - 1 ? 0.0f : c * static_cast<float>(n - i);
            break;
        case GapeShape::DescendingFirstZero:
            value = i == 0 ? 0.0f : c * static_cast<float>(n - i);
            break;
        case GapeShape::Ascending:
            value = fi * c;
            break;
        case GapeShape::AscendingLastRaised:
            value = fi * c * (i == n - 1 ? 1.3f : 1.0f);
            break;
        case GapeShape::ShiftedLastRaised:
            value = i == 0 ? 0.0f : (fi - 1.0f) * c * (i == n - 1 ? 1.3f : 1.0f);
            break;
        case GapeShape::TangLower:
            value = i == 0 ? 0.0f : (fi - 1.0f) * 0.002f * (i == n - 1 ? 1.2f : 1.0f);
            break;
        case GapeShape::TangUpper:
            value = (fi - 1.0f) * 0.005f;
            break;
        case GapeShape::Leading:
            value = i < chain.gapeLeading ? c * static_cast<float>(chain.gapeStart - i) : 0.0f;
            break;
        }
        out[i] = value * scale;
    }
}

void CFish::SetGait(float cruiseSpeed, bool closed)
{
    if (species->gaitInert)
        return;
    mouthClosed = closed;
    const float a = 10.0f * cruiseSpeed;
    const float b = cruiseSpeed >= 0.2f ? 1.5f : 1.0f; // two gaits only: cruising and hurrying
    int sharedDraw = -1; // drawn at its first use, then the same for every chain of this call
    const auto divisor = [&](const GaitDraw& draw) {
        int q = draw.base + (draw.plusSwayStart ? swayStart : 0);
        if (draw.span != 0) {
            if (draw.sharedDraw && sharedDraw < 0)
                sharedDraw = Rand15();
            q += (draw.sharedDraw ? sharedDraw : Rand15()) % draw.span;
        }
        return static_cast<float>(q);
    };
    for (int c = 0; c < species->chainCount; ++c) {
        const ChainSpec& chain = species->chains[c];
        const GaitRetune& gait = chain.gait;
        Oscillator& oscillator = oscillators[c];
        if (gait.waveNumber != 0.0f)
            oscillator.waveNumber = gait.waveNumber;
        const float factor = gait.byB ? b : a;
        if (gait.amplitudePerA != 0.0f)
            oscillator.amplitude = gait.amplitudePerA * factor;
        if (gait.stepPiDivisor != 0.0f)
            oscillator.step = factor * (kPi / gait.stepPiDivisor);

        if (gait.waveDraw.IsSet())
            oscillator.waveNumber = kPi / divisor(gait.waveDraw);
        if (gait.amplitudeSpan != 0)
            oscillator.amplitude = gait.amplitudeBase + 0.01f * static_cast<float>(Rand15() % gait.amplitudeSpan);
        if (gait.stepDraw.IsSet())
            oscillator.step = kPi / divisor(gait.stepDraw);
        if (gait.redrawsSwayStart)
            swayStart = Rand15() % chain.redraw.swayStartSpan + chain.redraw.swayStartBase;
    }
}
