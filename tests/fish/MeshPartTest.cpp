// Tests of the part template: rotation matrices and how a part's bands come out.
#include "fish/MeshPart.h"
#include "fish/VertexSink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
struct RecordedVertex
{
    float x, y, z, u;
};

class CRecordingSink : public CVertexSink
{
public:
    void BeginStrip() override { ++strips; }
    void Vertex(float x, float y, float z, const MeshVertex& a) override { vertices.push_back({x, y, z, a.u}); }
    void EndStrip() override {}
    void Translate(float, float, float) override { ++translations; }

    int strips = 0;
    int translations = 0;
    std::vector<RecordedVertex> vertices;
};

// A 3 x 2 grid: rows at y = 0, -0.1 and -0.2 (left half), columns at x = 0 and 0.1, z = 0.5.
const MeshVertex kGrid[6] = {
    {0.0f, 0.0f, 0.5f, 0, 0, 1, 0.0f, 0}, {0.1f, 0.0f, 0.5f, 0, 0, 1, 0.1f, 0},
    {0.0f, -0.1f, 0.5f, 0, 0, 1, 0.2f, 0}, {0.1f, -0.1f, 0.5f, 0, 0, 1, 0.3f, 0},
    {0.0f, -0.2f, 0.5f, 0, 0, 1, 0.4f, 0}, {0.1f, -0.2f, 0.5f, 0, 0, 1, 0.5f, 0},
};

MeshPartSpec TestPart(MirrorKind mirror, BindingKind binding)
{
    MeshPartSpec part;
    part.grids[0] = MeshGrid{3, 2, kGrid};
    part.mirror = mirror;
    part.binding = PartBinding{binding, 1, 2};
    part.terms[0] = DisplacementTerm{0, Axis::Y, 1.0f, true, TermIndex::PartColumn, 0, true};
    return part;
}
} // namespace

TEST(MeshPart, RotationAboutZMatchesTheGlConvention)
{
    float m[16];
    BuildRotationMatrix(m, 3.14159265f / 2.0f, 0.0f, 0.0f, 2.0f); // the axis need not be unit length
    EXPECT_NEAR(m[0], 0.0f, 1e-6);
    EXPECT_NEAR(m[1], 1.0f, 1e-6); // x turns into y
    EXPECT_NEAR(m[4], -1.0f, 1e-6);
    EXPECT_NEAR(m[10], 1.0f, 1e-6);
    EXPECT_FLOAT_EQ(m[15], 1.0f);

    BuildRotationMatrix(m, 1.0f, 0.0f, 0.0f, 0.0f);
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(m[i], (i % 5 == 0) ? 1.0f : 0.0f) << i;
}

TEST(MeshPart, MirroredBandsFollowEachBandAndMeetAtTheMiddle)
{
    CRecordingSink sink;
    const float headings[3] = {0.0f, 0.0f, 0.0f};
    const float beat[2] = {0.01f, 0.02f};
    const float* pose[1] = {beat};
    float matrix[16];
    SetIdentityMatrix(matrix);
    PartContext context{2.0f, false, headings, pose, matrix, &sink};

    DrawMeshPart(TestPart(MirrorKind::Bands, BindingKind::PerColumn), context);
    ASSERT_EQ(sink.strips, 4); // two bands, each then mirrored
    ASSERT_EQ(sink.vertices.size(), 16u);
    // Band 0 and its mirror both start on the middle row y = 0.
    EXPECT_FLOAT_EQ(sink.vertices[0].y, 0.0f);
    EXPECT_FLOAT_EQ(sink.vertices[4].y, 0.0f);
    EXPECT_FLOAT_EQ(sink.vertices[1].y, -0.2f); // row 1, scaled by size 2
    EXPECT_FLOAT_EQ(sink.vertices[5].y, 0.2f);
    // The edge-row term moves only the last row, negated in the mirrored copy.
    EXPECT_FLOAT_EQ(sink.vertices[9].y, -0.4f + 2.0f * 0.01f);
    EXPECT_FLOAT_EQ(sink.vertices[13].y, 0.4f - 2.0f * 0.01f);
    EXPECT_FLOAT_EQ(sink.vertices[11].y, -0.4f + 2.0f * 0.02f);
    EXPECT_FLOAT_EQ(sink.vertices[0].z, 1.0f);
    EXPECT_FLOAT_EQ(sink.vertices[3].u, 0.3f); // texture coordinates pass unchanged
}

TEST(MeshPart, PerColumnBindingBendsAndKeepReusesThePreviousRotation)
{
    CRecordingSink sink;
    const float headings[3] = {0.0f, 0.0f, 90.0f};
    const float beat[2] = {0.0f, 0.0f};
    const float* pose[1] = {beat};
    float matrix[16];
    SetIdentityMatrix(matrix);
    PartContext context{1.0f, false, headings, pose, matrix, &sink};

    // Part column 0 follows body column 1 (0 degrees), column 1 body column 2 (90 degrees).
    DrawMeshPart(TestPart(MirrorKind::None, BindingKind::PerColumn), context);
    ASSERT_EQ(sink.vertices.size(), 8u);
    EXPECT_NEAR(sink.vertices[0].x, 0.0f, 1e-6);
    EXPECT_NEAR(sink.vertices[2].x, 0.0f, 1e-6); // (0.1, 0) turned 90 degrees
    EXPECT_NEAR(sink.vertices[2].y, 0.1f, 1e-6);

    // A part with no binding of its own draws with the matrix the last column left: 90 degrees.
    sink.vertices.clear();
    DrawMeshPart(TestPart(MirrorKind::MirroredOnly, BindingKind::Keep), context);
    ASSERT_EQ(sink.vertices.size(), 8u);
    EXPECT_NEAR(sink.vertices[2].x, 0.0f, 1e-6);
    EXPECT_NEAR(sink.vertices[2].y, 0.1f, 1e-6);

    // Mean binding: the mean of body columns 1 and 2, 45 degrees.
    sink.vertices.clear();
    DrawMeshPart(TestPart(MirrorKind::None, BindingKind::Mean), context);
    EXPECT_NEAR(sink.vertices[2].x, 0.1f * std::cos(0.785398f), 1e-6);
    EXPECT_NEAR(sink.vertices[2].y, 0.1f * std::sin(0.785398f), 1e-6);
}
