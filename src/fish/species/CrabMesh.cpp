// CrabMesh.cpp -- species 13 as mesh data: a broad, bumpy shell on stalked eyes, four leg pairs and two claws.
//
// Everything here is laid out in crab units: the model units of a crab of the size it spawns with
// (20), in the crab's own frame (front +x, left -y, up +z). The rigid body's table divides them by
// that size, since the body list multiplies by the size; a limb table subtracts the attachment and
// divides by the limb scale times that size, since a limb vertex is table x 1.2 x size + attachment.
//
// The shell is a superellipse in plan, wider than long, squarer behind where the last legs stand,
// with four forward-pointing teeth down each front side and notches for the eyes. Its top is a low
// dome raised into the swellings of a crab's back (gastric, cardiac, branchial) and dotted with
// granules; its underside is flatter and meets the top at a sharp rim. The eyes stand on stalks
// out of the front margin; mouth plates and two short feelers sit under and before the front.
//
// Each leg is a tube through nine joints: a short root under the rim, the merus rising out to a
// high knee, then carpus, propodus and a pointed dactyl down to the ground. The front legs reach
// forward, the back ones backward. A claw runs forward from under the front corner of the shell to
// a swollen palm whose fingers part into an open pincer: past the palm the tube's cross-section
// splits into an upper and a lower finger joined only at the throat, so the gap between them stays
// open from the side.
#include "fish/species/CrabMesh.h"

#include "fish/model/FishModel.h"
#include "fish/model/SkinLayout.h"
#include "fish/model/VectorMath.h"
#include "fish/species/CrabLayout.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

constexpr float kReferenceSize = 20.0f; // crabs spawn at this size; crab units are its model units

// ---- Shell: plan outline ---------------------------------------------------------------------
constexpr float kShellCentreX = 0.4f;
constexpr float kFrontReach = 5.4f; // centre to the front margin
constexpr float kBackReach = 7.7f;  // centre to the back margin
constexpr float kHalfWidth = 9.4f;
constexpr float kFrontShape = 2.0f; // superellipse exponents: 2 an ellipse, higher squarer
constexpr float kBackShape = 2.6f;  // the back a little fuller, wide where the last legs stand
constexpr float kFrontX = kShellCentreX + kFrontReach;
constexpr float kBackX = kShellCentreX - kBackReach;

// Teeth down each front side, angles measured from the front centre around the left half.
constexpr float kTeethFrom = 0.18f * kPi;
constexpr float kTeethTo = 0.46f * kPi;
constexpr int kTeeth = 4;
constexpr float kToothHeight = 1.2f;
constexpr float kToothTipAt = 0.3f;     // where along each tooth its spine stands: nearer its front
constexpr float kOrbitAt = 0.10f * kPi; // the notches the eye stalks stand in
constexpr float kOrbitWidth = 0.045f * kPi;
constexpr float kOrbitDepth = 0.55f;
constexpr float kFrontNotchWidth = 0.03f * kPi; // the small notch between the eyes
constexpr float kFrontNotchDepth = 0.35f;
constexpr float kMarginSharpness = 12.0f; // how close to the rim the teeth and notches fade in

// ---- Shell: heights --------------------------------------------------------------------------
constexpr float kRimZ = -5.0f;
constexpr float kDomeHeight = 3.6f;
constexpr float kDomeShape = 2.4f; // above 2: a flat top falling steeply to the rim
constexpr float kUnderDepth = 2.6f;
constexpr float kUnderShape = 5.0f;

// The swellings of the back; those off the midline are mirrored.
struct Swell
{
    float x, y, spreadX, spreadY, height;
};
constexpr Swell kSwells[] = {
    {kShellCentreX + 2.4f, 0.0f, 2.0f, 1.8f, 0.55f},   // gastric, at the middle front
    {kShellCentreX - 2.6f, 0.0f, 1.4f, 1.6f, 0.45f},   // cardiac, behind the middle
    {kShellCentreX - 0.8f, -5.0f, 2.6f, 2.2f, 0.50f},  // branchial, over the gills
    {kShellCentreX + 3.0f, -5.6f, 1.4f, 1.3f, 0.35f},  // hepatic, behind the front teeth
    {kShellCentreX + 4.6f, -3.6f, 0.9f, 0.9f, -0.45f}, // a hollow behind each eye
};
constexpr float kTubercleHeight = 0.45f; // granule height over its radius

// ---- Shell: grid ---------------------------------------------------------------------------------
// Samples around the left half, front centre to back centre: the teeth get five samples each.
constexpr int kFrontSegments = 10;
constexpr int kTeethSegments = kTeeth * 5;
constexpr int kBackSegments = 12;
constexpr int kHalfSegments = kFrontSegments + kTeethSegments + kBackSegments;
constexpr int kAround = 2 * kHalfSegments;
constexpr int kTopRings = 20;  // rim to the crown
constexpr int kUnderRings = 8; // rim to the middle of the underside

// ---- Eyes on stalks ------------------------------------------------------------------------------
constexpr Vector3 kStalkBase{5.0f, -3.0f, -3.9f}; // inside the shell, behind the orbit
constexpr Vector3 kEyeCentre{6.5f, -3.6f, -1.4f};
constexpr float kStalkRadius = 0.5f;
constexpr float kEyeLength = 0.95f; // the eyeball's radius along the stalk
constexpr float kEyeWidth = 0.85f;  // and across it
constexpr int kEyeAround = 10;
constexpr int kStalkRings = 4;
constexpr int kEyeRings = 7;

// ---- Mouth plates and feelers ------------------------------------------------------------------
constexpr float kMouthFrontX = 5.1f;
constexpr float kMouthBackX = 2.3f;
constexpr float kMouthHalfWidth = 2.3f; // each plate, from the midline out
constexpr float kMouthGap = 0.12f;      // between the two plates
constexpr float kMouthBulge = 0.35f;
constexpr float kMouthDrop = 0.12f; // below the underside
constexpr int kMouthSamples = 6;
constexpr Vector3 kFeelerBase{5.2f, -1.3f, -4.6f};
constexpr Vector3 kFeelerTip{7.7f, -2.1f, -3.9f};
constexpr float kFeelerRootRadius = 0.2f;
constexpr float kFeelerTipRadius = 0.06f;
constexpr int kFeelerAround = 6;
constexpr int kFeelerRings = 4;

// ---- Sockets: stubs under the limb roots ----------------------------------------------------------
constexpr float kSocketInnerY = -6.0f; // inside the body
constexpr float kSocketRise = 0.3f;
constexpr float kSocketInset = 0.3f; // their outer ends, inside the limb root
constexpr float kSocketGirth = 0.85f;
constexpr int kSocketAround = 8;

// ---- Legs ----------------------------------------------------------------------------------------
constexpr Vector3 kAttachment{kCrabLimbAttachment[0], kCrabLimbAttachment[1], kCrabLimbAttachment[2]};
constexpr int kLegColumns = kCrabLegShapes[0].cols; // every leg pair has as many joints
static_assert(kCrabLegShapes[1].cols == kLegColumns && kCrabLegShapes[2].cols == kLegColumns &&
                  kCrabLegShapes[3].cols == kLegColumns,
              "the leg tables below give one entry per leg column");
// The standard leg, column by column from the root: its run out from the body along its splay,
// its height above the attachment, its radius and where its paint lies (0 root .. 1 tip).
constexpr float kLegRun[kLegColumns] = {0.0f, 0.5f, 1.4f, 3.6f, 6.2f, 7.6f, 9.0f, 10.2f, 11.0f};
constexpr float kLegRise[kLegColumns] = {0.0f, 0.1f, 0.5f, 2.0f, 3.4f, 2.6f, 0.2f, -2.6f, -7.2f};
constexpr float kLegRadius[kLegColumns] = {1.25f, 1.2f, 1.1f, 1.2f, 0.9f, 0.85f, 0.75f, 0.52f, 0.06f};
constexpr float kLegPaint[kLegColumns] = {0.0f, 0.08f, 0.18f, 0.35f, 0.52f, 0.62f, 0.72f, 0.80f, 1.0f};
constexpr float kLegFlatness = 0.75f; // fore-and-aft width over height
constexpr float kLegRootInset = 0.6f; // the root's centre, out from the attachment
constexpr int kLegKnee = 4;           // the column of the knee, between merus and carpus
constexpr float kLegTipCurl = 0.6f;   // past the knee the splay grows, to this fraction more at the tip

struct LegShape
{
    float rootX;
    float splay; // degrees from straight out, forward positive
    float reach; // times the standard leg's run
    float girth; // times its radii
};
constexpr LegShape kLegs[kCrabLegPairs] = {
    {1.5f, 32.0f, 0.92f, 1.0f},
    {-0.4f, 10.0f, 1.05f, 1.0f},
    {-2.2f, -12.0f, 1.02f, 0.97f},
    {-3.9f, -34.0f, 0.86f, 0.92f},
};

// ---- Claws ---------------------------------------------------------------------------------------
struct ClawColumn
{
    float x, y, z;
    float height, width; // half extents of the cross-section
    float paint;
};
constexpr int kClawColumns = kCrabClawShape.cols;
// Past the palm each cross-section is three throat points and three points round each finger.
static_assert(kCrabClawShape.rows == 10, "the finger cross-sections take nine entries around");
constexpr ClawColumn kClaw[kClawColumns] = {
    {3.0f, -9.6f, -6.8f, 1.0f, 0.85f, 0.0f},    // root, under the front corner of the shell
    {4.3f, -10.8f, -6.5f, 1.05f, 0.9f, 0.10f},  // ischium
    {6.0f, -12.4f, -6.0f, 1.3f, 1.1f, 0.22f},   // merus
    {7.6f, -13.2f, -5.6f, 1.15f, 1.05f, 0.34f}, // elbow
    {9.0f, -12.8f, -5.3f, 1.4f, 1.25f, 0.45f},  // carpus: the beat moves the hand from here on
    {10.7f, -11.9f, -5.2f, 2.6f, 1.75f, 0.58f}, // palm
    {12.5f, -11.2f, -5.3f, 2.4f, 1.65f, 0.72f}, // front of the palm
    {14.2f, -10.7f, -5.5f, 0.0f, 0.0f, 0.86f},  // fingers
    {15.7f, -10.4f, -5.7f, 0.0f, 0.0f, 1.0f},   // finger tips
};
constexpr int kPalmFront = 6;
constexpr float kThroatAhead = 0.4f;  // the fingers part this far ahead of the palm
constexpr float kTipSpread = 0.7f;    // finger tips above and below the hand's middle: the pincer stands open
constexpr float kFingerDepth = 0.65f; // half height of a finger
constexpr float kFingerWidth = 0.6f;  // half width of a finger

// ---- Arithmetic ----------------------------------------------------------------------------------
float Dot(Vector3 a, Vector3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

float SignedPow(float value, float exponent)
{
    return std::copysign(std::pow(std::fabs(value), exponent), value);
}

float Gauss(float d, float spread)
{
    return std::exp(-(d * d) / (spread * spread));
}

// A frame across a direction: `up` the part of world up square to it, `side` completing it.
struct Frame
{
    Vector3 up, side;
};
Frame FrameAcross(Vector3 direction)
{
    const Vector3 d = Normalised(direction);
    Vector3 up = Vector3{0.0f, 0.0f, 1.0f} - d * d.z;
    if (Length(up) < 1e-4f)
        up = {1.0f, 0.0f, 0.0f};
    up = Normalised(up);
    return {up, Normalised(Cross(d, up))};
}

// ---- The shell as a function of (angle from the front centre, fraction of the way to the rim) -----

// The outline of the left half without its teeth and notches.
Vector3 BaseRim(float phi)
{
    const float c = std::cos(phi), s = std::max(0.0f, std::sin(phi));
    const bool front = c >= 0.0f;
    const float shape = front ? kFrontShape : kBackShape;
    const float reach = front ? kFrontReach : kBackReach;
    return {kShellCentreX + reach * SignedPow(c, 2.0f / shape), -kHalfWidth * std::pow(s, 2.0f / shape), kRimZ};
}

// Outward offset of the margin at phi: teeth, the eye notches and the notch between the eyes.
float MarginOffset(float phi)
{
    float offset = 0.0f;
    if (phi > kTeethFrom && phi < kTeethTo) {
        const float f = (phi - kTeethFrom) / (kTeethTo - kTeethFrom);
        const float within = f * kTeeth - std::floor(f * kTeeth); // 0 at a tooth's front, 1 at its back
        const float rise = within < kToothTipAt ? within / kToothTipAt : (1.0f - within) / (1.0f - kToothTipAt);
        const float envelope = 0.6f + 0.4f * f; // the last tooth, nearest the widest point, the largest
        offset += kToothHeight * envelope * rise;
    }
    offset -= kOrbitDepth * Gauss(phi - kOrbitAt, kOrbitWidth);
    offset -= kFrontNotchDepth * Gauss(phi, kFrontNotchWidth);
    return offset;
}

// How far out a plan point lies, as a fraction of the outline through it (1 on the base rim).
float PlanFraction(float x, float y)
{
    const float dx = x - kShellCentreX;
    const bool front = dx >= 0.0f;
    const float shape = front ? kFrontShape : kBackShape;
    const float reach = front ? kFrontReach : kBackReach;
    return std::pow(std::pow(std::fabs(dx) / reach, shape) + std::pow(std::fabs(y) / kHalfWidth, shape), 1.0f / shape);
}

float Swellings(float x, float y)
{
    float z = 0.0f;
    for (const Swell& s : kSwells) {
        const float dy = s.y == 0.0f ? y : -std::fabs(y) - s.y;
        z += s.height * Gauss(x - s.x, s.spreadX) * Gauss(dy, s.spreadY);
    }
    return z;
}

// A granule's plan centre and radius from its place in the skin.
void TuberclePlace(const skin::CrabTubercle& t, float& x, float& y, float& radius)
{
    x = kFrontX - t.along * (kFrontX - kBackX);
    y = -t.around / skin::kCrabTopRim * kHalfWidth;
    radius = t.radius / skin::kCrabTopRim * kHalfWidth;
}

float Granules(float x, float y)
{
    float z = 0.0f;
    for (const skin::CrabTubercle& t : skin::kCrabTubercles) {
        float tx, ty, radius;
        TuberclePlace(t, tx, ty, radius);
        const float d = std::hypot(x - tx, -std::fabs(y) - ty);
        z += kTubercleHeight * radius * Gauss(d, 0.6f * radius);
    }
    return z;
}

float DomeHeight(float fraction)
{
    return kDomeHeight * std::sqrt(std::max(0.0f, 1.0f - std::pow(fraction, kDomeShape)));
}

float UnderDepth(float fraction)
{
    return kUnderDepth * std::pow(std::max(0.0f, 1.0f - std::pow(fraction, kUnderShape)), 0.4f);
}

float TopZ(float x, float y, float fraction)
{
    return kRimZ + DomeHeight(fraction) + Swellings(x, y) * (1.0f - std::pow(fraction, 4.0f)) +
           Granules(x, y) * (1.0f - std::pow(fraction, 10.0f));
}

float UnderZ(float x, float y)
{
    return kRimZ - UnderDepth(std::min(1.0f, PlanFraction(x, y)));
}

// Plan point at angle phi of the left half (mirrored for the right), `fraction` of the way out.
Vector3 ShellPlan(float phi, float fraction, float side)
{
    const Vector3 centre{kShellCentreX, 0.0f, 0.0f};
    const Vector3 rim = BaseRim(phi);
    const Vector3 radial = Normalised(Vector3{rim.x - centre.x, rim.y, 0.0f});
    Vector3 p = centre + (Vector3{rim.x, rim.y, 0.0f} - centre) * fraction +
                radial * (MarginOffset(phi) * std::pow(fraction, kMarginSharpness));
    p.y *= side;
    return p;
}

float ShellAlong(float x)
{
    return std::clamp((kFrontX - x) / (kFrontX - kBackX), 0.0f, 1.0f);
}

float ShellAcross(float y)
{
    return std::min(1.0f, std::fabs(y) / kHalfWidth);
}

// Texture v of a place around the shell, kept half a texel inside the picture: the midlines of top
// and underside lie on its top and bottom rows, which the linear filter would otherwise blend
// across the picture's wrapping edge.
float ShellV(float around)
{
    return skin::BodyV(0.5f * skin::kTexelV + (1.0f - skin::kTexelV) * around);
}

// A disc of the skin, centre (u, v) in texture coordinates and radius in v, that a small part of
// the body takes its paint from.
struct PaintDisc
{
    float u, v, radius;
};

PaintDisc SkinDisc(float along, float around, float radius)
{
    return {skin::BodyU(along), ShellV(around), radius};
}

// The angle of around-sample i, front centre (0) round the left side to the back (kHalfSegments)
// and on round the right side.
float AroundAngle(int i, float& side)
{
    side = i <= kHalfSegments ? 1.0f : -1.0f;
    const int k = i <= kHalfSegments ? i : kAround - i;
    if (k <= kFrontSegments)
        return kTeethFrom * k / kFrontSegments;
    if (k <= kFrontSegments + kTeethSegments)
        return kTeethFrom + (kTeethTo - kTeethFrom) * (k - kFrontSegments) / kTeethSegments;
    return kTeethTo + (kPi - kTeethTo) * (k - kFrontSegments - kTeethSegments) / kBackSegments;
}

// ---- The rigid body's triangle table ---------------------------------------------------------

// One surface sample: its position, a point inside the solid it bounds (the normal faces away
// from it) and its texture coordinate.
struct BodySample
{
    Vector3 p;
    Vector3 inside;
    float u, v;
};

class CBodyBuilder
{
public:
    void BeginGroup(int material)
    {
        if (groupFirstFace >= 0)
            groups.push_back({currentMaterial, FaceCount() - groupFirstFace});
        currentMaterial = material;
        groupFirstFace = FaceCount();
    }

    // A grid of samples, rows by columns, its columns closed into a ring when `ring`. A row whose
    // samples all meet (a pole) becomes one vertex. Normals are smooth within the grid.
    void AddSurface(int rows, int cols, bool ring, const std::function<BodySample(int r, int c)>& fill)
    {
        const int first = static_cast<int>(points.size());
        std::vector<int> index(static_cast<size_t>(rows * cols));
        for (int r = 0; r < rows; ++r) {
            std::vector<BodySample> row;
            for (int c = 0; c < cols; ++c)
                row.push_back(fill(r, c));
            bool pole = true;
            for (const BodySample& s : row)
                pole = pole && Length(s.p - row[0].p) < 1e-5f;
            for (int c = 0; c < cols; ++c) {
                if (pole && c > 0) {
                    index[r * cols + c] = index[r * cols];
                    continue;
                }
                index[r * cols + c] = static_cast<int>(points.size());
                points.push_back(row[c]);
            }
        }
        normals.resize(points.size(), Vector3{0.0f, 0.0f, 0.0f});
        const int spans = ring ? cols : cols - 1;
        for (int r = 0; r + 1 < rows; ++r) {
            for (int c = 0; c < spans; ++c) {
                const int c1 = (c + 1) % cols;
                const int a = index[r * cols + c], b = index[r * cols + c1];
                const int d = index[(r + 1) * cols + c], e = index[(r + 1) * cols + c1];
                Triangle(a, b, e);
                Triangle(a, e, d);
            }
        }
        for (size_t i = static_cast<size_t>(first); i < points.size(); ++i) {
            const Vector3 out = points[i].p - points[i].inside;
            Vector3 n = Length(normals[i]) > 1e-8f ? Normalised(normals[i]) : Normalised(out);
            if (Dot(n, out) < 0.0f)
                n = n * -1.0f;
            normals[i] = n;
        }
    }

    int FaceCount() const { return static_cast<int>(faces.size() / 9); }

    // The finished table, kept by the caller for the program's life.
    void Finish(StaticBody& body)
    {
        BeginGroup(currentMaterial);
        for (size_t i = 0; i < points.size(); ++i) {
            const Vector3 p = points[i].p * (1.0f / kReferenceSize);
            positionTable.insert(positionTable.end(), {p.x, p.y, p.z});
            normalTable.insert(normalTable.end(), {normals[i].x, normals[i].y, normals[i].z});
            texTable.insert(texTable.end(), {points[i].u, points[i].v});
        }
        body.positions = positionTable.data();
        body.normals = normalTable.data();
        body.texCoords = texTable.data();
        body.faces = faces.data();
        body.faceCount = FaceCount();
        body.groups = groups.data();
        body.groupCount = static_cast<int>(groups.size());
    }

private:
    void Triangle(int a, int b, int c)
    {
        if (a == b || b == c || a == c)
            return;
        const Vector3 n = Cross(points[b].p - points[a].p, points[c].p - points[a].p);
        for (int i : {a, b, c}) {
            normals[i] = normals[i] + n;
            faces.push_back(static_cast<uint16_t>(i));
        }
        // The same corner order for normals and texture coordinates: one entry per vertex.
        for (int i = 0; i < 2; ++i)
            faces.insert(faces.end(), {static_cast<uint16_t>(a), static_cast<uint16_t>(b), static_cast<uint16_t>(c)});
    }

    std::vector<BodySample> points;
    std::vector<Vector3> normals;
    std::vector<uint16_t> faces;
    std::vector<StaticBodyGroup> groups;
    int currentMaterial = 0;
    int groupFirstFace = -1;
    std::vector<float> positionTable, normalTable, texTable;
};

const Vector3 kShellInside{kShellCentreX, 0.0f, kRimZ + 0.3f};

BodySample ShellSample(int ring, int i, bool top)
{
    float side;
    const float phi = AroundAngle(i, side);
    const int rings = top ? kTopRings : kUnderRings;
    const float fraction = std::max(0.0f, std::cos(0.5f * kPi * ring / (rings - 1))); // close rings at the rim
    Vector3 p = ShellPlan(phi, fraction, side);
    const float across = ShellAcross(p.y);
    if (top) {
        p.z = TopZ(p.x, p.y, fraction);
        return {p, kShellInside, skin::BodyU(skin::CrabShellPictureAlong(ShellAlong(p.x))),
                ShellV(skin::kCrabTopRim * across)};
    }
    p.z = kRimZ - UnderDepth(fraction);
    return {p, kShellInside, skin::BodyU(skin::CrabShellPictureAlong(ShellAlong(p.x))),
            ShellV(1.0f - (1.0f - skin::kCrabUnderRim) * across)};
}

// A tube of revolution through ring centres with their radii; a last radius of 0 closes it. Ring r
// takes its paint from the circle of paint[r] times the disc's radius.
void AddTube(CBodyBuilder& builder, const std::vector<Vector3>& centres, const std::vector<float>& radii,
             const std::vector<float>& paint, int around, PaintDisc disc, Vector3 mirror)
{
    const int rings = static_cast<int>(centres.size());
    builder.AddSurface(rings, around, true, [&](int r, int c) {
        const Vector3 direction = centres[std::min(r + 1, rings - 1)] - centres[std::max(r - 1, 0)];
        const Frame f = FrameAcross(direction);
        const float a = 2.0f * kPi * c / around;
        Vector3 p = centres[r] + (f.up * std::cos(a) + f.side * std::sin(a)) * radii[r];
        Vector3 inside = centres[r];
        p = {p.x * mirror.x, p.y * mirror.y, p.z * mirror.z};
        inside = {inside.x * mirror.x, inside.y * mirror.y, inside.z * mirror.z};
        const float du = disc.radius * paint[r] * std::cos(a) * skin::kHeight / skin::kWidth;
        const float dv = disc.radius * paint[r] * std::sin(a);
        return BodySample{p, inside, disc.u + du, disc.v + dv};
    });
}

void AddEye(CBodyBuilder& builder, float side)
{
    const Vector3 axis = Normalised(kEyeCentre - kStalkBase);
    const float start = std::asin(kStalkRadius / kEyeWidth); // where the stalk meets the eyeball
    const Vector3 neck = kEyeCentre - axis * (kEyeLength * std::cos(start));
    std::vector<Vector3> centres;
    std::vector<float> radii, paint;
    for (int r = 0; r < kStalkRings; ++r) {
        centres.push_back(Lerp(kStalkBase, neck, static_cast<float>(r) / kStalkRings));
        radii.push_back(kStalkRadius);
        paint.push_back(1.0f);
    }
    const int stalkRings = kStalkRings;
    for (int r = 0; r <= kEyeRings; ++r) {
        const float beta = start + (kPi - start) * r / kEyeRings;
        centres.push_back(kEyeCentre - axis * (kEyeLength * std::cos(beta)));
        radii.push_back(r == kEyeRings ? 0.0f : kEyeWidth * std::sin(beta));
        paint.push_back(1.0f - static_cast<float>(r) / kEyeRings);
    }
    // The stalk takes the shell's colour from the middle of its back; the eyeball the eye patch.
    std::vector<Vector3> stalk(centres.begin(), centres.begin() + stalkRings + 1);
    std::vector<float> stalkRadii(radii.begin(), radii.begin() + stalkRings + 1);
    std::vector<float> stalkPaint(stalkRings + 1, 0.3f);
    const Vector3 mirror{1.0f, side, 1.0f};
    AddTube(builder, stalk, stalkRadii, stalkPaint, kEyeAround,
            SkinDisc(skin::kCrabStalkAlong, skin::kCrabStalkAround, 0.05f), mirror);
    std::vector<Vector3> ball(centres.begin() + stalkRings, centres.end());
    std::vector<float> ballRadii(radii.begin() + stalkRings, radii.end());
    std::vector<float> ballPaint(paint.begin() + stalkRings, paint.end());
    for (float& p : ballPaint)
        p *= 0.7f;
    const skin::SpeciesLayout& layout = skin::kCrabLayout;
    AddTube(builder, ball, ballRadii, ballPaint, kEyeAround,
            SkinDisc(layout.eyeAlong, layout.eyeAround, layout.eyeRadius), mirror);
}

void AddMouthPlate(CBodyBuilder& builder, float side)
{
    builder.AddSurface(kMouthSamples, kMouthSamples, false, [side](int r, int c) {
        const float s = static_cast<float>(r) / (kMouthSamples - 1); // back to front
        const float t = static_cast<float>(c) / (kMouthSamples - 1); // midline outward
        // Rounded outer corners: the plate narrows toward its front and back.
        const float width = kMouthHalfWidth * (0.75f + 0.25f * std::sin(kPi * s));
        const float x = kMouthBackX + (kMouthFrontX - kMouthBackX) * s;
        const float y = -(kMouthGap + (width - kMouthGap) * t);
        const float z = UnderZ(x, y) - kMouthDrop - kMouthBulge * std::sin(kPi * s) * std::sin(kPi * t);
        const Vector3 p{x, side * y, z};
        const float du = skin::kCrabMouthRadius * (s - 0.5f) * skin::kHeight / skin::kWidth;
        const float dv = skin::kCrabMouthRadius * (t - 0.5f);
        return BodySample{p, Vector3{x, side * y, z + 1.0f}, skin::BodyU(skin::kCrabMouthAlong) + du,
                          ShellV(skin::kCrabMouthAround + dv)};
    });
}

void AddFeeler(CBodyBuilder& builder, float side)
{
    std::vector<Vector3> centres;
    std::vector<float> radii;
    for (int r = 0; r <= kFeelerRings; ++r) {
        const float t = static_cast<float>(r) / kFeelerRings;
        centres.push_back(Lerp(kFeelerBase, kFeelerTip, t) + Vector3{0.0f, 0.0f, 0.3f * std::sin(kPi * t)});
        radii.push_back(r == kFeelerRings ? 0.0f : kFeelerRootRadius + (kFeelerTipRadius - kFeelerRootRadius) * t);
    }
    const std::vector<float> paint(centres.size(), 0.3f);
    AddTube(builder, centres, radii, paint, kFeelerAround,
            SkinDisc(skin::kCrabStalkAlong, skin::kCrabStalkAround, 0.05f), Vector3{1.0f, side, 1.0f});
}

// ---- Limbs -----------------------------------------------------------------------------------

// One limb vertex in crab units, with the point on the limb's core its normal faces away from.
struct LimbSample
{
    Vector3 p;
    Vector3 core;
    float paint; // 0 root .. 1 tip, in the fin strip
};

// A limb grid: rows around the limb (the last repeating the first), columns root to tip. Normals
// come from the surface's own slopes; positions go into the table's units.
std::vector<MeshVertex> LimbTable(int rows, int cols, bool clawHalf,
                                  const std::function<LimbSample(int r, int j)>& fill)
{
    std::vector<LimbSample> s(static_cast<size_t>(rows * cols));
    for (int r = 0; r < rows; ++r)
        for (int j = 0; j < cols; ++j)
            s[r * cols + j] = fill(r, j);
    auto at = [&](int r, int j) { return s[r * cols + j].p; };
    const int ring = rows - 1; // distinct entries around
    const float scale = 1.0f / (kCrabLimbScale * kReferenceSize);
    std::vector<MeshVertex> table;
    for (int r = 0; r < rows; ++r) {
        for (int j = 0; j < cols; ++j) {
            const LimbSample& v = s[r * cols + j];
            const int rPrev = (r + ring - 1) % ring, rNext = (r + 1) % ring;
            const Vector3 acrossRows = at(rNext, j) - at(rPrev, j);
            const Vector3 alongCols = at(r, std::min(j + 1, cols - 1)) - at(r, std::max(j - 1, 0));
            Vector3 n = Cross(alongCols, acrossRows);
            const Vector3 out = v.p - v.core;
            if (Length(n) < 1e-6f)
                n = Length(out) > 1e-6f ? out : alongCols;
            n = Normalised(n);
            if (Dot(n, out) < 0.0f)
                n = n * -1.0f;
            Vector3 p = (v.p - kAttachment) * scale;
            p.y = std::min(p.y, 0.0f); // the socket lies flat against the body's side
            table.push_back(
                MakeVertex(p, n, skin::FinU(v.paint), skin::FinV(static_cast<float>(r) / (rows - 1), clawHalf)));
        }
    }
    return table;
}

// Centre of leg column j: each segment runs out along the leg's splay, which grows past the knee.
Vector3 LegCentre(const LegShape& leg, int j)
{
    Vector3 p{leg.rootX, kAttachment.y - kLegRootInset, kAttachment.z};
    for (int k = 1; k <= j; ++k) {
        const float bend = static_cast<float>(std::max(0, k - kLegKnee)) / (kLegColumns - 1 - kLegKnee);
        const float splay = leg.splay * (1.0f + kLegTipCurl * bend) * kDegrees;
        const float run = (kLegRun[k] - kLegRun[k - 1]) * leg.reach;
        p = p + Vector3{run * std::sin(splay), -run * std::cos(splay), 0.0f};
    }
    p.z = kAttachment.z + kLegRise[j];
    return p;
}

std::vector<MeshVertex> LegTable(const LegShape& leg, CrabLimbShape shape)
{
    return LimbTable(shape.rows, shape.cols, false, [&leg, shape](int r, int j) {
        const Vector3 c = LegCentre(leg, j);
        const Vector3 direction = LegCentre(leg, std::min(j + 1, kLegColumns - 1)) - LegCentre(leg, std::max(j - 1, 0));
        const Frame f = FrameAcross(direction);
        const float a = 2.0f * kPi * r / (shape.rows - 1);
        const float radius = kLegRadius[j] * leg.girth;
        const Vector3 p = c + f.up * (radius * std::cos(a)) + f.side * (radius * kLegFlatness * std::sin(a));
        return LimbSample{p, c, kLegPaint[j]};
    });
}

Vector3 ClawCentre(int j)
{
    return {kClaw[j].x, kClaw[j].y, kClaw[j].z};
}

std::vector<MeshVertex> ClawTable()
{
    const CrabLimbShape shape = kCrabClawShape;
    // The hand's own frame, taken at the front of the palm.
    const Vector3 palm = ClawCentre(kPalmFront);
    const Frame hand = FrameAcross(ClawCentre(kClawColumns - 1) - ClawCentre(kPalmFront - 1));
    const Vector3 throat = palm + Normalised(ClawCentre(kPalmFront + 1) - palm) * kThroatAhead;
    const Vector3 upperTip = ClawCentre(kClawColumns - 1) + hand.up * kTipSpread;
    const Vector3 lowerTip = ClawCentre(kClawColumns - 1) - hand.up * kTipSpread;
    // The cutting edges run straight from the throat to the tips, so from the side the fingers'
    // inner faces lie edge-on and the gap between them stays clear.
    const float part = Length(ClawCentre(kPalmFront + 1) - palm) / Length(ClawCentre(kClawColumns - 1) - palm);
    const Vector3 upperCut = Lerp(throat, upperTip, part);
    const Vector3 lowerCut = Lerp(throat, lowerTip, part);
    return LimbTable(shape.rows, shape.cols, true, [&](int r, int j) {
        const ClawColumn& col = kClaw[j];
        const Vector3 c = ClawCentre(j);
        if (j <= kPalmFront) {
            const Vector3 direction = ClawCentre(std::min(j + 1, kPalmFront)) - ClawCentre(std::max(j - 1, 0));
            const Frame f = FrameAcross(direction);
            const float a = 2.0f * kPi * r / (shape.rows - 1);
            const Vector3 p = c + f.side * (col.width * std::cos(a)) - f.up * (col.height * std::sin(a));
            return LimbSample{p, c, col.paint};
        }
        // Past the palm: rows 1-3 the lower finger, 5-7 the upper one, 0, 4 and 8 the throat.
        const int k = r % (shape.rows - 1);
        const bool tip = j == kClawColumns - 1;
        const Vector3 lowerCore = lowerCut - hand.up * kFingerDepth;
        const Vector3 upperCore = upperCut + hand.up * kFingerDepth;
        switch (k) {
        case 1:
            return LimbSample{tip ? lowerTip : lowerCut + hand.side * kFingerWidth, lowerCore, col.paint};
        case 2:
            return LimbSample{tip ? lowerTip : lowerCut - hand.up * (2.0f * kFingerDepth), lowerCore, col.paint};
        case 3:
            return LimbSample{tip ? lowerTip : lowerCut - hand.side * kFingerWidth, lowerCore, col.paint};
        case 5:
            return LimbSample{tip ? upperTip : upperCut - hand.side * kFingerWidth, upperCore, col.paint};
        case 6:
            return LimbSample{tip ? upperTip : upperCut + hand.up * (2.0f * kFingerDepth), upperCore, col.paint};
        case 7:
            return LimbSample{tip ? upperTip : upperCut + hand.side * kFingerWidth, upperCore, col.paint};
        default:
            return LimbSample{throat, palm, kClaw[kPalmFront].paint};
        }
    });
}

struct CrabLimbs
{
    std::vector<MeshVertex> tables[kCrabPartCount];
    MeshPartSpec parts[kCrabPartCount];
};

MeshPartSpec LimbPart(const char* name, const std::vector<MeshVertex>& table, CrabLimbShape shape, Term term)
{
    MeshPartSpec part;
    part.name = name;
    part.grids[0] = MeshGrid{shape.rows, shape.cols, table.data()};
    part.gridCount = 1;
    part.mirror = MirrorKind::Bands;
    part.binding = {BindingKind::Unrotated, 0, 0};
    part.terms[0] = term;
    part.tableScale = kCrabLimbScale;
    for (int i = 0; i < 3; ++i)
        part.attachment[i] = kCrabLimbAttachment[i];
    part.mirrorAfterTerms = true;
    return part;
}

CrabLimbs* BuildLimbs()
{
    auto* limbs = new CrabLimbs;
    static const char* const kLegNames[kCrabLegPairs] = {"first legs", "second legs", "third legs", "fourth legs"};
    for (int k = 0; k < kCrabLegPairs; ++k) {
        limbs->tables[k] = LegTable(kLegs[k], kCrabLegShapes[k]);
        // The legs step fore and aft together on both sides.
        limbs->parts[k] =
            LimbPart(kLegNames[k], limbs->tables[k], kCrabLegShapes[k], Term(kCrabLegBeat, Axis::X).CarriesSize());
    }
    // The claw beat moves the hands sideways; the mirrored claw takes it negated with its y, so
    // the pair opens and closes together.
    limbs->tables[kCrabLegPairs] = ClawTable();
    limbs->parts[kCrabLegPairs] =
        LimbPart("claws", limbs->tables[kCrabLegPairs], kCrabClawShape, Term(kCrabClawBeat, Axis::Y).CarriesSize());
    return limbs;
}
// A short stub from inside the body out into a limb's root, so that every limb meets the body
// however far inside the root the shell's rim lies.
void AddSocket(CBodyBuilder& builder, Vector3 root, float radius, float side)
{
    const std::vector<Vector3> centres{{root.x, kSocketInnerY, root.z + kSocketRise},
                                       root + Vector3{0.0f, kSocketInset, 0.0f}};
    const std::vector<float> radii{radius, radius};
    const std::vector<float> paint{0.0f, 0.0f};
    // Painted as the roots of the legs, from the fin strip.
    const PaintDisc legRoot{skin::FinU(0.0f), skin::FinV(0.5f, false), 0.0f};
    AddTube(builder, centres, radii, paint, kSocketAround, legRoot, Vector3{1.0f, side, 1.0f});
}

StaticBody* BuildBody()
{
    static CBodyBuilder builder; // owns the tables for the program's life
    auto* body = new StaticBody;
    builder.BeginGroup(kCrabShell);
    builder.AddSurface(kTopRings, kAround, true, [](int r, int i) { return ShellSample(r, i, true); });
    builder.BeginGroup(kCrabUnderside);
    builder.AddSurface(kUnderRings, kAround, true, [](int r, int i) { return ShellSample(r, i, false); });
    for (const float side : {1.0f, -1.0f}) {
        for (const LegShape& leg : kLegs)
            AddSocket(builder, LegCentre(leg, 0), kSocketGirth * kLegRadius[0] * leg.girth, side);
        AddSocket(builder, ClawCentre(0), kSocketGirth * kClaw[0].width, side);
    }
    builder.BeginGroup(kCrabEyes);
    AddEye(builder, 1.0f);
    AddEye(builder, -1.0f);
    builder.BeginGroup(kCrabMouthParts);
    AddMouthPlate(builder, 1.0f);
    AddMouthPlate(builder, -1.0f);
    AddFeeler(builder, 1.0f);
    AddFeeler(builder, -1.0f);
    builder.Finish(*body);
    return body;
}

} // namespace

const MeshPartSpec* CrabParts(int& partCount)
{
    static const CrabLimbs* limbs = BuildLimbs(); // lives for the whole program
    partCount = kCrabPartCount;
    return limbs->parts;
}

const StaticBody* CrabBody()
{
    static const StaticBody* body = BuildBody(); // lives for the whole program
    return body;
}
