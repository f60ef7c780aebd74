// Tests of the Goldfish mesh that the catalogue-wide checks cannot make.
#include "fish/species/GoldfishMesh.h"

#include "fish/VertexSink.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace {
const MeshPartSpec& Part(const char* name)
{
    int count = 0;
    const MeshPartSpec* parts = GoldfishParts(count);
    for (int i = 0; i < count; ++i)
        if (std::strcmp(parts[i].name, name) == 0)
            return parts[i];
    ADD_FAILURE() << "no part " << name;
    return parts[0];
}

struct CRecorder : CVertexSink
{
    void BeginStrip() override {}
    void Vertex(float x, float y, float z, const MeshVertex&) override { points.push_back({x, y, z}); }
    void EndStrip() override {}
    void Translate(float, float, float) override {}

    std::vector<std::array<float, 3>> points;
};

// One frame's pose arrays, zero unless a test fills one; headings zero, so no part turns.
struct Frame
{
    float values[kGoldfishPoseCount][21] = {};
    const float* arrays[kGoldfishPoseCount];

    Frame()
    {
        for (int i = 0; i < kGoldfishPoseCount; ++i)
            arrays[i] = values[i];
    }
    void Fill(int pose, float value)
    {
        for (int i = 0; i < kGoldfishPoseLengths[pose]; ++i)
            values[pose][i] = value;
    }
    // A two-row part's strip: entry 2j is its root at column j, 2j + 1 its edge.
    std::vector<std::array<float, 3>> Draw(const char* name, float size) const
    {
        float matrix[16];
        SetIdentityMatrix(matrix);
        CRecorder sink;
        PartContext context{size, values[kGoldfishHeadings], arrays, matrix, &sink};
        DrawMeshPart(Part(name), context);
        return sink.points;
    }
};

TEST(GoldfishMesh, TailHalfRootRunsTopToBottomAndItsLastEntryServesTheLastThreeRays)
{
    const MeshGrid& tail = Part("left tail half").grids[0];
    ASSERT_EQ(tail.firstRowDivisor, 3);
    for (int j = 18; j <= 20; ++j)
        EXPECT_EQ(&tail.At(0, j), &tail.vertices[6]);
    // It ends on the bottom of the stalk, as far below the fan's centre line as it began above...
    EXPECT_NEAR(tail.At(0, 18).z, -tail.At(0, 0).z, 1e-5f);
    // ...and the halves part below: the lower lobe's tip lies further out than the upper lobe's.
    EXPECT_LT(tail.At(1, 20).y, tail.At(1, 0).y);
    EXPECT_LT(tail.At(1, 0).y, 0.0f);
}

TEST(GoldfishMesh, DorsalWaveIsAddedAsItComesWhileTheSwayScalesWithTheFish)
{
    constexpr float kSize = 5.0f;
    Frame rest, moved;
    moved.Fill(kGoldfishSway, 0.01f);
    moved.Fill(kGoldfishDorsalWave, 0.01f);
    const auto before = rest.Draw("dorsal fin", kSize);
    const auto after = moved.Draw("dorsal fin", kSize);
    ASSERT_EQ(after.size(), 20u);
    for (int j = 0; j < 10; ++j) {
        EXPECT_NEAR(after[2 * j][1] - before[2 * j][1], 0.05f, 1e-5f) << "root of column " << j;
        EXPECT_NEAR(after[2 * j + 1][1] - before[2 * j + 1][1], 0.06f, 1e-5f) << "edge of column " << j;
    }
}

TEST(GoldfishMesh, VentralWaveMovesOnlyTheLeadingRaysAndMirrorsOnTheRight)
{
    constexpr float kSize = 2.0f;
    Frame rest, moved;
    moved.Fill(kGoldfishVentralWave, 0.01f);
    for (const char* name : {"left ventral fin", "right ventral fin"}) {
        const float sign = name[0] == 'l' ? 1.0f : -1.0f;
        const auto before = rest.Draw(name, kSize);
        const auto after = moved.Draw(name, kSize);
        ASSERT_EQ(after.size(), 28u);
        for (int j = 0; j < 14; ++j) {
            EXPECT_FLOAT_EQ(after[2 * j][1], before[2 * j][1]) << name << " root, column " << j;
            const float expected = j < 10 ? sign * 0.02f : 0.0f;
            EXPECT_NEAR(after[2 * j + 1][1] - before[2 * j + 1][1], expected, 1e-6f) << name << " edge, column " << j;
        }
    }
}
} // namespace
