// Tests of the shrimp mesh that the catalogue-wide checks cannot make.
#include "fish/species/ShrimpMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const MeshPartSpec& Part(const char* name)
{
    return FindPart(ShrimpParts, name);
}

// Draws one part at `size` with the given pose values (all zero unless set).
using Frame = TestPose<kShrimpPoseCount, 16, kShrimpHeadings>;
} // namespace

// A band of the body turns with the column of its first ring only: a band that took its second
// ring's column would tear the tube one band early in every turn.
TEST(ShrimpMesh, EachBodyBandTurnsWithTheColumnOfItsFirstRing)
{
    const MeshPartSpec& body = Part("body");
    constexpr int kTurned = 5;
    Frame rest, turned;
    turned.values[kShrimpHeadings][kTurned] = 90.0f;
    const CRecordingSink still = rest.Draw(body, 1.0f);
    const CRecordingSink bent = turned.Draw(body, 1.0f);
    ASSERT_EQ(still.strips.size(), static_cast<size_t>(kShrimpBodyColumns - 1));
    for (size_t band = 0; band < still.strips.size(); ++band) {
        for (size_t i = 0; i < still.strips[band].size(); ++i) {
            const Point& p = still.strips[band][i];
            const Point& q = bent.strips[band][i];
            // A quarter turn about z takes (x, y) to (-y, x).
            const Point expected = band == kTurned ? Point{-p[1], p[0], p[2]} : p;
            for (int a = 0; a < 3; ++a)
                EXPECT_NEAR(q[a], expected[a], 1e-5f) << "band " << band << " vertex " << i;
        }
    }
}

// A pair of legs is one grid drawn twice: the copy on the right negates the lateral x, and strokes
// along the body against its twin. The stroke is read by the leg's row and has been scaled by the
// fish's size already.
TEST(ShrimpMesh, LegPairsMirrorAcrossXAndStrokeRowByRowAgainstEachOther)
{
    const MeshPartSpec& legs = Part("legs 4");
    const MeshGrid& grid = legs.grids[0];
    constexpr float kSize = 3.0f;
    Frame rest, stroking;
    for (int r = 0; r < grid.rows; ++r)
        stroking.values[kShrimpLegWave][r] = 0.01f * static_cast<float>(r * r + 1);
    const CRecordingSink still = rest.Draw(legs, kSize);
    const CRecordingSink moved = stroking.Draw(legs, kSize);
    ASSERT_EQ(still.strips.size(), static_cast<size_t>(2 * (grid.rows - 1)));
    for (int band = 0; band < grid.rows - 1; ++band) {
        const std::vector<Point>& left = still.strips[2 * band];
        const std::vector<Point>& right = still.strips[2 * band + 1];
        for (size_t i = 0; i < left.size(); ++i) {
            EXPECT_LE(left[i][0], 0.0f);
            EXPECT_FLOAT_EQ(right[i][0], -left[i][0]);
            EXPECT_FLOAT_EQ(right[i][1], left[i][1]);
            EXPECT_FLOAT_EQ(right[i][2], left[i][2]);
            // The strip alternates the band's first and second row.
            const float stroke = stroking.values[kShrimpLegWave][band + static_cast<int>(i % 2)];
            EXPECT_NEAR(moved.strips[2 * band][i][1] - left[i][1], stroke, 1e-5f) << "band " << band;
            EXPECT_NEAR(moved.strips[2 * band + 1][i][1] - right[i][1], -stroke, 1e-5f) << "band " << band;
            EXPECT_FLOAT_EQ(moved.strips[2 * band][i][0], left[i][0]);
        }
    }
}

// The tail fan spreads from its root: each blade column moves out by its own element of the wave,
// and the right-hand fan moves the other way, so the fan opens and closes about the telson.
TEST(ShrimpMesh, TailFanOpensColumnByColumnAboutTheMidline)
{
    const MeshPartSpec& fan = Part("tail fan outer");
    const MeshGrid& grid = fan.grids[0];
    Frame rest, open;
    for (int j = 0; j < grid.cols; ++j)
        open.values[kShrimpTailFanWave][j] = -0.002f * static_cast<float>(j);
    const CRecordingSink still = rest.Draw(fan, 5.0f);
    const CRecordingSink spread = open.Draw(fan, 5.0f);
    ASSERT_EQ(still.strips.size(), 2u);
    for (size_t i = 0; i < still.strips[0].size(); ++i) {
        const float out = open.values[kShrimpTailFanWave][i / 2];
        EXPECT_NEAR(spread.strips[0][i][0] - still.strips[0][i][0], out, 1e-5f) << i;
        EXPECT_NEAR(spread.strips[1][i][0] - still.strips[1][i][0], -out, 1e-5f) << i;
    }
}
