// GoldfishMesh.cpp -- species 2 as mesh data: an egg-shaped fancy goldfish with a twin tail.
//
// The fancy goldfish reads by its outline: a short, deep, egg-shaped body (length : height about
// 1.4 : 1 without fins) with a round belly hanging low, a tall dorsal fin on the high back, and a
// large twin tail whose two halves spread apart like a butterfly's wings, seen from above as a V
// and from behind as an inverted V. Under the rear belly hang two small anal fins side by side.
// Every part below is computed from the named parameters at the top; nothing is a hand-typed
// coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.18 at the
// snout to x = 0.18 at the tail root, so the fish turns about the middle of its body.
#include "fish/species/GoldfishMesh.h"

#include "fish/model/FishModel.h"
#include "fish/model/SpeciesLayouts.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

// ---- Body: an egg from the side, plump from above -------------------------------------------------
constexpr float kHeadX = -0.18f;    // body column 0: the snout, just behind the lips
constexpr float kTailRootX = 0.18f; // body column 16: where the tail halves grow
constexpr float kSnoutZ = -0.008f;  // height of the closed mouth line
constexpr float kSnoutHalfHeight = 0.03f;
constexpr float kSnoutHalfThickness = 0.024f;
constexpr float kBackZ = 0.105f;              // highest point of the back, under the dorsal fin...
constexpr float kBackAt = 0.42f;              // ...as a fraction of the way from snout to tail root
constexpr float kBellyZ = -0.152f;            // lowest point of the deep, round belly...
constexpr float kBellyAt = 0.5f;              // ...and where along the body it hangs
constexpr float kPeduncleHalfHeight = 0.034f; // the short stalk in front of the tail
constexpr float kForeheadShape = 0.75f;       // outline exponent toward the snout: < 1 a blunt, round head
constexpr float kRearShape = 0.8f;            // toward the tail: < 1 a full, rounded rear
constexpr float kHalfThickness = 0.092f;      // widest point of the left half, mid-body...
constexpr float kThickestAt = 0.42f;          // ...at this fraction of the body
constexpr float kPeduncleHalfThickness = 0.02f;
constexpr float kSectionShape = 0.95f; // cross-section exponent: about an ellipse, a plump fish

// ---- Mouth: two small lips at the front of the blunt snout, opened by the gape chains --------------
constexpr float kMouthTipX = -0.19f; // front of the closed lips
constexpr float kLipStep = 0.01f;    // between lip columns, from the tip backward into the head
constexpr float kLipHalfWidth = 0.019f;
constexpr float kLipHeight = 0.015f; // each lip, from the mouth line to its ridge
constexpr float kLipTipScale = 0.7f;

// ---- Eyes: large, slightly bulging domes at the side of the head (where: the skin layout) ---------
constexpr float kEyeRadius = 0.024f;
constexpr float kEyeBulge = 0.011f; // the cornea stands this far off the head

// ---- Dorsal fin: a tall sail on the high back, its trailing edge falling to the tail root ---------
constexpr int kDorsalFirstColumn = 6;  // base over body columns 6..15
constexpr float kDorsalFront = 0.115f; // the leading ray, off the back
constexpr float kDorsalPeak = 0.135f;  // the tallest ray...
constexpr float kDorsalPeakAt = 0.14f; // ...just behind the leading one
constexpr float kDorsalLast = 0.03f;   // the last ray, over the stalk
constexpr float kDorsalRake = 0.5f;    // radians back from upright
constexpr float kFinRootSink = 0.005f; // median fin roots sit this far inside the body

// ---- Pectoral fins: low on the flank behind the gill cover, fanning back and down -----------------
constexpr int kPectoralColumn = 6;
constexpr float kPectoralZ = -0.065f;   // middle of the fin's base
constexpr float kPectoralBase = 0.028f; // height of the base along the flank
constexpr float kPectoralLength = 0.075f;
constexpr float kPectoralTop = 0.0f;                 // the top ray, level...
constexpr float kPectoralBottom = -55.0f * kDegrees; // ...the bottom ray, below the horizontal
constexpr float kPectoralStandOff = 0.45f;

// ---- Ventral fins: paired fans on the belly, the leading ray steep, the trailing ones lying back --
constexpr int kVentralColumn = 8;
constexpr float kVentralBase = 0.04f; // length of the base along the belly
constexpr float kVentralLength = 0.085f;
constexpr float kVentralLead = 75.0f * kDegrees;  // the leading ray, below the horizontal
constexpr float kVentralTrail = 25.0f * kDegrees; // the trailing ray
constexpr float kVentralStandOff = 0.35f;
constexpr int kVentralWavingColumns = 10; // the leading rays wave; the trailing four lie still

// ---- Anal fins: two small sails side by side under the rear belly ---------------------------------
constexpr int kAnalColumn = 11; // base from body column 11 back over kAnalSpan columns
constexpr float kAnalSpan = 1.8f;
constexpr float kAnalFront = 0.05f;
constexpr float kAnalPeak = 0.06f;
constexpr float kAnalPeakAt = 0.3f;
constexpr float kAnalLast = 0.035f;
constexpr float kAnalRake = 0.7f;
constexpr float kAnalRootY = -0.004f; // each stands just off the midline...
constexpr float kAnalSplay = 0.45f;   // ...and leans out by this lateral distance per unit of height

// ---- Twin tail: two forked fans on the tail root, leaning apart -----------------------------------
constexpr float kTailLength = 0.26f;            // from a fan's centre to its edge, before fork and tips
constexpr float kTailSpread = 48.0f * kDegrees; // half of each fan's opening
constexpr float kTailFork = 0.42f;              // the middle of each edge falls back by this much
constexpr float kTailTipReach = 0.15f;          // the lobe tips reach this much further
constexpr float kTailDroop = 10.0f * kDegrees;  // the flowing tail hangs a little
constexpr float kTailRootHalfHeight = 0.03f;
constexpr float kTailRootInset = 0.012f;   // the fans' root, inside the tail root
constexpr float kTailCentreInset = 0.035f; // the fans' centre, ahead of the tail root
constexpr float kTailSplayTop = 0.3f;      // lateral lean of the upper lobe, y per unit of reach...
constexpr float kTailSplayBottom = 1.0f;   // ...and of the lower lobe: the halves part below

constexpr int kBodyRows = 9;
constexpr int kBodyColumns = kGoldfishBodyColumns;
constexpr int kTailColumns = 21;
constexpr int kTailRootDivisor = 3;

CBodySurface GoldfishBody()
{
    BodyShape shape{};
    shape.headX = kHeadX;
    shape.tailRootX = kTailRootX;
    shape.snoutZ = kSnoutZ;
    shape.snoutHalfHeight = kSnoutHalfHeight;
    shape.snoutHalfThickness = kSnoutHalfThickness;
    shape.backZ = kBackZ;
    shape.backAt = kBackAt;
    shape.bellyZ = kBellyZ;
    shape.bellyAt = kBellyAt;
    shape.peduncleZ = 0.0f;
    shape.peduncleHalfHeight = kPeduncleHalfHeight;
    shape.foreheadShape = kForeheadShape;
    shape.rearShape = kRearShape;
    shape.halfThickness = kHalfThickness;
    shape.thickestAt = kThickestAt;
    shape.peduncleHalfThickness = kPeduncleHalfThickness;
    shape.sectionShape = kSectionShape;
    return CBodySurface(shape, kBodyColumns);
}

// The left side's normal of a fin that is not upright: across its root, then outward along its
// middle ray; facing -y.
Vector3 OutwardNormal(const FinCurves& fin)
{
    const Vector3 n =
        Normalised(Cross(fin.At(1.0f, 0.0f) - fin.At(0.0f, 0.0f), fin.At(0.5f, 1.0f) - fin.At(0.5f, 0.0f)));
    return n.y <= 0.0f ? n : n * -1.0f;
}

MedianFinShape ProfiledFin(float firstColumn, float span, bool hangs, float h0, float peak, float peakAt, float h1,
                           float rake)
{
    MedianFinShape fin{firstColumn, span, hangs};
    fin.h0 = h0;
    fin.peak = peak;
    fin.peakAt = peakAt;
    fin.h1 = h1;
    fin.rake = rake;
    fin.rootSink = kFinRootSink;
    return fin;
}

// One anal fin of the pair: a small profiled sail under the belly, leaning out to the left.
FinCurves AnalFin(const CBodySurface& body)
{
    FinCurves fin = MedianFin(
        body, ProfiledFin(kAnalColumn, kAnalSpan, true, kAnalFront, kAnalPeak, kAnalPeakAt, kAnalLast, kAnalRake));
    fin.offset = [](float a, float b) {
        const float height = kAnalFront + (kAnalLast - kAnalFront) * a; // about the ray's length
        return Vector3{0.0f, kAnalRootY - kAnalSplay * height * b, 0.0f};
    };
    fin.normal = OutwardNormal(fin);
    return fin;
}

// One half of a twin tail, the left: a forked fan on the tail root whose edge leans out from the
// midline, a little at the upper lobe and far at the lower, so the two halves part like wings.
struct TwinTailHalfShape
{
    TailShape fan;     // the half's outline seen from the side (its own splay unused)
    float splayTop;    // lateral lean of the edge at the upper lobe, y per unit of reach
    float splayBottom; // and at the lower lobe
};

FinCurves TwinTailHalf(const CBodySurface& body, const TwinTailHalfShape& shape)
{
    TailShape flat = shape.fan;
    flat.splay = 0.0f;
    const FinCurves fan = TailFan(body, flat);
    FinCurves half = fan;
    const Vector3 centre{body.Shape().tailRootX - flat.centreInset, 0.0f, flat.centreZ};
    half.edge = [edge = fan.edge, centre, shape](float a) {
        Vector3 e = edge(a);
        const float reach = std::hypot(e.x - centre.x, e.z - centre.z);
        e.y = -(shape.splayTop + (shape.splayBottom - shape.splayTop) * a) * reach;
        return e;
    };
    half.normal = OutwardNormal(half);
    return half;
}

TwinTailHalfShape GoldfishTailHalf()
{
    TwinTailHalfShape shape;
    shape.fan.length = kTailLength;
    shape.fan.spread = kTailSpread;
    shape.fan.fork = kTailFork;
    shape.fan.tipReach = kTailTipReach;
    shape.fan.droop = kTailDroop;
    shape.fan.rootHalfHeight = kTailRootHalfHeight;
    shape.fan.rootInset = kTailRootInset;
    shape.fan.centreInset = kTailCentreInset;
    shape.splayTop = kTailSplayTop;
    shape.splayBottom = kTailSplayBottom;
    return shape;
}

FlankFinShape GoldfishPectoral()
{
    FlankFinShape fin{};
    fin.column = kPectoralColumn;
    fin.z = kPectoralZ;
    fin.base = kPectoralBase;
    fin.length = kPectoralLength;
    fin.up = kPectoralTop;
    fin.down = kPectoralBottom;
    fin.standOff = kPectoralStandOff;
    fin.rounding = 0.3f;
    return fin;
}

// Along the belly the fin's first column is the front of its base: it takes the steep leading ray.
FlankFinShape GoldfishVentral()
{
    FlankFinShape fin{};
    fin.column = kVentralColumn;
    fin.base = kVentralBase;
    fin.length = kVentralLength;
    fin.up = -kVentralLead;
    fin.down = -kVentralTrail;
    fin.standOff = kVentralStandOff;
    fin.rounding = 0.3f;
    fin.onBelly = true;
    return fin;
}

CFishModel* BuildGoldfish()
{
    auto* model = new CFishModel(skin::kSpeciesLayouts[2], GoldfishBody());
    CFishModel& m = *model;
    const Axis X = Axis::X, Y = Axis::Y, Z = Axis::Z;
    constexpr MirrorKind kLeft = MirrorKind::None, kRight = MirrorKind::MirroredOnly;

    m.AddPart("body", m.Body(kBodyRows, kBodyColumns), MirrorKind::Bands, PerColumn(0)).terms[0] =
        Term(kGoldfishSway, Y).OfBodyColumn();
    m.AddPart("lower mouth", m.Lip(4, 3, false, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(0))
        .terms[0] = Term(kGoldfishGapeA, Z, -1.0f);
    // The upper lip lifts as one piece, by the last element of its gape.
    m.AddPart("upper mouth", m.Lip(4, 3, true, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(0))
        .terms[0] = Term(kGoldfishGapeB, Z).Element(2);

    // Four closed rings of seven corners (and the first again): the rim on the head, the iris, the
    // pupil's ring and the cornea's peak.
    const MeshGrid eye = m.Eye(8, {1.0f, 0.78f, 0.42f, 0.0f}, {0.05f, 0.45f, 0.85f, 1.0f}, kEyeRadius, kEyeBulge);
    for (MirrorKind mirror : {kLeft, kRight})
        m.AddPart(mirror == kLeft ? "left eye" : "right eye", eye, mirror, MeanOf(2, 3)).eyeTwitch = true;

    // Ray j rises from body column kDorsalFirstColumn + j; the whole fin rides the sway, its edge
    // ripples with the dorsal wave, which is added as it comes (not scaled by the size).
    MeshPartSpec& dorsal =
        m.AddPart("dorsal fin",
                  m.Fin(2, 10,
                        MedianFin(m.Surface(), ProfiledFin(kDorsalFirstColumn, 9.0f, false, kDorsalFront, kDorsalPeak,
                                                           kDorsalPeakAt, kDorsalLast, kDorsalRake))),
                  MirrorKind::None, PerColumn(kDorsalFirstColumn));
    dorsal.terms[0] = Term(kGoldfishSway, Y).OfBodyColumn();
    dorsal.terms[1] = Term(kGoldfishDorsalWave, Y).EdgeRow().CarriesSize();

    // The base stands on body column 6 and ray j follows column 6 + j. Both pectorals swing the same
    // way: the right one's beat keeps its sign.
    const MeshGrid pectoral = m.Fin(2, 8, FlankFin(m.Surface(), GoldfishPectoral()));
    for (MirrorKind mirror : {kLeft, kRight}) {
        MeshPartSpec& fin = m.AddPart(mirror == kLeft ? "left pectoral fin" : "right pectoral fin", pectoral, mirror,
                                      PerColumn(kPectoralColumn));
        fin.terms[0] = Term(kGoldfishPectoralBeat, X).EdgeRow();
        fin.terms[1] = Term(kGoldfishPectoralBeat, Y).EdgeRow();
    }

    // The ventral wave moves the leading rays' ends; the pair waves in mirror image.
    const MeshGrid ventral = m.Fin(2, 14, FlankFin(m.Surface(), GoldfishVentral()));
    for (MirrorKind mirror : {kLeft, kRight}) {
        Term wave = Term(kGoldfishVentralWave, Y).EdgeRow().Columns(0, kVentralWavingColumns - 1);
        if (mirror == kRight)
            wave.NegatedWhenMirrored();
        m.AddPart(mirror == kLeft ? "left ventral fin" : "right ventral fin", ventral, mirror,
                  FixedColumn(kVentralColumn))
            .terms[0] = wave;
    }

    // The anal pair rides on column 11's sway; their beat mirrors.
    const MeshGrid anal = m.Fin(2, 7, AnalFin(m.Surface()));
    for (MirrorKind mirror : {kLeft, kRight}) {
        MeshPartSpec& fin =
            m.AddPart(mirror == kLeft ? "left anal fin" : "right anal fin", anal, mirror, FixedColumn(kAnalColumn));
        fin.terms[0] = Term(kGoldfishSway, Y).Element(kAnalColumn);
        Term beat = Term(kGoldfishAnalBeat, Y).EdgeRow();
        if (mirror == kRight)
            beat.NegatedWhenMirrored();
        fin.terms[1] = beat;
    }

    // The tail halves turn with the last column, ride on the one before it, and beat together.
    const MeshGrid tail = m.Fin(2, kTailColumns, TwinTailHalf(m.Surface(), GoldfishTailHalf()), kTailRootDivisor);
    for (MirrorKind mirror : {kLeft, kRight}) {
        MeshPartSpec& half = m.AddPart(mirror == kLeft ? "left tail half" : "right tail half", tail, mirror,
                                       FixedColumn(kBodyColumns - 1));
        half.terms[0] = Term(kGoldfishSway, Y).Element(kBodyColumns - 2);
        half.terms[1] = Term(kGoldfishTailBeat, X).EdgeRow();
        half.terms[2] = Term(kGoldfishTailBeat, Y).EdgeRow();
    }
    return model;
}
} // namespace

const MeshPartSpec* GoldfishParts(int& partCount)
{
    static const CFishModel* model = BuildGoldfish(); // lives for the whole program
    return model->Parts(partCount);
}
