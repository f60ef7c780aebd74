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

#include "fish/model/FishModel.h"
#include "fish/model/SpeciesLayouts.h"

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

// ---- Eyes: low domes high on the head, just behind the snout (where: the skin layout) -------------
constexpr float kEyeRadius = 0.023f;
constexpr float kEyeInner = 0.55f;  // the inner ring, as a fraction of the radius
constexpr float kEyeBulge = 0.008f; // the cornea stands this far off the head

constexpr int kBodyRows = 10;
constexpr int kBodyColumns = kAngelBodyColumns;

CBodySurface AngelfishBody()
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
    shape.peduncleHalfHeight = kPeduncleHalfHeight;
    shape.foreheadShape = kForeheadShape;
    shape.rearShape = kRearShape;
    shape.halfThickness = kHalfThickness;
    shape.thickestAt = kThickestAt;
    shape.peduncleHalfThickness = kPeduncleHalfThickness;
    shape.sectionShape = kSectionShape;
    return CBodySurface(shape, kBodyColumns);
}

MedianFinShape SweptFin(int firstColumn, int columns, Vector3 tip, bool hangs)
{
    MedianFinShape fin{static_cast<float>(firstColumn), static_cast<float>(columns - 1), hangs};
    fin.swept = true;
    fin.tip = tip;
    fin.lastRay = kLastRay;
    fin.trailSag = kTrailSag;
    fin.leadBow = kLeadBow;
    fin.raySpread = kRaySpread;
    fin.rootSink = kRootSink;
    return fin;
}

// The dorsal fin is one fan drawn as two grids. The crest (5 x 5) is the outer part of the first
// five rays: the swept point, which the dorsal wave ripples. The base (3 x 10) is the rest: the
// inner part of those five rays, and the whole of the last five, which reach the trailing edge.
// Ray j of both grids rises from body column kDorsalFirstColumn + j, as their binding assumes.
void AddDorsalFin(CFishModel& model)
{
    constexpr int kBaseColumns = 10;
    constexpr int kCrestColumns = 5;
    const FinCurves fin =
        MedianFin(model.Surface(), SweptFin(kDorsalFirstColumn, kBaseColumns, {kDorsalTipX, 0.0f, kDorsalTipZ}, false));
    const MeshGrid base = model.Grid(3, kBaseColumns, [&fin](int r, int j) {
        const bool underCrest = j < kCrestColumns - 1;
        const float rows[3] = {0.0f, underCrest ? 0.5f * kCrestFrom : kCrestFrom, underCrest ? kCrestFrom : 1.0f};
        return fin.Sample(j / (kBaseColumns - 1.0f), rows[r]);
    });
    const MeshGrid crest = model.Grid(5, kCrestColumns, [&fin](int r, int j) {
        return fin.Sample(j / (kBaseColumns - 1.0f), kCrestFrom + (1.0f - kCrestFrom) * r / 4.0f);
    });
    MeshPartSpec& part = model.AddPart("dorsal fin", base, MirrorKind::None, PerColumn(kDorsalFirstColumn));
    part.grids[1] = crest;
    part.gridCount = 2;
    part.termGridMask = 0x2; // only the crest ripples
    part.terms[0] = Term(kAngelDorsalWave, Axis::Y);
}

TailShape AngelfishTail()
{
    TailShape tail;
    tail.length = kTailLength;
    tail.spread = kTailSpread;
    tail.tipReach = kTailTipReach;
    tail.notch = kTailNotch;
    tail.rootHalfHeight = kTailRootHalfHeight;
    tail.rootInset = kTailRootInset;
    tail.centreInset = kTailCentreInset;
    return tail;
}

FlankFinShape AngelfishPectoral()
{
    FlankFinShape fin{};
    fin.column = kPectoralColumn;
    fin.z = kPectoralZ;
    fin.base = kPectoralBase;
    fin.length = kPectoralLength;
    fin.up = kPectoralUp;
    fin.down = -kPectoralDown;
    fin.standOff = kPectoralStandOff;
    return fin;
}

RibbonShape AngelfishVentral()
{
    return {kVentralColumn,    kVentralLength,   kVentralDroop, kVentralCurl,
            kVentralRootWidth, kVentralEndWidth, kVentralRootY, kVentralSplay};
}

CFishModel* BuildAngelfish()
{
    auto* model = new CFishModel(skin::kSpeciesLayouts[0], AngelfishBody());
    CFishModel& m = *model;
    const Axis X = Axis::X, Y = Axis::Y, Z = Axis::Z;

    m.AddPart("body", m.Body(kBodyRows, kBodyColumns), MirrorKind::Bands, PerColumn(0)).terms[0] =
        Term(kAngelSway, Y).OfBodyColumn();
    m.AddPart("lower mouth", m.Lip(3, 5, false, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(0))
        .terms[0] = Term(kAngelGapeA, Z, -1.0f);
    m.AddPart("upper mouth", m.Lip(3, 6, true, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(0))
        .terms[0] = Term(kAngelGapeB, Z);
    AddDorsalFin(m);

    // The right pectoral beats with the same sign: both fins swing the same way.
    const MeshGrid pectoral = m.Fin(2, 7, FlankFin(m.Surface(), AngelfishPectoral()));
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly}) {
        MeshPartSpec& fin = m.AddPart(mirror == MirrorKind::None ? "left pectoral fin" : "right pectoral fin", pectoral,
                                      mirror, FixedColumn(kPectoralColumn));
        fin.terms[0] = Term(kAngelPectoralBeat, X).EdgeRow();
        fin.terms[1] = Term(kAngelPectoralBeat, Y).EdgeRow();
    }

    const MeshGrid ventral = m.Ribbon(2, 8, AngelfishVentral());
    m.AddPart("left ventral fin", ventral, MirrorKind::None, FixedColumn(kVentralColumn)).terms[0] =
        Term(kAngelVentralBeat, Y);
    // Drawn straight after its twin, it keeps the twin's rotation; the beat mirrors too.
    m.AddPart("right ventral fin", ventral, MirrorKind::MirroredOnly, KeepPrevious()).terms[0] =
        Term(kAngelVentralBeat, Y).NegatedWhenMirrored();

    m.AddPart("anal fin",
              m.Fin(2, 8, MedianFin(m.Surface(), SweptFin(kAnalFirstColumn, 8, {kAnalTipX, 0.0f, kAnalTipZ}, true))),
              MirrorKind::None, PerColumn(kAnalFirstColumn))
        .terms[0] = Term(kAngelAnalBeat, Y).EdgeRow();

    // The tail rides on the last column's sway, and its edge beats on top of that.
    MeshPartSpec& tail = m.AddPart("tail fin", m.Fin(2, 15, TailFan(m.Surface(), AngelfishTail())), MirrorKind::None,
                                   FixedColumn(kBodyColumns - 1));
    tail.terms[0] = Term(kAngelSway, Y).Element(kBodyColumns - 1);
    tail.terms[1] = Term(kAngelTailBeat, Y).EdgeRow();

    // Three closed rings (four corners and the first again): the rim on the head, an inner ring and
    // the cornea's peak.
    const MeshGrid eye = m.Eye(5, {1.0f, kEyeInner, 0.0f}, {0.1f, 0.7f, 1.0f}, kEyeRadius, kEyeBulge);
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly})
        m.AddPart(mirror == MirrorKind::None ? "left eye" : "right eye", eye, mirror, MeanOf(1, 2)).eyeTwitch = true;
    return model;
}
} // namespace

const MeshPartSpec* AngelfishParts(int& partCount)
{
    static const CFishModel* model = BuildAngelfish(); // lives for the whole program
    return model->Parts(partCount);
}
