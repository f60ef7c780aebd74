// Tests of the turquoise discus mesh that the catalogue-wide checks cannot make.
#include "fish/species/TurquoiseDiscusMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
enum Part
{
    kBody = 0,
    kDorsal = 3,
    kAnal = 4,
    kRearFins = 7,
    kEyes = 9,
};

const MeshPartSpec& PartAt(int index)
{
    return PartAtIndex(TurquoiseDiscusParts, index, kTurquoiseDiscusPartCount);
}

// Where along the body a column binding lies: the mean x of its body columns' back vertices.
float BoundX(const ColumnBinding& binding)
{
    const MeshGrid& body = PartAt(kBody).grids[0];
    return 0.5f * (body.At(0, binding.a1).x + body.At(0, binding.a2).x);
}
} // namespace

// The mapped fins' rays each rise within a column's spacing of the body column they turn and sway
// with, so that the fins stay on the body in a turn.
TEST(TurquoiseDiscusMesh, MappedFinRaysStandOverTheColumnsTheyFollow)
{
    const MeshGrid& body = PartAt(kBody).grids[0];
    for (int part : {kDorsal, kAnal, kRearFins}) {
        const MeshPartSpec& fin = PartAt(part);
        ASSERT_EQ(fin.binding.kind, BindingKind::Map);
        for (int j = 0; j < fin.grids[0].cols; ++j) {
            const int k = fin.columnMap[j].a1;
            const float spacing = body.At(0, k + 1).x - body.At(0, k).x;
            EXPECT_LT(std::fabs(fin.grids[0].At(0, j).x - BoundX(fin.columnMap[j])), spacing)
                << fin.name << " ray " << j;
        }
    }
}

// The band over the back is one fin cut in two: the dorsal fin's last ray lies past the rear fin's
// first, between its first and second, both turning with the same column, so no beat opens a gap.
TEST(TurquoiseDiscusMesh, DorsalAndRearFinOverlapAtTheirSplit)
{
    const MeshPartSpec& dorsal = PartAt(kDorsal);
    const MeshPartSpec& rear = PartAt(kRearFins);
    const int last = dorsal.grids[0].cols - 1;
    EXPECT_FLOAT_EQ(BoundX(dorsal.columnMap[last]), BoundX(rear.columnMap[0]));
    for (int r = 0; r < 2; ++r) {
        EXPECT_GT(dorsal.grids[0].At(r, last).x, rear.grids[0].At(r, 0).x) << "row " << r;
        EXPECT_LT(dorsal.grids[0].At(r, last).x, rear.grids[0].At(r, 1).x) << "row " << r;
    }
}

// Each eye is two grids that close one dome: the first grid's inner ring is the second's outer
// ring, and the second ends in the cornea's single peak.
TEST(TurquoiseDiscusMesh, EyeGridsCloseOneDome)
{
    const MeshPartSpec& eyes = PartAt(kEyes);
    ASSERT_EQ(eyes.gridCount, 2);
    EXPECT_EQ(eyes.mirror, MirrorKind::GridsThenMirrored);
    const MeshGrid& rim = eyes.grids[0];
    const MeshGrid& cornea = eyes.grids[1];
    for (int j = 0; j < rim.cols; ++j) {
        EXPECT_FLOAT_EQ(rim.At(1, j).x, cornea.At(0, j).x);
        EXPECT_FLOAT_EQ(rim.At(1, j).y, cornea.At(0, j).y);
        EXPECT_FLOAT_EQ(rim.At(1, j).z, cornea.At(0, j).z);
        EXPECT_FLOAT_EQ(cornea.At(1, j).z, cornea.At(1, 0).z);
        EXPECT_FLOAT_EQ(cornea.At(1, j).x, cornea.At(1, 0).x);
    }
}
