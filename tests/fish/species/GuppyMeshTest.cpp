// Tests of the Guppy mesh that the catalogue-wide checks cannot make.
#include "fish/species/GuppyMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
constexpr int kLongestPose = 37;

// Pose arrays of the guppy, all zero until a test fills them.
using Pose = TestPose<kGuppyPoseCount, kLongestPose, kGuppyHeadings>;

const MeshPartSpec& Part(const char* name)
{
    return FindPart(GuppyParts, name);
}

// The part's first band as drawn at size 1: column j's root row at 2j, its next row at 2j + 1.
std::vector<Point> DrawFirstBand(const MeshPartSpec& part, const Pose& pose)
{
    std::vector<Point> points = pose.Draw(part, 1.0f).points;
    points.resize(2 * part.grids[0].cols);
    return points;
}

bool Same(const Point& a, const Point& b)
{
    return std::fabs(a.x - b.x) < 1e-6f && std::fabs(a.y - b.y) < 1e-6f && std::fabs(a.z - b.z) < 1e-6f;
}
} // namespace

TEST(GuppyMesh, TailRootHasSevenPointsTheLastServingColumnsThirtyToThirtySix)
{
    const std::vector<Point> band = DrawFirstBand(Part("tail fin"), Pose());
    int points = 1;
    for (int j = 1; j < kGuppyPoseLengths[kGuppyTailBeat]; ++j) {
        const bool changes = !Same(band[2 * j], band[2 * (j - 1)]);
        EXPECT_EQ(changes, j % 5 == 0 && j <= 30) << "root point of column " << j;
        points += changes;
    }
    EXPECT_EQ(points, 7);
}

TEST(GuppyMesh, DorsalFollowsColumnsSeventeenToTwentyTwoThenRidesOnTheTailRoot)
{
    Pose pose;
    for (int k = 0; k < kGuppyBodyColumns; ++k) {
        pose.values[kGuppyHeadings][k] = 3.0f * k;
        pose.values[kGuppySway][k] = 0.001f * (k + 1);
    }
    const MeshPartSpec& dorsal = Part("dorsal fin");
    const std::vector<Point> band = DrawFirstBand(dorsal, pose);
    for (int j = 0; j < dorsal.grids[0].cols; ++j) {
        const int column = j < 6 ? 17 + j : kGuppyTailRootColumn;
        const float a = pose.values[kGuppyHeadings][column] * 3.14159265f / 180.0f;
        for (int r = 0; r < 2; ++r) {
            const MeshVertex& v = dorsal.grids[0].At(r, j);
            const float y = v.y + pose.values[kGuppySway][column];
            const Point& got = band[2 * j + r];
            EXPECT_NEAR(got.x, v.x * std::cos(a) - y * std::sin(a), 1e-5f) << "column " << j << " row " << r;
            EXPECT_NEAR(got.y, v.x * std::sin(a) + y * std::cos(a), 1e-5f) << "column " << j << " row " << r;
        }
    }
}

TEST(GuppyMesh, RightVentralKeepsTheSwaySignButMirrorsItsWave)
{
    Pose pose;
    pose.values[kGuppySway][16] = 0.01f;
    for (int j = 0; j < kGuppyPoseLengths[kGuppyVentralWave]; ++j)
        pose.values[kGuppyVentralWave][j] = 0.002f * (j + 1);
    const MeshPartSpec& left = Part("left ventral fin");
    const MeshPartSpec& right = Part("right ventral fin");
    const std::vector<Point> leftBand = DrawFirstBand(left, pose);
    const std::vector<Point> rightBand = DrawFirstBand(right, pose);
    for (int j = 0; j < left.grids[0].cols; ++j) {
        const float wave = pose.values[kGuppyVentralWave][j];
        for (int r = 0; r < 2; ++r) {
            const float y = left.grids[0].At(r, j).y;
            EXPECT_NEAR(leftBand[2 * j + r].y, y + 0.01f + wave, 1e-6f) << "column " << j << " row " << r;
            EXPECT_NEAR(rightBand[2 * j + r].y, -y + 0.01f - wave, 1e-6f) << "column " << j << " row " << r;
        }
    }
}
