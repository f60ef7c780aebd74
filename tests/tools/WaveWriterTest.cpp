// Tests of the WAV encoder: a canonical PCM header and little-endian signed samples.
#include "art/WaveWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace {
uint32_t ReadLittleEndian(const std::vector<uint8_t>& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}
} // namespace

TEST(WaveWriter, StereoHeaderAndSamples)
{
    const std::vector<int16_t> samples = {0, -1, 32767, -32768};
    const std::vector<uint8_t> wav = EncodeWave(samples, 2, 22050);
    ASSERT_EQ(wav.size(), 44u + 8u);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(ReadLittleEndian(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(ReadLittleEndian(wav, 20, 2), 1u); // PCM
    EXPECT_EQ(ReadLittleEndian(wav, 22, 2), 2u);
    EXPECT_EQ(ReadLittleEndian(wav, 24, 4), 22050u);
    EXPECT_EQ(ReadLittleEndian(wav, 28, 4), 22050u * 4u);
    EXPECT_EQ(ReadLittleEndian(wav, 32, 2), 4u);
    EXPECT_EQ(ReadLittleEndian(wav, 34, 2), 16u);
    EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
    EXPECT_EQ(ReadLittleEndian(wav, 40, 4), 8u);
    EXPECT_EQ(ReadLittleEndian(wav, 44, 2), 0u);
    EXPECT_EQ(ReadLittleEndian(wav, 46, 2), 0xFFFFu);
    EXPECT_EQ(ReadLittleEndian(wav, 48, 2), 0x7FFFu);
    EXPECT_EQ(ReadLittleEndian(wav, 50, 2), 0x8000u);
}
