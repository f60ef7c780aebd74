// Handing back the pages of the packed pictures: they leave resident memory and read the same after.
#include "environment/PackedResources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

TEST(PackedPicturePages, LinkedPicturesLeaveResidentMemoryAndReadTheSameAfter)
{
    const auto residentFileBytes = [] {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line) && line.rfind("RssFile:", 0) != 0) {
        }
        return line.empty() ? 0 : std::stoull(line.substr(8)) * 1024;
    };
    std::vector<uint8_t> copy; // reading every picture makes its pages resident
    for (const PackedResource& r : CResourceTable::Linked())
        if (std::strcmp(r.type, kPackedResourceType) == 0)
            copy.insert(copy.end(), r.bytes, r.bytes + r.size);
    if (copy.empty())
        GTEST_SKIP() << "this build links no packed pictures";
    const size_t residentBefore = residentFileBytes();
    const size_t released = ReleasePackedPicturePages();
    EXPECT_GT(released, copy.size() * 9 / 10); // all but the pages shared at their ends
    EXPECT_LT(residentFileBytes() + released / 2, residentBefore);
    size_t at = 0; // read again, from the file
    for (const PackedResource& r : CResourceTable::Linked())
        if (std::strcmp(r.type, kPackedResourceType) == 0) {
            EXPECT_EQ(std::memcmp(r.bytes, copy.data() + at, r.size), 0) << r.id;
            at += r.size;
        }
}

TEST(PackedPicturePages, PicturesInTheProcessOwnMemoryAreLeftAlone)
{
    std::vector<uint8_t> heapCopy(64 * 1024);
    std::iota(heapCopy.begin(), heapCopy.end(), uint8_t{1});
    const std::vector<uint8_t> expected = heapCopy;
    const PackedResource entries[] = {{kPackedResourceType, 154, heapCopy.data(), heapCopy.size()}};
    EXPECT_EQ(ReleasePackedPicturePages(CResourceTable(entries, 1)), 0u);
    EXPECT_EQ(heapCopy, expected); // private memory: dropping its pages would have zeroed it
}
