// Tests of the Wrasse mesh that the catalogue-wide checks cannot make.
#include "fish/species/WrasseMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
constexpr int kDorsal = 3, kLeftPectoral = 4, kRightPectoral = 5, kAnal = 8;
constexpr int kLobeColumn = 16; // the body column every lobe ray follows

// Draws one part at size 1, every pose array zero but `beatArray` (all `beat`), every heading 0 but
// column 16's. A 2-row fin emits root and edge of column 0, then of column 1, and so on.
std::vector<Point> DrawPart(int index, int beatArray, float beat, float lobeHeading)
{
    TestPose<kWrassePoseCount, 32, kWrasseHeadings> pose;
    pose.values[beatArray].fill(beat);
    pose.values[kWrasseHeadings][kLobeColumn] = lobeHeading;
    int count = 0;
    return pose.Draw(WrasseParts(count)[index], 1.0f).points;
}

// The dorsal and anal fins ripple only their edge over the body, but end in a lobe over the tail
// stalk that turns with column 16 and swings as a whole, root included.
TEST(WrasseMeshTest, RearFinLobesTurnWithTheStalkAndSwingWhole)
{
    struct RearFin
    {
        int part, beatArray, bodyRays;
    };
    for (const RearFin& fin : {RearFin{kDorsal, kWrasseFirstRearBeat, 8}, RearFin{kAnal, kWrasseSecondRearBeat, 5}}) {
        constexpr float kBeat = 0.01f;
        const std::vector<Point> points = DrawPart(fin.part, fin.beatArray, kBeat, 90.0f);
        const int cols = kWrassePoseLengths[fin.beatArray];
        ASSERT_EQ(points.size(), 2u * cols);
        for (int j = 0; j < cols; ++j) {
            const Point& root = points[2 * j];
            const Point& edge = points[2 * j + 1];
            SCOPED_TRACE(testing::Message() << "part " << fin.part << ", column " << j);
            if (j < fin.bodyRays) { // unturned, the root on the midline and the edge moved by the beat
                EXPECT_FLOAT_EQ(root.y, 0.0f);
                EXPECT_FLOAT_EQ(edge.y, kBeat);
            } else { // turned a quarter: the beat's y is now -x, and the rays stand over the stalk
                EXPECT_NEAR(root.x, -kBeat, 1e-6f);
                EXPECT_NEAR(edge.x, -kBeat, 1e-6f);
                EXPECT_GT(root.y, 0.13f);
                EXPECT_LT(root.y, 0.2f);
            }
        }
    }
}

// The pectoral beat opens both fans outward together: the right fin, drawn mirrored with its term
// negated, is the left one's mirror image. Its root row stores one point for every three columns,
// the last (entry 6) serving columns 18 to 20 at the bottom of the fin's base.
TEST(WrasseMeshTest, PectoralFansBeatAsMirrorImages)
{
    const std::vector<Point> left = DrawPart(kLeftPectoral, kWrassePectoralBeat, 0.01f, 0.0f);
    const std::vector<Point> right = DrawPart(kRightPectoral, kWrassePectoralBeat, 0.01f, 0.0f);
    const std::vector<Point> resting = DrawPart(kLeftPectoral, kWrassePectoralBeat, 0.0f, 0.0f);
    ASSERT_EQ(left.size(), 2u * kWrassePoseLengths[kWrassePectoralBeat]);
    ASSERT_EQ(right.size(), left.size());
    for (size_t i = 0; i < left.size(); ++i) {
        EXPECT_FLOAT_EQ(right[i].x, left[i].x);
        EXPECT_FLOAT_EQ(right[i].y, -left[i].y);
        EXPECT_FLOAT_EQ(right[i].z, left[i].z);
    }
    for (size_t i = 1; i < left.size(); i += 2) // edges: back and out, away from the left flank
        EXPECT_LT(left[i].y, resting[i].y);
    for (int j = 18; j <= 20; ++j)
        EXPECT_FLOAT_EQ(left[2 * j].z, left[2 * 18].z);
    for (int j = 0; j < 18; ++j)
        EXPECT_GT(left[2 * j].z, left[2 * 18].z);
}
} // namespace
