// Tests of the betta mesh that the catalogue-wide checks cannot make.
#include "fish/species/BettaMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
constexpr int kLongestPose = 25;

// Pose arrays of the betta, all zero until a test fills them.
using Pose = TestPose<kBettaPoseCount, kLongestPose, kBettaHeadings>;

const MeshPartSpec& Part(const char* name)
{
    return FindPart(BettaParts, name);
}
} // namespace

TEST(BettaMesh, LowerLipGapesOnItsSevenTipColumnsAndKeepsItsHingeShut)
{
    Pose pose;
    for (int j = 0; j < kBettaPoseLengths[kBettaGapeA]; ++j)
        pose.values[kBettaGapeA][j] = 0.01f * (7 - j);
    pose.values[kBettaGapeA][7] = 1.0f; // past the chain: no column may read it
    const MeshPartSpec& lip = Part("lower mouth");
    const MeshGrid& grid = lip.grids[0];
    ASSERT_EQ(grid.cols, 8);
    const std::vector<Point> open = pose.Draw(lip, 2.0f).points;
    const std::vector<Point> shut = Pose().Draw(lip, 2.0f).points;
    ASSERT_EQ(open.size(), shut.size());
    // Each band emits its columns in order, two vertices each, then its mirrored copy.
    for (size_t i = 0; i < open.size(); ++i) {
        const int j = static_cast<int>(i / 2) % grid.cols;
        const float drop = j < 7 ? pose.values[kBettaGapeA][j] : 0.0f; // the chain already carries size
        EXPECT_NEAR(open[i].z, shut[i].z - drop, 1e-6f) << "vertex " << i << " column " << j;
    }
}

TEST(BettaMesh, AnalFinSwaysWithItsBellyColumnsAndRipplesOnlyItsOuterRows)
{
    Pose pose;
    for (int k = 0; k < kBettaBodyColumns; ++k)
        pose.values[kBettaSway][k] = 0.001f * k;
    for (int j = 0; j < kBettaPoseLengths[kBettaBarbelBeat]; ++j)
        pose.values[kBettaBarbelBeat][j] = 0.02f + 0.001f * j;
    const MeshPartSpec& anal = Part("barbels");
    const MeshGrid& grid = anal.grids[0];
    const std::vector<Point> band = pose.Draw(anal, 3.0f).points;
    for (int r = 0; r + 1 < grid.rows; ++r) {
        for (int j = 0; j < grid.cols; ++j) {
            for (int side = 0; side < 2; ++side) {
                const int row = r + side;
                float expected = 3.0f * grid.At(row, j).y + pose.values[kBettaSway][4 + j];
                if (row >= 2)
                    expected += pose.values[kBettaBarbelBeat][j];
                EXPECT_NEAR(band[(r * grid.cols + j) * 2 + side].y, expected, 1e-6f) << "row " << row << " col " << j;
            }
        }
    }
}

TEST(BettaMesh, SmallFinsDriftBySizeAndTheMirroredFinDriftsTheOtherWaySideways)
{
    Pose pose;
    pose.values[kBettaDrift][0] = 0.004f;
    const MeshPartSpec& fins = Part("small fins");
    const std::vector<Point> moved = pose.Draw(fins, 5.0f).points;
    const std::vector<Point> rest = Pose().Draw(fins, 5.0f).points;
    const int cols = fins.grids[0].cols;
    for (size_t i = 0; i < moved.size(); ++i) {
        const bool mirrored = (i / (2 * cols)) % 2 == 1; // each band, then its mirror
        EXPECT_NEAR(moved[i].x - rest[i].x, 0.02f, 1e-6f) << "vertex " << i;
        EXPECT_NEAR(moved[i].y - rest[i].y, mirrored ? -0.02f : 0.02f, 1e-6f) << "vertex " << i;
        EXPECT_NEAR(moved[i].z - rest[i].z, 0.02f, 1e-6f) << "vertex " << i;
    }
}
