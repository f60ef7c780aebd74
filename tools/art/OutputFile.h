// OutputFile.h -- writing a generated file in one piece.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes the bytes to path, replacing any file there; false (with errno set) when that fails.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);
