// PackedCodec.cpp -- the 50-byte key and the packing transform, shared by the program and the packer.
#include "platform/PackedCodec.h"

namespace {
// Any 50 bytes would do; changing them only needs a rebuild, which repacks every resource.
constexpr uint8_t kKey[kPackedKeyLength] = {
    0x5A, 0xC3, 0x17, 0x8E, 0x2B, 0xF4, 0x61, 0x09, 0xD7, 0x3C, 0xA5, 0x7E, 0x12, 0xEB, 0x48, 0x96, 0x0F,
    0xB1, 0x6D, 0x24, 0xCE, 0x83, 0x5F, 0x3A, 0xE9, 0x70, 0x1D, 0xA8, 0x44, 0xFB, 0x92, 0x07, 0x6B, 0xD0,
    0x35, 0x8A, 0xC1, 0x58, 0x2E, 0xB7, 0x19, 0xE4, 0x7C, 0x03, 0x9F, 0x66, 0xDA, 0x21, 0xAE, 0x4D,
};

size_t KeyIndexFor(uint64_t position)
{
    return static_cast<size_t>((position + 1) % kPackedKeyLength);
}
} // namespace

uint8_t PackedKeyByte(size_t index)
{
    return kKey[index % kPackedKeyLength];
}

void DecodePackedBytes(uint8_t* data, size_t count, uint64_t position)
{
    size_t keyIndex = KeyIndexFor(position);
    for (size_t i = 0; i < count; ++i) {
        data[i] = static_cast<uint8_t>(data[i] + kKey[keyIndex]);
        keyIndex = keyIndex + 1 == kPackedKeyLength ? 0 : keyIndex + 1;
    }
}

void EncodePackedBytes(uint8_t* data, size_t count, uint64_t position)
{
    size_t keyIndex = KeyIndexFor(position);
    for (size_t i = 0; i < count; ++i) {
        data[i] = static_cast<uint8_t>(data[i] - kKey[keyIndex]);
        keyIndex = keyIndex + 1 == kPackedKeyLength ? 0 : keyIndex + 1;
    }
}

const char* DecodedExtension(const std::string& baseName)
{
    return baseName == "Music" ? ".wav" : ".bmp";
}
