// UnpackedFiles.h -- the temporary files a packed resource passes through: written, decoded, deleted.
//
// One resource at a time goes through the private temporary folder T (ending in '/') under a base
// name B:
//
//     UnpackResource(id, T, B)      writes the packed copy  T + B + ".ad"  and decodes it into
//                                   the decoded file        T + B + ".bmp" (".wav" for "Music")
//     ...load or play the decoded file...
//     DeleteUnpackedFiles(T, B)     removes both again
//
// Files are created afresh with mode 0600 (O_EXCL, after unlinking whatever had the name) and
// never opened through a symbolic link: a link planted under one of these names is removed, never
// written or read through. An empty T means there is no private folder: nothing is unpacked and
// nothing deleted, so the current folder's files are never touched. Failures to open or write are reported once through the
// ErrorReport and abandon that one resource; nothing here ends the process.
#pragma once

#include "platform/ErrorReport.h"
#include "platform/ResourceTable.h"

#include <cstdint>
#include <string>
#include <vector>

std::string PackedCopyPath(const std::string& temp, const std::string& baseName);
std::string DecodedFilePath(const std::string& temp, const std::string& baseName);

// Writes the packed copy of resource `id` (type "RCAD") and decodes it. False, with nothing written
// and nothing reported, when the table has no such resource or `temp` is empty; false after a report when a file
// could not be written or decoded.
bool UnpackResource(int id, const std::string& temp, const std::string& baseName, const ErrorReport& report,
                    const CResourceTable& table = CResourceTable::Linked());

// Packed copy to decoded file, byte for byte (see PackedCodec.h). False after one report when
// either file cannot be opened or a read or write fails.
bool DecodePackedFile(const std::string& temp, const std::string& baseName, const ErrorReport& report);

// Removes the packed copy and the decoded file; a file that is not there is no error. Does nothing
// when `temp` is empty.
void DeleteUnpackedFiles(const std::string& temp, const std::string& baseName);

// The whole content of a regular file, opened without following a link. False when the file is
// missing, a link or not a regular file, or cannot be read.
bool ReadPrivateFile(const std::string& path, std::vector<uint8_t>& bytes);
