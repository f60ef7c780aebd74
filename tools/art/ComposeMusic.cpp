// ComposeMusic.cpp -- synthesis of the wash and the bubbles, the loop crossfade and the final level.
#include "art/ComposeMusic.h"

#include "art/Random.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979;
constexpr double kRate = kMusicSampleRate;
constexpr int kCrossfadeFrames = kMusicSampleRate; // one second of tail laid over the head
constexpr int kWarmUpFrames = kMusicSampleRate;    // lets the filters settle before the take
constexpr double kPeakLevel = 0.5;                 // -6 dBFS
constexpr double kBubbleMargin = 0.25;             // seconds kept clear of bubbles at both ends

// Two-pole state-variable filter (topology-preserving form), stable while its cutoff moves every
// sample. Gives low-pass and band-pass outputs of the same input.
class CStateVariableFilter
{
public:
    void Run(double input, double cutoffHz, double q, double& low, double& band)
    {
        const double g = std::tan(kPi * std::min(cutoffHz, 0.45 * kRate) / kRate);
        const double k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double v1 = a1 * (ic1 + g * (input - ic2));
        const double v2 = ic2 + g * v1;
        ic1 = 2.0 * v1 - ic1;
        ic2 = 2.0 * v2 - ic2;
        band = v1;
        low = v2;
    }

private:
    double ic1 = 0.0;
    double ic2 = 0.0;
};

// One swell of the sea: rises smoothly for `rise` seconds up to its peak at `peak`, then ebbs away
// exponentially with time constant `ebb`.
struct Swell
{
    double peak;     // seconds into the loop
    double rise;     // seconds
    double ebb;      // seconds
    double strength; // 0..1
};

// The swelling and ebbing of the wash, 0.15 at rest up to about 1 on a big wave. Depends only on the
// time modulo the loop, so the envelope is exactly periodic over it.
double SwellEnvelope(const std::vector<Swell>& swells, double seconds)
{
    double level = 0.15;
    for (const Swell& s : swells) {
        // Time since the swell started, wrapped into the loop, starting at the rise.
        const double since = std::fmod(seconds - (s.peak - s.rise) + 2.0 * kMusicSeconds, double(kMusicSeconds));
        double shape;
        if (since < s.rise) {
            const double x = since / s.rise;
            shape = x * x * (3.0 - 2.0 * x);
        } else {
            shape = std::exp(-(since - s.rise) / s.ebb);
        }
        level += s.strength * shape;
    }
    return level;
}

std::vector<Swell> PlanSwells(CRandom& random)
{
    // Five waves in the thirty seconds, about six seconds apart but never quite regular.
    std::vector<Swell> swells;
    for (int k = 0; k < 5; ++k) {
        Swell s;
        s.peak = 6.0 * k + 3.0 + random.Range(-1.1f, 1.1f);
        s.rise = random.Range(1.8f, 2.8f);
        s.ebb = random.Range(1.8f, 2.8f);
        s.strength = random.Range(0.5f, 0.8f);
        swells.push_back(s);
    }
    return swells;
}

// The same waves heard from a little to one side: each arrives a touch earlier or later and a
// little stronger or weaker, which gives the wash some width without two unrelated seas.
std::vector<Swell> Beside(std::vector<Swell> swells, CRandom& random)
{
    for (Swell& s : swells) {
        s.peak += random.Range(-0.35f, 0.35f);
        s.strength *= random.Range(0.85f, 1.15f);
    }
    return swells;
}

// White noise, uniform in -1..1.
double WhiteNoise(CRandom& random)
{
    return 2.0 * random.Uniform() - 1.0;
}

// The wash of one channel, `frames` frames long, starting at the loop's beginning. Low-passed noise
// opens up and gets louder as a swell passes; a little band-passed hiss of foam rides on the crest.
std::vector<double> RenderWash(const std::vector<Swell>& swells, uint64_t seed, int frames)
{
    CRandom random(seed);
    CStateVariableFilter body;
    CStateVariableFilter foam;
    CStateVariableFilter mellow;
    double dcLow = 0.0;
    std::vector<double> wash(frames);
    for (int i = -kWarmUpFrames; i < frames; ++i) {
        const double seconds = (i < 0 ? i + kMusicFrames : i) / kRate;
        const double swell = SwellEnvelope(swells, seconds);
        double low = 0.0;
        double band = 0.0;
        body.Run(WhiteNoise(random), 160.0 + 900.0 * swell * swell, 0.7, low, band);
        const double deep = low * (0.3 + 0.7 * swell);
        foam.Run(WhiteNoise(random), 2200.0, 0.6, low, band);
        const double hiss = band * 0.22 * swell * swell * swell;
        // Soften everything above a few kilohertz, then take away any slow drift of the centre.
        double soft = 0.0;
        mellow.Run(deep + hiss, 3800.0, 0.6, soft, band);
        dcLow += (soft - dcLow) * (2.0 * kPi * 25.0 / kRate);
        if (i >= 0)
            wash[i] = soft - dcLow;
    }
    return wash;
}

// Lays the extra tail (frames past the loop's end) over the head with an equal-power crossfade, so
// that the last sample of the loop is followed by what the wash itself would have played next.
std::vector<double> CloseLoop(const std::vector<double>& wash)
{
    std::vector<double> loop(wash.begin(), wash.begin() + kMusicFrames);
    for (int i = 0; i < kCrossfadeFrames; ++i) {
        const double x = (i + 0.5) / kCrossfadeFrames;
        const double in = std::sin(0.5 * kPi * x);
        const double out = std::cos(0.5 * kPi * x);
        loop[i] = wash[i] * in + wash[kMusicFrames + i] * out;
    }
    return loop;
}

// A bubble: a sine whose pitch rises as it nears the surface, struck softly and dying fast.
void AddBubble(std::vector<double>& left, std::vector<double>& right, int start, double pitchHz, double rise,
               double decay, double amplitude, double pan)
{
    const int length = static_cast<int>(decay * 7.0 * kRate);
    const double gainLeft = amplitude * std::cos(0.5 * kPi * pan);
    const double gainRight = amplitude * std::sin(0.5 * kPi * pan);
    double phase = 0.0;
    for (int i = 0; i < length; ++i) {
        const double t = i / kRate;
        const double pitch = pitchHz * std::pow(rise, t / (decay * 7.0)); // reaches rise x by the end
        phase += 2.0 * kPi * pitch / kRate;
        const double attack = 1.0 - std::exp(-t / 0.0025);
        const double tail = std::min(1.0, (length - i) / (0.004 * kRate)); // no click at the cut
        const double s = std::sin(phase) * attack * std::exp(-t / decay) * tail;
        left[start + i] += gainLeft * s;
        right[start + i] += gainRight * s;
    }
}

void AddBubbles(std::vector<double>& left, std::vector<double>& right, CRandom& random)
{
    // Little trains of bubbles from the same spot (similar pitch and place), scattered in time.
    constexpr int kTrains = 11;
    const double last = kMusicSeconds - kBubbleMargin - 0.3; // the longest bubble lasts under 0.3 s
    for (int k = 0; k < kTrains; ++k) {
        double when = kBubbleMargin + (last - kBubbleMargin) * (k + random.Range(0.1f, 0.9f)) / kTrains;
        const double pitch = random.Range(450.0f, 1300.0f);
        const double pan = random.Range(0.15f, 0.85f);
        const double loudness = random.Range(0.25f, 0.6f);
        const int count = 1 + random.Below(5);
        for (int b = 0; b < count && when < last; ++b) {
            AddBubble(left, right, static_cast<int>(when * kRate), pitch * random.Range(0.85f, 1.2f),
                      random.Range(1.4f, 2.4f), random.Range(0.012f, 0.03f), loudness * random.Range(0.6f, 1.0f),
                      pan + random.Range(-0.08f, 0.08f));
            when += random.Range(0.05f, 0.18f);
        }
    }
}
} // namespace

std::vector<int16_t> ComposeMusic()
{
    CRandom random(0xB0BB1E5);
    const std::vector<Swell> sea = PlanSwells(random);
    const std::vector<Swell> leftSwells = Beside(sea, random);
    const std::vector<Swell> rightSwells = Beside(sea, random);
    const int rendered = kMusicFrames + kCrossfadeFrames;
    std::vector<double> left = CloseLoop(RenderWash(leftSwells, 0x1EF7, rendered));
    std::vector<double> right = CloseLoop(RenderWash(rightSwells, 0x819E7, rendered));

    // The wash is far quieter than its noise source; bring it to a known level before the bubbles
    // are laid on, so their loudness is relative to it.
    double washPeak = 0.0;
    for (int i = 0; i < kMusicFrames; ++i)
        washPeak = std::max({washPeak, std::fabs(left[i]), std::fabs(right[i])});
    for (int i = 0; i < kMusicFrames; ++i) {
        left[i] /= washPeak;
        right[i] /= washPeak;
    }
    AddBubbles(left, right, random);

    double peak = 0.0;
    for (int i = 0; i < kMusicFrames; ++i)
        peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
    const double gain = kPeakLevel / peak;
    std::vector<int16_t> samples(static_cast<size_t>(kMusicFrames) * kMusicChannels);
    for (int i = 0; i < kMusicFrames; ++i) {
        samples[2 * i] = static_cast<int16_t>(std::lround(left[i] * gain * 32767.0));
        samples[2 * i + 1] = static_cast<int16_t>(std::lround(right[i] * gain * 32767.0));
    }
    return samples;
}
