// PinkTetraMesh.cpp -- the pink tetra as mesh data: a small, deep-chested tetra with a forked tail.
//
// From the side the tetra is a short spindle whose belly sags deepest under the chest, ahead of
// the highest point of the back, and which narrows to a slender stalk before a deeply forked tail
// with pointed lobes. A tall, back-raked dorsal fin stands over the middle of the back, a small
// adipose flap sits before the tail, the anal fin runs long under the rear half and the paired fins
// are small. Every part below is computed from the named parameters at the top; nothing is a
// hand-typed coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.18 at the
// snout to x = 0.18 at the tail root, so the fish turns about the middle of its body.
#include "fish/species/PinkTetraMesh.h"

#include "fish/model/FishModel.h"
#include "fish/species/PinkTetraLayout.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

// ---- Body: deepest under the chest, a slender stalk before the tail --------------------------------
constexpr float kHeadX = -0.18f;           // body column 0: the snout, just behind the lips
constexpr float kTailRootX = 0.18f;        // body column 19: where the tail grows
constexpr float kSnoutZ = 0.004f;          // the mouth line, a little above the body's axis
constexpr float kSnoutHalfHeight = 0.011f; // the snout's section, hidden inside the lips
constexpr float kSnoutHalfThickness = 0.007f;
constexpr float kBackZ = 0.072f;              // highest point of the back, where the dorsal fin rises...
constexpr float kBackAt = 0.42f;              // ...as a fraction of the way from snout to tail root
constexpr float kBellyZ = -0.092f;            // the deep chest: lowest point of the belly...
constexpr float kBellyAt = 0.36f;             // ...ahead of the back's peak
constexpr float kPeduncleHalfHeight = 0.019f; // the slender stalk in front of the tail
constexpr float kForeheadShape = 0.7f;        // outline exponent toward the snout: < 1 a short, blunt head
constexpr float kRearShape = 1.05f;           // toward the tail: just over 1, a taper that hollows to the stalk
constexpr float kHalfThickness = 0.026f;      // widest point of the left half, behind the gill cover...
constexpr float kThickestAt = 0.3f;           // ...at this fraction of the body
constexpr float kPeduncleHalfThickness = 0.007f;
constexpr float kSectionShape = 0.85f; // cross-section exponent: a little flatter than an ellipse

// ---- Mouth: a small terminal mouth, opened at the tip by the gape chains ---------------------------
constexpr float kMouthTipX = -0.195f; // front of the closed lips
constexpr float kLipStep = 0.009f;    // between lip columns, from the tip backward into the head
constexpr float kLipHalfWidth = 0.008f;
constexpr float kLipHeight = 0.011f;  // each lip, from the mouth line to its ridge
constexpr float kLipTipScale = 0.15f; // the lips nearly close at the tip

// ---- Dorsal fin: tall, its first ray longest, raked back over the middle of the back --------------
constexpr int kDorsalFirstColumn = 8;    // base over body columns 8..11
constexpr float kDorsalTipBack = 0.045f; // the tip, this far behind the first ray's root...
constexpr float kDorsalTipRise = 0.078f; // ...and this far above it
constexpr float kDorsalLastRay = 0.022f; // the short last ray
constexpr float kDorsalTrailSag = 0.012f;
constexpr float kDorsalLeadBow = 0.006f;
constexpr float kDorsalRaySpread = 0.8f;

// ---- Adipose fin: a small rounded flap over the stalk, the rear end of a fin along the back -------
constexpr int kAdiposeFirstColumn = 10;     // the fin's columns run over body columns 10..15.5...
constexpr float kAdiposeSpan = 5.5f;        // ...column j at body column 10 + j / 2
constexpr float kAdiposeHiddenTo = 0.3f;    // up to this fraction of the fin its rays lie inside the body...
constexpr float kAdiposeFrom = 0.55f;       // ...and from this one the flap rises off the back
constexpr float kAdiposeRootSink = 0.003f;  // the flap's root, this far inside the back
constexpr float kAdiposeHeight = 0.016f;    // the flap's tallest ray
constexpr float kAdiposeRearHeight = 0.45f; // the last ray, as a fraction of the tallest
constexpr float kAdiposeRake = 55.0f * kDegrees;

// ---- Anal fin: a long base under the rear half, its front rays longest -----------------------------
constexpr float kAnalFirstColumn = 12.0f;
constexpr float kAnalSpan = 5.4f;
constexpr float kAnalTipBack = 0.02f; // the tip, behind and below the first ray's root
constexpr float kAnalTipDrop = 0.045f;
constexpr float kAnalLastRay = 0.014f;
constexpr float kAnalTrailSag = 0.01f;
constexpr float kAnalLeadBow = 0.005f;
constexpr float kAnalRaySpread = 0.45f;

// ---- Tail: deeply forked, with pointed lobes -------------------------------------------------------
constexpr float kTailLength = 0.105f;           // from the fan's centre to a corner, before tipReach
constexpr float kTailSpread = 35.0f * kDegrees; // half the fan's opening
constexpr float kTailTipReach = 0.2f;           // the lobes' points reach this much further
constexpr float kTailFork = 0.62f;              // the middle of the edge falls back by this much
constexpr float kTailRootHalfHeight = 0.017f;
constexpr float kTailRootInset = 0.011f;  // the root, inside the stalk (between columns 18 and 19)
constexpr float kTailCentreInset = 0.02f; // the fan's centre, ahead of the tail root

// ---- Pectoral fins: small fans low on the flank behind the gill cover ------------------------------
constexpr int kPectoralColumn = 4;
constexpr float kPectoralZ = -0.03f;
constexpr float kPectoralBase = 0.012f;
constexpr float kPectoralLength = 0.045f;
constexpr float kPectoralUp = 5.0f * kDegrees;
constexpr float kPectoralDown = 40.0f * kDegrees;
constexpr float kPectoralStandOff = 0.35f;

// ---- Ventral fins: a small pair under the chest, below the dorsal fin ------------------------------
constexpr int kVentralColumn = 8;
constexpr float kVentralBase = 0.016f;
constexpr float kVentralLength = 0.04f;
constexpr float kVentralUp = 30.0f * kDegrees;   // below the horizontal: the front ray...
constexpr float kVentralDown = 62.0f * kDegrees; // ...and the back ray
constexpr float kVentralStandOff = 0.3f;

// ---- Chin fins: tiny fans low on the head, just behind the mouth -----------------------------------
constexpr float kChinColumn = 2.2f;
constexpr float kChinZ = -0.022f;
constexpr float kChinBase = 0.007f;
constexpr float kChinLength = 0.024f;
constexpr float kChinUp = 20.0f * kDegrees; // below the horizontal, both rays
constexpr float kChinDown = 65.0f * kDegrees;
constexpr float kChinStandOff = 0.45f;

constexpr int kBodyRows = 6;
constexpr int kBodyColumns = kPinkTetraBodyColumns;
constexpr int kLastColumn = kBodyColumns - 1;

BodyShape PinkTetraShape()
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
    return shape;
}

// A median fin swept back from its first ray: the tip placed relative to that ray's root.
FinCurves SweptMedianFin(const CBodySurface& body, float firstColumn, float span, bool hangs, float tipBack,
                         float tipRise, float lastRay, float trailSag, float leadBow, float raySpread)
{
    const CBodySurface::Section first = body.ColumnSection(firstColumn);
    MedianFinShape fin{firstColumn, span, hangs};
    fin.swept = true;
    fin.tip = {first.x + tipBack, 0.0f, hangs ? first.bottom - tipRise : first.top + tipRise};
    fin.lastRay = lastRay;
    fin.trailSag = trailSag;
    fin.leadBow = leadBow;
    fin.raySpread = raySpread;
    return MedianFin(body, fin);
}

// The fin along the rear of the back: its columns follow the back from body column 10 to 15.5,
// but only its rear part stands out of the body, as the adipose flap. The front rays lie folded
// along the middle of the body's section, where the body is widest, so that the beat, which swings
// every ray's end sideways, keeps them hidden; between the two the roots climb to the back.
FinCurves AdiposeFin(const CBodySurface& body)
{
    FinCurves fin;
    fin.root = [&body](float a) {
        const CBodySurface::Section s = body.ColumnSection(kAdiposeFirstColumn + kAdiposeSpan * a);
        const float rise = std::clamp((a - kAdiposeHiddenTo) / (kAdiposeFrom - kAdiposeHiddenTo), 0.0f, 1.0f);
        const float hidden = 1.0f - rise * rise * (3.0f - 2.0f * rise);
        const float top = s.top - kAdiposeRootSink;
        return Vector3{s.x, 0.0f, top + (0.5f * (s.top + s.bottom) - top) * hidden};
    };
    fin.edge = [root = fin.root](float a) {
        const float f = (a - kAdiposeFrom) / (1.0f - kAdiposeFrom);
        const float h =
            f <= 0.0f ? 0.0f : Lobe(f, 0.0f, kAdiposeHeight, 0.6f, kAdiposeRearHeight * kAdiposeHeight, 0.8f, 1.0f);
        return root(a) + Vector3{std::sin(kAdiposeRake), 0.0f, std::cos(kAdiposeRake)} * h;
    };
    return fin;
}

TailShape PinkTetraTail()
{
    TailShape tail;
    tail.length = kTailLength;
    tail.spread = kTailSpread;
    tail.tipReach = kTailTipReach;
    tail.fork = kTailFork;
    tail.rootHalfHeight = kTailRootHalfHeight;
    tail.rootInset = kTailRootInset;
    tail.centreInset = kTailCentreInset;
    return tail;
}

FlankFinShape FlankFan(float column, float z, float base, float length, float up, float down, float standOff,
                       bool onBelly)
{
    FlankFinShape fin{};
    fin.column = column;
    fin.z = z;
    fin.base = base;
    fin.length = length;
    fin.up = up;
    fin.down = down;
    fin.standOff = standOff;
    fin.onBelly = onBelly;
    return fin;
}

CFishModel* BuildPinkTetra()
{
    const CBodySurface surface(PinkTetraShape(), kBodyColumns);
    auto* model = new CFishModel(skin::kPinkTetraLayout, surface);
    CFishModel& m = *model;
    const CBodySurface& body = m.Surface();
    const Axis X = Axis::X, Y = Axis::Y, Z = Axis::Z;

    // Every chain of the tetra has multiplied its values by the fish's size. The sway, dorsal and
    // pectoral terms add them as they are; the mouth, the other fin beats and the drift scale them
    // once more, as every term does by default.
    m.AddPart("body", m.Body(kBodyRows, kBodyColumns), MirrorKind::Bands, PerColumn(0)).terms[0] =
        Term(kPinkTetraSway, Y).OfBodyColumn().CarriesSize();
    m.AddPart("upper mouth", m.Lip(4, 7, true, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(0))
        .terms[0] = Term(kPinkTetraGapeB, Z);
    // The lower lip is short: three columns (the tip, the narrowing and the full lip, which reaches
    // into the head), rounded by seven rows from the mouth line to the chin.
    m.AddPart("lower mouth", m.Lip(7, 3, false, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(0))
        .terms[0] = Term(kPinkTetraGapeA, Z, -1.0f);

    MeshPartSpec& dorsal =
        m.AddPart("dorsal fin",
                  m.Fin(2, 4,
                        SweptMedianFin(body, kDorsalFirstColumn, 3.0f, false, kDorsalTipBack, kDorsalTipRise,
                                       kDorsalLastRay, kDorsalTrailSag, kDorsalLeadBow, kDorsalRaySpread)),
                  MirrorKind::None, PerColumn(kDorsalFirstColumn));
    dorsal.terms[0] = Term(kPinkTetraSway, Y).OfBodyColumn().CarriesSize();
    dorsal.terms[1] = Term(kPinkTetraDorsalBeat, Y).EdgeRow().CarriesSize();

    // The anal fin rides as one piece on column 15, the middle of its base.
    m.AddPart("anal fin",
              m.Fin(2, 10,
                    SweptMedianFin(body, kAnalFirstColumn, kAnalSpan, true, kAnalTipBack, kAnalTipDrop, kAnalLastRay,
                                   kAnalTrailSag, kAnalLeadBow, kAnalRaySpread)),
              MirrorKind::None, FixedColumn(15))
        .terms[0] = Term(kPinkTetraSway, Y).Element(15).CarriesSize();

    // Both pectorals flap up and down together.
    MeshPartSpec& pectoral =
        m.AddPart("pectoral fins",
                  m.Fin(2, 23,
                        FlankFin(body, FlankFan(kPectoralColumn, kPectoralZ, kPectoralBase, kPectoralLength,
                                                kPectoralUp, -kPectoralDown, kPectoralStandOff, false))),
                  MirrorKind::Bands, FixedColumn(kPectoralColumn));
    pectoral.terms[0] = Term(kPinkTetraSway, Y).Element(kPectoralColumn).CarriesSize();
    pectoral.terms[1] = Term(kPinkTetraPectoralBeat, Z).EdgeRow().CarriesSize();

    // The ventral pair beats in and out: the mirrored fin's beat is negated, its sway is not.
    MeshPartSpec& ventral =
        m.AddPart("ventral fins",
                  m.Fin(2, 9,
                        FlankFin(body, FlankFan(kVentralColumn, 0.0f, kVentralBase, kVentralLength, -kVentralUp,
                                                -kVentralDown, kVentralStandOff, true))),
                  MirrorKind::Bands, FixedColumn(kVentralColumn));
    ventral.terms[0] = Term(kPinkTetraSway, Y).Element(kVentralColumn).CarriesSize();
    ventral.terms[1] = Term(kPinkTetraVentralBeat, Y).EdgeRow().NegatedWhenMirrored();

    // Two fin columns to each body column, from column 10.
    const MeshGrid adiposeGrid = m.Fin(2, 12, AdiposeFin(body));
    std::vector<ColumnBinding> adiposeColumns;
    for (int j = 0; j < adiposeGrid.cols; ++j)
        adiposeColumns.push_back(OnColumn(kAdiposeFirstColumn + j / 2));
    MeshPartSpec& adipose =
        m.AddPart("adipose fin", adiposeGrid, MirrorKind::None, {BindingKind::Map, kAdiposeFirstColumn, 0});
    adipose.columnMap = m.Map(adiposeColumns);
    adipose.terms[0] = Term(kPinkTetraSway, Y).OfBodyColumn().CarriesSize();
    adipose.terms[1] = Term(kPinkTetraAdiposeBeat, Y).EdgeRow();

    // The tail turns with column 18; its root rides on that column's sway, its edge on the last
    // column's, and the tail wave ripples the edge.
    MeshPartSpec& tail = m.AddPart("tail fin", m.Fin(2, 31, TailFan(body, PinkTetraTail())), MirrorKind::None,
                                   FixedColumn(kLastColumn - 1));
    tail.terms[0] = Term(kPinkTetraSway, Y).Element(kLastColumn - 1).RootRow().CarriesSize();
    tail.terms[1] = Term(kPinkTetraSway, Y).Element(kLastColumn).EdgeRow().CarriesSize();
    tail.terms[2] = Term(kPinkTetraTailWave, Y).EdgeRow();

    // Root, middle and edge rows of seven rays; the drift slides the pair along the head.
    MeshPartSpec& chin = m.AddPart("chin fins",
                                   m.Fin(3, 7,
                                         FlankFin(body, FlankFan(kChinColumn, kChinZ, kChinBase, kChinLength, -kChinUp,
                                                                 -kChinDown, kChinStandOff, false))),
                                   MirrorKind::Bands, FixedColumn(0));
    chin.terms[0] = Term(kPinkTetraSway, Y).Element(0).CarriesSize();
    chin.terms[1] = Term(kPinkTetraDrift, X).Element(0);
    chin.terms[2] = Term(kPinkTetraDrift, Z).Element(0);
    return model;
}
} // namespace

const MeshPartSpec* PinkTetraParts(int& partCount)
{
    static const CFishModel* model = BuildPinkTetra(); // lives for the whole program
    return model->Parts(partCount);
}
