// Tests of the BlueTang mesh that the catalogue-wide checks cannot make.
#include "fish/species/BlueTangMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
// Pose arrays of the tang, all zero until a test fills them.
using Pose = TestPose<kBlueTangPoseCount, kBlueTangBodyColumns, kBlueTangHeadings>;

const MeshPartSpec& Part(const char* name)
{
    return FindPart(BlueTangParts, name);
}

// The part's first band as drawn: column j's root row at 2j, its next row at 2j + 1.
std::vector<Point> DrawFirstBand(const MeshPartSpec& part, const Pose& pose, float size)
{
    std::vector<Point> points = pose.Draw(part, size).points;
    points.resize(2 * part.grids[0].cols);
    return points;
}

// A table vertex times the size, its y moved by `dy`, turned by `degrees` about z.
Point Turned(const MeshVertex& v, float size, float dy, float degrees)
{
    const float a = degrees * 3.14159265f / 180.0f;
    const float x = v.x * size, y = v.y * size + dy;
    return {x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a), v.z * size};
}

void ExpectNear(const Point& got, const Point& want, const char* what, int j)
{
    EXPECT_NEAR(got.x, want.x, 1e-5f) << what << " column " << j;
    EXPECT_NEAR(got.y, want.y, 1e-5f) << what << " column " << j;
    EXPECT_NEAR(got.z, want.z, 1e-5f) << what << " column " << j;
}
} // namespace

// The dorsal's columns sit between two blends of the body, a fraction j / 11 of the way from the
// first to the second, so its last column stops short of the second blend.
TEST(BlueTangMesh, DorsalFinColumnsInterpolateBetweenTwoBodyBlends)
{
    Pose pose;
    for (int k = 0; k < kBlueTangBodyColumns; ++k) {
        pose.values[kBlueTangHeadings][k] = 10.0f * k; // the blends: 25 (columns 2, 3) and 115 (11, 12)
        pose.values[kBlueTangSway][k] = 0.01f * k;
    }
    const MeshPartSpec& dorsal = Part("dorsal fin");
    const float size = 5.0f;
    const std::vector<Point> drawn = DrawFirstBand(dorsal, pose, size);
    for (int j = 0; j < dorsal.grids[0].cols; ++j) {
        const float heading = 25.0f + 90.0f * j / 11.0f;
        const float sway = (0.025f + 0.09f * j / 11.0f) * size;
        ExpectNear(drawn[2 * j], Turned(dorsal.grids[0].At(0, j), size, sway, heading), "root", j);
    }
}

// The tail's top ray follows the column in front of the tail root, heading and sway alike; the
// other five follow the tail root.
TEST(BlueTangMesh, TailTopRayFollowsTheColumnBeforeTheTailRoot)
{
    Pose pose;
    const int root = kBlueTangBodyColumns - 1;
    pose.values[kBlueTangHeadings][root - 1] = 90.0f;
    pose.values[kBlueTangSway][root - 1] = 0.02f;
    pose.values[kBlueTangHeadings][root] = -30.0f;
    pose.values[kBlueTangSway][root] = -0.01f;
    const MeshPartSpec& tail = Part("tail fin");
    const float size = 5.0f;
    const std::vector<Point> drawn = DrawFirstBand(tail, pose, size);
    for (int j = 0; j < tail.grids[0].cols; ++j) {
        const float heading = j == 0 ? 90.0f : -30.0f;
        const float sway = (j == 0 ? 0.02f : -0.01f) * size;
        ExpectNear(drawn[2 * j], Turned(tail.grids[0].At(0, j), size, sway, heading), "root", j);
        ExpectNear(drawn[2 * j + 1], Turned(tail.grids[0].At(1, j), size, sway, heading), "edge", j);
    }
}

// Each ventral's edge reads its wave one element per three columns, and the right fin waves the
// other way from the left.
TEST(BlueTangMesh, VentralEdgesWaveInGroupsOfThreeAndOppositeWays)
{
    Pose pose;
    pose.values[kBlueTangVentralWave][4] = 0.01f; // only the last group of three columns
    const float size = 5.0f;
    for (const char* name : {"left ventral fin", "right ventral fin"}) {
        const MeshPartSpec& fin = Part(name);
        const float side = name[0] == 'l' ? 1.0f : -1.0f;
        const std::vector<Point> drawn = DrawFirstBand(fin, pose, size);
        for (int j = 0; j < fin.grids[0].cols; ++j) {
            const MeshVertex& edge = fin.grids[0].At(1, j);
            const float wave = j >= 12 ? 0.01f * size : 0.0f;
            EXPECT_NEAR(drawn[2 * j + 1].y, side * (edge.y * size + wave), 1e-5f) << name << " column " << j;
        }
    }
}
