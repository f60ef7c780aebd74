// WaveWriter.cpp -- the canonical 44-byte header ("RIFF", "fmt " chunk of 16 bytes, "data") and the samples.
#include "art/WaveWriter.h"

#include <cstring>

namespace {
void PutLittleEndian(std::vector<uint8_t>& out, size_t at, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
} // namespace

std::vector<uint8_t> EncodeWave(const std::vector<int16_t>& samples, int channels, int sampleRate)
{
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out(kWaveHeaderBytes + dataBytes, 0);
    std::memcpy(&out[0], "RIFF", 4);
    PutLittleEndian(out, 4, 36 + dataBytes, 4);
    std::memcpy(&out[8], "WAVEfmt ", 8);
    PutLittleEndian(out, 16, 16, 4); // size of the fmt chunk
    PutLittleEndian(out, 20, 1, 2);  // integer PCM
    PutLittleEndian(out, 22, static_cast<uint32_t>(channels), 2);
    PutLittleEndian(out, 24, static_cast<uint32_t>(sampleRate), 4);
    PutLittleEndian(out, 28, static_cast<uint32_t>(sampleRate * channels * 2), 4); // bytes per second
    PutLittleEndian(out, 32, static_cast<uint32_t>(channels * 2), 2);              // bytes per frame
    PutLittleEndian(out, 34, 16, 2);                                               // bits per sample
    std::memcpy(&out[36], "data", 4);
    PutLittleEndian(out, 40, dataBytes, 4);
    for (size_t i = 0; i < samples.size(); ++i)
        PutLittleEndian(out, kWaveHeaderBytes + 2 * i, static_cast<uint16_t>(samples[i]), 2);
    return out;
}
