// ComposeMusic.h -- the aquarium's one sound: waves washing and bubbles rising, made to loop.
//
// A soft wash of filtered noise swells and ebbs like waves breaking far above; now and then a few
// bubbles rise with short upward chirps. The recording loops without a seam: the wave envelope is
// periodic over the loop, the wash's own tail is crossfaded into its head, and no bubble sounds
// across the loop point. Peak about -6 dBFS.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kMusicSampleRate = 22050;
constexpr int kMusicChannels = 2;
constexpr int kMusicSeconds = 30;
constexpr int kMusicFrames = kMusicSampleRate * kMusicSeconds; // one sample per channel each

// Interleaved left, right; kMusicFrames frames.
std::vector<int16_t> ComposeMusic();
