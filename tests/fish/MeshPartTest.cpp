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
    {0.0f, 0.0f, 0.5f, 0, 0, 1, 0.0f, 0},  {0.1f, 0.0f, 0.5f, 0, 0, 1, 0.1f, 0},  {0.0f, -0.1f, 0.5f, 0, 0, 1, 0.2f, 0},
    {0.1f, -0.1f, 0.5f, 0, 0, 1, 0.3f, 0}, {0.0f, -0.2f, 0.5f, 0, 0, 1, 0.4f, 0}, {0.1f, -0.2f, 0.5f, 0, 0, 1, 0.5f, 0},
};

MeshPartSpec TestPart(MirrorKind mirror, BindingKind binding)
{
    MeshPartSpec part;
    part.grids[0] = MeshGrid{3, 2, kGrid};
    part.mirror = mirror;
    part.binding = PartBinding{binding, 1, 2};
    DisplacementTerm edgeBeat; // y += pose[j] on the edge row, negated in the mirrored copy
    edgeBeat.poseArray = 0;
    edgeBeat.firstRow = -1;
    edgeBeat.negateWhenMirrored = true;
    part.terms[0] = edgeBeat;
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
    PartContext context{2.0f, headings, pose, matrix, &sink};

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
    PartContext context{1.0f, headings, pose, matrix, &sink};

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

// A fin whose root row holds one point for every three columns: columns 18, 19 and 20 share root
// entry 6, and a last entry serves any columns beyond the stored ones.
TEST(MeshPart, DividedRootRowsShareTheirEntries)
{
    MeshVertex table[7 + 21];
    for (int i = 0; i < 7 + 21; ++i)
        table[i] = {static_cast<float>(i), 0.0f, 0.0f, 0, -1, 0, 0, 0};
    const MeshGrid fin{2, 21, table, 3, 7};
    for (int j : {18, 19, 20})
        EXPECT_FLOAT_EQ(fin.At(0, j).x, 6.0f) << j;
    EXPECT_FLOAT_EQ(fin.At(0, 2).x, 0.0f);
    EXPECT_FLOAT_EQ(fin.At(1, 4).x, 7.0f + 4.0f); // the edge row is whole, after the root entries
    EXPECT_EQ(fin.StoredVertices(), 28);
    const MeshGrid clamped{2, 37, table, 5, 7}; // 37 columns, 7 entries: the last serves 30 to 36
    EXPECT_FLOAT_EQ(clamped.At(0, 36).x, 6.0f);
}

// A column map turns each column by a blend of body columns, and a sway term on that part reads the
// same blend; a term limited to a range of rows and columns moves nothing outside it.
TEST(MeshPart, ColumnMapsBlendHeadingsAndSwayAlike)
{
    CRecordingSink sink;
    const float headings[4] = {0.0f, 0.0f, 90.0f, 90.0f};
    const float sway[4] = {0.0f, 0.1f, 0.3f, 0.0f};
    const float* pose[1] = {sway};
    float matrix[16];
    SetIdentityMatrix(matrix);
    PartContext context{1.0f, headings, pose, matrix, &sink};
    const ColumnBinding map[2] = {{1, 1, 1, 1, 0.0f}, {1, 2, 1, 2, 0.0f}}; // column 1, then the mean of 1 and 2
    MeshPartSpec part = TestPart(MirrorKind::None, BindingKind::Map);
    part.columnMap = map;
    part.terms[0] = DisplacementTerm{};
    part.terms[0].poseArray = 0;
    part.terms[0].index = TermIndex::BodyColumn;
    part.terms[0].firstRow = 1;   // rows 1 and 2 only
    part.terms[0].lastColumn = 0; // column 0 only
    DrawMeshPart(part, context);
    ASSERT_EQ(sink.vertices.size(), 8u);
    EXPECT_NEAR(sink.vertices[0].y, 0.0f, 1e-6);         // row 0, column 0: outside the rows
    EXPECT_NEAR(sink.vertices[1].y, -0.1f + 0.1f, 1e-6); // row 1, column 0: sway of column 1
    const float c = std::cos(0.785398163f), s = std::sin(0.785398163f);
    EXPECT_NEAR(sink.vertices[3].x, 0.1f * c + 0.1f * s, 1e-5); // column 1 turned 45 degrees, no sway
    EXPECT_NEAR(sink.vertices[3].y, 0.1f * s - 0.1f * c, 1e-5);
}
