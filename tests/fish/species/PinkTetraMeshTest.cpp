// Tests of the PinkTetra mesh that the catalogue-wide checks cannot make.
#include "fish/species/PinkTetraMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
enum PartIndex
{
    kAdipose = 7,
    kTail = 8,
};

// One frame's pose arrays, zero unless a test sets them, and one part drawn through the template.
struct Frame
{
    TestPose<kPinkTetraPoseCount, 32, kPinkTetraHeadings> pose;
    CRecordingSink sink;

    const MeshPartSpec& Draw(int index, float size)
    {
        const MeshPartSpec& part = PartAtIndex(PinkTetraParts, index, kPinkTetraPartCount);
        sink = pose.Draw(part, size);
        return part;
    }
};

TEST(PinkTetraMesh, TailRootRidesOneSwayAndItsEdgeTheNextPlusTheScaledWave)
{
    Frame frame;
    frame.pose.values[kPinkTetraSway][18] = 0.02f;
    frame.pose.values[kPinkTetraSway][19] = 0.05f;
    for (int j = 0; j < 31; ++j)
        frame.pose.values[kPinkTetraTailWave][j] = 0.001f * j;
    const float size = 3.0f;
    const MeshGrid& grid = frame.Draw(kTail, size).grids[0];
    ASSERT_EQ(frame.sink.strips.size(), 1u);
    const std::vector<Point>& strip = frame.sink.strips[0];
    for (int j = 0; j < grid.cols; ++j) {
        // The sway carries the size already; the wave is scaled here.
        EXPECT_NEAR(strip[2 * j].y, size * grid.At(0, j).y + 0.02f, 1e-6f) << j;
        EXPECT_NEAR(strip[2 * j + 1].y, size * grid.At(1, j).y + 0.05f + size * 0.001f * j, 1e-6f) << j;
    }
}

TEST(PinkTetraMesh, FinAlongTheRearOfTheBackTurnsAndSwaysWithOneBodyColumnPerTwoOfItsColumns)
{
    Frame frame;
    for (int k = 0; k < kPinkTetraBodyColumns; ++k) {
        frame.pose.values[kPinkTetraHeadings][k] = 7.0f * k;
        frame.pose.values[kPinkTetraSway][k] = 0.01f * k;
    }
    const float size = 2.0f;
    const MeshGrid& grid = frame.Draw(kAdipose, size).grids[0];
    ASSERT_EQ(frame.sink.strips.size(), 1u);
    for (int j = 0; j < grid.cols; ++j) {
        const int column = 10 + j / 2;
        const float angle = 7.0f * column * 0.017453292519943295f;
        for (int r = 0; r < 2; ++r) {
            const MeshVertex& v = grid.At(r, j);
            const float x = size * v.x, y = size * v.y + 0.01f * column;
            const Point& p = frame.sink.strips[0][2 * j + r];
            EXPECT_NEAR(p.x, std::cos(angle) * x - std::sin(angle) * y, 1e-5f) << j;
            EXPECT_NEAR(p.y, std::sin(angle) * x + std::cos(angle) * y, 1e-5f) << j;
        }
    }
}
} // namespace
