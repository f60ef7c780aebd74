// PinkDiscusMesh.cpp -- the pink discus as mesh data: a round flat disc ringed by low fins.
//
// From the side the discus is a coin: its body is as high as it is long, with a steep round face
// and a small mouth at its front, and its dorsal and anal fins run as one low band around the back
// and the belly, widening toward the rear so that body and fins together make a larger disc, with
// a broad fan tail standing out behind. From above it is a thin lens.
//
// The dorsal band is drawn as two parts (front and rear) and the lower band as two (ventral and
// anal); each pair is sampled from one continuous fin so that they meet ray on ray. Every part is
// computed from the named parameters at the top; nothing is a hand-typed coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.2 at the snout
// to x = 0.2 at the tail root, so the fish turns about its middle.
#include "fish/species/PinkDiscusMesh.h"

#include "fish/model/FishModel.h"
#include "fish/model/SpeciesLayouts.h"

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

// ---- Body: a round disc from the side, a thin lens from above -------------------------------------
constexpr float kHeadX = -0.20f;           // body column 0: the snout, just behind the lips
constexpr float kTailRootX = 0.20f;        // body column 13: where the tail fan grows
constexpr float kSnoutZ = -0.004f;         // the mouth line, a little below the middle
constexpr float kSnoutHalfHeight = 0.014f; // the snout's section, hidden inside the lips
constexpr float kSnoutHalfThickness = 0.008f;
constexpr float kBackZ = 0.196f; // highest point of the back...
constexpr float kBackAt = 0.46f; // ...as a fraction of the way from snout to tail root
constexpr float kBellyZ = -0.196f;
constexpr float kBellyAt = 0.48f;
constexpr float kPeduncleHalfHeight = 0.034f; // the short stalk the tail grows from
constexpr float kForeheadShape = 0.5f;        // below 1: the outline rises steeply, a round face
constexpr float kRearShape = 0.62f;           // the rear stays full and drops into the stalk
constexpr float kHalfThickness = 0.036f;      // widest point of the left half...
constexpr float kThickestAt = 0.32f;          // ...behind the gill cover
constexpr float kPeduncleHalfThickness = 0.011f;
constexpr float kSectionShape = 0.75f; // flat flanks: the disc is a coin, not a ball

// ---- Mouth: two small lips on the steep face -------------------------------------------------------
constexpr int kMouthColumn = 1;
constexpr float kMouthTipX = -0.213f; // front of the closed lips
constexpr float kLipStep = 0.0065f;   // between lip columns, from the tip back into the head
constexpr float kLipHalfWidth = 0.009f;
constexpr float kLipHeight = 0.009f;
constexpr float kLipTipScale = 0.5f;

// ---- Dorsal and anal bands: rays standing out of the outline, widening to a rounded rear lobe -----
// Each ray leaves the body along the outline's outward normal, leaned back by the rake and held
// to at most kRingMaxLean behind upright, so the last rays round off over the tail root. Ray
// lengths: at the front, the widest (at a fraction of the band), the last.
constexpr int kBackFirst = 4;          // the band over the back: columns 4..13
constexpr int kBellyFirst = 6;         // the band under the belly: columns 6..13
constexpr int kBandLast = 13;          // both end at the tail root
constexpr int kFrontDorsalColumns = 4; // columns 4..7
constexpr int kRearDorsalFirst = 7;    // columns 7..13
constexpr int kVentralColumns = 4;     // columns 6..9: the low front of the lower band
constexpr int kAnalFirst = 9;          // columns 9..13
constexpr float kRingRake = 14.0f * kDegrees;
constexpr float kRingMaxLean = 58.0f * kDegrees;
constexpr RingFinShape kDorsalRing{kBackFirst, kBandLast, false, 0.01f, 0.062f, 0.72f, 0.04f, kRingRake, kRingMaxLean};
constexpr RingFinShape kAnalRing{kBellyFirst, kBandLast, true, 0.008f, 0.058f, 0.70f, 0.038f, kRingRake, kRingMaxLean};

// ---- Tail: a broad fan with a gently rounded edge ------------------------------------------------
constexpr float kTailLength = 0.115f;
constexpr float kTailSpread = 38.0f * kDegrees; // half the fan's opening
constexpr float kTailNotch = -0.06f;            // negative: the middle of the edge stands out, rounded
constexpr float kTailTipReach = 0.05f;
constexpr float kTailRootHalfHeight = 0.030f;
constexpr float kTailRootInset = 0.008f;
constexpr float kTailCentreInset = 0.022f;

// ---- Pectoral fins: clear rounded fans behind the gill cover ---------------------------------------
constexpr int kPectoralFront = 3; // between body columns 3 and 4
constexpr float kPectoralZ = -0.02f;
constexpr float kPectoralBase = 0.032f;
constexpr float kPectoralLength = 0.072f;
constexpr float kPectoralUp = 42.0f * kDegrees;
constexpr float kPectoralDown = 38.0f * kDegrees;
constexpr float kPectoralStandOff = 0.28f;
constexpr float kPectoralRounding = 0.3f;

// ---- Eyes: round, red, set high on the face between columns 1 and 2 (where: the skin layout) -----
constexpr int kEyeColumns = 9; // eight corners and the first again
constexpr float kEyeRadius = 0.023f;
constexpr float kEyeInner = 0.55f;
constexpr float kEyeBulge = 0.008f;

constexpr int kBodyRows = 9;
constexpr int kBodyColumns = kPinkDiscusBodyColumns;

CBodySurface DiscusBody()
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

// Columns first..first + cols - 1 of a band, as a 2-row fin grid.
MeshGrid RingPart(CFishModel& model, const FinCurves& band, const RingFinShape& ring, int first, int cols)
{
    const float span = ring.lastColumn - ring.firstColumn;
    return model.Grid(2, cols, [&band, &ring, first, span](int r, int j) {
        return band.Sample((first - ring.firstColumn + j) / span, static_cast<float>(r));
    });
}

TailShape DiscusTail()
{
    TailShape tail;
    tail.length = kTailLength;
    tail.spread = kTailSpread;
    tail.notch = kTailNotch;
    tail.tipReach = kTailTipReach;
    tail.rootHalfHeight = kTailRootHalfHeight;
    tail.rootInset = kTailRootInset;
    tail.centreInset = kTailCentreInset;
    return tail;
}

FlankFinShape DiscusPectoral()
{
    FlankFinShape fin{};
    fin.column = kPectoralFront + 0.5f;
    fin.z = kPectoralZ;
    fin.base = kPectoralBase;
    fin.length = kPectoralLength;
    fin.up = kPectoralUp;
    fin.down = -kPectoralDown;
    fin.standOff = kPectoralStandOff;
    fin.rounding = kPectoralRounding;
    return fin;
}

CFishModel* BuildPinkDiscus()
{
    auto* model = new CFishModel(skin::kSpeciesLayouts[1], DiscusBody());
    CFishModel& m = *model;
    const Axis X = Axis::X, Y = Axis::Y, Z = Axis::Z;

    m.AddPart("body", m.Body(kBodyRows, kBodyColumns), MirrorKind::Bands, PerColumn(0)).terms[0] =
        Term(kPinkDiscusSway, Y).OfBodyColumn();
    m.AddPart("lower mouth", m.Lip(2, 4, false, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(kMouthColumn))
        .terms[0] = Term(kPinkDiscusGapeA, Z, -1.0f);
    m.AddPart("upper mouth", m.Lip(2, 4, true, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(kMouthColumn))
        .terms[0] = Term(kPinkDiscusGapeB, Z);

    // Each band part rides on the sway of the body columns under it, and its edge beats.
    const FinCurves dorsal = RingFin(m.Surface(), kDorsalRing);
    auto addBandPart = [&m](const char* name, MeshGrid grid, int firstColumn, int beat) {
        MeshPartSpec& part = m.AddPart(name, grid, MirrorKind::None, PerColumn(firstColumn));
        part.terms[0] = Term(kPinkDiscusSway, Axis::Y).OfBodyColumn();
        part.terms[1] = Term(beat, Axis::Y).EdgeRow();
    };
    addBandPart("front dorsal fin", RingPart(m, dorsal, kDorsalRing, kBackFirst, kFrontDorsalColumns), kBackFirst,
                kPinkDiscusFrontDorsalBeat);
    addBandPart("rear dorsal fin", RingPart(m, dorsal, kDorsalRing, kRearDorsalFirst, kBandLast - kRearDorsalFirst + 1),
                kRearDorsalFirst, kPinkDiscusRearDorsalBeat);

    // The pectorals' roots hold one entry for every two columns. The right fin beats the same way
    // forward (x) and the opposite way sideways (y), so the pair opens and closes together.
    const MeshGrid pectoral = m.Fin(2, 16, FlankFin(m.Surface(), DiscusPectoral()), 2);
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly}) {
        MeshPartSpec& fin = m.AddPart(mirror == MirrorKind::None ? "left pectoral fin" : "right pectoral fin", pectoral,
                                      mirror, MeanOf(kPectoralFront, kPectoralFront + 1));
        fin.terms[0] = Term(kPinkDiscusPectoralBeat, X).EdgeRow();
        fin.terms[1] = Term(kPinkDiscusPectoralBeat, Y).EdgeRow().NegatedWhenMirrored();
    }

    const FinCurves lower = RingFin(m.Surface(), kAnalRing);
    addBandPart("ventral fin", RingPart(m, lower, kAnalRing, kBellyFirst, kVentralColumns), kBellyFirst,
                kPinkDiscusVentralBeat);
    addBandPart("anal fin", RingPart(m, lower, kAnalRing, kAnalFirst, kBandLast - kAnalFirst + 1), kAnalFirst,
                kPinkDiscusAnalBeat);

    // The tail's root holds one entry for every two columns; it rides on the last column's sway.
    MeshPartSpec& tail = m.AddPart("tail fin", m.Fin(2, 20, TailFan(m.Surface(), DiscusTail()), 2), MirrorKind::None,
                                   FixedColumn(kBodyColumns - 1));
    tail.terms[0] = Term(kPinkDiscusSway, Y).Element(kBodyColumns - 1);
    tail.terms[1] = Term(kPinkDiscusTailBeat, Y).EdgeRow();

    // Three closed rings: the rim on the head, an inner ring and the cornea's peak.
    const MeshGrid eye = m.Eye(kEyeColumns, {1.0f, kEyeInner, 0.0f}, {0.1f, 0.7f, 1.0f}, kEyeRadius, kEyeBulge);
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly})
        m.AddPart(mirror == MirrorKind::None ? "left eye" : "right eye", eye, mirror, MeanOf(1, 2)).eyeTwitch = true;
    return model;
}
} // namespace

const MeshPartSpec* PinkDiscusParts(int& partCount)
{
    static const CFishModel* model = BuildPinkDiscus(); // lives for the whole program
    return model->Parts(partCount);
}
