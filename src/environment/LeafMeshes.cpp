// LeafMeshes.cpp -- leaf meshes cut to the painted leaf outlines and curved into shape.
#include "environment/LeafMeshes.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kPictureSize = 128.0f; // pixels a side of every leaf picture

// ---------------------------------------------------------------------------------------------
// Where the leaves lie in their pictures.
//
// These numbers repeat how the leaf painter (tools/art) lays out each picture; a picture that
// changes needs its numbers here changed with it, and LeafMeshesTest compares the two.

// A leaf along an axis from its base to its tip, the axis bowed sideways by `bow` pixels at its
// middle, with a half-width profile along it. Picture pixels, y downward.
struct PictureLeaf
{
    float baseX, baseY, tipX, tipY;
    float bow;
    float halfWidth; // widest half-width, pixels
    // Pointed leaves: half-width(t) = halfWidth * sin(pi * t^taper)^fullness, t = 0 at the base.
    float taper;
    float fullness;
    // Straps (capStart > 0): full width from a base 0.6 as wide up to capStart, then a round cap.
    float capStart;
};

struct PicturePoint
{
    float x, y;
};

// The broad rosette leaf, the red strap blade and the star leaf, one to a picture.
constexpr PictureLeaf kRosetteLeaf{64.0f, 127.0f, 62.0f, 3.0f, 6.0f, 29.76f, 0.85f, 0.7f, 0.0f};
constexpr PictureLeaf kStrapLeaf{64.0f, 128.0f, 64.0f, 2.0f, 3.0f, 37.8f, 0.0f, 0.0f, 0.7f};
constexpr PictureLeaf kStarLeaf{64.0f, 127.0f, 64.0f, 6.0f, 0.0f, 31.46f, 1.2f, 0.8f, 0.0f};

// Seven of the nine blades of the grass picture (the one cut by the left edge, and the one
// crossing its neighbours, are left out), in the order the tuft strip chains them, left to right.
// Each blade is 0.063 of its length wide at its widest, either side.
constexpr PictureLeaf kGrassBlades[7] = {
    {22.40f, 130.0f, 25.67f, 18.77f, 2.42f, 7.01f, 0.5f, 0.6f, 0.0f},
    {38.09f, 130.0f, 42.35f, 22.91f, -1.89f, 6.75f, 0.5f, 0.6f, 0.0f},
    {49.47f, 130.0f, 47.35f, 7.10f, -4.79f, 7.74f, 0.5f, 0.6f, 0.0f},
    {62.57f, 130.0f, 64.75f, 14.81f, -0.62f, 7.26f, 0.5f, 0.6f, 0.0f},
    {80.71f, 130.0f, 79.10f, 4.90f, 0.93f, 7.88f, 0.5f, 0.6f, 0.0f},
    {89.71f, 130.0f, 99.70f, 3.13f, -4.57f, 8.02f, 0.5f, 0.6f, 0.0f},
    {118.85f, 130.0f, 120.32f, 4.76f, 5.36f, 7.89f, 0.5f, 0.6f, 0.0f},
};

// The fern frond: a bowed stem with paired leaflets that shrink toward the tip. Its outline is
// given along the stem as the half-width of the line through the notches between the leaflets
// (so no black between leaflet tips is cut in), from the lowest leaflets to the tip.
constexpr PictureLeaf kFrondStem{64.0f, 130.0f, 66.0f, 4.0f, 5.0f, 1.5f, 0.3f, 0.2f, 0.0f};
struct OutlinePoint
{
    float t;         // along the stem, 0 at its base below the picture, 1 at its tip
    float halfWidth; // pixels either side of the stem
};
constexpr OutlinePoint kFrondOutline[] = {
    {0.105f, 0.0f}, {0.143f, 21.0f}, {0.175f, 30.0f}, {0.206f, 37.0f}, {0.24f, 41.0f}, {0.27f, 40.0f},
    {0.32f, 36.5f}, {0.43f, 32.5f},  {0.51f, 28.5f},  {0.59f, 24.0f},  {0.65f, 20.0f}, {0.73f, 16.0f},
    {0.79f, 12.5f}, {0.86f, 9.0f},   {0.92f, 5.0f},   {0.965f, 0.0f},
};
constexpr float kFrondLeafletsStart = 0.105f; // the bare stem ends here
constexpr float kFrondTip = 0.965f;

float Length(const PictureLeaf& leaf)
{
    return std::hypot(leaf.tipX - leaf.baseX, leaf.tipY - leaf.baseY);
}

// The point `across` pixels beside the axis at t, positive toward +x of an upright picture.
// The bow is a parabola across the axis, zero at both ends, as the painter draws it.
PicturePoint AxisPoint(const PictureLeaf& leaf, float t, float across)
{
    const float dx = leaf.tipX - leaf.baseX;
    const float dy = leaf.tipY - leaf.baseY;
    const float length = Length(leaf);
    const float ux = dx / length, uy = dy / length;
    const float side = leaf.bow * 4.0f * t * (1.0f - t);
    const float slope = leaf.bow * 4.0f * (1.0f - 2.0f * t) / length;
    const float tx = ux - uy * slope, ty = uy + ux * slope;
    const float tl = std::hypot(tx, ty);
    return {leaf.baseX + dx * t - uy * side - ty / tl * across, leaf.baseY + dy * t + ux * side + tx / tl * across};
}

float HalfWidthAt(const PictureLeaf& leaf, float t)
{
    if (leaf.capStart > 0.0f) {
        const float c = (t - leaf.capStart) / (1.0f - leaf.capStart);
        const float cap = t <= leaf.capStart ? 1.0f : std::sqrt(std::max(0.0f, 1.0f - c * c));
        return leaf.halfWidth * cap * (0.6f + 0.4f * std::min(1.0f, t * 5.0f));
    }
    const float s = std::sin(kPi * std::pow(t, leaf.taper));
    return leaf.halfWidth * std::pow(std::max(0.0f, s), leaf.fullness);
}

float FrondHalfWidthAt(float t)
{
    constexpr int count = sizeof(kFrondOutline) / sizeof(kFrondOutline[0]);
    if (t <= kFrondOutline[0].t || t >= kFrondOutline[count - 1].t)
        return 0.0f;
    int i = 1;
    while (kFrondOutline[i].t < t)
        ++i;
    const OutlinePoint& a = kFrondOutline[i - 1];
    const OutlinePoint& b = kFrondOutline[i];
    return a.halfWidth + (b.halfWidth - a.halfWidth) * (t - a.t) / (b.t - a.t);
}

// The half-width a mesh takes of a painted half-width: pulled in so that the texture's linear
// filtering never reaches the leaf's dark rim or the black around it.
float CutWidth(float paintedHalfWidth)
{
    return std::max(0.0f, paintedHalfWidth * 0.92f - 1.0f);
}

// The t at which a leaf's axis crosses picture row y (its bottom pixel row is y = 127: half a
// pixel inside the picture, so filtering never wraps around to the picture's black top row).
float TAtRow(const PictureLeaf& leaf, float y)
{
    return (leaf.baseY - y) / (leaf.baseY - leaf.tipY);
}
constexpr float kGroundRow = 127.0f;

void SetTexCoord(MeshVertex& v, PicturePoint p)
{
    // Pictures go up bottom row first: the bottom edge of a picture is v = 0.
    v.u = p.x / kPictureSize;
    v.v = 1.0f - p.y / kPictureSize;
}

void SetPosition(MeshVertex& v, float x, float y, float z)
{
    v.x = x;
    v.y = y;
    v.z = z;
}

// Normals of a curved grid from its neighbours, each turned to the side `facing(r, j)` says is
// the leaf's front; where the grid collapses to a point or a line, the front itself.
template <typename Facing> void ComputeNormals(MeshVertex* grid, int rows, int cols, Facing facing)
{
    auto at = [&](int r, int j) -> const MeshVertex& {
        return grid[std::clamp(r, 0, rows - 1) * cols + std::clamp(j, 0, cols - 1)];
    };
    for (int r = 0; r < rows; ++r) {
        for (int j = 0; j < cols; ++j) {
            const MeshVertex &a0 = at(r, j - 1), &a1 = at(r, j + 1), &b0 = at(r - 1, j), &b1 = at(r + 1, j);
            const float along[3] = {a1.x - a0.x, a1.y - a0.y, a1.z - a0.z};
            const float across[3] = {b1.x - b0.x, b1.y - b0.y, b1.z - b0.z};
            float n[3] = {along[1] * across[2] - along[2] * across[1], along[2] * across[0] - along[0] * across[2],
                          along[0] * across[1] - along[1] * across[0]};
            const auto front = facing(r, j);
            float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            if (length < 1e-7f) {
                n[0] = front[0], n[1] = front[1], n[2] = front[2];
                length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            }
            const float sign = (n[0] * front[0] + n[1] * front[1] + n[2] * front[2]) < 0.0f ? -1.0f : 1.0f;
            MeshVertex& v = grid[r * cols + j];
            v.nx = sign * n[0] / length;
            v.ny = sign * n[1] / length;
            v.nz = sign * n[2] / length;
        }
    }
}

struct Facing
{
    float n[3];
    const float* operator()(int, int) const { return n; }
};

// ---------------------------------------------------------------------------------------------
// Rosette petal: a broad leaf standing in the plane of the upright axis (y, z): it rises from its
// base and arches outward toward -y, its edges cupped toward +x. Standing so, the petals of a ring
// fan out to either side of the plant, and narrowing the table in x (as the inner rings do, ten
// times) only flattens the cup. The midrib leans from kPetalLeanBase off upright at the base to
// kPetalLeanTip at the tip, leaning faster toward the tip; the inner rings, stretched upward,
// stand as tall, nearly upright leaves inside the low outer ones.

constexpr float kPetalLength = 0.5f;                   // along the midrib, table units
constexpr float kPetalBroaden = 0.85f;                 // width against the picture's proportions
constexpr float kPetalLeanBase = 40.0f * kPi / 180.0f; // radians from upright
constexpr float kPetalLeanTip = 70.0f * kPi / 180.0f;
constexpr float kPetalCup = 0.3f; // rise of the edges, as a share of the half-width
constexpr float kPetalTipT = 0.97f;

float PetalLean(float s)
{
    return kPetalLeanBase + (kPetalLeanTip - kPetalLeanBase) * s * s;
}

void BuildPetal(MeshVertex* petal)
{
    const float lengthPx = Length(kRosetteLeaf);
    float out = 0.0f, up = 0.0f, walked = 0.0f; // the midrib, integrated from the base
    for (int j = 0; j < kPetalColumns; ++j) {
        const float t = kPetalTipT * static_cast<float>(j) / (kPetalColumns - 1);
        constexpr int steps = 16;
        for (int k = 0; k < steps; ++k) {
            const float s = walked + (t - walked) * (k + 0.5f) / steps;
            out += std::sin(PetalLean(s)) * kPetalLength * (t - walked) / steps;
            up += std::cos(PetalLean(s)) * kPetalLength * (t - walked) / steps;
        }
        walked = t;
        // Across the leaf, in its plane: square to the midrib, toward the upper edge.
        const float lean = PetalLean(t);
        const float acrossY = std::cos(lean), acrossZ = std::sin(lean);
        const float cutPx = CutWidth(HalfWidthAt(kRosetteLeaf, t));
        const float half = cutPx / lengthPx * kPetalLength * kPetalBroaden;
        for (int r = 0; r < kPetalRows; ++r) {
            const float c = -1.0f + 2.0f * r / (kPetalRows - 1);
            MeshVertex& v = petal[r * kPetalColumns + j];
            SetPosition(v, kPetalBase[0] + kPetalCup * c * c * half, kPetalBase[1] - out + c * half * acrossY,
                        kPetalBase[2] + up + c * half * acrossZ);
            SetTexCoord(v, AxisPoint(kRosetteLeaf, t, c * cutPx));
        }
    }
    ComputeNormals(petal, kPetalRows, kPetalColumns, Facing{{1.0f, 0.0f, 0.0f}}); // the cupped side
}

// ---------------------------------------------------------------------------------------------
// Grass tuft leaf: the grass picture printed on an upright card, kTuftCardWidth wide and
// kTuftCardHeight high, cut down to seven triangles, one on each painted blade: base pair on the
// ground, tip pair collapsed onto the blade's tip. Blades alternate base-to-tip and tip-to-base,
// so the quads between blades join two tips (a line) or two bases (a line along the ground) and
// cover nothing.

constexpr float kTuftCardWidth = 2.0f;  // table units across the picture (x)
constexpr float kTuftCardHeight = 3.5f; // table units up the picture (-z)
constexpr float kGrassTipT = 0.95f;

void PlaceOnTuftCard(MeshVertex& v, PicturePoint p)
{
    SetPosition(v, kTuftLeafBase[0] + (p.x / kPictureSize - 0.5f) * kTuftCardWidth, kTuftLeafBase[1],
                kTuftLeafBase[2] - (kGroundRow - p.y) / kPictureSize * kTuftCardHeight);
    SetTexCoord(v, p);
    v.nx = 0.0f;
    v.ny = 1.0f;
    v.nz = 0.0f;
}

void BuildTuftLeaf(MeshVertex* leaf)
{
    for (int b = 0; b < 7; ++b) {
        const PictureLeaf& blade = kGrassBlades[b];
        const float groundT = TAtRow(blade, kGroundRow);
        const PicturePoint foot = AxisPoint(blade, groundT, 0.0f);
        const float halfPx = CutWidth(HalfWidthAt(blade, groundT));
        const PicturePoint left{foot.x - halfPx, kGroundRow}, right{foot.x + halfPx, kGroundRow};
        const PicturePoint tip = AxisPoint(blade, kGrassTipT, 0.0f);
        const int baseColumn = 2 * b + (b % 2);    // even blades start at their base,
        const int tipColumn = 2 * b + 1 - (b % 2); // odd ones at their tip
        PlaceOnTuftCard(leaf[baseColumn], left);
        PlaceOnTuftCard(leaf[kTuftLeafColumns + baseColumn], right);
        PlaceOnTuftCard(leaf[tipColumn], tip);
        PlaceOnTuftCard(leaf[kTuftLeafColumns + tipColumn], tip);
    }
}

// ---------------------------------------------------------------------------------------------
// Crossed blade: the strap leaf folded along its midrib, the edges kBladeFold of their
// half-width behind the keel, so that a blade seen edge-on still shows. The keel leans out as it
// rises, by kBladeLean at the tip, diagonally across x and y: turned a quarter at a time round the
// plant, two blades lean one way and two the other, whichever way the plant is seen from.

constexpr float kBladeLength = 0.9f;     // table units up (z)
constexpr float kBladeHalfWidth = 0.11f; // table units at the strap's full width
constexpr float kBladeFold = 0.6f;
constexpr float kBladeLean = 0.35f; // table units in x and in y
constexpr float kStrapTipT = 0.985f;

void BuildCrossBlade(MeshVertex* blade)
{
    const float groundT = TAtRow(kStrapLeaf, kGroundRow);
    for (int j = 0; j < kCrossBladeColumns; ++j) {
        const float s = static_cast<float>(j) / (kCrossBladeColumns - 1);
        const float t = groundT + (kStrapTipT - groundT) * s;
        const float cutPx = CutWidth(HalfWidthAt(kStrapLeaf, t));
        const float half = cutPx / kStrapLeaf.halfWidth * kBladeHalfWidth;
        const float lean = kBladeLean * s * s;
        const float z = kCrossBladeBase[2] + kBladeLength * (t - groundT);
        for (int r = 0; r < kCrossBladeRows; ++r) {
            const float c = static_cast<float>(r - 1); // -1 left edge, 0 keel, 1 right edge
            MeshVertex& v = blade[r * kCrossBladeColumns + j];
            SetPosition(v, kCrossBladeBase[0] + lean + c * half,
                        kCrossBladeBase[1] + lean + kBladeFold * std::fabs(c) * half, z);
            SetTexCoord(v, AxisPoint(kStrapLeaf, t, c * cutPx));
        }
    }
    ComputeNormals(blade, kCrossBladeRows, kCrossBladeColumns, Facing{{0.0f, -1.0f, 0.0f}});
}

// ---------------------------------------------------------------------------------------------
// Star leaf: lies flat, from its base toward -x, its middle domed up (toward -z) by kStarDome.
// The star stretches its table ten times along and twice across, so the table's width is five
// times the picture's proportion.

constexpr float kStarLeafLength = 0.7f; // table units along (x)
constexpr float kStarAcrossStretch = 10.0f / 2.0f;
constexpr float kStarDome = 0.03f;
constexpr float kStarTipT = 0.97f;

void BuildStarLeaf(MeshVertex* leaf)
{
    const float lengthPx = Length(kStarLeaf);
    const float groundT = TAtRow(kStarLeaf, kGroundRow);
    for (int j = 0; j < kStarLeafColumns; ++j) {
        const float s = static_cast<float>(j) / (kStarLeafColumns - 1);
        const float t = groundT + (kStarTipT - groundT) * s;
        const float cutPx = CutWidth(HalfWidthAt(kStarLeaf, t));
        const float half = cutPx / lengthPx * kStarLeafLength * kStarAcrossStretch;
        for (int r = 0; r < 2; ++r) {
            const float c = r == 0 ? -1.0f : 1.0f;
            MeshVertex& v = leaf[r * kStarLeafColumns + j];
            SetPosition(v, kStarLeafBase[0] - kStarLeafLength * s, kStarLeafBase[1] + c * half,
                        kStarLeafBase[2] - kStarDome * std::sin(kPi * s));
            SetTexCoord(v, AxisPoint(kStarLeaf, t, c * cutPx));
        }
    }
    ComputeNormals(leaf, 2, kStarLeafColumns, Facing{{0.0f, 0.0f, -1.0f}});
}

// ---------------------------------------------------------------------------------------------
// Frond: a thin round stalk from the ground to the lowest leaflets, then the frond itself cut
// to its outline in two strips, the broad foot and the rest up to the tip (overlapping a little,
// so the wave of the upper strip's left edge never opens a gap). The frond rises kFrondLength
// along z and arches toward +y, kFrondArch at the tip.

constexpr float kFrondLength = 0.6f;  // table units from the ground to the tip
constexpr float kFrondBroaden = 1.5f; // width against the picture's proportions
constexpr float kFrondArch = 0.12f;
constexpr float kFrondStalkRadius = 0.008f;
constexpr float kFrondFootTop = 0.26f;    // stem t where the foot ends
constexpr float kFrondBladeStart = 0.24f; // and where the upper strip begins

struct FrondFrame
{
    float groundT = TAtRow(kFrondStem, kGroundRow);
    float pixelsPerUnit = Length(kFrondStem) * (kFrondTip - TAtRow(kFrondStem, kGroundRow)) / kFrondLength;

    float Along(float t) const { return (t - groundT) / (kFrondTip - groundT); }
    float Z(float t) const { return kFrondBase[2] + kFrondLength * Along(t); }
    float Y(float t) const { return kFrondBase[1] + kFrondArch * Along(t) * Along(t); }
};

void BuildFrondStalk(MeshVertex* stalk, const FrondFrame& frame)
{
    for (int j = 0; j < kFrondStalkColumns; ++j) {
        const float t = frame.groundT + (kFrondLeafletsStart - frame.groundT) * j / (kFrondStalkColumns - 1);
        const float z = frame.Z(t) / (j == 0 ? 1.0f : kFrondStalkStretch);
        for (int r = 0; r < kFrondStalkRows; ++r) {
            // Row 7 comes round to row 0: seven faces close the stalk.
            const float around = 2.0f * kPi * static_cast<float>(r % (kFrondStalkRows - 1)) / (kFrondStalkRows - 1);
            MeshVertex& v = stalk[r * kFrondStalkColumns + j];
            SetPosition(v, kFrondBase[0] + kFrondStalkRadius * std::cos(around),
                        frame.Y(t) + kFrondStalkRadius * std::sin(around), z);
            v.nx = std::cos(around);
            v.ny = std::sin(around);
            v.nz = 0.0f;
            SetTexCoord(v, AxisPoint(kFrondStem, t, 0.6f * std::cos(around)));
        }
    }
}

void BuildFrondStrip(MeshVertex* strip, int columns, float fromT, float toT, const FrondFrame& frame)
{
    for (int j = 0; j < columns; ++j) {
        const float t = fromT + (toT - fromT) * j / (columns - 1);
        const float cutPx = CutWidth(FrondHalfWidthAt(t));
        const float half = cutPx / frame.pixelsPerUnit * kFrondBroaden;
        for (int r = 0; r < 2; ++r) {
            const float c = r == 0 ? -1.0f : 1.0f;
            MeshVertex& v = strip[r * columns + j];
            SetPosition(v, kFrondBase[0] + c * half, frame.Y(t), frame.Z(t));
            SetTexCoord(v, AxisPoint(kFrondStem, t, c * cutPx));
        }
    }
    ComputeNormals(strip, 2, columns, Facing{{0.0f, 1.0f, 0.0f}});
}

LeafMeshes BuildLeafMeshes()
{
    LeafMeshes meshes{};
    BuildPetal(meshes.petal);
    BuildTuftLeaf(meshes.tuftLeaf);
    BuildCrossBlade(meshes.crossBlade);
    BuildStarLeaf(meshes.starLeaf);
    const FrondFrame frame;
    BuildFrondStalk(meshes.frondStalk, frame);
    BuildFrondStrip(meshes.frondFoot, kFrondFootColumns, kFrondLeafletsStart, kFrondFootTop, frame);
    BuildFrondStrip(meshes.frondBlade, kFrondBladeColumns, kFrondBladeStart, kFrondTip, frame);
    return meshes;
}
} // namespace

const LeafMeshes& GetLeafMeshes()
{
    static const LeafMeshes meshes = BuildLeafMeshes();
    return meshes;
}
