// GuppyMesh.cpp -- species 3 as mesh data: a slender little fish under a huge fan tail and a flag.
//
// The male guppy is a slim body, about 3 : 1 without fins, with a small head, a big eye and an
// upturned mouth. Its show is the tail: a wide fan spreading from the stalk, as long as the body and
// far taller, and a long dorsal flag streaming back over it. Pectoral and ventral fins are small.
// Every part below is computed from the named parameters at the top; nothing is a hand-typed
// coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.17 at the snout
// to x = 0.17 at the tail root, so the fish turns about the middle of its body.
#include "fish/species/GuppyMesh.h"

#include "fish/model/FishModel.h"
#include "fish/species/GuppyLayout.h"

#include <cmath>
#include <vector>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

// ---- Body: slim, a straight back, the belly a little fuller behind the head ----------------------
constexpr float kHeadX = -0.17f;           // body column 0: the snout, just behind the lips
constexpr float kTailRootX = 0.17f;        // body column 21: where the tail fan grows
constexpr float kSnoutZ = 0.012f;          // the mouth line, high on the head: the mouth is upturned
constexpr float kSnoutHalfHeight = 0.007f; // the snout's section, hidden inside the lips
constexpr float kSnoutHalfThickness = 0.006f;
constexpr float kBackZ = 0.046f;   // highest point of the back, in front of the dorsal...
constexpr float kBackAt = 0.5f;    // ...as a fraction of the way from snout to tail root
constexpr float kBellyZ = -0.064f; // lowest point of the belly, behind the pectoral fins...
constexpr float kBellyAt = 0.36f;  // ...and where along the body it lies
constexpr float kPeduncleZ = 0.004f;
constexpr float kPeduncleHalfHeight = 0.021f; // a deep stalk: it carries the big tail
constexpr float kForeheadShape = 0.75f;       // < 1: the head fills out quickly behind the snout
constexpr float kRearShape = 1.05f;           // the rear tapers almost straight to the stalk
constexpr float kHalfThickness = 0.027f;      // widest point of the left half, behind the head...
constexpr float kThickestAt = 0.3f;           // ...at this fraction of the body
constexpr float kPeduncleHalfThickness = 0.008f;
constexpr float kSectionShape = 0.9f;

// ---- Body columns ----------------------------------------------------------------------------------
// The body mesh has columns 0 (snout) to 21 (tail root), spaced so that the parts bound to them sit
// where the animal has them: the eye by column 3, the pectoral fins on 12, the ventral fins at
// mid-belly on 16, the dorsal from 17 over the rear half. They are dense over the head and open out
// toward the tail: t = f x + (1 - f) x^4 along the body, with x = column / 21.
constexpr float kColumnLinear = 0.45f; // f
constexpr int kTrunkColumns = kGuppyTailRootColumn + 1;

float ColumnT(float column)
{
    const float x = column / kGuppyTailRootColumn;
    return kColumnLinear * x + (1.0f - kColumnLinear) * x * x * x * x;
}

// The body is two grids: the trunk, four rings from the back over the flank to the belly, from the
// snout to the tail root; and a cap that rounds the top of the small head. Over the trunk's first band
// (the back to a third of the way round) the cap lays two bands on the surface itself, which bulge
// out past the trunk's one flat band by a hair; it shares the band's two edges, and its last column
// lies flat on the trunk, so it ends without a step.
constexpr int kTrunkRows = 4;
constexpr int kCapRows = 3;
constexpr int kCapColumns = 6;
constexpr float kCapAround = 1.0f / (kTrunkRows - 1); // the trunk's first ring below the back

// ---- Dorsal fin: a long flag from the rear half of the back, streaming back over the tail ---------
constexpr int kDorsalFirstColumn = 17;
constexpr int kDorsalFollowing = 6; // fin columns 0..5 follow body columns 17..22, the rest column 21
constexpr int kDorsalColumns = 9;
constexpr int kDorsalRooted = 4;         // fin columns 0..3 grow from the back; the rest trail free
constexpr float kDorsalLeadRun = 0.04f;  // the front corner, back from the first ray's root...
constexpr float kDorsalLeadRise = 0.06f; // ...and above it
constexpr float kDorsalTipX = 0.28f;     // the flag's tip, high over the tail's upper edge
constexpr float kDorsalTipZ = 0.112f;
constexpr float kDorsalTipDepth = 0.012f; // the free lower edge ends this far under the tip
constexpr float kDorsalCrown = 0.008f;    // the upper edge bows up by this much
constexpr float kRootSink = 0.003f;       // fin roots sit this far inside the body, so no seam shows
constexpr float kDorsalPaintFrom = 0.55f; // the flag takes the coloured outer part of the fin paint

// ---- Tail: a broad delta fan, as long as the body and far taller ----------------------------------
constexpr int kTailColumns = 37;
constexpr int kTailRootEntries = 7; // one root point per five columns; the last serves columns 30..36
constexpr int kTailRootDivisor = 5;
constexpr float kTailLength = 0.31f;            // from the fan's centre to the middle of its edge
constexpr float kTailSpread = 30.0f * kDegrees; // half the fan's opening
constexpr float kTailSquare = 0.75f;            // 0: the edge an arc about the centre; 1: upright and straight
constexpr float kTailCornerRound = 0.12f;       // the corner rays this much shorter: rounded corners
constexpr float kTailCup = 0.05f;               // the fan billows out to the left at mid-height
constexpr float kTailRootHalfHeight = 0.019f;
constexpr float kTailRootInset = 0.008f;  // the fan's root, inside the tail root
constexpr float kTailCentreInset = 0.02f; // the fan's centre, ahead of the tail root

// ---- Pectoral fins: small clear paddles behind the gill cover -------------------------------------
constexpr int kPectoralColumn = 12;
constexpr int kPectoralColumns = 12;
constexpr float kPectoralZ = -0.008f;
constexpr float kPectoralBase = 0.016f;
constexpr float kPectoralLength = 0.05f;
constexpr float kPectoralUp = 30.0f * kDegrees;
constexpr float kPectoralDown = 25.0f * kDegrees;
constexpr float kPectoralStandOff = 0.35f;
// The paired fins are clear: they take only the inner part of the fin paint, the pale colour where
// the dorsal meets the body, and leave its coloured outer part to the dorsal.
constexpr float kClearFinPaint = 0.18f;

// ---- Ventral fins: small pointed fins under the middle of the belly -------------------------------
constexpr int kVentralColumn = 16;
constexpr int kVentralColumns = 7;
constexpr float kVentralBase = 0.012f;
constexpr float kVentralLength = 0.038f;
constexpr float kVentralUp = -30.0f * kDegrees; // both rays below the horizontal: the fin points back and down
constexpr float kVentralDown = -60.0f * kDegrees;
constexpr float kVentralStandOff = 0.25f;
constexpr float kVentralRounding = 0.15f;

// ---- Mouth: small lips at the top of the snout; only the lower one gapes --------------------------
constexpr float kMouthTipX = -0.182f; // front of the closed lips
constexpr float kLipStep = 0.006f;    // between lip columns, from the tip backward into the head
constexpr float kLipHalfWidth = 0.0075f;
constexpr float kLipHeight = 0.0075f;
constexpr float kLipTipScale = 0.45f;

// ---- Eyes: big domes on the small head (where and how big: the skin layout) -----------------------
constexpr int kEyeColumn = 3;
constexpr int kEyeColumns = 9; // eight corners and the first again
constexpr float kEyeBulge = 0.005f;

CBodySurface GuppyBody()
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
    shape.peduncleZ = kPeduncleZ;
    shape.peduncleHalfHeight = kPeduncleHalfHeight;
    shape.foreheadShape = kForeheadShape;
    shape.rearShape = kRearShape;
    shape.halfThickness = kHalfThickness;
    shape.thickestAt = kThickestAt;
    shape.peduncleHalfThickness = kPeduncleHalfThickness;
    shape.sectionShape = kSectionShape;
    return CBodySurface(shape, kTrunkColumns, ColumnT);
}

MeshVertex BodyVertex(const CBodySurface& body, float t, float around)
{
    return MakeVertex(body.Point(t, around), body.Normal(t, around), skin::BodyU(t), skin::BodyV(around));
}

// The guppy's lips, upper or lower, from the one set of lip parameters above.
MeshGrid Lip(CFishModel& m, int rows, int columns, bool upper)
{
    return m.Lip(rows, columns, upper, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale);
}

void AddBody(CFishModel& m)
{
    const CBodySurface& body = m.Surface();
    const MeshGrid cap = m.Grid(kCapRows, kCapColumns, [&body](int r, int k) {
        const float t = body.ColumnFraction(static_cast<float>(k));
        MeshVertex v = BodyVertex(body, t, kCapAround * r / (kCapRows - 1.0f));
        if (k == kCapColumns - 1 && r > 0 && r < kCapRows - 1) { // onto the trunk's flat band
            const Vector3 back = body.Point(t, 0.0f);
            const Vector3 below = body.Point(t, kCapAround);
            const float f = static_cast<float>(r) / (kCapRows - 1);
            v.x = back.x + f * (below.x - back.x);
            v.y = back.y + f * (below.y - back.y);
            v.z = back.z + f * (below.z - back.z);
        }
        return v;
    });
    MeshPartSpec& part = m.AddPart("body", m.Body(kTrunkRows, kTrunkColumns), MirrorKind::Bands, PerColumn(0));
    part.grids[1] = cap;
    part.gridCount = 2;
    part.terms[0] = Term(kGuppySway, Axis::Y).OfBodyColumn();
}

// The flag, one ray per column from its root to the upper edge. Rays 0..3 rise from the back at
// body columns 17..20; behind them the root row is the flag's free lower edge, lifting off the back
// and running up to just under the tip, so rays 4 and 5 stand over the tail root (the body columns
// they follow) and rays 6..8 stream out over the tail, which they move with.
FinCurves DorsalFlag(const CBodySurface& body)
{
    auto onBack = [&body](float column) {
        const CBodySurface::Section s = body.ColumnSection(column);
        return Vector3{s.x, 0.0f, s.top - kRootSink};
    };
    const float last = kDorsalColumns - 1.0f;
    const float rooted = kDorsalRooted - 1.0f;
    const Vector3 rootEnd = onBack(kDorsalFirstColumn + rooted);
    const Vector3 front = onBack(kDorsalFirstColumn) + Vector3{kDorsalLeadRun, 0.0f, kDorsalLeadRise};
    const Vector3 tip{kDorsalTipX, 0.0f, kDorsalTipZ};
    const Vector3 tipUnder{kDorsalTipX, 0.0f, kDorsalTipZ - kDorsalTipDepth};

    FinCurves fin;
    fin.root = [onBack, rootEnd, tipUnder, last, rooted](float a) {
        const float column = a * last;
        if (column <= rooted)
            return onBack(kDorsalFirstColumn + column);
        return Lerp(rootEnd, tipUnder, (column - rooted) / (last - rooted));
    };
    fin.edge = [front, tip](float a) {
        return Lerp(front, tip, a) + Vector3{0.0f, 0.0f, kDorsalCrown * std::sin(kPi * a)};
    };
    return fin;
}

// The fan: its root a short line down the stalk, its edge a broad, nearly upright curve whose corners
// round off; the fan billows a little to the left so that it has some body seen from above.
FinCurves TailFan()
{
    FinCurves fin;
    fin.tail = true;
    fin.root = [](float f) {
        return Vector3{kTailRootX - kTailRootInset, 0.0f, kPeduncleZ + kTailRootHalfHeight * (1.0f - 2.0f * f)};
    };
    fin.edge = [](float f) {
        const float corner = std::fabs(2.0f * f - 1.0f); // 0 in the middle, 1 at a corner
        const float angle = kTailSpread * (1.0f - 2.0f * f);
        const float reach = kTailLength * (1.0f + kTailSquare * (1.0f / std::cos(angle) - 1.0f)) *
                            (1.0f - kTailCornerRound * std::pow(corner, 6.0f));
        const Vector3 centre{kTailRootX - kTailCentreInset, 0.0f, kPeduncleZ};
        return centre + Vector3{std::cos(angle) * reach, -kTailCup * std::sin(kPi * f), std::sin(angle) * reach};
    };
    return fin;
}

// A fin's two curves showing only part of the fin paint, from `paintFrom` to `paintTo` of the way out.
FinCurves Painted(FinCurves fin, float paintFrom, float paintTo)
{
    fin.paintFrom = paintFrom;
    fin.paintTo = paintTo;
    return fin;
}

// A two-row fin whose root row holds one point for every `divisor` columns, each sampled where its
// first column lies, so the root stops short of the fin's far end; CFishModel::Fin stretches its
// root points out to that end instead.
MeshGrid FinWithUnstretchedRoot(CFishModel& m, int columns, const FinCurves& fin, int divisor)
{
    return m.Grid(
        2, columns, [&fin, columns](int r, int j) { return fin.Sample(j / (columns - 1.0f), static_cast<float>(r)); },
        divisor);
}

FlankFinShape GuppyPectoral()
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

FlankFinShape GuppyVentral()
{
    FlankFinShape fin{};
    fin.column = kVentralColumn;
    fin.base = kVentralBase;
    fin.length = kVentralLength;
    fin.up = kVentralUp;
    fin.down = kVentralDown;
    fin.standOff = kVentralStandOff;
    fin.rounding = kVentralRounding;
    fin.onBelly = true;
    return fin;
}

CFishModel* BuildGuppy()
{
    auto* model = new CFishModel(skin::kGuppyLayout, GuppyBody());
    CFishModel& m = *model;
    const Axis X = Axis::X, Y = Axis::Y, Z = Axis::Z;

    AddBody(m);

    // Its front rays follow the back column by column; the streaming rear rides on the tail root.
    MeshPartSpec& dorsal =
        m.AddPart("dorsal fin", m.Fin(2, kDorsalColumns, Painted(DorsalFlag(m.Surface()), kDorsalPaintFrom, 1.0f)),
                  MirrorKind::None, {BindingKind::Map, 0, 0});
    dorsal.columnMap = m.PerColumnThenFixed(kDorsalFirstColumn, kDorsalFollowing, kGuppyTailRootColumn, kDorsalColumns);
    dorsal.terms[0] = Term(kGuppySway, Y).OfBodyColumn();
    dorsal.terms[1] = Term(kGuppyDorsalBeat, Y).EdgeRow();

    m.AddPart("lower mouth", Lip(m, 6, 6, false), MirrorKind::Bands, FixedColumn(0)).terms[0] =
        Term(kGuppyGapeA, Z, -1.0f);
    m.AddPart("upper mouth", Lip(m, 6, 4, true), MirrorKind::Bands, FixedColumn(0)).terms[0] = Term(kGuppyGapeB, Z);

    // Both pectorals beat the same way; the right one has its own binding to the same column.
    const MeshGrid pectoral = FinWithUnstretchedRoot(
        m, kPectoralColumns, Painted(FlankFin(m.Surface(), GuppyPectoral()), 0.0f, kClearFinPaint), 2);
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly}) {
        MeshPartSpec& fin = m.AddPart(mirror == MirrorKind::None ? "left pectoral fin" : "right pectoral fin", pectoral,
                                      mirror, FixedColumn(kPectoralColumn));
        fin.terms[0] = Term(kGuppyPectoralBeat, X).EdgeRow();
        fin.terms[1] = Term(kGuppyPectoralBeat, Y).EdgeRow();
    }

    // The ventrals ride on their column's sway and wave as a whole; the right one's wave mirrors.
    const MeshGrid ventral =
        m.Fin(2, kVentralColumns, Painted(FlankFin(m.Surface(), GuppyVentral()), 0.0f, kClearFinPaint));
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly}) {
        const bool right = mirror == MirrorKind::MirroredOnly;
        MeshPartSpec& fin =
            m.AddPart(right ? "right ventral fin" : "left ventral fin", ventral, mirror, FixedColumn(kVentralColumn));
        fin.terms[0] = Term(kGuppySway, Y).Element(kVentralColumn);
        Term wave(kGuppyVentralWave, Y);
        fin.terms[1] = right ? wave.NegatedWhenMirrored() : wave;
    }

    // The tail rides on the tail root's sway, and its edge beats on top of that.
    MeshPartSpec& tail = m.AddPart("tail fin", m.Fin(2, kTailColumns, TailFan(), kTailRootDivisor, kTailRootEntries),
                                   MirrorKind::None, FixedColumn(kGuppyTailRootColumn));
    tail.terms[0] = Term(kGuppySway, Y).Element(kGuppyTailRootColumn);
    tail.terms[1] = Term(kGuppyTailBeat, Y).EdgeRow();

    // Four closed rings from the cornea's top out to the rim on the head; one quad over every second
    // corner of the top ring closes the dome. The mesh radius matches the painted eye's.
    const skin::SpeciesLayout& layout = m.Layout();
    const float radius = layout.eyeRadius * m.Surface().Length() / layout.bodyAspect;
    const MeshGrid eye = m.Eye(kEyeColumns, {0.3f, 0.7f, 0.92f, 1.0f}, {1.0f, 0.8f, 0.42f, 0.05f}, radius, kEyeBulge);
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly}) {
        MeshPartSpec& part =
            m.AddPart(mirror == MirrorKind::None ? "left eye" : "right eye", eye, mirror, FixedColumn(kEyeColumn));
        part.eyeTwitch = true;
        part.capFirstRing = true;
    }
    return model;
}
} // namespace

const MeshPartSpec* GuppyParts(int& partCount)
{
    static const CFishModel* model = BuildGuppy(); // lives for the whole program
    return model->Parts(partCount);
}
