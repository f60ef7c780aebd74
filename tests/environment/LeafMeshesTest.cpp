// Tests of the leaf meshes: where each leaf starts, the tuft's hidden joins, and that every mesh
// shows only the painted leaf of its picture, never the black around it.
#include "environment/LeafMeshes.h"
#include "environment/BitmapFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {
void ExpectAt(const MeshVertex& v, const float (&point)[3], float tolerance, const char* what)
{
    EXPECT_NEAR(v.x, point[0], tolerance) << what;
    EXPECT_NEAR(v.y, point[1], tolerance) << what;
    EXPECT_NEAR(v.z, point[2], tolerance) << what;
}

// Twice the area of a triangle of positions, projected on the plane the tuft card stands in (x, z).
float CardArea(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c)
{
    return std::fabs((b.x - a.x) * (c.z - a.z) - (c.x - a.x) * (b.z - a.z));
}

struct Coverage
{
    int painted = 0;
    int black = 0;
};

bool IsPainted(const BitmapImage& picture, int x, int yFromTop)
{
    x = std::clamp(x, 0, picture.width - 1);
    yFromTop = std::clamp(yFromTop, 0, picture.height - 1);
    const uint8_t* p = picture.Bits() + BitmapRowStride(24, picture.width) * (picture.height - 1 - yFromTop) + 3 * x;
    return p[0] + p[1] + p[2] > 40;
}

// Every pixel whose centre lies inside the texture-space triangle, sorted painted or black.
void SampleTriangle(const BitmapImage& picture, const MeshVertex& a, const MeshVertex& b, const MeshVertex& c,
                    Coverage& coverage)
{
    const float w = static_cast<float>(picture.width), h = static_cast<float>(picture.height);
    const float ax = a.u * w, ay = (1 - a.v) * h, bx = b.u * w, by = (1 - b.v) * h, cx = c.u * w, cy = (1 - c.v) * h;
    const float area = (bx - ax) * (cy - ay) - (cx - ax) * (by - ay);
    if (std::fabs(area) < 1e-4f)
        return;
    for (int y = static_cast<int>(std::min({ay, by, cy})); y <= static_cast<int>(std::max({ay, by, cy})); ++y) {
        for (int x = static_cast<int>(std::min({ax, bx, cx})); x <= static_cast<int>(std::max({ax, bx, cx})); ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float e0 = ((bx - ax) * (py - ay) - (px - ax) * (by - ay)) / area;
            const float e1 = ((cx - bx) * (py - by) - (px - bx) * (cy - by)) / area;
            const float e2 = ((ax - cx) * (py - cy) - (px - cx) * (ay - cy)) / area;
            if (e0 >= 0 && e1 >= 0 && e2 >= 0)
                ++(IsPainted(picture, x, y) ? coverage.painted : coverage.black);
        }
    }
}

Coverage SampleGrid(const BitmapImage& picture, const MeshGrid& grid)
{
    Coverage coverage;
    for (int r = 0; r + 1 < grid.rows; ++r) {
        for (int j = 0; j + 1 < grid.cols; ++j) {
            SampleTriangle(picture, grid.At(r, j), grid.At(r + 1, j), grid.At(r + 1, j + 1), coverage);
            SampleTriangle(picture, grid.At(r, j), grid.At(r + 1, j + 1), grid.At(r, j + 1), coverage);
        }
    }
    return coverage;
}
} // namespace

// Each kind translates by minus its anchor times the mesh scale, so a leaf that starts anywhere
// else floats above the plant's point or sinks below it.
TEST(LeafMeshes, EveryLeafStartsAtItsAnchorAndNothingReachesBelowIt)
{
    const LeafMeshes& meshes = GetLeafMeshes();
    const MeshGrid petal = meshes.Petal();
    for (int r = 0; r < petal.rows; ++r) {
        ExpectAt(petal.At(r, 0), kPetalBase, 1e-6f, "petal base");
        for (int j = 0; j < petal.cols; ++j)
            EXPECT_GE(petal.At(r, j).z, kPetalBase[2]); // up is +z
    }

    const MeshGrid blade = meshes.CrossBlade();
    ExpectAt(blade.At(1, 0), kCrossBladeBase, 1e-6f, "keel base");
    for (int r = 0; r < blade.rows; ++r)
        for (int j = 0; j < blade.cols; ++j)
            EXPECT_GE(blade.At(r, j).z, kCrossBladeBase[2]);

    const MeshGrid star = meshes.StarLeaf();
    ExpectAt(star.At(0, 0), kStarLeafBase, 1e-6f, "star leaf base");
    ExpectAt(star.At(1, 0), kStarLeafBase, 1e-6f, "star leaf base");

    // The stalk's first column stands round the anchor, at its height (it is not stretched).
    const MeshGrid stalk = meshes.FrondStalk();
    for (int r = 0; r < stalk.rows; ++r) {
        const MeshVertex& v = stalk.At(r, 0);
        EXPECT_NEAR(v.z, kFrondBase[2], 1e-6f);
        EXPECT_LT(std::hypot(v.x - kFrondBase[0], v.y - kFrondBase[1]), 0.02f);
        for (int j = 1; j < stalk.cols; ++j)
            EXPECT_GT(stalk.At(r, j).z * kFrondStalkStretch, kFrondBase[2]);
    }
    for (const MeshGrid& strip : {meshes.FrondFoot(), meshes.FrondBlade()})
        for (int j = 0; j < strip.cols; ++j)
            EXPECT_GT(strip.At(0, j).z, kFrondBase[2]);

    // Up is -z on the tuft card; every blade starts on the ground line through the anchor.
    const MeshGrid tuft = meshes.TuftLeaf();
    int onGround = 0;
    for (int j = 0; j < tuft.cols; ++j) {
        for (int r = 0; r < 2; ++r) {
            EXPECT_LE(tuft.At(r, j).z, kTuftLeafBase[2] + 1e-6f);
            onGround += std::fabs(tuft.At(r, j).z - kTuftLeafBase[2]) < 1e-6f;
        }
    }
    EXPECT_EQ(onGround, 14); // seven blades, two base corners each
}

TEST(LeafMeshes, TuftBladesJoinThroughQuadsThatCoverNothing)
{
    const MeshGrid tuft = GetLeafMeshes().TuftLeaf();
    for (int j = 0; j + 1 < tuft.cols; ++j) {
        const float area = CardArea(tuft.At(0, j), tuft.At(1, j), tuft.At(1, j + 1)) +
                           CardArea(tuft.At(0, j), tuft.At(1, j + 1), tuft.At(0, j + 1));
        if (j % 2 == 0)
            EXPECT_GT(area, 0.01f) << "blade " << j / 2;
        else
            EXPECT_LT(area, 1e-6f) << "join after blade " << j / 2;
    }
}

TEST(LeafMeshes, NormalsAreUnitLength)
{
    const LeafMeshes& meshes = GetLeafMeshes();
    for (const MeshGrid& grid : {meshes.Petal(), meshes.TuftLeaf(), meshes.CrossBlade(), meshes.StarLeaf(),
                                 meshes.FrondStalk(), meshes.FrondFoot(), meshes.FrondBlade()}) {
        for (int i = 0; i < grid.rows * grid.cols; ++i) {
            const MeshVertex& v = grid.vertices[i];
            EXPECT_NEAR(std::sqrt(v.nx * v.nx + v.ny * v.ny + v.nz * v.nz), 1.0f, 1e-4f);
        }
    }
}

// The plant textures have no transparency: a mesh that strays off its painted leaf shows black.
TEST(LeafMeshes, MeshesShowOnlyThePaintedLeavesOfTheirPictures)
{
#ifndef KELPORA_ART_DIR
    GTEST_SKIP() << "this build paints no pictures";
#else
    const LeafMeshes& meshes = GetLeafMeshes();
    struct Case
    {
        const char* picture;
        MeshGrid grid;
    };
    const Case cases[] = {{"cao0", meshes.Petal()},    {"cao1", meshes.TuftLeaf()},  {"cao3", meshes.CrossBlade()},
                          {"cao4", meshes.StarLeaf()}, {"cao5", meshes.FrondFoot()}, {"cao5", meshes.FrondBlade()}};
    for (const Case& c : cases) {
        BitmapImage picture;
        ASSERT_TRUE(ReadBitmapFile(std::string(KELPORA_ART_DIR) + c.picture + ".bmp", picture)) << c.picture;
        ASSERT_EQ(picture.bitCount, 24);
        const Coverage coverage = SampleGrid(picture, c.grid);
        const int total = coverage.painted + coverage.black;
        EXPECT_GT(total, 200) << c.picture; // the mesh shows a fair part of its leaf
        EXPECT_LE(coverage.black, total / 50) << c.picture << ": " << coverage.black << " of " << total << " black";
    }
    // The stalk is too thin to hold whole pixels; its corners must sit on the painted stem.
    BitmapImage frond;
    ASSERT_TRUE(ReadBitmapFile(std::string(KELPORA_ART_DIR) + "cao5.bmp", frond));
    const MeshGrid stalk = meshes.FrondStalk();
    for (int i = 0; i < stalk.rows * stalk.cols; ++i) {
        const MeshVertex& v = stalk.vertices[i];
        EXPECT_TRUE(IsPainted(frond, static_cast<int>(v.u * frond.width), static_cast<int>((1 - v.v) * frond.height)))
            << "stalk vertex " << i;
    }
#endif
}
