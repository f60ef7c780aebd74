// ResourceTable.h -- the packed resources linked into this executable, found by type and id.
//
// The build packs every picture, cursor and the sound with the packer (tools/packer) and links the packed
// bytes into kelpora_core, together with a table of {type, id, bytes, size}. Every executable that
// links the core (the program, the tests, the benchmark) therefore carries the same resources.
// When the build had no art to pack, the table is empty and every look-up finds nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The type every picture and the sound are stored under.
constexpr char kPackedResourceType[] = "RCAD";

struct PackedResource
{
    const char* type; // "RCAD" for pictures and the sound, "CURSOR" for cursors, "BITMAP" and "ICON" for the dialogs
    uint16_t id;      // unique within its type
    const uint8_t* bytes; // the packed file, read-only for the life of the process
    size_t size;          // bytes, the same as the plain file's
};

class CResourceTable
{
public:
    // A table over entries that outlive it (the linked table, or a test's own).
    CResourceTable(const PackedResource* entries, size_t count) : entries(entries), count(count) {}

    // The resources linked into this executable.
    static const CResourceTable& Linked();

    // The resource of this type and id, or nullptr when there is none.
    const PackedResource* Find(const std::string& type, int id) const;

    size_t Count() const { return count; }
    const PackedResource* begin() const { return entries; }
    const PackedResource* end() const { return entries + count; }

private:
    const PackedResource* entries;
    size_t count;
};
