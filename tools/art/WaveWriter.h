// WaveWriter.h -- encodes 16-bit PCM samples as a RIFF WAVE file.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kWaveHeaderBytes = 44;

// Samples interleaved by channel (left, right, left, ...) for more than one channel.
std::vector<uint8_t> EncodeWave(const std::vector<int16_t>& samples, int channels, int sampleRate);
