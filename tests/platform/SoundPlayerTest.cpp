// Tests of the sound player: the volume scale, what reaches the output on each channel, failures.
#include "platform/SoundPlayer.h"
#include "platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace {
constexpr int kRate = 22050;
constexpr int16_t kAmplitude = 8000;

// A 16-bit stereo WAV of a square wave of kAmplitude, the same on both channels.
std::vector<uint8_t> SquareWave(double seconds)
{
    const uint32_t frames = static_cast<uint32_t>(seconds * kRate);
    const uint32_t dataBytes = frames * 4;
    std::vector<uint8_t> wav(44 + dataBytes);
    size_t at = 0;
    auto put = [&wav, &at](uint32_t v, int bytes) {
        for (int b = 0; b < bytes; ++b)
            wav[at++] = static_cast<uint8_t>(v >> (8 * b));
    };
    auto tag = [&put](const char* t) { put(t[0] | t[1] << 8 | t[2] << 16 | static_cast<uint32_t>(t[3]) << 24, 4); };
    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2); // PCM
    put(2, 2); // stereo
    put(kRate, 4);
    put(kRate * 4, 4);
    put(4, 2);
    put(16, 2);
    tag("data");
    put(dataBytes, 4);
    for (uint32_t i = 0; i < frames; ++i) {
        const int16_t s = (i / 50) % 2 ? kAmplitude : static_cast<int16_t>(-kAmplitude);
        put(static_cast<uint16_t>(s), 2);
        put(static_cast<uint16_t>(s), 2);
    }
    return wav;
}

struct Peaks
{
    int left = 0;
    int right = 0;
};

// The largest magnitude on each channel of interleaved 16-bit stereo frames [first, last).
Peaks PeaksOf(const std::string& raw, size_t first, size_t last)
{
    Peaks p;
    for (size_t f = first; f < last; ++f) {
        const auto* sample = reinterpret_cast<const int16_t*>(raw.data() + f * 4);
        p.left = std::max(p.left, std::abs(static_cast<int>(sample[0])));
        p.right = std::max(p.right, std::abs(static_cast<int>(sample[1])));
    }
    return p;
}

long FileSize(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : 0;
}

// Waits until the file has grown by at least `bytes` (the disk driver writes what the mixer mixes).
void WaitForGrowth(const std::string& path, long bytes)
{
    const long target = FileSize(path) + bytes;
    for (int tries = 0; tries < 1000 && FileSize(path) < target; ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

class SoundPlayer : public ::testing::Test
{
protected:
    ErrorReport Reporter()
    {
        return [this](const std::string& text, const std::string& caption) {
            std::lock_guard<std::mutex> lock(reportsMutex);
            reports.push_back(caption + "|" + text);
        };
    }
    std::vector<std::string> Reports()
    {
        std::lock_guard<std::mutex> lock(reportsMutex);
        return reports;
    }

    std::mutex reportsMutex; // reports arrive on the player's thread
    std::vector<std::string> reports;
};
} // namespace

TEST(SoundLevel, MapsTheSixteenBitLevelOntoTheMixersScale)
{
    EXPECT_EQ(MixerVolume(CSoundPlayer::kFullLevel), 128);
    EXPECT_EQ(MixerVolume(0), 0);
    EXPECT_EQ(MixerVolume(32768), 64); // the default attenuation 32767
    EXPECT_EQ(MixerVolume(-1), 0);
    EXPECT_EQ(MixerVolume(1 << 20), 128);
    for (int level = 0; level < CSoundPlayer::kFullLevel; level += 97)
        ASSERT_LE(MixerVolume(level), MixerVolume(level + 97)) << level;
}

// The disk driver writes the mixed output to a file, as fast as a millisecond per buffer allows.
// Both channels carry the recording at the same level, and a new level is heard at once.
TEST_F(SoundPlayer, OutputCarriesTheLevelOnBothChannelsAndFollowsChanges)
{
    CScratchFolder folder;
    const std::string output = folder.path + "/mixed.raw";
    CBorrowedVariable driver("SDL_AUDIODRIVER", "disk");
    CBorrowedVariable file("SDL_DISKAUDIOFILE", output.c_str());
    CBorrowedVariable delay("SDL_DISKAUDIODELAY", "1");
    {
        CSoundPlayer player(Reporter());
        player.PlayLooping(SquareWave(0.5), 32768);
        ASSERT_EQ(player.WaitUntilStarted(), SoundState::Playing) << (Reports().empty() ? "" : Reports()[0]);
        WaitForGrowth(output, 200000);
        player.SetLevel(CSoundPlayer::kFullLevel);
        EXPECT_EQ(player.Level(), CSoundPlayer::kFullLevel);
        WaitForGrowth(output, 200000);
    }
    EXPECT_TRUE(Reports().empty());

    const std::string raw = ReadWholeFile(output);
    const size_t frames = raw.size() / 4;
    ASSERT_GT(frames, 100000u);
    const Peaks before = PeaksOf(raw, 0, frames / 4);
    const Peaks after = PeaksOf(raw, frames - frames / 4, frames);
    EXPECT_EQ(before.left, kAmplitude * 64 / 128);
    EXPECT_EQ(before.right, before.left);
    EXPECT_EQ(after.left, kAmplitude);
    EXPECT_EQ(after.right, after.left);
}

TEST_F(SoundPlayer, WithoutAnAudioDeviceItStaysSilentAndSaysSoOnce)
{
    CBorrowedVariable driver("SDL_AUDIODRIVER", "no-such-driver");
    CSoundPlayer player(Reporter());
    player.PlayLooping(SquareWave(0.1), CSoundPlayer::kFullLevel);
    EXPECT_EQ(player.WaitUntilStarted(), SoundState::NoDevice);
    player.SetLevel(100); // the settings dialog keeps calling; nothing is there to hear it
    player.PlayLooping(SquareWave(0.1), CSoundPlayer::kFullLevel);
    EXPECT_EQ(player.State(), SoundState::NoDevice);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_NE(Reports()[0].find("Sound|"), std::string::npos);
}

TEST_F(SoundPlayer, AnUndecodableRecordingIsReportedOnceAndPlaysNothing)
{
    CBorrowedVariable driver("SDL_AUDIODRIVER", "dummy");
    for (const std::vector<uint8_t>& bad : {std::vector<uint8_t>(5000, 0x5A), std::vector<uint8_t>()}) {
        reports.clear();
        CSoundPlayer player(Reporter());
        player.PlayLooping(bad, CSoundPlayer::kFullLevel);
        EXPECT_EQ(player.WaitUntilStarted(), SoundState::Unplayable);
        EXPECT_EQ(Reports().size(), 1u);
    }
    // The mixer was given back: a good recording plays afterwards.
    CSoundPlayer player(Reporter());
    player.PlayLooping(SquareWave(0.1), CSoundPlayer::kFullLevel);
    EXPECT_EQ(player.WaitUntilStarted(), SoundState::Playing);
}
