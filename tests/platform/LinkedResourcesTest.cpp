// The resources linked into this executable are exactly the art of this build, packed.
#include "environment/ResourceCatalogue.h"
#include "platform/PackedCodec.h"
#include "platform/ResourceTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {
// The raw file the packer read for this entry, or false when the build has no such file.
bool ArtFile(const PackedResourceEntry& entry, std::vector<uint8_t>& bytes)
{
#ifdef KELPORA_ART_DIR
    std::ifstream in(std::string(KELPORA_ART_DIR) + entry.baseName + DecodedExtension(entry.baseName),
                     std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
#else
    (void)entry;
    (void)bytes;
    return false; // a build without the art generator packs nothing
#endif
}
} // namespace

TEST(LinkedResources, EachDecodesToItsArtFileAndNothingElseIsThere)
{
    const CResourceTable& linked = CResourceTable::Linked();
    size_t expected = 0;
    for (const PackedResourceEntry& entry : kPackedResourceCatalogue) {
        std::vector<uint8_t> raw;
        const PackedResource* resource = linked.Find(kPackedResourceType, entry.id);
        if (!ArtFile(entry, raw)) {
            EXPECT_EQ(resource, nullptr) << entry.baseName;
            continue;
        }
        ++expected;
        ASSERT_NE(resource, nullptr) << entry.baseName;
        ASSERT_EQ(resource->size, raw.size()) << entry.baseName;
        std::vector<uint8_t> decoded(resource->bytes, resource->bytes + resource->size);
        EXPECT_NE(decoded, raw) << entry.baseName << " is stored in the clear";
        DecodePackedBytes(decoded.data(), decoded.size(), 0);
        EXPECT_EQ(decoded, raw) << entry.baseName;
    }
    // The cursors and the dialog pictures are packed under types of their own (tests/view, tests/ui)
    // and are not counted here.
    size_t pictures = 0;
    std::set<std::pair<std::string, int>> keys;
    for (const PackedResource& resource : linked) {
        pictures += std::string(resource.type) == kPackedResourceType;
        EXPECT_TRUE(keys.insert({resource.type, resource.id}).second)
            << resource.type << " " << resource.id << " twice";
    }
    EXPECT_EQ(pictures, expected);
}
