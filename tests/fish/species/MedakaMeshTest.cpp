// Tests of the medaka mesh that the catalogue-wide checks cannot make.
#include "fish/species/MedakaMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
const MeshPartSpec& Part(const char* name)
{
    return FindPart(MedakaParts, name);
}

// The medaka's pose arrays, all zero until a test fills them. A part drawn from them at size 1
// sends band 0 first, its left copy column by column (row r, then r + 1).
using Pose = TestPose<kMedakaPoseCount, 16, kMedakaHeadings>;
} // namespace

// The body and mouth tables are stored upside down; drawn, the back is on top, and the open gapes
// (growing from hinge to tip) drop the lower jaw's tip and lift the upper jaw's shell, but not the
// roof of the mouth behind it.
TEST(MedakaMesh, UpsideDownTablesDrawTheRightWayUpAndTheJawsOpenApart)
{
    Pose closed;
    const std::vector<Point> body = closed.Draw(Part("body"), 1.0f).points;
    for (int j = 0; j < kMedakaBodyColumns; ++j)
        EXPECT_GT(body[2 * j].z, body[2 * j + 1].z) << "column " << j << ": the back above the flank";

    Pose open;
    for (int i = 0; i < kMedakaPoseLengths[kMedakaGapeA]; ++i) // the open shape of both gapes
        open.values[kMedakaGapeA][i] = open.values[kMedakaGapeB][i] = 0.003f * i;
    const MeshPartSpec& lower = Part("first mouth part");
    const MeshPartSpec& upper = Part("second mouth part");
    const std::vector<Point> lowerShut = closed.Draw(lower, 1.0f).points, lowerOpen = open.Draw(lower, 1.0f).points;
    const std::vector<Point> upperShut = closed.Draw(upper, 1.0f).points, upperOpen = open.Draw(upper, 1.0f).points;
    const int lowerTip = 2 * (lower.grids[0].cols - 1);
    EXPECT_NEAR(lowerOpen[lowerTip].z - lowerShut[lowerTip].z, -0.012f, 1e-6f);
    for (int j = 0; j < upper.grids[0].cols; ++j) {
        const float lift = upperOpen[2 * j].z - upperShut[2 * j].z;
        EXPECT_NEAR(lift, j < 4 ? 0.003f * j : 0.0f, 1e-6f) << "upper jaw column " << j;
    }
    EXPECT_GT(upperShut[2 * 3].z, lowerShut[lowerTip].z); // the upper jaw over the lower
}

// Each ray of the long anal fin turns with a body column or the mean of two; it must rise from the
// belly at that column's place, and take that column's (or the mean's) heading.
TEST(MedakaMesh, AnalFinRaysStandUnderTheColumnsTheyTurnWith)
{
    Pose rest;
    const std::vector<Point> body = rest.Draw(Part("body"), 1.0f).points;
    const MeshPartSpec& anal = Part("ventral fin");
    const std::vector<Point> flat = rest.Draw(anal, 1.0f).points;
    Pose turned;
    for (int k = 0; k < kMedakaBodyColumns; ++k)
        turned.values[kMedakaHeadings][k] = 4.0f * k;
    const std::vector<Point> fan = turned.Draw(anal, 1.0f).points;
    for (int j = 0; j < anal.grids[0].cols; ++j) {
        const ColumnBinding& c = anal.columnMap[j];
        const float x = 0.5f * (body[2 * c.a1].x + body[2 * c.a2].x);
        EXPECT_NEAR(flat[2 * j].x, x, 0.012f) << "ray " << j;
        const float a = 2.0f * (c.a1 + c.a2) * 3.14159265f / 180.0f; // the mean of 4 k degrees
        const Point& p = flat[2 * j];
        EXPECT_NEAR(fan[2 * j].x, p.x * std::cos(a) - p.y * std::sin(a), 1e-5f) << "ray " << j;
        EXPECT_NEAR(fan[2 * j].y, p.x * std::sin(a) + p.y * std::cos(a), 1e-5f) << "ray " << j;
    }
}

// The dorsal fin sits far back but turns with column 4, near the head: it lies over the origin,
// about which every column turns, so that in a turn it stays on the back.
TEST(MedakaMesh, FarBackDorsalStaysOnTheBackWhileTheBodyBends)
{
    Pose turning;
    for (int k = 0; k < kMedakaBodyColumns; ++k)
        turning.values[kMedakaHeadings][k] = -3.5f * k;
    const std::vector<Point> body = turning.Draw(Part("body"), 1.0f).points;
    const std::vector<Point> dorsal = turning.Draw(Part("dorsal fin"), 1.0f).points;
    for (size_t i = 0; i < 2 * 11; i += 2) {
        const Point& root = dorsal[i];
        // Seen from above, its distance to the ridge of the back (row 0 of the body, column to column).
        float nearest = 1.0f;
        for (int k = 0; k + 1 < kMedakaBodyColumns; ++k) {
            const Point& a = body[2 * k];
            const Point& b = body[2 * (k + 1)];
            for (int s = 0; s <= 32; ++s) {
                const float f = s / 32.0f;
                nearest =
                    std::min(nearest, std::hypot(root.x - (a.x + f * (b.x - a.x)), root.y - (a.y + f * (b.y - a.y))));
            }
        }
        EXPECT_LT(nearest, 0.01f) << "dorsal root " << i / 2;
    }
}
