// Tests of the angelfish's mesh data: its part table, the half-model convention, how the fins and
// eyes sit on the body, its proportions, its skin regions, and what the part template draws from it.
#include "fish/AngelfishMesh.h"
#include "fish/VertexSink.h"
#include "fish/model/SkinLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {
// Parts in draw order.
enum PartIndex
{
    kBody,
    kLowerMouth,
    kUpperMouth,
    kDorsal,
    kLeftPectoral,
    kRightPectoral,
    kLeftVentral,
    kRightVentral,
    kAnal,
    kTail,
    kLeftEye,
    kRightEye
};

const MeshPartSpec* Parts()
{
    int count = 0;
    const MeshPartSpec* parts = AngelfishParts(count);
    EXPECT_EQ(count, kAngelPartCount);
    return parts;
}

const MeshGrid& BodyGrid()
{
    return Parts()[kBody].grids[0];
}

template <typename Visit> void ForEachVertex(const MeshGrid& grid, Visit visit)
{
    for (int r = 0; r < grid.rows; ++r)
        for (int j = 0; j < grid.cols; ++j)
            visit(grid.At(r, j), r, j);
}

struct Point
{
    float x, y, z;
};

class CRecordingSink : public CVertexSink
{
public:
    void BeginStrip() override { strips.emplace_back(); }
    void Vertex(float x, float y, float z, const MeshVertex&) override { strips.back().push_back({x, y, z}); }
    void EndStrip() override {}
    void Translate(float, float, float) override {}

    std::vector<std::vector<Point>> strips;
};

// The pose arrays of one frame, all zero unless a test sets them.
struct Pose
{
    std::array<std::array<float, 16>, kAngelPoseCount> values{};
    std::array<const float*, kAngelPoseCount> arrays{};

    Pose()
    {
        for (int i = 0; i < kAngelPoseCount; ++i)
            arrays[i] = values[i].data();
    }
};

// Draws the whole fish at size 1 through the part template; the strips of each part in draw order.
std::vector<CRecordingSink> DrawFish(const Pose& pose)
{
    float matrix[16];
    SetIdentityMatrix(matrix);
    std::vector<CRecordingSink> sinks(kAngelPartCount);
    PartContext context{1.0f, pose.values[kAngelHeadings].data(), pose.arrays.data(), matrix, nullptr};
    for (int i = 0; i < kAngelPartCount; ++i) {
        context.sink = &sinks[i];
        DrawMeshPart(Parts()[i], context);
    }
    return sinks;
}

// The body's cross-section at x, both halves, back to belly down the left and back up the right,
// interpolated between the two body columns around x (the columns are planes of constant x).
std::vector<Point> BodySectionAt(float x)
{
    const MeshGrid& body = BodyGrid();
    int k = 0;
    while (k + 2 < body.cols && body.At(0, k + 1).x < x)
        ++k;
    const float f = std::clamp((x - body.At(0, k).x) / (body.At(0, k + 1).x - body.At(0, k).x), 0.0f, 1.0f);
    std::vector<Point> ring;
    for (int r = 0; r < body.rows; ++r) {
        const MeshVertex& a = body.At(r, k);
        const MeshVertex& b = body.At(r, k + 1);
        ring.push_back({x, a.y + (b.y - a.y) * f, a.z + (b.z - a.z) * f});
    }
    for (int r = body.rows - 2; r > 0; --r)
        ring.push_back({x, -ring[r].y, ring[r].z});
    return ring;
}

// Signed distance in the section's plane from (y, z) to the body outline: negative inside.
float SignedDistanceToBody(const MeshVertex& p)
{
    const std::vector<Point> ring = BodySectionAt(p.x);
    bool inside = false;
    float nearest = 1e9f;
    for (size_t i = 0, n = ring.size(); i < n; ++i) {
        const Point& a = ring[i];
        const Point& b = ring[(i + 1) % n];
        if ((a.z > p.z) != (b.z > p.z) && p.y < a.y + (b.y - a.y) * (p.z - a.z) / (b.z - a.z))
            inside = !inside;
        const float ey = b.y - a.y, ez = b.z - a.z;
        const float s = std::clamp(((p.y - a.y) * ey + (p.z - a.z) * ez) / (ey * ey + ez * ez + 1e-12f), 0.0f, 1.0f);
        nearest = std::min(nearest, std::hypot(p.y - a.y - s * ey, p.z - a.z - s * ez));
    }
    return inside ? -nearest : nearest;
}

float Extent(const MeshGrid& grid, float MeshVertex::*axis, bool highest)
{
    float result = highest ? -1e9f : 1e9f;
    ForEachVertex(grid, [&](const MeshVertex& v, int, int) {
        result = highest ? std::max(result, v.*axis) : std::min(result, v.*axis);
    });
    return result;
}
} // namespace

TEST(AngelfishMesh, PartsFollowTheSpeciesTableAndReadOnlyTheirPoseArrays)
{
    using M = MirrorKind;
    using B = BindingKind;
    struct Expected
    {
        int rows, cols;
        M mirror;
        B binding;
        int firstColumn; // -1: the modeller's choice
        unsigned reads;  // bit p: pose array p
    };
    constexpr unsigned kSway = 1u << kAngelSway, kPectoral = 1u << kAngelPectoralBeat;
    constexpr unsigned kVentral = 1u << kAngelVentralBeat;
    const Expected table[kAngelPartCount] = {
        {10, 16, M::Bands, B::PerColumn, 0, kSway},
        {3, 5, M::Bands, B::Fixed, 0, 1u << kAngelGapeA},
        {3, 6, M::Bands, B::Fixed, 0, 1u << kAngelGapeB},
        {3, 10, M::None, B::PerColumn, -1, 1u << kAngelDorsalWave},
        {2, 7, M::None, B::Fixed, 4, kPectoral},
        {2, 7, M::MirroredOnly, B::Fixed, 4, kPectoral},
        {2, 8, M::None, B::Fixed, 4, kVentral},
        {2, 8, M::MirroredOnly, B::Keep, -1, kVentral},
        {2, 8, M::None, B::PerColumn, 7, 1u << kAngelAnalBeat},
        {2, 15, M::None, B::Fixed, 15, kSway | 1u << kAngelTailBeat},
        {3, 5, M::None, B::Mean, 1, 0},
        {3, 5, M::MirroredOnly, B::Mean, 1, 0},
    };
    const MeshPartSpec* parts = Parts();
    for (int i = 0; i < kAngelPartCount; ++i) {
        const MeshPartSpec& part = parts[i];
        const Expected& e = table[i];
        SCOPED_TRACE(part.name);
        EXPECT_EQ(part.grids[0].rows, e.rows);
        EXPECT_EQ(part.grids[0].cols, e.cols);
        EXPECT_EQ(part.mirror, e.mirror);
        EXPECT_EQ(part.binding.kind, e.binding);
        EXPECT_EQ(part.binding.firstColumn, e.firstColumn < 0 ? part.binding.firstColumn : e.firstColumn);
        EXPECT_EQ(part.eyeTwitch, e.binding == B::Mean);
        for (int g = 0; g < part.gridCount && e.binding == B::PerColumn; ++g)
            EXPECT_LE(part.binding.firstColumn + part.grids[g].cols, kAngelBodyColumns);
        // Every term reads inside its array, whichever column of whichever grid it moves.
        unsigned reads = 0;
        for (int t = 0; t < kMaxPartTerms && part.terms[t].poseArray >= 0; ++t) {
            const DisplacementTerm& term = part.terms[t];
            ASSERT_LT(term.poseArray, kAngelPoseCount);
            reads |= 1u << term.poseArray;
            const int length = kAngelPoseLengths[term.poseArray];
            for (int g = 0; g < part.gridCount; ++g) {
                const int needed = term.index == TermIndex::Fixed        ? term.element + 1
                                   : term.index == TermIndex::BodyColumn ? part.binding.firstColumn + part.grids[g].cols
                                                                         : part.grids[g].cols;
                EXPECT_TRUE(!((part.termGridMask >> g) & 1) || needed <= length) << "term " << t << " grid " << g;
            }
        }
        EXPECT_EQ(reads, e.reads);
    }
    // The dorsal fin is a 5 x 5 crest on its base, and only the crest ripples. Only the right
    // ventral's beat mirrors with it; the right pectoral beats the same way as the left.
    EXPECT_EQ(parts[kDorsal].gridCount, 2);
    EXPECT_EQ(parts[kDorsal].grids[1].rows, 5);
    EXPECT_EQ(parts[kDorsal].grids[1].cols, 5);
    EXPECT_EQ(parts[kDorsal].termGridMask, 0x2);
    EXPECT_TRUE(parts[kRightVentral].terms[0].negateWhenMirrored);
    EXPECT_FALSE(parts[kRightPectoral].terms[1].negateWhenMirrored);
}

TEST(AngelfishMesh, LeftHalfStaysOnItsSideAndTheHalvesMeetAtRestAndWhileSwimming)
{
    const MeshPartSpec* parts = Parts();
    for (int i = 0; i < kAngelPartCount; ++i)
        for (int g = 0; g < parts[i].gridCount; ++g)
            ForEachVertex(parts[i].grids[g], [&](const MeshVertex& v, int r, int j) {
                EXPECT_LE(v.y, 0.0f) << parts[i].name << " row " << r << " column " << j;
            });
    // The body's back and belly rows lie on the midline, so its mirrored bands share them, however
    // the columns are bent and swayed.
    Pose swimming;
    for (int k = 0; k < kAngelBodyColumns; ++k) {
        swimming.values[kAngelHeadings][k] = 40.0f * k / 15.0f;
        swimming.values[kAngelSway][k] = k < 13 ? 0.0f : 0.02f * (k - 12);
    }
    for (const Pose& pose : {Pose(), swimming}) {
        const std::vector<std::vector<Point>> strips = DrawFish(pose)[kBody].strips;
        ASSERT_EQ(strips.size(), 18u);                     // band, mirrored band, ...
        for (size_t j = 0; j < strips[0].size(); j += 2) { // even entries: a band's upper row
            EXPECT_EQ(strips[0][j].y, strips[1][j].y) << "back, column " << j / 2;
            EXPECT_EQ(strips[16][j + 1].y, strips[17][j + 1].y) << "belly, column " << j / 2;
        }
    }
}

TEST(AngelfishMesh, FinsLipsAndEyesGrowFromTheBodyAndTheEyesAreClosedRings)
{
    // Every point where a part meets the body lies inside it or just on its surface, and not deep
    // inside, where the part would look detached at its root.
    const MeshPartSpec* parts = Parts();
    auto expectOnBody = [](const MeshVertex& v, const char* what) {
        const float d = SignedDistanceToBody(v);
        EXPECT_LT(d, 0.003f) << what << " at x " << v.x << " z " << v.z << " floats off the body";
        EXPECT_GT(d, -0.015f) << what << " at x " << v.x << " z " << v.z << " is buried in the body";
    };
    for (int i : {kDorsal, kLeftPectoral, kAnal, kTail, kLeftEye})
        for (int j = 0; j < parts[i].grids[0].cols; ++j)
            expectOnBody(parts[i].grids[0].At(0, j), parts[i].name);
    const MeshGrid& ventral = parts[kLeftVentral].grids[0];
    expectOnBody(ventral.At(0, 0), "ventral front corner");
    expectOnBody(ventral.At(1, 0), "ventral back corner");
    for (int i : {kLowerMouth, kUpperMouth}) { // the rear of each lip reaches into the head
        const MeshGrid& lip = parts[i].grids[0];
        for (int r = 0; r < lip.rows; ++r)
            EXPECT_LT(SignedDistanceToBody(lip.At(r, lip.cols - 1)), 0.0f) << parts[i].name;
    }

    // The eye is a closed ring centred between its two body columns, its cornea bulging out.
    const MeshGrid& eye = parts[kLeftEye].grids[0];
    for (int r = 0; r < eye.rows; ++r) {
        EXPECT_EQ(eye.At(r, 0).x, eye.At(r, eye.cols - 1).x);
        EXPECT_EQ(eye.At(r, 0).y, eye.At(r, eye.cols - 1).y);
        EXPECT_EQ(eye.At(r, 0).z, eye.At(r, eye.cols - 1).z);
    }
    const MeshVertex& cornea = eye.At(eye.rows - 1, 0);
    EXPECT_GT(cornea.x, BodyGrid().At(0, 1).x);
    EXPECT_LT(cornea.x, BodyGrid().At(0, 2).x);
    EXPECT_LT(cornea.y, eye.At(0, 0).y);

    // The crest stands on the base: each of its root points lies on the base's outer rows.
    const MeshGrid& base = parts[kDorsal].grids[0];
    const MeshGrid& crest = parts[kDorsal].grids[1];
    for (int j = 0; j < crest.cols; ++j) {
        float nearest = 1e9f;
        ForEachVertex(base, [&](const MeshVertex& v, int, int) {
            nearest = std::min(nearest, std::hypot(v.x - crest.At(0, j).x, v.z - crest.At(0, j).z));
        });
        EXPECT_LT(nearest, 1e-5f) << "crest column " << j;
    }
}

TEST(AngelfishMesh, ATallThinDiscWithSweptFins)
{
    const MeshPartSpec* parts = Parts();
    const MeshGrid& body = BodyGrid();
    const float head = Extent(parts[kLowerMouth].grids[0], &MeshVertex::x, false);
    const float tailRoot = Extent(body, &MeshVertex::x, true);
    const float length = tailRoot - head;
    const float height = Extent(body, &MeshVertex::z, true) - Extent(body, &MeshVertex::z, false);
    const float thickness = -2.0f * Extent(body, &MeshVertex::y, false);
    EXPECT_LT(length, 0.5f);
    EXPECT_NEAR(height / length, 1.1f, 0.12f); // length : height about 1 : 1.1
    EXPECT_LT(thickness, 0.2f * height);
    EXPECT_NEAR(0.5f * (head + tailRoot), 0.0f, 0.03f); // turns about the middle of its body

    // With its fins a near-triangle, taller than long, the fins' points swept back by the tail.
    float top = -1e9f, bottom = 1e9f, back = -1e9f;
    for (int i = 0; i < kAngelPartCount; ++i)
        for (int g = 0; g < parts[i].gridCount; ++g)
            ForEachVertex(parts[i].grids[g], [&](const MeshVertex& v, int, int) {
                top = std::max(top, v.z);
                bottom = std::min(bottom, v.z);
                back = std::max(back, v.x);
            });
    EXPECT_GT(top - bottom, 1.3f * (back - head));
    auto pointX = [](const MeshGrid& grid, float sign) {
        float best = -1e9f, x = 0.0f;
        ForEachVertex(grid, [&](const MeshVertex& v, int, int) {
            if (sign * v.z > best)
                best = sign * v.z, x = v.x;
        });
        return x;
    };
    EXPECT_GT(pointX(parts[kDorsal].grids[1], 1.0f), tailRoot);
    EXPECT_GT(pointX(parts[kAnal].grids[0], -1.0f), tailRoot);
    // The ventral filaments trail far below the belly.
    EXPECT_LT(Extent(parts[kLeftVentral].grids[0], &MeshVertex::z, false), Extent(body, &MeshVertex::z, false) - 0.15f);
}

TEST(AngelfishMesh, NormalsAreUnitAndTheBodysFaceOutward)
{
    const MeshPartSpec* parts = Parts();
    for (int i = 0; i < kAngelPartCount; ++i)
        for (int g = 0; g < parts[i].gridCount; ++g)
            ForEachVertex(parts[i].grids[g], [&](const MeshVertex& v, int, int) {
                EXPECT_NEAR(std::sqrt(v.nx * v.nx + v.ny * v.ny + v.nz * v.nz), 1.0f, 1e-4f) << parts[i].name;
            });
    const MeshGrid& body = BodyGrid();
    ForEachVertex(body, [&](const MeshVertex& v, int r, int j) {
        const float axisZ = 0.5f * (body.At(0, j).z + body.At(body.rows - 1, j).z);
        EXPECT_GT(v.ny * v.y + v.nz * (v.z - axisZ), 0.0f) << "row " << r << " column " << j;
        EXPECT_LE(v.ny, 0.0f) << "row " << r << " column " << j;
    });
}

TEST(AngelfishMesh, TextureCoordinatesStayInTheirPartsOfTheSkin)
{
    const MeshPartSpec* parts = Parts();
    const MeshGrid& body = BodyGrid();
    ForEachVertex(body, [&](const MeshVertex& v, int r, int j) {
        EXPECT_NEAR(v.u, skin::BodyU(j / 15.0f), 1e-5f); // evenly along the body's part of the picture
        EXPECT_NEAR(v.v, 1.0f - r / 9.0f, 1e-5f);        // the back is the picture's top row, uploaded last
    });
    for (int i : {kDorsal, kLeftPectoral, kLeftVentral, kAnal, kTail})
        for (int g = 0; g < parts[i].gridCount; ++g)
            ForEachVertex(parts[i].grids[g], [&](const MeshVertex& v, int, int) {
                EXPECT_GT(v.u, 0.875f) << parts[i].name;
                EXPECT_LT(v.u, 1.0f) << parts[i].name;
                // The tail fin has the strip's upper half (high v), the other fins the lower.
                EXPECT_EQ(v.v > 0.5f, i == kTail) << parts[i].name;
                EXPECT_GT(v.v, 0.0f);
                EXPECT_LT(v.v, 1.0f);
            });
    // The eye maps onto the painted eye, a small disc by the head, 40% of the way down.
    ForEachVertex(parts[kLeftEye].grids[0], [&](const MeshVertex& v, int, int) { EXPECT_LT(v.u, 0.15f); });
    EXPECT_NEAR(parts[kLeftEye].grids[0].At(2, 0).v, 0.6f, 1e-5f);
}

TEST(AngelfishMesh, TemplateDrawsEveryBandOfEveryPartAtRest)
{
    const std::vector<CRecordingSink> sinks = DrawFish(Pose());
    // Strips and vertices per part: body 9 bands x 16 columns x 2 vertices, each band twice.
    const int strips[kAngelPartCount] = {18, 4, 4, 6, 1, 1, 1, 1, 1, 1, 2, 2};
    const int vertices[kAngelPartCount] = {576, 40, 48, 80, 14, 14, 16, 16, 16, 30, 20, 20};
    for (int i = 0; i < kAngelPartCount; ++i) {
        ASSERT_EQ(static_cast<int>(sinks[i].strips.size()), strips[i]) << Parts()[i].name;
        size_t drawn = 0;
        for (const std::vector<Point>& strip : sinks[i].strips)
            drawn += strip.size();
        EXPECT_EQ(static_cast<int>(drawn), vertices[i]) << Parts()[i].name;
    }
    // At rest the template only scales: the body's first vertex is the table's.
    EXPECT_FLOAT_EQ(sinks[kBody].strips[0][0].x, BodyGrid().At(0, 0).x);
}
