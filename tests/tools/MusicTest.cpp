// Tests of the sound: its format and length, its level, and a loop point that cannot be heard.
#include "art/ComposeMusic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
const std::vector<int16_t>& Music()
{
    static const std::vector<int16_t> music = ComposeMusic();
    return music;
}

int Sample(int frame, int channel)
{
    return Music()[static_cast<size_t>(frame) * kMusicChannels + channel];
}
} // namespace

TEST(Music, ThirtySecondsOf16BitAt22050Hz)
{
    EXPECT_EQ(kMusicSampleRate, 22050);
    EXPECT_GE(kMusicSeconds, 20);
    EXPECT_EQ(Music().size(), static_cast<size_t>(kMusicSampleRate) * kMusicSeconds * kMusicChannels);
}

TEST(Music, PeaksNearMinusSixDecibelsAndStaysSoft)
{
    int peak = 0;
    double power = 0.0;
    for (int16_t s : Music()) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
        power += static_cast<double>(s) * s;
    }
    const double peakDb = 20.0 * std::log10(peak / 32768.0);
    const double rmsDb = 10.0 * std::log10(power / Music().size() / (32768.0 * 32768.0));
    EXPECT_NEAR(peakDb, -6.0, 0.5);
    EXPECT_LT(rmsDb, -18.0);
    EXPECT_GT(rmsDb, -32.0);
}

TEST(Music, LoopPointJoinsLikeAnyTwoNeighbouringSamples)
{
    for (int channel = 0; channel < kMusicChannels; ++channel) {
        std::vector<int> steps;
        for (int f = 0; f + 1 < kMusicFrames; ++f)
            steps.push_back(std::abs(Sample(f + 1, channel) - Sample(f, channel)));
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 9 / 10, steps.end());
        const int typical = steps[steps.size() * 9 / 10];
        EXPECT_LE(std::abs(Sample(0, channel) - Sample(kMusicFrames - 1, channel)), typical) << channel;
    }
}

TEST(Music, NoBubbleSoundsAcrossTheLoopPoint)
{
    // Bubbles are tones far louder in their band than the wash's slow swell. Near the loop point
    // the sound must be just the wash: its level on either side of the join is alike, with no
    // burst in the last or first tenth of a second.
    auto level = [](int from, int count) {
        double power = 0.0;
        for (int f = from; f < from + count; ++f)
            for (int c = 0; c < kMusicChannels; ++c)
                power += static_cast<double>(Sample(f, c)) * Sample(f, c);
        return std::sqrt(power / (count * kMusicChannels));
    };
    const int tenth = kMusicSampleRate / 10;
    const double before = level(kMusicFrames - tenth, tenth);
    const double after = level(0, tenth);
    EXPECT_LT(std::max(before, after), 1.6 * std::min(before, after));
}

TEST(Music, WashSwellsAndEbbsGently)
{
    // Level of each second: the waves make the loudest second clearly louder than the quietest,
    // but never a startling jump.
    std::vector<double> seconds;
    for (int s = 0; s < kMusicSeconds; ++s) {
        double power = 0.0;
        for (int f = s * kMusicSampleRate; f < (s + 1) * kMusicSampleRate; ++f)
            power += static_cast<double>(Sample(f, 0)) * Sample(f, 0);
        seconds.push_back(std::sqrt(power / kMusicSampleRate));
    }
    const auto [quietest, loudest] = std::minmax_element(seconds.begin(), seconds.end());
    EXPECT_GT(*loudest, 2.0 * *quietest);
    EXPECT_LT(*loudest, 12.0 * *quietest);
}
