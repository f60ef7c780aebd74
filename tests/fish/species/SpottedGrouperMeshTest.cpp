// Tests of the spotted grouper mesh that the catalogue-wide checks cannot make.
#include "fish/species/SpottedGrouperMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
constexpr int kBody = 0, kDorsal = 3, kVentral = 5, kEyes = 8;

// The grouper's pose arrays, all zero until a test fills them.
using Pose = TestPose<kSpottedGrouperPoseCount, 32, kSpottedGrouperHeadings>;

// Draws one part with every heading 0 and the given pose values.
std::vector<Point> DrawPart(int index, const Pose& pose, float size = 1.0f)
{
    int count = 0;
    return pose.Draw(SpottedGrouperParts(count)[index], size).points;
}

// The sway under a point of the body at x, between the body columns around it.
float SwayUnder(float x, const Pose& pose)
{
    int count = 0;
    const MeshGrid& body = SpottedGrouperParts(count)[kBody].grids[0];
    const float* sway = pose.values[kSpottedGrouperSway].data();
    for (int k = 0; k + 1 < body.cols; ++k) {
        const float x0 = body.At(0, k).x, x1 = body.At(0, k + 1).x;
        if (x <= x1)
            return sway[k] + (sway[k + 1] - sway[k]) * std::fmax(0.0f, (x - x0) / (x1 - x0));
    }
    return sway[body.cols - 1];
}

// The long dorsal fin leans back over later columns toward its rear; while the body sways, its
// root and its free edge both stay within one column's sway of the body beneath them.
TEST(SpottedGrouperMeshTest, DorsalFinStaysOnTheSwayingBack)
{
    constexpr float kPerColumn = 0.004f;
    Pose pose;
    for (int k = 0; k < kSpottedGrouperBodyColumns; ++k)
        pose.values[kSpottedGrouperSway][k] = kPerColumn * k;
    const std::vector<Point> points = DrawPart(kDorsal, pose);
    ASSERT_EQ(points.size(), 2u * kSpottedGrouperPoseLengths[kSpottedGrouperDorsalBeat]);
    for (size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE(testing::Message() << (i % 2 ? "edge" : "root") << " of ray " << i / 2);
        EXPECT_NEAR(points[i].y, SwayUnder(points[i].x, pose), kPerColumn);
    }
}

// The one ventral fin hangs on the right of the chest only, and its beat swings root and edge
// alike toward the left.
TEST(SpottedGrouperMeshTest, SingleVentralFinOnTheRightSwingsByMinusTheBeat)
{
    constexpr float kBeat = 0.01f;
    Pose pose;
    const std::vector<Point> resting = DrawPart(kVentral, pose);
    pose.values[kSpottedGrouperVentralBeat].fill(kBeat);
    const std::vector<Point> beating = DrawPart(kVentral, pose);
    ASSERT_EQ(beating.size(), resting.size());
    for (size_t i = 0; i < resting.size(); ++i) {
        EXPECT_GT(resting[i].y, 0.0f) << "vertex " << i;
        EXPECT_FLOAT_EQ(beating[i].y, resting[i].y - kBeat) << "vertex " << i;
    }
}

// Both eyes drift forward-down or back-up together by the drift times the fish's size, which is
// a real number for this species; they never move sideways.
TEST(SpottedGrouperMeshTest, EyesDriftAlongAndUpByTheRealSize)
{
    constexpr float kSize = 2.5f, kDrift = -0.006f;
    Pose pose;
    const std::vector<Point> resting = DrawPart(kEyes, pose, kSize);
    pose.values[kSpottedGrouperDrift][0] = kDrift;
    const std::vector<Point> drifted = DrawPart(kEyes, pose, kSize);
    ASSERT_EQ(drifted.size(), resting.size());
    int right = 0;
    for (size_t i = 0; i < resting.size(); ++i) {
        EXPECT_NEAR(drifted[i].x - resting[i].x, kSize * kDrift, 1e-6f);
        EXPECT_FLOAT_EQ(drifted[i].y, resting[i].y);
        EXPECT_NEAR(drifted[i].z - resting[i].z, kSize * kDrift, 1e-6f);
        right += resting[i].y > 0.0f;
    }
    EXPECT_EQ(2 * right, static_cast<int>(resting.size())); // the right eye drifts with the left
}
} // namespace
