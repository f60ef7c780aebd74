// AngelfishMesh.cpp -- species 0 as mesh data: a tall, thin disc with swept fins, from a few numbers.
//
// The angelfish is drawn as a near-triangle: a deep, laterally flattened disc (length : height
// about 1 : 1.1 without fins) whose dorsal and anal fins sweep back into long points above and
// below a fan tail, with two long trailing ventral filaments under the chest. Every part below is
// computed from the named parameters at the top; nothing is a hand-typed coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.19 at the
// snout to x = 0.19 at the tail root, so the fish turns about the middle of its body.
#include "fish/AngelfishMesh.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

// ---- Body: a disc from the side, a thin lens from above ------------------------------------------
constexpr float kHeadX = -0.19f;           // body column 0: the snout, just behind the lips
constexpr float kTailRootX = 0.19f;        // body column 15: where the tail fan grows
constexpr float kSnoutZ = 0.015f;          // height of the closed mouth line
constexpr float kSnoutHalfHeight = 0.012f; // the snout's section, hidden inside the lips
constexpr float kSnoutHalfThickness = 0.009f;
constexpr float kBackZ = 0.225f;              // highest point of the back (where the dorsal rises)...
constexpr float kBackAt = 0.36f;              // ...as a fraction of the way from snout to tail root
constexpr float kBellyZ = -0.215f;            // lowest point of the belly (where the anal fin starts)...
constexpr float kBellyAt = 0.46f;             // ...and where along the body it lies
constexpr float kPeduncleHalfHeight = 0.032f; // the narrow stalk in front of the tail
constexpr float kForeheadShape = 1.25f;       // outline exponent toward the snout: > 1 a pointed snout
constexpr float kRearShape = 0.8f;            // toward the tail: < 1 a full, rounded rear
constexpr float kHalfThickness = 0.032f;      // widest point of the left half, behind the gill cover...
constexpr float kThickestAt = 0.28f;          // ...at this fraction of the body
constexpr float kPeduncleHalfThickness = 0.01f;
constexpr float kSectionShape = 0.8f; // cross-section exponent: 1 an ellipse, below 1 flatter flanks

// ---- Mouth: two small lips in front of the snout, opened at the tip by the gape chains -----------
constexpr float kMouthTipX = -0.215f; // front of the closed lips
constexpr float kLipStep = 0.009f;    // between lip columns, from the tip backward into the head
constexpr float kLipHalfWidth = 0.011f;
constexpr float kLipHeight = 0.012f; // each lip, from the mouth line to its ridge
constexpr float kLipTipScale = 0.4f; // the lips narrow to this at the tip

// ---- Dorsal and anal fins: sails of rays fanning from the body's midline to a swept point ---------
constexpr int kDorsalFirstColumn = 5; // base over body columns 5..14, from the top of the back
constexpr float kDorsalTipX = 0.28f;  // the swept point, behind the tail root and high above it
constexpr float kDorsalTipZ = 0.47f;
constexpr float kCrestFrom = 0.42f; // the crest takes each front ray from this fraction outward
constexpr int kAnalFirstColumn = 7; // body columns 7..14, behind the vent
constexpr float kAnalTipX = 0.26f;
constexpr float kAnalTipZ = -0.45f;
constexpr float kLastRay = 0.035f;  // the last ray of each, just in front of the tail root
constexpr float kTrailSag = 0.06f;  // how far the trailing edge hollows in toward the body
constexpr float kLeadBow = 0.025f;  // how far the leading edge bows forward
constexpr float kRaySpread = 0.6f;  // exponent: < 1 sends the rays' ends quickly down from the point
constexpr float kRootSink = 0.004f; // fin roots sit this far inside the body, so no seam shows

// ---- Tail: a fan whose corner rays reach out into short points ------------------------------------
constexpr float kTailLength = 0.14f;            // from the fan's centre to the middle of its edge
constexpr float kTailSpread = 40.0f * kDegrees; // half the fan's opening
constexpr float kTailTipReach = 0.35f;          // the corner rays are this much longer
constexpr float kTailNotch = 0.06f;             // the middle of the edge falls back by this much
constexpr float kTailRootHalfHeight = 0.026f;
constexpr float kTailRootInset = 0.01f;   // the fan's root, inside the tail root
constexpr float kTailCentreInset = 0.03f; // the fan's centre, ahead of the tail root

// ---- Pectoral fins: small rounded fans behind the gill cover --------------------------------------
constexpr int kPectoralColumn = 4;
constexpr float kPectoralZ = -0.025f;   // middle of the fin's base
constexpr float kPectoralBase = 0.022f; // height of the base along the flank
constexpr float kPectoralLength = 0.075f;
constexpr float kPectoralUp = 55.0f * kDegrees;   // the top ray, above the horizontal
constexpr float kPectoralDown = 35.0f * kDegrees; // the bottom ray, below it
constexpr float kPectoralStandOff = 0.3f;         // lateral distance from the flank per unit of length

// ---- Ventral fins: long trailing filaments from the chest -----------------------------------------
constexpr int kVentralColumn = 4;
constexpr float kVentralLength = 0.30f;
constexpr float kVentralDroop = 70.0f * kDegrees; // below the horizontal at the root...
constexpr float kVentralCurl = 30.0f * kDegrees;  // ...and this much flatter at the free end
constexpr float kVentralRootWidth = 0.025f;
constexpr float kVentralEndWidth = 0.003f;
constexpr float kVentralRootY = -0.006f; // the pair stands just either side of the midline...
constexpr float kVentralSplay = 0.04f;   // ...and their ends this much further apart

// ---- Eyes: low domes high on the head, just behind the snout --------------------------------------
constexpr float kEyeAlong = 0.09f; // centre, as a fraction from snout to tail root...
constexpr float kEyeAround = 0.4f; // ...and from back (0) to belly (1)
constexpr float kEyeRadius = 0.023f;
constexpr float kEyeInner = 0.55f;  // the inner ring, as a fraction of the radius
constexpr float kEyeBulge = 0.008f; // the cornea stands this far off the head

// ---- Skin layout (see AngelfishMesh.h) ------------------------------------------------------------
constexpr float kBodyU = 0.875f;         // the body ends here; the fin strip fills the rest
constexpr float kTexelU = 1.0f / 256.0f; // one texel of the 256 x 128 skin
constexpr float kTexelV = 1.0f / 128.0f;
// The painted eye: a disc centred at this body fraction and row fraction (from the top), with
// these radii in u and v. The eye's rings map onto it, rim to rim.
constexpr float kPaintedEyeAlong = 0.07f;
constexpr float kPaintedEyeAround = 0.4f;
constexpr float kPaintedEyeU = 0.035f;
constexpr float kPaintedEyeV = 0.07f;

constexpr int kBodyRows = 10;
constexpr int kBodyColumns = kAngelBodyColumns;

struct Vec3
{
    float x, y, z;
};

Vec3 operator+(Vec3 a, Vec3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator-(Vec3 a, Vec3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 operator*(Vec3 a, float s)
{
    return {a.x * s, a.y * s, a.z * s};
}
Vec3 Lerp(Vec3 a, Vec3 b, float t)
{
    return a + (b - a) * t;
}
Vec3 Cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 Normalised(Vec3 a)
{
    const float length = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return length > 0.0f ? a * (1.0f / length) : Vec3{0.0f, -1.0f, 0.0f};
}

MeshVertex Vertex(Vec3 p, Vec3 n, float u, float v)
{
    return {p.x, p.y, p.z, n.x, n.y, n.z, u, v};
}

// A lobe from `start` (t = 0) up to `peak` (t = peakAt) and on to `end` (t = 1). The exponents
// shape the rise and the fall: above 1 a hollow flank, below 1 a full, rounded one.
float Lobe(float t, float start, float peak, float peakAt, float end, float riseShape, float fallShape)
{
    if (t <= peakAt)
        return start + (peak - start) * std::pow(std::sin(0.5f * kPi * t / peakAt), riseShape);
    const float c = std::cos(0.5f * kPi * (t - peakAt) / (1.0f - peakAt));
    return end + (peak - end) * std::pow(std::max(c, 0.0f), fallShape);
}

// ---- The body surface, shared by every part that sits on it ---------------------------------------

// The body at fraction t from snout (0) to tail root (1): its outline and half thickness.
struct Section
{
    float x, top, bottom, halfThickness;
};

Section BodySection(float t)
{
    return {kHeadX + (kTailRootX - kHeadX) * t,
            Lobe(t, kSnoutZ + kSnoutHalfHeight, kBackZ, kBackAt, kPeduncleHalfHeight, kForeheadShape, kRearShape),
            Lobe(t, kSnoutZ - kSnoutHalfHeight, kBellyZ, kBellyAt, -kPeduncleHalfHeight, kForeheadShape, kRearShape),
            Lobe(t, kSnoutHalfThickness, kHalfThickness, kThickestAt, kPeduncleHalfThickness, 0.6f, 1.0f)};
}

// The left half's surface at (t, around): around runs from the back (0) over the flank to the
// belly (1). Both ends lie exactly on the midline y = 0, where the mirrored half joins.
Vec3 BodyPoint(float t, float around)
{
    const Section s = BodySection(t);
    const float angle = kPi * around;
    const float mid = 0.5f * (s.top + s.bottom);
    const float half = 0.5f * (s.top - s.bottom);
    const float y = (around <= 0.0f || around >= 1.0f)
                        ? 0.0f
                        : -s.halfThickness * std::pow(std::max(std::sin(angle), 0.0f), kSectionShape);
    return {s.x, y, mid + half * std::cos(angle)};
}

// Outward normal of the left half, from the surface's own slopes.
Vec3 BodyNormal(float t, float around)
{
    constexpr float h = 1e-3f;
    t = std::clamp(t, h, 1.0f - h);
    around = std::clamp(around, h, 1.0f - h);
    const Vec3 alongBody = BodyPoint(t + h, around) - BodyPoint(t - h, around);
    const Vec3 aroundBody = BodyPoint(t, around + h) - BodyPoint(t, around - h);
    return Normalised(Cross(aroundBody, alongBody));
}

// The (t, around) of the body surface point at x and height z.
void BodyCoordinates(float x, float z, float& t, float& around)
{
    t = std::clamp((x - kHeadX) / (kTailRootX - kHeadX), 0.0f, 1.0f);
    const Section s = BodySection(t);
    const float half = 0.5f * (s.top - s.bottom);
    const float c = half > 0.0f ? (z - 0.5f * (s.top + s.bottom)) / half : 0.0f;
    around = std::acos(std::clamp(c, -1.0f, 1.0f)) / kPi;
}

// Where a part on the flank meets the body: the left surface's y at (x, z).
float FlankY(float x, float z)
{
    float t, around;
    BodyCoordinates(x, z, t, around);
    return BodyPoint(t, around).y;
}

float ColumnFraction(float column)
{
    return column / (kBodyColumns - 1);
}
float ColumnX(float column)
{
    return BodySection(ColumnFraction(column)).x;
}

// The skin is uploaded as a BMP stores it, bottom row first, so texture v runs up the picture
// while the painter's rows run down it from the back: v = 1 - (row fraction from the top).
float SkinV(float pictureRow)
{
    return 1.0f - pictureRow;
}

// Fin-strip texture coordinates: u from the root (0) to the free edge (1); across the fin (0..1)
// down the tail's half of the strip (the top) or the other fins' half, a texel inside its borders.
void FinUv(float outward, float across, bool tail, float& u, float& v)
{
    u = kBodyU + kTexelU + outward * (1.0f - kBodyU - 2.0f * kTexelU);
    const float top = tail ? 0.0f : 0.5f;
    v = SkinV(top + kTexelV + across * (0.5f - 2.0f * kTexelV));
}

// ---- Parts ----------------------------------------------------------------------------------

void BuildBody(MeshVertex* out)
{
    for (int r = 0; r < kBodyRows; ++r) {
        for (int k = 0; k < kBodyColumns; ++k) {
            const float t = ColumnFraction(static_cast<float>(k));
            const float around = static_cast<float>(r) / (kBodyRows - 1);
            out[r * kBodyColumns + k] = Vertex(BodyPoint(t, around), BodyNormal(t, around), kBodyU * t, SkinV(around));
        }
    }
}

// A lip is a quarter-ellipse shell per column (the mirrored band makes the other side): the upper
// lip from its ridge down to the mouth line, the lower lip from the mouth line down to the chin.
// Textured with the snout's own skin.
void BuildLip(MeshVertex* out, int columns, bool upper)
{
    constexpr int kRows = 3;
    for (int r = 0; r < kRows; ++r) {
        // Eighth turns from the top of the upper lip's ridge to the bottom of the chin; the ridge
        // and the chin lie exactly on the midline, where the mirrored band joins.
        const int eighths = upper ? r : r + 2;
        const float angle = eighths * 0.25f * kPi;
        const float side = eighths % 4 == 0 ? 0.0f : std::sin(angle);
        for (int j = 0; j < columns; ++j) {
            const float scale = std::min(1.0f, kLipTipScale + (1.0f - kLipTipScale) * j * 0.5f);
            const float w = kLipHalfWidth * scale;
            const float h = kLipHeight * scale;
            const Vec3 p{kMouthTipX + kLipStep * j, -w * side, kSnoutZ + h * std::cos(angle)};
            // Outward from the lip's axis, and forward at the tip where the lips round off.
            Vec3 n = Normalised({0.0f, -side / w, std::cos(angle) / h});
            n = Normalised(n + Vec3{j == 0 ? -0.8f : 0.0f, 0.0f, 0.0f});
            float t, around;
            BodyCoordinates(p.x, p.z, t, around);
            out[r * columns + j] = Vertex(p, n, kBodyU * t, SkinV(around));
        }
    }
}

// A median fin as a fan of rays. Ray a (0 the leading ray, 1 the last) rises from the midline at
// body column firstColumn + a * (columns - 1); its outer end runs, as a grows, from the swept
// point down a hollow trailing edge to the short last ray by the tail root. Point (a, b) lies the
// fraction b out along its ray; the leading ray bows forward.
struct MedianFin
{
    int firstColumn;
    int columns;
    Vec3 tip;
    bool hangs; // the anal fin: roots on the belly

    Vec3 Root(float a) const
    {
        const Section s = BodySection(ColumnFraction(firstColumn + a * (columns - 1)));
        return {s.x, 0.0f, hangs ? s.bottom + kRootSink : s.top - kRootSink};
    }

    // The perpendicular of an in-plane direction that points forward (toward the head).
    static Vec3 Forward(Vec3 d)
    {
        const Vec3 n = Normalised({-d.z, 0.0f, d.x});
        return n.x <= 0.0f ? n : n * -1.0f;
    }

    Vec3 RayEnd(float a) const
    {
        const Vec3 lastRoot = Root(1.0f);
        const Vec3 lastEnd = lastRoot + Vec3{0.5f, 0.0f, hangs ? -0.87f : 0.87f} * kLastRay;
        const float s = std::pow(a, kRaySpread);
        return Lerp(tip, lastEnd, s) + Forward(lastEnd - tip) * (kTrailSag * std::sin(kPi * s));
    }

    Vec3 At(float a, float b) const
    {
        const Vec3 bow = Forward(tip - Root(0.0f)) * (kLeadBow * std::sin(kPi * b) * std::pow(1.0f - a, 3.0f));
        return Lerp(Root(a), RayEnd(a), b) + bow;
    }

    MeshVertex Sample(float a, float b) const
    {
        float u, v;
        FinUv(b, a, false, u, v);
        return Vertex(At(a, b), {0.0f, -1.0f, 0.0f}, u, v);
    }
};

constexpr MedianFin kDorsalFin{kDorsalFirstColumn, 10, {kDorsalTipX, 0.0f, kDorsalTipZ}, false};
constexpr MedianFin kAnalFin{kAnalFirstColumn, 8, {kAnalTipX, 0.0f, kAnalTipZ}, true};

// The dorsal fin is one fan drawn as two grids. The crest (5 x 5) is the outer part of the first
// five rays: the swept point, which the dorsal wave ripples. The base (3 x 10) is the rest: the
// inner part of those five rays, and the whole of the last five, which reach the trailing edge.
// Ray j of both grids rises from body column kDorsalFirstColumn + j, as their binding assumes.
void BuildDorsalFin(MeshVertex* base, MeshVertex* crest)
{
    constexpr int kBaseColumns = 10;
    constexpr int kCrestColumns = 5;
    for (int j = 0; j < kBaseColumns; ++j) {
        const float a = j / (kBaseColumns - 1.0f);
        const bool underCrest = j < kCrestColumns - 1;
        const float rows[3] = {0.0f, underCrest ? 0.5f * kCrestFrom : kCrestFrom, underCrest ? kCrestFrom : 1.0f};
        for (int r = 0; r < 3; ++r)
            base[r * kBaseColumns + j] = kDorsalFin.Sample(a, rows[r]);
    }
    for (int r = 0; r < 5; ++r) {
        for (int j = 0; j < kCrestColumns; ++j) {
            const float a = j / (kBaseColumns - 1.0f);
            crest[r * kCrestColumns + j] = kDorsalFin.Sample(a, kCrestFrom + (1.0f - kCrestFrom) * r / 4.0f);
        }
    }
}

void BuildAnalFin(MeshVertex* out)
{
    constexpr int kColumns = 8;
    for (int j = 0; j < kColumns; ++j) {
        const float a = j / (kColumns - 1.0f);
        out[j] = kAnalFin.Sample(a, 0.0f);
        out[kColumns + j] = kAnalFin.Sample(a, 1.0f);
    }
}

// Root row along the tail root, top to bottom; edge row on the fan, its corners reaching out.
void BuildTail(MeshVertex* out)
{
    constexpr int kColumns = 15;
    const Vec3 centre{kTailRootX - kTailCentreInset, 0.0f, 0.0f};
    for (int j = 0; j < kColumns; ++j) {
        const float f = j / (kColumns - 1.0f);           // 0 top corner, 1 bottom corner
        const float corner = std::fabs(2.0f * f - 1.0f); // 0 in the middle, 1 at a corner
        const float angle = kTailSpread * (1.0f - 2.0f * f);
        const float reach =
            kTailLength * (1.0f - kTailNotch * (1.0f - corner * corner) + kTailTipReach * std::pow(corner, 6.0f));
        const Vec3 root{kTailRootX - kTailRootInset, 0.0f, kTailRootHalfHeight * (1.0f - 2.0f * f)};
        const Vec3 edge = centre + Vec3{std::cos(angle), 0.0f, std::sin(angle)} * reach;
        float u, v;
        FinUv(0.0f, f, true, u, v);
        out[j] = Vertex(root, {0.0f, -1.0f, 0.0f}, u, v);
        FinUv(1.0f, f, true, u, v);
        out[kColumns + j] = Vertex(edge, {0.0f, -1.0f, 0.0f}, u, v);
    }
}

// A rounded fan: its base runs down the flank, its rays spread backward and stand off the body.
void BuildPectoralFin(MeshVertex* out)
{
    constexpr int kColumns = 7;
    const float x = ColumnX(kPectoralColumn);
    const Vec3 normal = Normalised(Cross({1.0f, -kPectoralStandOff, 0.0f}, {0.0f, 0.0f, 1.0f}));
    for (int j = 0; j < kColumns; ++j) {
        const float f = j / (kColumns - 1.0f); // 0 the top ray, 1 the bottom
        const float z = kPectoralZ + kPectoralBase * (0.5f - f);
        const Vec3 root{x, FlankY(x, z) + kRootSink, z};
        const float angle = kPectoralUp - f * (kPectoralUp + kPectoralDown);
        const float length = kPectoralLength * (0.75f + 0.25f * std::sin(kPi * f)); // rounded outline
        const Vec3 edge = root + Vec3{std::cos(angle), -kPectoralStandOff, std::sin(angle)} * length;
        float u, v;
        FinUv(0.0f, f, false, u, v);
        out[j] = Vertex(root, normal, u, v);
        FinUv(1.0f, f, false, u, v);
        out[kColumns + j] = Vertex(edge, normal, u, v);
    }
}

// A ribbon along its length: column 0 at the chest, the last column the filament's end; row 0 is
// its front edge and row 1 its back edge. It drops steeply and curls back as it trails.
void BuildVentralFin(MeshVertex* out)
{
    constexpr int kColumns = 8;
    const float rootX = ColumnX(kVentralColumn);
    Vec3 centre{rootX, kVentralRootY, BodySection(ColumnFraction(kVentralColumn)).bottom + kRootSink};
    const float step = kVentralLength / (kColumns - 1);
    for (int j = 0; j < kColumns; ++j) {
        const float f = j / (kColumns - 1.0f);
        const float droop = kVentralDroop - kVentralCurl * f;
        const Vec3 across{std::sin(droop), 0.0f, std::cos(droop)}; // from the front edge to the back
        const float width = kVentralEndWidth + (kVentralRootWidth - kVentralEndWidth) * std::pow(1.0f - f, 3.0f);
        Vec3 front = centre - across * (0.5f * width);
        Vec3 back = centre + across * (0.5f * width);
        if (j == 0) { // both corners of the root on the belly
            front.z = BodySection((front.x - kHeadX) / (kTailRootX - kHeadX)).bottom + kRootSink;
            back.z = BodySection((back.x - kHeadX) / (kTailRootX - kHeadX)).bottom + kRootSink;
        }
        float u, v;
        FinUv(f, 0.2f, false, u, v);
        out[j] = Vertex(front, {0.0f, -1.0f, 0.0f}, u, v);
        FinUv(f, 0.8f, false, u, v);
        out[kColumns + j] = Vertex(back, {0.0f, -1.0f, 0.0f}, u, v);
        const float nextDroop = kVentralDroop - kVentralCurl * (j + 0.5f) / (kColumns - 1);
        centre = centre + Vec3{std::cos(nextDroop), 0.0f, -std::sin(nextDroop)} * step;
        centre.y -= kVentralSplay / (kColumns - 1);
    }
}

// Three closed rings (four corners and the first again): the rim on the head, an inner ring and
// the cornea's peak, mapped onto the painted eye disc.
void BuildEye(MeshVertex* out)
{
    constexpr int kColumns = 5;
    const Vec3 centre = BodyPoint(kEyeAlong, kEyeAround);
    const Vec3 headNormal = BodyNormal(kEyeAlong, kEyeAround);
    const float rings[3] = {1.0f, kEyeInner, 0.0f};
    const float lifts[3] = {0.1f, 0.7f, 1.0f}; // fractions of the bulge
    for (int r = 0; r < 3; ++r) {
        for (int j = 0; j < kColumns; ++j) {
            const float angle = 0.5f * kPi * (j % (kColumns - 1));
            const Vec3 radial{std::cos(angle), 0.0f, std::sin(angle)};
            Vec3 p = centre + radial * (kEyeRadius * rings[r]);
            p.y = FlankY(p.x, p.z) - kEyeBulge * lifts[r];
            const Vec3 n = Normalised(headNormal + radial * (0.8f * rings[r]));
            out[r * kColumns + j] = Vertex(p, n, kBodyU * kPaintedEyeAlong + kPaintedEyeU * rings[r] * radial.x,
                                           SkinV(kPaintedEyeAround - kPaintedEyeV * rings[r] * radial.z));
        }
    }
}

DisplacementTerm Term(int poseArray, Axis axis, float sign, bool edgeRowOnly, TermIndex index = TermIndex::PartColumn,
                      int fixedElement = 0, bool negateWhenMirrored = false)
{
    return DisplacementTerm{poseArray, axis, sign, edgeRowOnly, index, fixedElement, negateWhenMirrored};
}

MeshPartSpec Part(const char* name, MeshGrid grid, MirrorKind mirror, PartBinding binding)
{
    MeshPartSpec part;
    part.name = name;
    part.grids[0] = grid;
    part.mirror = mirror;
    part.binding = binding;
    return part;
}

// All vertex tables and the part list, built in place once.
struct AngelfishModel
{
    MeshVertex body[kBodyRows * kBodyColumns];
    MeshVertex lowerMouth[3 * 5];
    MeshVertex upperMouth[3 * 6];
    MeshVertex dorsalBase[3 * 10];
    MeshVertex dorsalCrest[5 * 5];
    MeshVertex pectoral[2 * 7];
    MeshVertex ventral[2 * 8];
    MeshVertex anal[2 * 8];
    MeshVertex tail[2 * 15];
    MeshVertex eye[3 * 5];
    MeshPartSpec parts[kAngelPartCount];

    AngelfishModel()
    {
        BuildBody(body);
        BuildLip(lowerMouth, 5, false);
        BuildLip(upperMouth, 6, true);
        BuildDorsalFin(dorsalBase, dorsalCrest);
        BuildPectoralFin(pectoral);
        BuildVentralFin(ventral);
        BuildAnalFin(anal);
        BuildTail(tail);
        BuildEye(eye);

        using B = BindingKind;
        const Axis Y = Axis::Y;
        MeshPartSpec* p = parts;

        *p = Part("body", {kBodyRows, kBodyColumns, body}, MirrorKind::Bands, {B::PerColumn, 0, 0});
        p++->terms[0] = Term(kAngelSway, Y, 1.0f, false, TermIndex::BodyColumn);

        *p = Part("lower mouth", {3, 5, lowerMouth}, MirrorKind::Bands, {B::Fixed, 0, 0});
        p++->terms[0] = Term(kAngelGapeA, Axis::Z, -1.0f, false);

        *p = Part("upper mouth", {3, 6, upperMouth}, MirrorKind::Bands, {B::Fixed, 0, 0});
        p++->terms[0] = Term(kAngelGapeB, Axis::Z, 1.0f, false);

        *p = Part("dorsal fin", {3, 10, dorsalBase}, MirrorKind::None, {B::PerColumn, kDorsalFirstColumn, 0});
        p->grids[1] = {5, 5, dorsalCrest};
        p->gridCount = 2;
        p->termGridMask = 0x2; // only the crest ripples
        p++->terms[0] = Term(kAngelDorsalWave, Y, 1.0f, false);

        // The right pectoral beats with the same sign: both fins swing the same way.
        for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly}) {
            *p = Part(mirror == MirrorKind::None ? "left pectoral fin" : "right pectoral fin", {2, 7, pectoral}, mirror,
                      {B::Fixed, kPectoralColumn, 0});
            p->terms[0] = Term(kAngelPectoralBeat, Axis::X, 1.0f, true);
            p++->terms[1] = Term(kAngelPectoralBeat, Y, 1.0f, true);
        }

        *p = Part("left ventral fin", {2, 8, ventral}, MirrorKind::None, {B::Fixed, kVentralColumn, 0});
        p++->terms[0] = Term(kAngelVentralBeat, Y, 1.0f, false);
        // Drawn straight after its twin, it keeps the twin's rotation; the beat mirrors too.
        *p = Part("right ventral fin", {2, 8, ventral}, MirrorKind::MirroredOnly, {B::Keep, 0, 0});
        p++->terms[0] = Term(kAngelVentralBeat, Y, 1.0f, false, TermIndex::PartColumn, 0, true);

        *p = Part("anal fin", {2, 8, anal}, MirrorKind::None, {B::PerColumn, kAnalFirstColumn, 0});
        p++->terms[0] = Term(kAngelAnalBeat, Y, 1.0f, true);

        // The tail rides on the last column's sway, and its edge beats on top of that.
        *p = Part("tail fin", {2, 15, tail}, MirrorKind::None, {B::Fixed, kBodyColumns - 1, 0});
        p->terms[0] = Term(kAngelSway, Y, 1.0f, false, TermIndex::Fixed, kBodyColumns - 1);
        p++->terms[1] = Term(kAngelTailBeat, Y, 1.0f, true);

        for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly}) {
            *p = Part(mirror == MirrorKind::None ? "left eye" : "right eye", {3, 5, eye}, mirror, {B::Mean, 1, 2});
            p++->eyeTwitch = true;
        }
    }

    AngelfishModel(const AngelfishModel&) = delete;
    AngelfishModel& operator=(const AngelfishModel&) = delete;
};
} // namespace

const MeshPartSpec* AngelfishParts(int& partCount)
{
    static const AngelfishModel model; // the grids point into it, so it is built in place, once
    partCount = kAngelPartCount;
    return model.parts;
}
