// Handing back the pages of the packed pictures: they leave resident memory and read the same after.
#include "environment/PackedResources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {
// The process's resident file-backed memory, in bytes, or 0 where /proc does not tell.
size_t ResidentFileBytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("RssFile:", 0) == 0)
            return std::strtoull(line.c_str() + 8, nullptr, 10) * 1024;
    }
    return 0;
}

// FNV-1a over every "RCAD" resource of the table; reading it makes their pages resident.
uint64_t PictureHash(const CResourceTable& table, size_t& bytes)
{
    uint64_t hash = 14695981039346656037ull;
    bytes = 0;
    for (const PackedResource& resource : table) {
        if (std::strcmp(resource.type, kPackedResourceType) != 0)
            continue;
        for (size_t i = 0; i < resource.size; ++i)
            hash = (hash ^ resource.bytes[i]) * 1099511628211ull;
        bytes += resource.size;
    }
    return hash;
}
} // namespace

TEST(PackedPicturePages, LinkedPicturesLeaveResidentMemoryAndReadTheSameAfter)
{
    size_t pictureBytes = 0;
    const uint64_t before = PictureHash(CResourceTable::Linked(), pictureBytes);
    if (pictureBytes == 0)
        GTEST_SKIP() << "this build links no packed pictures";
    const size_t residentBefore = ResidentFileBytes();

    const size_t released = ReleasePackedPicturePages();
    EXPECT_GT(released, pictureBytes * 9 / 10); // all but the pages shared at their ends
    EXPECT_LE(released, pictureBytes);
    if (residentBefore > 0) {
        EXPECT_LT(ResidentFileBytes() + released / 2, residentBefore);
    }

    size_t readAgain = 0;
    EXPECT_EQ(PictureHash(CResourceTable::Linked(), readAgain), before); // faulted in again from the file
}

TEST(PackedPicturePages, PicturesInTheProcessOwnMemoryAreLeftAlone)
{
    std::vector<uint8_t> heapCopy(64 * 1024);
    for (size_t i = 0; i < heapCopy.size(); ++i)
        heapCopy[i] = static_cast<uint8_t>(i * 7 + 1);
    const std::vector<uint8_t> expected = heapCopy;
    const PackedResource entries[] = {{kPackedResourceType, 154, heapCopy.data(), heapCopy.size()}};

    EXPECT_EQ(ReleasePackedPicturePages(CResourceTable(entries, 1)), 0u);
    EXPECT_EQ(heapCopy, expected); // private memory: dropping it would have zeroed it
}
