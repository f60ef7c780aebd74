// ShrimpMesh.cpp -- species 14 as mesh data: a curved, segmented shrimp with legs, feelers and a fan tail.
//
// The body is a tube along a spine seen from the side: the carapace runs nearly level, rising a
// little toward its rear; the six tail segments bow up over the first of them and curl down, and
// the telson ends the tube in a flat point. Its section is taller than wide and tapers from the
// carapace to the telson. A pointed rostrum rides the carapace ridge and juts past the face; dark
// eyes stand on short stalks beside it; two antennules and two leaf-like antennal scales point
// forward, and two antennae, longer than the body, sweep up and back over it. Seven slender jointed
// legs per side hang under the carapace, five paddle-like swimmerets per side under the tail
// segments, and two blades per side spread beside the telson as the tail fan. Every part below is
// computed from the named parameters at the top; nothing is a hand-typed coordinate.
//
// Units are mesh units (the fish's size multiplies them), in the shrimp's own turned frame: y along
// the body with the head toward +y, x lateral with the left side on -x, z up. The body is centred
// on the model origin, so the shrimp turns about its middle.
#include "fish/species/ShrimpMesh.h"

#include "fish/model/FishModel.h"
#include "fish/species/ShrimpLayout.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

// ---- Body: the spine, its bend and its section -----------------------------------------------
constexpr int kRings = kShrimpBodyColumns;
constexpr int kRingColumns = 11;            // around the tube from the back over the left to the belly and on
constexpr float kFaceLength = 0.022f;       // ring 0 (the small face) to ring 1
constexpr float kCarapaceLength = 0.17f;    // ring 0 to the first joint (ring 6)
constexpr float kSegmentLength = 0.050f;    // the first tail segment...
constexpr float kSegmentShortening = 0.05f; // ...each next one this fraction shorter
constexpr float kSixthSegmentStretch = 1.35f;
constexpr float kTelsonLength = 0.055f;
constexpr float kCarapaceTilt = -11.0f * kDegrees; // below 0: the back rises going backward
constexpr float kTailCurl = 56.0f * kDegrees;      // how far the tail turns down from the carapace's line
constexpr float kCurlFrom = 0.12f, kCurlTo = 0.8f; // the part of the tail (segments and telson) it turns over
constexpr float kCarapaceHalfHeight = 0.047f;
constexpr float kCarapaceHalfWidth = 0.032f;
constexpr float kFaceScale = 0.18f;     // ring 0's section against the carapace's: the face is a blunt cone
constexpr float kHeadRounding = 0.055f; // the section is full this far behind the face
constexpr float kCarapaceRearScale = 0.95f;
constexpr float kTailStartScale = 0.86f; // just behind the carapace rim
constexpr float kTailEndScale = 0.40f;   // at the end of the sixth segment
constexpr float kTailTaper = 1.1f;       // above 1: the segments stay full longer before they narrow
constexpr float kPleuraDepth = 1.12f;    // the tail's side plates hang lower than its back stands high
constexpr float kTelsonTipHalfHeight = 0.003f;
constexpr float kTelsonTipHalfWidth = 0.005f;
constexpr float kSectionShape = 0.85f; // below 1: flatter flanks than an ellipse

// ---- Rostrum: a tall thin blade on the carapace ridge, jutting forward and a little up -----------
constexpr float kRostrumRoot = 0.065f; // how far behind the face it leaves the ridge
constexpr float kRostrumLength = 0.135f;
constexpr float kRostrumRise = 9.0f * kDegrees; // above the level
constexpr float kRostrumHalfDepth = 0.010f;
constexpr float kRostrumHalfWidth = 0.0045f;
constexpr float kRostrumSink = 0.008f; // its root sits this far inside the ridge

// ---- Eyes: dark balls on short stalks out of the face, beside the rostrum --------------------
constexpr float kEyeRootAt = 0.012f;         // behind the face
constexpr float kEyeRootAngle = 0.30f * kPi; // around the face from the back
constexpr Vector3 kEyeDirection{-0.8f, 1.0f, 0.3f};
constexpr float kEyeStalk = 0.018f;
constexpr float kEyeRadius = 0.016f;

// ---- Feelers on the face: antennules, antennal scales and the long antennae -------------------
constexpr float kAntennuleRootAt = 0.006f;
constexpr float kAntennuleRootAngle = 0.50f * kPi;
constexpr float kAntennuleLength = 0.14f;
constexpr float kAntennuleRise = 28.0f * kDegrees; // the first half, then it bends up by...
constexpr float kAntennuleBend = 18.0f * kDegrees;
constexpr float kAntennuleSplay = 0.22f; // lateral run per unit of length
constexpr float kAntennuleRootRadius = 0.0045f, kAntennuleTipRadius = 0.0022f;

constexpr float kScaleRootAt = 0.018f;
constexpr float kScaleRootAngle = 0.62f * kPi;
constexpr float kScaleLength = 0.075f;
constexpr float kScaleDroop = 4.0f * kDegrees;
constexpr float kScaleSplay = 0.30f;
constexpr float kScaleHalfWidth = 0.009f, kScaleHalfThickness = 0.0018f;

constexpr int kAntennaColumns[2] = {11, 12};
constexpr float kAntennaRootAt = 0.010f;
constexpr float kAntennaRootAngle = 0.66f * kPi;
constexpr float kAntennaStart = 38.0f * kDegrees;     // up from straight ahead, out of the face
constexpr float kAntennaFirstTurn = 34.0f * kDegrees; // at the first column; each next one turns less...
constexpr float kAntennaTurnFalloff = 0.8f;
constexpr float kAntennaFirstStep = 0.026f; // ...and lies further on: the antennae outrun the body
constexpr float kAntennaStepGrowth = 1.15f;
constexpr float kAntennaSplay = 0.16f; // lateral run per unit of length
constexpr float kAntennaRootWidth = 0.012f, kAntennaTipWidth = 0.006f;

// ---- Legs: seven slender jointed legs per side under the carapace ------------------------------
struct LegShape
{
    int column; // the body column it hangs on
    int rows;   // rings along it, root to tip
    float ring; // where its root is along the body, in ring units
    float length;
    float lean; // forward (+) or back (-) run of its lower part, per unit of length
};
constexpr LegShape kLegs[7] = {{3, 7, 2.7f, 0.085f, 0.75f}, {3, 7, 3.3f, 0.095f, 0.45f},  {4, 6, 3.8f, 0.105f, 0.20f},
                               {4, 6, 4.3f, 0.112f, 0.02f}, {5, 6, 4.85f, 0.115f, -0.2f}, {5, 7, 5.4f, 0.115f, -0.38f},
                               {6, 7, 6.0f, 0.108f, -0.55f}};
constexpr float kLegRootAngle = 0.84f * kPi;
constexpr float kLegKnee = 0.38f;        // of the length, from the root
constexpr float kLegSpread = 0.4f;       // outward run of the upper part, per unit
constexpr float kLegLowerSpread = 0.12f; // and of the lower part
constexpr float kLegRootRadius = 0.0055f, kLegTipRadius = 0.0024f;

// ---- Swimmerets: five paddles per side under the tail segments --------------------------------
struct SwimmeretShape
{
    int column;
    int rows;
    float length;
};
constexpr SwimmeretShape kSwimmerets[5] = {
    {7, 9, 0.060f}, {8, 8, 0.058f}, {9, 7, 0.052f}, {10, 8, 0.046f}, {11, 8, 0.040f}};
constexpr float kSwimmeretAhead = 0.45f; // root ahead of its column's ring, in ring units: mid-segment
constexpr float kSwimmeretRootAngle = 0.9f * kPi;
constexpr float kSwimmeretRake = 0.5f;    // backward run per unit of length
constexpr float kSwimmeretSpread = 0.12f; // outward run per unit of length
constexpr int kSwimmeretPaddleRows = 4;
constexpr float kSwimmeretHalfWidth = 0.0075f, kSwimmeretHalfThickness = 0.0016f;

// ---- Tail fan: an inner and an outer blade per side beside the telson --------------------------
struct BladeShape
{
    float length;
    float width;
    float splay;              // outward from the telson's line
    float dihedral;           // the outer edge droops by this much toward the belly: the fan is cupped
    float paintFrom, paintTo; // its share of the fin strip's tail half
};
constexpr BladeShape kInnerBlade{0.090f, 0.030f, 16.0f * kDegrees, 30.0f * kDegrees, 0.0f, 0.45f};
constexpr BladeShape kOuterBlade{0.100f, 0.034f, 36.0f * kDegrees, 45.0f * kDegrees, 0.55f, 1.0f};
constexpr int kBladeColumns = 8;
constexpr float kBladeRootBack = 0.3f;  // behind the sixth segment's end, in ring units (toward the telson)
constexpr float kBladeWidest = 0.72f;   // where along the blade it is widest: the fan flares at its end
constexpr float kBladeRootWidth = 0.3f; // of the widest, at the root
constexpr float kBladeRootOut = 0.6f;   // the root on the telson's flank: of its half width out...
constexpr float kBladeRootDown = 0.2f;  // ...and of its half height down
constexpr float kBladeInside = 0.25f;   // the share of a blade's width inward of its line

// ---- Shared -----------------------------------------------------------------------------------
constexpr float kRootSink = 0.004f; // limb roots sit this far inside the shell, so no seam shows

const Vector3 kLeft{-1.0f, 0.0f, 0.0f};

float Smooth(float a, float b, float x)
{
    const float t = std::clamp((x - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float Dot(Vector3 a, Vector3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Where ring r lies along the spine (arc length from the face).
float RingDistance(int r)
{
    if (r <= 0)
        return 0.0f;
    if (r <= skin::kShrimpCarapaceEnd)
        return kFaceLength + (kCarapaceLength - kFaceLength) * (r - 1) / (skin::kShrimpCarapaceEnd - 1);
    float s = kCarapaceLength;
    float segment = kSegmentLength;
    for (int k = skin::kShrimpCarapaceEnd + 1; k <= std::min(r, skin::kShrimpTelsonStart); ++k) {
        s += k == skin::kShrimpTelsonStart ? segment * kSixthSegmentStretch : segment;
        segment *= 1.0f - kSegmentShortening;
    }
    return r > skin::kShrimpTelsonStart ? s + kTelsonLength : s;
}

// A fractional ring position along the spine.
float RingsDistance(float ring)
{
    const int r = std::clamp(static_cast<int>(std::floor(ring)), 0, kRings - 2);
    return RingDistance(r) + (RingDistance(r + 1) - RingDistance(r)) * (ring - r);
}

// The body's section along the spine: centre, axes and half sizes, from the face (s = 0) back.
struct Section
{
    Vector3 centre;
    Vector3 back; // along the spine toward the tail
    Vector3 up;   // the dorsal side, across the spine in the y-z plane
    float top, bottom, halfWidth;

    // The surface at `angle` around from the back (0) over the left flank (pi/2) to the belly (pi).
    Vector3 Point(float angle) const
    {
        const float c = std::cos(angle), s = std::sin(angle);
        const float cs = std::copysign(std::pow(std::fabs(c), kSectionShape), c);
        const float ss = std::copysign(std::pow(std::fabs(s), kSectionShape), s);
        return centre + up * ((c >= 0.0f ? top : bottom) * cs) + kLeft * (halfWidth * ss);
    }
    Vector3 Normal(float angle) const
    {
        const float c = std::cos(angle), s = std::sin(angle);
        const float e = 2.0f - kSectionShape;
        const float cs = std::copysign(std::pow(std::fabs(c), e), c);
        const float ss = std::copysign(std::pow(std::fabs(s), e), s);
        return Normalised(up * (cs / (c >= 0.0f ? top : bottom)) + kLeft * (ss / halfWidth));
    }
};

class CSpine
{
public:
    CSpine()
    {
        // Integrate the bending spine from the face, then centre the body on the origin.
        const float length = RingDistance(kRings - 1);
        Vector3 p{0.0f, 0.0f, 0.0f};
        float minY = 0.0f, maxY = 0.0f, minZ = 0.0f, maxZ = 0.0f;
        for (int i = 0; i <= kSteps; ++i) {
            const float s = length * i / kSteps;
            points.push_back(p);
            minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
            minZ = std::min(minZ, p.z), maxZ = std::max(maxZ, p.z);
            const float angle = Angle(s + 0.5f * length / kSteps);
            p = p + Vector3{0.0f, -std::cos(angle), -std::sin(angle)} * (length / kSteps);
        }
        const Vector3 middle{0.0f, 0.5f * (minY + maxY), 0.5f * (minZ + maxZ)};
        for (Vector3& point : points)
            point = point - middle;
        step = length / kSteps;
    }

    Section At(float s) const
    {
        const float f = std::clamp(s / step, 0.0f, static_cast<float>(kSteps));
        const int i = std::min(static_cast<int>(f), kSteps - 1);
        Section section;
        section.centre = Lerp(points[i], points[i + 1], f - i);
        const float angle = Angle(s);
        section.back = {0.0f, -std::cos(angle), -std::sin(angle)};
        section.up = {0.0f, -std::sin(angle), std::cos(angle)};
        const float scale = Scale(s);
        section.top = kCarapaceHalfHeight * scale;
        section.halfWidth = kCarapaceHalfWidth * scale;
        section.bottom = section.top * (s > kCarapaceLength ? kPleuraDepth : 1.0f);
        const float telsonStart = RingDistance(skin::kShrimpTelsonStart);
        if (s > telsonStart) { // the telson flattens to its point
            const float t = std::min(1.0f, (s - telsonStart) / kTelsonLength);
            section.top =
                kCarapaceHalfHeight * kTailEndScale + (kTelsonTipHalfHeight - kCarapaceHalfHeight * kTailEndScale) * t;
            section.bottom = section.top;
            section.halfWidth =
                kCarapaceHalfWidth * kTailEndScale + (kTelsonTipHalfWidth - kCarapaceHalfWidth * kTailEndScale) * t;
        }
        return section;
    }

private:
    static constexpr int kSteps = 400;

    // Downward turn of the spine at s: level-ish over the carapace, curling over the tail.
    static float Angle(float s)
    {
        const float tail = (s - kCarapaceLength) / (RingDistance(kRings - 1) - kCarapaceLength);
        return kCarapaceTilt + kTailCurl * Smooth(kCurlFrom, kCurlTo, tail);
    }

    // The section's size against the carapace's.
    static float Scale(float s)
    {
        if (s <= kCarapaceLength) {
            const float front = std::max(0.0f, 1.0f - s / kHeadRounding);
            const float rear = s / kCarapaceLength;
            return (1.0f - (1.0f - kFaceScale) * front * front) * (1.0f - (1.0f - kCarapaceRearScale) * rear * rear);
        }
        const float tail =
            std::min(1.0f, (s - kCarapaceLength) / (RingDistance(skin::kShrimpTelsonStart) - kCarapaceLength));
        return kTailStartScale + (kTailEndScale - kTailStartScale) * std::pow(tail, kTailTaper);
    }

    std::vector<Vector3> points;
    float step = 0.0f;
};

// ---- A tube of rings ---------------------------------------------------------------------------

// One ring of a tube: its centre and two half-axes across the tube.
struct Ring
{
    Vector3 centre;
    Vector3 a, b; // unit axes: column 0 lies on +a, a quarter turn on +b
    float ra, rb; // half sizes along them
};

// A closed tube: row r is ring r, column j at the angle 2 pi j / (cols - 1) from a toward b (the last
// column repeating the first). `paint` gives each vertex its texture coordinate.
MeshGrid Tube(CFishModel& model, const std::vector<Ring>& rings, int cols,
              const std::function<void(int r, int j, float& u, float& v)>& paint)
{
    return model.Grid(static_cast<int>(rings.size()), cols, [&rings, cols, &paint](int r, int j) {
        const Ring& ring = rings[r];
        const float angle = 2.0f * kPi * static_cast<float>(j % (cols - 1)) / (cols - 1);
        const float c = std::cos(angle), s = std::sin(angle);
        const Vector3 p = ring.centre + ring.a * (ring.ra * c) + ring.b * (ring.rb * s);
        const float ra = std::max(ring.ra, 1e-4f), rb = std::max(ring.rb, 1e-4f);
        const Vector3 n = Normalised(ring.a * (c / ra) + ring.b * (s / rb));
        float u = 0.0f, v = 0.0f;
        paint(r, j, u, v);
        return MakeVertex(p, n, u, v);
    });
}

// Rings along a path through `joints`, evenly spaced by length, each with the half sizes that
// `radius(f)` gives at the fraction f of the way; `wide` is the direction the `ra` axis leans to.
std::vector<Ring> RingsAlong(const std::vector<Vector3>& joints, int rows, Vector3 wide,
                             const std::function<void(float f, float& ra, float& rb)>& radius)
{
    std::vector<float> lengths{0.0f};
    for (size_t i = 1; i < joints.size(); ++i)
        lengths.push_back(lengths.back() + Length(joints[i] - joints[i - 1]));
    auto at = [&](float d) {
        size_t i = 1;
        while (i + 1 < joints.size() && lengths[i] < d)
            ++i;
        const float t = (d - lengths[i - 1]) / std::max(1e-6f, lengths[i] - lengths[i - 1]);
        return Lerp(joints[i - 1], joints[i], std::clamp(t, 0.0f, 1.0f));
    };
    std::vector<Ring> rings(rows);
    const float total = lengths.back();
    for (int r = 0; r < rows; ++r) {
        const float f = static_cast<float>(r) / (rows - 1);
        const float d = total * f;
        const float h = 0.5f * total / (rows - 1);
        const Vector3 along = Normalised(at(std::min(total, d + h)) - at(std::max(0.0f, d - h)));
        Ring& ring = rings[r];
        ring.centre = at(d);
        ring.a = Normalised(wide - along * Dot(wide, along));
        ring.b = Cross(along, ring.a);
        radius(f, ring.ra, ring.rb);
    }
    return rings;
}

// The same grid on the other side: x and the normal's x negated.
MeshGrid Flipped(CFishModel& model, const MeshGrid& grid)
{
    return model.Grid(grid.rows, grid.cols, [&grid](int r, int j) {
        MeshVertex v = grid.At(r, j);
        v.x = -v.x;
        v.nx = -v.nx;
        return v;
    });
}

// Texture coordinates in the fin strip's lower half: outward f along the limb, across its girth.
void LimbPaint(float f, int j, int cols, float& u, float& v)
{
    u = skin::FinU(f);
    v = skin::FinV(0.15f + 0.7f * static_cast<float>(j) / (cols - 1), false);
}

// ---- The parts -----------------------------------------------------------------------------------

MeshGrid BodyGrid(CFishModel& model, const CSpine& spine)
{
    return model.Grid(kRings, kRingColumns, [&spine](int r, int j) {
        const Section section = spine.At(RingDistance(r));
        const int corners = kRingColumns - 1;
        const float angle = 2.0f * kPi * static_cast<float>(j) / corners;
        // Around from the back: both flanks take the same paint, back to belly.
        const float around = 2.0f * static_cast<float>(std::min(j, corners - j)) / corners;
        return MakeVertex(section.Point(angle), section.Normal(angle), skin::BodyU(skin::ShrimpRingAlong(r)),
                          skin::BodyV(around));
    });
}

MeshGrid RostrumGrid(CFishModel& model, const CSpine& spine)
{
    const Section root = spine.At(kRostrumRoot);
    const Vector3 start = root.Point(0.0f) - root.up * kRostrumSink;
    const Vector3 forward{0.0f, std::cos(kRostrumRise), std::sin(kRostrumRise)};
    const Vector3 end = start + forward * kRostrumLength;
    return Tube(model,
                RingsAlong({start, end}, 5, {0.0f, 0.0f, 1.0f},
                           [](float f, float& ra, float& rb) {
                               ra = kRostrumHalfDepth * (1.0f - f * f * 0.4f) * (1.0f - f);
                               rb = kRostrumHalfWidth * (1.0f - f);
                           }),
                5, [](int r, int, float& u, float& v) {
                    // The carapace's ridge colour, a little paler toward the tip.
                    u = skin::BodyU(0.15f - 0.03f * r);
                    v = skin::BodyV(0.02f + 0.04f * r);
                });
}

MeshGrid EyeGrid(CFishModel& model, const CSpine& spine)
{
    const Section face = spine.At(kEyeRootAt);
    const Vector3 root = face.Point(kEyeRootAngle);
    const Vector3 d = Normalised(kEyeDirection);
    const Vector3 ball = root + d * (kEyeStalk + kEyeRadius);
    // Stalk base inside the face, stalk top, the ball's back, front and point.
    const float offsets[5] = {-(kEyeStalk + kEyeRadius) - kRootSink, -0.9f * kEyeRadius, -0.4f * kEyeRadius,
                              0.45f * kEyeRadius, kEyeRadius};
    const float radii[5] = {0.42f * kEyeRadius, 0.42f * kEyeRadius, 0.92f * kEyeRadius, 0.9f * kEyeRadius, 0.0f};
    std::vector<Ring> rings(5);
    for (int r = 0; r < 5; ++r) {
        rings[r].centre = ball + d * offsets[r];
        rings[r].a = Normalised(Vector3{0.0f, 0.0f, 1.0f} - d * d.z);
        rings[r].b = Cross(d, rings[r].a);
        rings[r].ra = rings[r].rb = radii[r];
    }
    return Tube(model, rings, 7, [](int r, int j, float& u, float& v) {
        const skin::SpeciesLayout& eye = skin::kShrimpLayout;
        if (r < 2) { // the stalk in the body's colour, well clear of the painted eye
            u = skin::BodyU(eye.eyeAlong + 0.12f);
            v = skin::BodyV(eye.eyeAround + 0.1f);
            return;
        }
        // The ball inside the painted eye's dark middle.
        const float angle = 2.0f * kPi * static_cast<float>(j % 6) / 6.0f;
        const float spread = 0.35f * (4 - r) / 2.0f;
        u = skin::BodyU(eye.eyeAlong) + skin::EyeRadiusU(eye) * spread * std::cos(angle);
        v = skin::BodyV(eye.eyeAround + skin::EyeRadiusV(eye) * spread * std::sin(angle));
    });
}

// A feeler of the left side as a thin tube from the face: straight out by `rise` and `splay`, the
// outer half bent up by `bend`.
MeshGrid AntennuleGrid(CFishModel& model, const CSpine& spine, int rows)
{
    const Section face = spine.At(kAntennuleRootAt);
    const Vector3 root = face.Point(kAntennuleRootAngle);
    const float half = 0.5f * kAntennuleLength;
    const Vector3 first = Normalised({-kAntennuleSplay, std::cos(kAntennuleRise), std::sin(kAntennuleRise)});
    const Vector3 second = Normalised(
        {-kAntennuleSplay, std::cos(kAntennuleRise + kAntennuleBend), std::sin(kAntennuleRise + kAntennuleBend)});
    const Vector3 mid = root + first * half;
    return Tube(
        model,
        RingsAlong({root, mid, mid + second * half}, rows, {0.0f, 0.0f, 1.0f},
                   [](float f, float& ra, float& rb) {
                       ra = rb = kAntennuleRootRadius + (kAntennuleTipRadius - kAntennuleRootRadius) * f;
                   }),
        5, [rows](int r, int j, float& u, float& v) { LimbPaint(static_cast<float>(r) / (rows - 1), j, 5, u, v); });
}

// A leaf-like antennal scale: flat, lying nearly level, pointed at its tip.
MeshGrid ScaleGrid(CFishModel& model, const CSpine& spine)
{
    const Section face = spine.At(kScaleRootAt);
    const Vector3 root = face.Point(kScaleRootAngle);
    const Vector3 d = Normalised({-kScaleSplay, std::cos(kScaleDroop), -std::sin(kScaleDroop)});
    return Tube(model,
                RingsAlong({root, root + d * kScaleLength}, 5, kLeft,
                           [](float f, float& ra, float& rb) {
                               const float outline = std::sin(kPi * (0.18f + 0.82f * f));
                               ra = kScaleHalfWidth * std::max(0.0f, outline);
                               rb = kScaleHalfThickness * std::max(0.2f, outline);
                           }),
                5, [](int r, int j, float& u, float& v) { LimbPaint(0.1f + 0.2f * r, j, 5, u, v); });
}

// A long antenna of the left side as a ribbon along its length, turned half way between upright and
// flat so that it shows from the side and from above.
MeshGrid AntennaGrid(CFishModel& model, const CSpine& spine, int cols)
{
    // A whip: each column a step longer than the one before and turned a little less, so the
    // antenna bends up and back close to the head and runs on nearly straight.
    std::vector<Vector3> centres, widths;
    std::vector<float> distances;
    Vector3 p = spine.At(kAntennaRootAt).Point(kAntennaRootAngle);
    float turn = kAntennaStart, turnStep = kAntennaFirstTurn, step = kAntennaFirstStep, s = 0.0f;
    for (int j = 0; j < cols; ++j) {
        const Vector3 along = Normalised({-kAntennaSplay, std::cos(turn), std::sin(turn)});
        centres.push_back(p);
        distances.push_back(s);
        widths.push_back(Normalised(Cross(along, kLeft) + kLeft));
        p = p + Normalised({-kAntennaSplay, std::cos(turn + 0.5f * turnStep), std::sin(turn + 0.5f * turnStep)}) * step;
        s += step;
        turn += turnStep;
        turnStep *= kAntennaTurnFalloff;
        step *= kAntennaStepGrowth;
    }
    const float length = distances.back();
    const Vector3 normal = Normalised(Cross(centres.back() - centres.front(), widths[cols / 2]));
    const Vector3 outward = normal.x <= 0.0f ? normal : normal * -1.0f;
    return model.Grid(2, cols, [=](int r, int j) {
        const float f = distances[j] / length;
        const float halfWidth = 0.5f * (kAntennaRootWidth + (kAntennaTipWidth - kAntennaRootWidth) * f);
        const Vector3 q = centres[j] + widths[j] * (r == 0 ? -halfWidth : halfWidth);
        float u, v;
        LimbPaint(f, r * 4, 5, u, v);
        return MakeVertex(q, outward, u, v);
    });
}

MeshGrid LegGrid(CFishModel& model, const CSpine& spine, const LegShape& leg)
{
    const Section at = spine.At(RingsDistance(leg.ring));
    const Vector3 root = at.Point(kLegRootAngle) + at.up * kRootSink;
    const Vector3 down = at.up * -1.0f;
    const Vector3 knee =
        root + Normalised(down + kLeft * kLegSpread + at.back * (-0.3f * leg.lean)) * (kLegKnee * leg.length);
    const Vector3 tip =
        knee + Normalised(down + kLeft * kLegLowerSpread + at.back * -leg.lean) * ((1.0f - kLegKnee) * leg.length);
    const int rows = leg.rows;
    return Tube(
        model,
        RingsAlong(
            {root, knee, tip}, rows, at.back,
            [](float f, float& ra, float& rb) { ra = rb = kLegRootRadius + (kLegTipRadius - kLegRootRadius) * f; }),
        5, [rows](int r, int j, float& u, float& v) { LimbPaint(static_cast<float>(r) / (rows - 1), j, 5, u, v); });
}

MeshGrid SwimmeretGrid(CFishModel& model, const CSpine& spine, const SwimmeretShape& paddle)
{
    const Section at = spine.At(RingsDistance(paddle.column - kSwimmeretAhead));
    const Vector3 root = at.Point(kSwimmeretRootAngle) + at.up * kRootSink;
    const Vector3 tip =
        root + Normalised(at.up * -1.0f + at.back * kSwimmeretRake + kLeft * kSwimmeretSpread) * paddle.length;
    // The stroke grows by one step per row, so the paddle takes only its first rows; the others
    // close on its point and draw nothing, and the paddle swings instead of smearing.
    std::vector<Ring> rings = RingsAlong({root, tip}, kSwimmeretPaddleRows, at.back, [](float f, float& ra, float& rb) {
        const float outline = std::sin(kPi * (0.2f + 0.8f * f));
        ra = kSwimmeretHalfWidth * std::max(0.0f, outline);
        rb = kSwimmeretHalfThickness * std::max(0.0f, outline);
    });
    rings.resize(paddle.rows, rings.back());
    return Tube(model, rings, 5, [](int r, int j, float& u, float& v) {
        LimbPaint(std::min(1.0f, static_cast<float>(r) / (kSwimmeretPaddleRows - 1)), j, 5, u, v);
    });
}

// One blade of the tail fan on the left: columns from its root beside the telson's base to its
// broad, squared-off tip; row 0 its inner edge, row 1 its outer edge.
MeshGrid BladeGrid(CFishModel& model, const CSpine& spine, const BladeShape& blade)
{
    const Section base = spine.At(RingsDistance(skin::kShrimpTelsonStart + kBladeRootBack));
    const Vector3 root = base.centre + kLeft * (kBladeRootOut * base.halfWidth) - base.up * (kBladeRootDown * base.top);
    const Vector3 along = base.back * std::cos(blade.splay) + kLeft * std::sin(blade.splay);
    const Vector3 flat = Normalised(Cross(base.up, along) * -1.0f); // across the blade, outward
    const Vector3 across = Normalised(flat * std::cos(blade.dihedral) - base.up * std::sin(blade.dihedral));
    Vector3 normal = Normalised(Cross(along, across));
    if (Dot(normal, base.up) < 0.0f)
        normal = normal * -1.0f;
    return model.Grid(2, kBladeColumns, [=](int r, int j) {
        const float f = static_cast<float>(j) / (kBladeColumns - 1);
        // Narrow at the root, widening to a rounded, squared-off end.
        const float flare = f < kBladeWidest ? std::sin(0.5f * kPi * f / kBladeWidest)
                                             : std::cos(0.5f * kPi * (f - kBladeWidest) / (1.0f - kBladeWidest) * 0.6f);
        const float w = blade.width * (kBladeRootWidth + (1.0f - kBladeRootWidth) * flare);
        const Vector3 q =
            root + along * (blade.length * f) + across * (r == 0 ? -kBladeInside * w : (1.0f - kBladeInside) * w);
        return MakeVertex(q, normal, skin::FinU(f), skin::FinV(r == 0 ? blade.paintFrom : blade.paintTo, true));
    });
}

CFishModel* BuildShrimp()
{
    // The shrimp's body is its own tube, not a fish loft: the model is used for its grids and part
    // list only.
    auto* model = new CFishModel(skin::kShrimpLayout, CBodySurface(BodyShape{}, kShrimpBodyColumns));
    CFishModel& m = *model;
    const CSpine spine;
    const Axis X = Axis::X, Y = Axis::Y, Z = Axis::Z;
    auto riding = [](int column) { return Term(kShrimpBodyWave, Axis::Z).Element(column).CarriesSize(); };
    auto add = [&m](const char* name, MeshGrid grid, MirrorKind mirror, PartBinding binding) -> MeshPartSpec& {
        MeshPartSpec& part = m.AddPart(name, grid, mirror, binding);
        part.mirrorAxis = Axis::X;
        return part;
    };

    add("body", BodyGrid(m, spine), MirrorKind::None, {BindingKind::PerBand, 0, 0}).terms[0] =
        Term(kShrimpBodyWave, Z).ByRow().CarriesSize();
    add("rostrum", RostrumGrid(m, spine), MirrorKind::None, FixedColumn(0)).terms[0] = riding(0);

    // Feelers stand in left and right pairs that sway apart and together.
    const MeshGrid antennule = AntennuleGrid(m, spine, 7);
    const MeshGrid scale = ScaleGrid(m, spine);
    const struct
    {
        const char* name;
        MeshGrid grid;
        float sway;
    } feelers[4] = {{"left antennule", antennule, -1.0f},
                    {"right antennule", Flipped(m, antennule), 1.0f},
                    {"left antennal scale", scale, -1.0f},
                    {"right antennal scale", Flipped(m, scale), 1.0f}};
    for (const auto& feeler : feelers) {
        MeshPartSpec& part = add(feeler.name, feeler.grid, MirrorKind::None, FixedColumn(0));
        part.terms[0] = riding(0);
        part.terms[1] = Term(kShrimpFeelerWave, X, feeler.sway).ByRow().CarriesSize();
    }
    const MeshGrid antenna = AntennaGrid(m, spine, kAntennaColumns[0]);
    MeshPartSpec& left = add("left antenna", antenna, MirrorKind::None, FixedColumn(0));
    left.terms[0] = riding(0);
    left.terms[1] = Term(kShrimpAntennaWave, X).CarriesSize();
    MeshPartSpec& right =
        add("right antenna", Flipped(m, AntennaGrid(m, spine, kAntennaColumns[1])), MirrorKind::None, FixedColumn(0));
    right.terms[0] = riding(0);
    right.terms[1] = Term(kShrimpAntennaWave, X, -1.0f).CarriesSize();

    add("eyes", EyeGrid(m, spine), MirrorKind::Bands, FixedColumn(0)).terms[0] = riding(0);

    // Legs and swimmerets row by row, the two sides stroking against each other.
    static const char* const kLegNames[7] = {"legs 1", "legs 2", "legs 3", "legs 4", "legs 5", "legs 6", "legs 7"};
    for (int i = 0; i < 7; ++i) {
        MeshPartSpec& legs =
            add(kLegNames[i], LegGrid(m, spine, kLegs[i]), MirrorKind::Bands, FixedColumn(kLegs[i].column));
        legs.terms[0] = riding(kLegs[i].column);
        legs.terms[1] = Term(kShrimpLegWave, Y).ByRow().NegatedWhenMirrored().CarriesSize();
    }
    static const char* const kSwimmeretNames[5] = {"swimmerets 1", "swimmerets 2", "swimmerets 3", "swimmerets 4",
                                                   "swimmerets 5"};
    for (int i = 0; i < 5; ++i) {
        const SwimmeretShape& paddle = kSwimmerets[i];
        MeshPartSpec& swimmerets =
            add(kSwimmeretNames[i], SwimmeretGrid(m, spine, paddle), MirrorKind::Bands, FixedColumn(paddle.column));
        swimmerets.terms[0] = riding(paddle.column);
        swimmerets.terms[1] = Term(kShrimpSwimmeretWave, Y).ByRow().NegatedWhenMirrored().CarriesSize();
    }

    // The fan opens and closes: each blade swings out from its root, the two sides mirrored.
    constexpr int kTail = kShrimpBodyColumns - 1;
    for (const auto& [name, blade] :
         {std::pair{"tail fan inner", kInnerBlade}, std::pair{"tail fan outer", kOuterBlade}}) {
        MeshPartSpec& fan = add(name, BladeGrid(m, spine, blade), MirrorKind::Bands, FixedColumn(kTail));
        fan.terms[0] = riding(kTail);
        fan.terms[1] = Term(kShrimpTailFanWave, X).NegatedWhenMirrored().CarriesSize();
    }
    return model;
}
} // namespace

const MeshPartSpec* ShrimpParts(int& partCount)
{
    static const CFishModel* model = BuildShrimp(); // lives for the whole program
    return model->Parts(partCount);
}
