// Tests of the Clownfish mesh that the catalogue-wide checks cannot make.
#include "fish/species/ClownfishMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const MeshPartSpec& Part(const char* name)
{
    return FindPart(ClownfishParts, name);
}

// Draws one part at `size` with all headings zero and the given pose values.
using Frame = TestPose<kClownfishPoseCount, 90, kClownfishHeadings>;
} // namespace

// The dorsal and anal fins turn each ray by the heading of a listed body column; a ray standing far
// from that column would tear away from the body in a turn.
TEST(ClownfishMesh, EveryMappedFinRayRisesBesideTheBodyColumnItTurnsWith)
{
    const MeshGrid& body = Part("body").grids[0];
    const float columnStep = body.At(0, kClownfishBodyColumns - 1).x - body.At(0, kClownfishBodyColumns - 2).x;
    for (const char* name : {"front dorsal fin", "dorsal fin", "anal fin"}) {
        const MeshPartSpec& fin = Part(name);
        ASSERT_EQ(fin.binding.kind, BindingKind::Map) << name;
        for (int j = 0; j < fin.grids[0].cols; ++j) {
            const int column = fin.columnMap[j].a1;
            EXPECT_NEAR(fin.grids[0].At(0, j).x, body.At(0, column).x, 1.5f * columnStep) << name << " ray " << j;
        }
    }
}

// The tail's root and edge corners ride the sway of column 29, the rest of its edge that of column
// 30; the chains have already scaled the sway by the fish's size.
TEST(ClownfishMesh, TailEdgeSwitchesSwayColumnNearItsCornersAndTakesTheSwayUnscaled)
{
    const MeshPartSpec& tail = Part("tail fin");
    const MeshGrid& grid = tail.grids[0];
    Frame frame;
    frame.values[kClownfishSway][29] = 0.02f;
    frame.values[kClownfishSway][30] = 0.05f;
    constexpr float kSize = 3.0f;
    const CRecordingSink sink = frame.Draw(tail, kSize);
    ASSERT_EQ(sink.strips.size(), 1u);
    for (int j = 0; j < grid.cols; ++j) {
        const float rootY = sink.strips[0][2 * j][1], edgeY = sink.strips[0][2 * j + 1][1];
        EXPECT_NEAR(rootY - kSize * grid.At(0, j).y, 0.02f, 1e-5f) << "root " << j;
        EXPECT_NEAR(edgeY - kSize * grid.At(1, j).y, j >= 5 && j <= 85 ? 0.05f : 0.02f, 1e-5f) << "edge " << j;
    }
}

// Each pair of fins is one part: the mirrored fin beats the other way, so the pair stays a mirror
// image of itself while it opens and closes.
TEST(ClownfishMesh, PairedFinsBeatAsMirrorImages)
{
    for (const char* name : {"pectoral fins", "ventral fins"}) {
        Frame frame;
        frame.values[kClownfishPectoralBeat].fill(0.03f);
        frame.values[kClownfishVentralBeat].fill(-0.02f);
        const CRecordingSink sink = frame.Draw(Part(name), 2.0f);
        ASSERT_EQ(sink.strips.size(), 2u) << name;
        for (size_t i = 0; i < sink.strips[0].size(); ++i) {
            const Point left = sink.strips[0][i], right = sink.strips[1][i];
            EXPECT_EQ(right, (Point{left[0], -left[1], left[2]})) << name << " vertex " << i;
        }
    }
}
