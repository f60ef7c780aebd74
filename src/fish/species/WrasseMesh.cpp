// WrasseMesh.cpp -- the wrasse as mesh data: a long, pointed cigar with low rear fins, from a few numbers.
//
// The wrasse reads by its outline: a slim, round-sectioned body 3.5 times as long as it is deep
// (without fins), tapering to a pointed snout with small terminal lips; a long low dorsal fin over
// the rear half of the back and a shorter anal fin under it, both ending in a small free lobe over
// the tail stalk; a small, rounded fan tail; broad pectoral fans behind the gill cover, which it
// rows with, and two small pointed ventral fins under them. Every part below is computed from the
// named parameters at the top; nothing is a hand-typed coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.2 at the snout
// to x = 0.2 at the tail root, so the fish turns about the middle of its body.
//
// Body columns are not evenly spaced: they stand closer over the head and further apart toward the
// tail (ColumnT, the body surface's column spacing), so that column 8, which the pectoral and
// ventral fins follow, lies just behind the gill cover, the dorsal fin from column 8 starts over the
// pectorals, and the anal fin from column 11 starts behind the middle of the body, as on the animal.
#include "fish/species/WrasseMesh.h"

#include "fish/model/FishModel.h"
#include "fish/model/SpeciesLayouts.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

constexpr int kBodyRows = 9;
constexpr int kBodyColumns = kWrasseBodyColumns;
constexpr int kLastColumn = kBodyColumns - 1;

// ---- Body: a long cigar, round in section, narrowing to a pointed snout ----------------------------
constexpr float kHeadX = -0.20f;    // body column 0: the snout, just behind the lips
constexpr float kTailRootX = 0.20f; // body column 17: where the tail fan grows
constexpr float kSnoutZ = -0.004f;  // the mouth line, a little below the body's axis
constexpr float kSnoutHalfHeight = 0.008f;
constexpr float kSnoutHalfThickness = 0.006f;
constexpr float kBackZ = 0.054f; // highest point of the back...
constexpr float kBackAt = 0.42f; // ...as a fraction of the way from snout to tail root
// Lowest point of the belly, and where it lies: 0.114 below the back, so the body (0.4 long) is 3.5
// times as long as it is deep.
constexpr float kBellyZ = -0.060f;
constexpr float kBellyAt = 0.40f;
constexpr float kPeduncleHalfHeight = 0.021f; // the stalk stays fairly deep, as on a wrasse
constexpr float kForeheadShape = 1.0f;        // a straight cone from the back to the pointed snout
constexpr float kRearShape = 0.95f;
constexpr float kHalfThickness = 0.031f; // widest point of the left half, behind the gill cover...
constexpr float kThickestAt = 0.30f;     // ...at this fraction of the body
constexpr float kPeduncleHalfThickness = 0.011f;
constexpr float kSectionShape = 0.9f; // nearly elliptic: a round, not a flattened, body

// Column spacing over the snout as a fraction of the mean; it grows evenly to 2 - this at the tail.
constexpr float kHeadColumnSpacing = 0.5f;

// ---- Mouth: two small pointed lips in front of the snout -----------------------------------------
constexpr float kMouthTipX = kHeadX - 0.014f; // front of the closed lips
constexpr float kLipStep = 0.007f;            // between lip columns, from the tip back into the head
constexpr float kLipHalfWidth = 0.0065f;
constexpr float kLipHeight = 0.0065f; // each lip, from the mouth line to its ridge
constexpr float kLipTipScale = 0.4f;  // the lips narrow to this at the tip

// ---- Rear fins: long, low median fins rising from the back and the belly ---------------------------
// Each has rays on consecutive body columns and then a short free lobe whose rays stand closer
// together over the tail stalk and beat as a whole.
constexpr int kDorsalFirstColumn = 8; // rays on body columns 8..15, then the lobe
constexpr int kDorsalBodyRays = 8;
constexpr float kDorsalLobeStep = 0.3f; // body columns between the lobe's rays
constexpr float kDorsalFrontHeight = 0.017f;
constexpr float kDorsalHeight = 0.025f; // the fin is highest toward its rear...
constexpr float kDorsalPeakAt = 0.72f;  // ...at this fraction of its rays
constexpr float kDorsalLastRay = 0.008f;
constexpr int kAnalFirstColumn = 11; // rays on body columns 11..15, then the lobe
constexpr int kAnalBodyRays = 5;
constexpr float kAnalLobeStep = 0.3f;
constexpr float kAnalFrontHeight = 0.012f;
constexpr float kAnalHeight = 0.022f;
constexpr float kAnalPeakAt = 0.65f;
constexpr float kAnalLastRay = 0.007f;
constexpr float kRearFinRake = 28.0f * kDegrees; // the rays lean back from upright
constexpr float kRearFinFall = 0.5f;             // < 1: the lobe keeps its height and rounds off at the end
constexpr float kRootSink = 0.004f;              // fin roots sit this far inside the body, so no seam shows

// ---- Tail: a small fan with a rounded edge ---------------------------------------------------------
constexpr float kTailLength = 0.078f;           // from the fan's centre to the middle of its edge
constexpr float kTailSpread = 34.0f * kDegrees; // half the fan's opening
constexpr float kTailRounding = -0.16f;         // a negative notch: the middle rays reach furthest
constexpr float kTailRootHalfHeight = 0.019f;
constexpr float kTailRootInset = 0.008f;  // the fan's root, inside the tail root
constexpr float kTailCentreInset = 0.02f; // the fan's centre, ahead of the tail root

// ---- Pectoral fins: broad rounded fans just behind the gill cover (body column 8) ------------------
constexpr int kPectoralColumn = 8;
constexpr float kPectoralZ = -0.018f;   // middle of the fin's base, below the flank's middle
constexpr float kPectoralBase = 0.020f; // height of the base along the flank
constexpr float kPectoralLength = 0.052f;
constexpr float kPectoralUp = 20.0f * kDegrees;
constexpr float kPectoralDown = 45.0f * kDegrees;
constexpr float kPectoralStandOff = 0.35f;
constexpr float kPectoralRounding = 0.35f;

// ---- Ventral fins: small pointed fins under the pectorals (between body columns 7 and 8) -----------
constexpr float kVentralColumn = 7.5f;
constexpr float kVentralLength = 0.045f;
constexpr float kVentralDroop = 50.0f * kDegrees; // below the horizontal at the root...
constexpr float kVentralCurl = 25.0f * kDegrees;  // ...and this much flatter at the tip
constexpr float kVentralRootWidth = 0.013f;
constexpr float kVentralEndWidth = 0.002f;
constexpr float kVentralRootY = -0.006f;
constexpr float kVentralSplay = 0.012f;

// ---- Eyes: small domes high on the head, over body column 3 (where: the skin layout) ---------------
constexpr int kEyeColumn = 3;
constexpr float kEyeInner = 0.6f;   // the middle ring, as a fraction of the radius
constexpr float kEyeBulge = 0.006f; // the cornea stands this far off the head

constexpr const skin::SpeciesLayout& kLayout = skin::kWrasseLayout;

// Fraction of the body (0 snout .. 1 tail root) at body column k, fractional columns between.
constexpr float ColumnT(float k)
{
    const float s = k / kLastColumn;
    return s * (kHeadColumnSpacing + (1.0f - kHeadColumnSpacing) * s);
}

static_assert(ColumnT(kEyeColumn) - kLayout.eyeAlong < 0.002f && kLayout.eyeAlong - ColumnT(kEyeColumn) < 0.002f,
              "the painted eye lies over the body column the eyes follow");

CBodySurface WrasseBody()
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
    return CBodySurface(shape, kBodyColumns, ColumnT);
}

struct RearFinShape
{
    int firstColumn; // part column j < bodyRays rises from body column firstColumn + j
    int bodyRays;
    float lobeStep; // the lobe's rays, this many body columns apart behind the last body ray
    bool hangs;     // under the belly (the anal fin)
    float frontHeight, height, peakAt, lastRay;
};

// A median fin of `cols` rays: a low sail whose edge rises from the front ray to its highest
// toward the rear and rounds off over the lobe. Rays lean back by kRearFinRake.
FinCurves RearFin(const CBodySurface& body, const RearFinShape& shape, int cols)
{
    FinCurves fin;
    fin.root = [&body, shape, cols](float a) {
        const float ray = a * (cols - 1);
        const float lastBodyRay = static_cast<float>(shape.bodyRays - 1);
        const float column =
            shape.firstColumn + std::min(ray, lastBodyRay) + std::max(ray - lastBodyRay, 0.0f) * shape.lobeStep;
        const CBodySurface::Section s = body.ColumnSection(column);
        return Vector3{s.x, 0.0f, shape.hangs ? s.bottom + kRootSink : s.top - kRootSink};
    };
    const float up = shape.hangs ? -1.0f : 1.0f;
    fin.edge = [root = fin.root, shape, up](float a) {
        const float h = Lobe(a, shape.frontHeight, shape.height, shape.peakAt, shape.lastRay, 0.7f, kRearFinFall);
        return root(a) + Vector3{std::sin(kRearFinRake), 0.0f, up * std::cos(kRearFinRake)} * h;
    };
    return fin;
}

// A rear fin's part: rays on consecutive body columns follow them one by one, the lobe's rays all
// follow body column 16 and ride on its sway. The beat ripples the edge over the body rays and
// swings the whole lobe, root included.
void AddRearFin(CFishModel& model, const char* name, const RearFinShape& shape, int cols, int beat)
{
    MeshPartSpec& part = model.AddPart(name, model.Fin(2, cols, RearFin(model.Surface(), shape, cols)),
                                       MirrorKind::None, {BindingKind::Map, shape.firstColumn, 0});
    part.columnMap = model.PerColumnThenFixed(shape.firstColumn, shape.bodyRays, kLastColumn - 1, cols);
    part.terms[0] = Term(kWrasseSway, Axis::Y).OfBodyColumn();
    part.terms[1] = Term(beat, Axis::Y).EdgeRow().Columns(0, shape.bodyRays - 1);
    part.terms[2] = Term(beat, Axis::Y).Columns(shape.bodyRays, -1);
}

TailShape WrasseTail()
{
    TailShape tail;
    tail.length = kTailLength;
    tail.spread = kTailSpread;
    tail.notch = kTailRounding;
    tail.rootHalfHeight = kTailRootHalfHeight;
    tail.rootInset = kTailRootInset;
    tail.centreInset = kTailCentreInset;
    return tail;
}

FlankFinShape WrassePectoral()
{
    FlankFinShape fin{};
    fin.column = kPectoralColumn;
    fin.z = kPectoralZ;
    fin.base = kPectoralBase;
    fin.length = kPectoralLength;
    fin.up = kPectoralUp;
    fin.down = -kPectoralDown;
    fin.standOff = kPectoralStandOff;
    fin.rounding = kPectoralRounding;
    return fin;
}

RibbonShape WrasseVentral()
{
    return {kVentralColumn,    kVentralLength,   kVentralDroop, kVentralCurl,
            kVentralRootWidth, kVentralEndWidth, kVentralRootY, kVentralSplay};
}

CFishModel* BuildWrasse()
{
    auto* model = new CFishModel(kLayout, WrasseBody());
    CFishModel& m = *model;
    const Axis X = Axis::X, Y = Axis::Y, Z = Axis::Z;

    m.AddPart("body", m.Body(kBodyRows, kBodyColumns), MirrorKind::Bands, PerColumn(0)).terms[0] =
        Term(kWrasseSway, Y).OfBodyColumn();
    // 4 x 4 and 6 x 3: as many columns as each gape array has elements. The columns run from the
    // back of the mouth (the hinge) to the tip, so a gape growing along them opens the tip furthest.
    const MeshGrid lower = m.Lip(4, 4, false, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale, true);
    const MeshGrid upper = m.Lip(6, 3, true, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale, true);
    m.AddPart("lower mouth", lower, MirrorKind::Bands, FixedColumn(0)).terms[0] = Term(kWrasseGapeA, Z, -1.0f);
    m.AddPart("upper mouth", upper, MirrorKind::Bands, FixedColumn(0)).terms[0] = Term(kWrasseGapeB, Z);

    AddRearFin(m, "first rear fin",
               {kDorsalFirstColumn, kDorsalBodyRays, kDorsalLobeStep, false, kDorsalFrontHeight, kDorsalHeight,
                kDorsalPeakAt, kDorsalLastRay},
               13, kWrasseFirstRearBeat);

    // The beat swings the left fin's edge back and out (-y); the right fin's term is negated, so
    // both fans open and close together.
    constexpr int kPectoralColumns = 21, kPectoralRootDivisor = 3;
    const MeshGrid pectoral = m.Fin(2, kPectoralColumns, FlankFin(m.Surface(), WrassePectoral()), kPectoralRootDivisor);
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly}) {
        MeshPartSpec& fin = m.AddPart(mirror == MirrorKind::None ? "left pectoral fin" : "right pectoral fin", pectoral,
                                      mirror, FixedColumn(kPectoralColumn));
        fin.terms[0] = Term(kWrassePectoralBeat, X).EdgeRow();
        fin.terms[1] = Term(kWrassePectoralBeat, Y, -1.0f).EdgeRow().NegatedWhenMirrored();
    }

    // The wave grows from the root to the tip of each small fin; the twins swing apart and together.
    const MeshGrid ventral = m.Ribbon(2, 8, WrasseVentral());
    m.AddPart("left ventral fin", ventral, MirrorKind::None, MeanOf(7, 8)).terms[0] = Term(kWrasseVentralWave, Y);
    m.AddPart("right ventral fin", ventral, MirrorKind::MirroredOnly, MeanOf(7, 8)).terms[0] =
        Term(kWrasseVentralWave, Y).NegatedWhenMirrored();

    AddRearFin(m, "second rear fin",
               {kAnalFirstColumn, kAnalBodyRays, kAnalLobeStep, true, kAnalFrontHeight, kAnalHeight, kAnalPeakAt,
                kAnalLastRay},
               9, kWrasseSecondRearBeat);

    // The tail rides on the last column's sway, and its edge beats on top of that.
    constexpr int kTailColumns = 27, kTailRootDivisor = 3;
    MeshPartSpec& tail =
        m.AddPart("tail fin", m.Fin(2, kTailColumns, TailFan(m.Surface(), WrasseTail()), kTailRootDivisor),
                  MirrorKind::None, FixedColumn(kLastColumn));
    tail.terms[0] = Term(kWrasseSway, Y).Element(kLastColumn);
    tail.terms[1] = Term(kWrasseTailBeat, Y).EdgeRow();

    // Three rings of eight corners and the first again: the cornea's peak first (one point, so its
    // five stored entries lose nothing), a middle ring and the rim on the head. The mesh radius is
    // the painted eye's, so the rim lands on the painted rim.
    const float eyeRadius = kLayout.eyeRadius * m.Surface().Length() / kLayout.bodyAspect;
    const MeshGrid eye = m.Eye(9, {0.0f, kEyeInner, 1.0f}, {1.0f, 0.7f, 0.1f}, eyeRadius, kEyeBulge, 2);
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly})
        m.AddPart(mirror == MirrorKind::None ? "left eye" : "right eye", eye, mirror, FixedColumn(kEyeColumn))
            .eyeTwitch = true;
    return model;
}
} // namespace

const MeshPartSpec* WrasseParts(int& partCount)
{
    static const CFishModel* model = BuildWrasse(); // lives for the whole program
    return model->Parts(partCount);
}
