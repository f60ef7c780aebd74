// The frame's levers against the plain path: the same frame, rendered in two processes, must
// differ by at most 2 levels in any channel and by less than half a level on average.
#include "view/EquivalenceScenes.h"

#include "platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
std::vector<uint8_t> Render(int scene, const std::string& levers, const std::string& path)
{
    const std::string command = "KELPORA_FRAME=" + levers + " '" KELPORA_FRAME_RENDER "' " + std::to_string(scene) +
                                " '" + path + "'";
    if (std::system(command.c_str()) != 0)
        return {};
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace

class FrameEquivalence : public ::testing::TestWithParam<int>
{
};

TEST_P(FrameEquivalence, EveryLeverTogetherDrawsThePlainPicture)
{
    CScratchFolder folder;
    const size_t bytes = static_cast<size_t>(kEquivalenceWidth) * kEquivalenceHeight * 3;
    const std::vector<uint8_t> plain = Render(GetParam(), "plain", folder.path + "/plain.rgb");
    const std::vector<uint8_t> fast = Render(GetParam(), "", folder.path + "/levers.rgb");
    ASSERT_EQ(plain.size(), bytes);
    ASSERT_EQ(fast.size(), bytes);
    int worst = 0;
    double total = 0.0;
    size_t midRange = 0;
    for (size_t k = 0; k < bytes; ++k) {
        const int difference = std::abs(plain[k] - fast[k]);
        worst = std::max(worst, difference);
        total += difference;
        midRange += plain[k] > 16 && plain[k] < 240;
    }
    EXPECT_LE(worst, 2);
    EXPECT_LT(total / bytes, 0.5);
    EXPECT_GT(midRange, bytes / 1000) << "a scene to compare, not a blank frame"; // thick fog leaves little
}

INSTANTIATE_TEST_SUITE_P(Scenes, FrameEquivalence, ::testing::Range(0, static_cast<int>(std::size(kEquivalenceScenes))),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name = kEquivalenceScenes[info.param].name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
