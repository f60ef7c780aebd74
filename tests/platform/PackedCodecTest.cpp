// Tests of the packing transform: key positions, round trips in pieces, and decoded file names.
#include "platform/PackedCodec.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

TEST(PackedCodec, ByteKIsDecodedWithTheKeyByteAfterIt)
{
    std::vector<uint8_t> zeros(120, 0);
    DecodePackedBytes(zeros.data(), zeros.size(), 0);
    EXPECT_EQ(zeros[0], PackedKeyByte(1));
    EXPECT_EQ(zeros[48], PackedKeyByte(49));
    EXPECT_EQ(zeros[49], PackedKeyByte(0)); // the 50th byte wraps to key[0]
    EXPECT_EQ(zeros[50], PackedKeyByte(1));
    for (size_t k = 0; k < zeros.size(); ++k)
        ASSERT_EQ(zeros[k], PackedKeyByte((k + 1) % kPackedKeyLength)) << "byte " << k;

    // Addition wraps modulo 256.
    uint8_t high = 0xFF;
    DecodePackedBytes(&high, 1, 0);
    EXPECT_EQ(high, static_cast<uint8_t>(0xFF + PackedKeyByte(1)));
}

TEST(PackedCodec, KeyIsNotTrivial)
{
    // A key of zeros, or one repeating byte, would leave the pictures readable in the executable.
    int distinct = 0;
    for (size_t i = 1; i < kPackedKeyLength; ++i)
        distinct += PackedKeyByte(i) != PackedKeyByte(0);
    EXPECT_GT(distinct, 40);
}

TEST(PackedCodec, PackingThenDecodingInAnyPiecesGivesTheBytesBack)
{
    std::mt19937 random(99);
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> plain(random() % 400);
        for (uint8_t& byte : plain)
            byte = static_cast<uint8_t>(random());
        const uint64_t start = random() % 1000; // as if this were the middle of a larger file

        std::vector<uint8_t> packed = plain;
        EncodePackedBytes(packed.data(), packed.size(), start);
        // Decoded in random pieces, each told where it lies.
        size_t done = 0;
        while (done < packed.size()) {
            const size_t piece = std::min<size_t>(packed.size() - done, 1 + random() % 97);
            DecodePackedBytes(packed.data() + done, piece, start + done);
            done += piece;
        }
        ASSERT_EQ(packed, plain) << "round " << round << ", " << plain.size() << " bytes from " << start;
    }
}

TEST(PackedCodec, OnlyTheExactNameMusicIsTheSound)
{
    EXPECT_STREQ(DecodedExtension("Music"), ".wav");
    EXPECT_STREQ(DecodedExtension("music"), ".bmp");
    EXPECT_STREQ(DecodedExtension("MUSIC"), ".bmp");
    EXPECT_STREQ(DecodedExtension("Music1"), ".bmp");
    EXPECT_STREQ(DecodedExtension("fish0"), ".bmp");
}
