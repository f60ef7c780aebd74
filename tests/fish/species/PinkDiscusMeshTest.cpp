// Tests of the PinkDiscus mesh that the catalogue-wide checks cannot make.
#include "fish/species/PinkDiscusMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {
enum Part
{
    kBody = 0,
    kFrontDorsal = 3,
    kRearDorsal = 4,
    kLeftPectoral = 5,
    kRightPectoral = 6,
    kVentral = 7,
    kAnal = 8,
};

const MeshPartSpec& PartAt(int index)
{
    return PartAtIndex(PinkDiscusParts, index, 12);
}

// One part drawn at `size` with every pose value zero except the pectoral beat.
std::vector<Point> Draw(int part, float size, float pectoralBeat)
{
    TestPose<kPinkDiscusPoseCount, 20, kPinkDiscusHeadings> pose;
    pose.values[kPinkDiscusPectoralBeat].fill(pectoralBeat);
    return pose.Draw(PartAt(part), size).points;
}
} // namespace

// The dorsal and the lower fin are each one band around the disc cut into two parts: the parts
// share their boundary ray, and every ray rises from the body column its binding follows.
TEST(PinkDiscusMesh, FinBandsMeetRayOnRayOverTheirBodyColumns)
{
    const MeshGrid& body = PartAt(kBody).grids[0];
    for (const auto& [front, rear] : {std::pair{kFrontDorsal, kRearDorsal}, std::pair{kVentral, kAnal}}) {
        const MeshGrid& a = PartAt(front).grids[0];
        const MeshGrid& b = PartAt(rear).grids[0];
        EXPECT_EQ(PartAt(front).binding.firstColumn + a.cols - 1, PartAt(rear).binding.firstColumn);
        for (int r = 0; r < 2; ++r) {
            EXPECT_FLOAT_EQ(a.At(r, a.cols - 1).x, b.At(r, 0).x);
            EXPECT_FLOAT_EQ(a.At(r, a.cols - 1).z, b.At(r, 0).z);
        }
        for (int part : {front, rear}) {
            const MeshGrid& fin = PartAt(part).grids[0];
            for (int j = 0; j < fin.cols; ++j)
                EXPECT_NEAR(fin.At(0, j).x, body.At(0, PartAt(part).binding.firstColumn + j).x, 1e-5f);
        }
    }
    // The rear parts end on the tail root.
    EXPECT_EQ(PartAt(kRearDorsal).binding.firstColumn + PartAt(kRearDorsal).grids[0].cols, kPinkDiscusBodyColumns);
    EXPECT_EQ(PartAt(kAnal).binding.firstColumn + PartAt(kAnal).grids[0].cols, kPinkDiscusBodyColumns);
}

// The right pectoral is drawn mirrored with its sideways beat negated and its forward beat kept:
// both edges swing back together while opening away from the body on either side.
TEST(PinkDiscusMesh, PectoralPairBeatsAsMirrorImages)
{
    constexpr float kSize = 2.0f, kBeat = 0.01f;
    for (int part : {kLeftPectoral, kRightPectoral}) {
        const std::vector<Point> rest = Draw(part, kSize, 0.0f);
        const std::vector<Point> beating = Draw(part, kSize, kBeat);
        ASSERT_EQ(rest.size(), 32u);
        const float side = part == kLeftPectoral ? 1.0f : -1.0f;
        for (size_t i = 0; i < rest.size(); ++i) {
            const bool edge = i % 2 == 1; // each strip step emits the root, then the edge
            EXPECT_NEAR(beating[i].x - rest[i].x, edge ? kSize * kBeat : 0.0f, 1e-6f);
            EXPECT_NEAR(beating[i].y - rest[i].y, edge ? side * kSize * kBeat : 0.0f, 1e-6f);
            EXPECT_LE(side * rest[i].y, 0.0f) << "left fin on the left, right fin on the right";
        }
        // Root entries serve two columns each: consecutive root vertices come in equal pairs.
        for (size_t i = 0; i + 2 < rest.size(); i += 4)
            EXPECT_FLOAT_EQ(rest[i].z, rest[i + 2].z);
    }
}
