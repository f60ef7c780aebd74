// PackedCodec.h -- the byte transform between a shipped resource and the file it stands for.
//
// Resources travel scrambled with a 50-byte key. The run-time decoder and the build-time packer
// both compile this one file, so they cannot disagree about the key:
//
//     plain[k]  = (packed[k] + key[(k + 1) mod 50]) mod 256      decoding, at run time
//     packed[k] = (plain[k]  - key[(k + 1) mod 50]) mod 256      packing, at build time
//
// k counts bytes from the start of the whole file, so the first byte uses key[1] and the 50th
// key[0]. Packed and plain files have the same length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr size_t kPackedKeyLength = 50;

// The key byte at index 0..49.
uint8_t PackedKeyByte(size_t index);

// Transform count bytes in place. position is the offset of data[0] within the whole file, so a
// file may be transformed in pieces of any size.
void DecodePackedBytes(uint8_t* data, size_t count, uint64_t position);
void EncodePackedBytes(uint8_t* data, size_t count, uint64_t position);

// Extension of a decoded file: ".wav" for the base name "Music" exactly (the one sound), ".bmp"
// for every other name, "music" included.
const char* DecodedExtension(const std::string& baseName);
