// Tests of the Goldfish mesh that the catalogue-wide checks cannot make.
#include "fish/species/GoldfishMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

namespace {
const MeshPartSpec& Part(const char* name)
{
    return FindPart(GoldfishParts, name);
}

// One frame's pose arrays, zero unless a test fills one; headings zero, so no part turns. A
// two-row part's strip as drawn: entry 2j is its root at column j, 2j + 1 its edge.
struct Frame : TestPose<kGoldfishPoseCount, 21, kGoldfishHeadings>
{
    void Fill(int pose, float value)
    {
        for (int i = 0; i < kGoldfishPoseLengths[pose]; ++i)
            values[pose][i] = value;
    }
};

TEST(GoldfishMesh, TailHalfRootRunsTopToBottomAndItsLastEntryServesTheLastThreeRays)
{
    const MeshGrid& tail = Part("left tail half").grids[0];
    ASSERT_EQ(tail.firstRowDivisor, 3);
    for (int j = 18; j <= 20; ++j)
        EXPECT_EQ(&tail.At(0, j), &tail.vertices[6]);
    // It ends on the bottom of the stalk, as far below the fan's centre line as it began above...
    EXPECT_NEAR(tail.At(0, 18).z, -tail.At(0, 0).z, 1e-5f);
    // ...and the halves part below: the lower lobe's tip lies further out than the upper lobe's.
    EXPECT_LT(tail.At(1, 20).y, tail.At(1, 0).y);
    EXPECT_LT(tail.At(1, 0).y, 0.0f);
}

TEST(GoldfishMesh, DorsalWaveIsAddedAsItComesWhileTheSwayScalesWithTheFish)
{
    constexpr float kSize = 5.0f;
    Frame rest, moved;
    moved.Fill(kGoldfishSway, 0.01f);
    moved.Fill(kGoldfishDorsalWave, 0.01f);
    const auto before = rest.Draw(Part("dorsal fin"), kSize).points;
    const auto after = moved.Draw(Part("dorsal fin"), kSize).points;
    ASSERT_EQ(after.size(), 20u);
    for (int j = 0; j < 10; ++j) {
        EXPECT_NEAR(after[2 * j][1] - before[2 * j][1], 0.05f, 1e-5f) << "root of column " << j;
        EXPECT_NEAR(after[2 * j + 1][1] - before[2 * j + 1][1], 0.06f, 1e-5f) << "edge of column " << j;
    }
}

TEST(GoldfishMesh, VentralWaveMovesOnlyTheLeadingRaysAndMirrorsOnTheRight)
{
    constexpr float kSize = 2.0f;
    Frame rest, moved;
    moved.Fill(kGoldfishVentralWave, 0.01f);
    for (const char* name : {"left ventral fin", "right ventral fin"}) {
        const float sign = name[0] == 'l' ? 1.0f : -1.0f;
        const auto before = rest.Draw(Part(name), kSize).points;
        const auto after = moved.Draw(Part(name), kSize).points;
        ASSERT_EQ(after.size(), 28u);
        for (int j = 0; j < 14; ++j) {
            EXPECT_FLOAT_EQ(after[2 * j][1], before[2 * j][1]) << name << " root, column " << j;
            const float expected = j < 10 ? sign * 0.02f : 0.0f;
            EXPECT_NEAR(after[2 * j + 1][1] - before[2 * j + 1][1], expected, 1e-6f) << name << " edge, column " << j;
        }
    }
}
} // namespace
