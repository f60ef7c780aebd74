// Tests of the arowana mesh that the catalogue-wide checks cannot make.
#include "fish/species/ArowanaMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {
const MeshPartSpec& Part(const char* name)
{
    return FindPart(ArowanaParts, name);
}

// Where body column c (fractional) lies along x, from the body grid's back row.
float BodyColumnX(float c)
{
    const MeshGrid& body = Part("body").grids[0];
    const int k = std::min(static_cast<int>(c), body.cols - 2);
    return body.At(0, k).x + (c - k) * (body.At(0, k + 1).x - body.At(0, k).x);
}
} // namespace

// The jaws close along one cleft, meet the head at the hinge and open at their tips: the gape
// arrays are widest in element 0, so the jaws' column 0 must be the tip.
TEST(ArowanaMeshTest, JawsCloseOnTheHeadAndGapeAtTheTip)
{
    const MeshGrid& body = Part("body").grids[0];
    const MeshPartSpec& upperPart = Part("upper mouth");
    const MeshPartSpec& lowerPart = Part("lower mouth");
    const MeshGrid& upper = upperPart.grids[0];
    const MeshGrid& lower = lowerPart.grids[0];
    const int hinge = upper.cols - 1;
    EXPECT_FLOAT_EQ(upper.At(0, hinge).z, body.At(0, 0).z);                          // the ridge runs on along the back
    EXPECT_FLOAT_EQ(lower.At(lower.rows - 1, hinge).z, body.At(body.rows - 1, 0).z); // the chin into the throat
    EXPECT_LT(upper.At(0, 0).x, body.At(0, 0).x - 0.03f);                            // the jaws reach well ahead of it

    TestPose<kArowanaPoseCount, 16, kArowanaHeadings> pose;
    for (int i = 0; i < 4; ++i)
        pose.values[kArowanaGapeA][i] = pose.values[kArowanaGapeB][i] = 0.003f * (5 - i);
    // Row `row` of a jaw as drawn: each band is drawn and then mirrored, two points per column, so
    // band b's points begin at 4 b cols.
    auto drawnRow = [&](const MeshPartSpec& part, int row) {
        const CRecordingSink sink = pose.Draw(part, 1.0f);
        const int cols = part.grids[0].cols;
        const int band = std::min(row, part.grids[0].rows - 2);
        std::vector<Point> points;
        for (int j = 0; j < cols; ++j)
            points.push_back(sink.points[4 * band * cols + 2 * j + row - band]);
        return points;
    };
    const std::vector<Point> upperCleft = drawnRow(upperPart, upper.rows - 1);
    const std::vector<Point> lowerCleft = drawnRow(lowerPart, 0);
    // Shut along one cleft, opened by both gapes: widest at the tip, shut at the hinge.
    for (int j = 0; j < upper.cols; ++j) {
        EXPECT_FLOAT_EQ(upperCleft[j].y, lowerCleft[j].y) << "column " << j;
        EXPECT_NEAR(upperCleft[j].z - lowerCleft[j].z, pose.values[kArowanaGapeA][j] + pose.values[kArowanaGapeB][j],
                    1e-6f)
            << "column " << j;
    }
}

// Every fin grows from the body near the column its binding turns and sways it with, so it stays
// on the body as the body bends: the pectorals behind the head on column 1, the belly fins under
// the mean of columns 5 and 6, the dorsal and anal fins over the rear columns their maps name.
TEST(ArowanaMeshTest, EachFinGrowsFromTheBodyColumnsItTurnsWith)
{
    std::array<float, kArowanaBodyColumns> columnIndex{};
    for (int k = 0; k < kArowanaBodyColumns; ++k)
        columnIndex[k] = static_cast<float>(k);
    for (const char* name : {"dorsal fin", "anal fin", "pectoral fins", "ventral fins", "tail fin"}) {
        const MeshPartSpec& part = Part(name);
        const MeshGrid& grid = part.grids[0];
        for (int j = 0; j < grid.cols; ++j) {
            float column = 0.0f;
            switch (part.binding.kind) {
            case BindingKind::Map:
                column = part.columnMap[j].Of(columnIndex.data());
                break;
            case BindingKind::Mean:
                column = 0.5f * (part.binding.firstColumn + part.binding.secondColumn);
                break;
            default:
                column = static_cast<float>(part.binding.firstColumn);
                break;
            }
            const int k = std::min(static_cast<int>(column), kArowanaBodyColumns - 2);
            const float step = BodyColumnX(k + 1.0f) - BodyColumnX(static_cast<float>(k));
            EXPECT_LE(std::fabs(grid.At(0, j).x - BodyColumnX(column)), 1.25f * step)
                << name << " column " << j << " bound to body column " << column;
        }
    }
}
