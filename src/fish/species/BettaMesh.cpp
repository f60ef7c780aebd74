// BettaMesh.cpp -- species 8 as mesh data: a slim crimson body under enormous flowing veil fins.
//
// The betta is a slim fish, about 3 : 1 without fins, with a pointed head and a small upturned
// mouth; what makes it is the fins. A tall veil of a dorsal rises from the rear half of the back and
// streams back over the tail; the tail is a huge rounded, gently drooping fan, far taller than the
// body, its edge rippled; the anal fin runs the whole belly from just behind the throat, deepening
// to a long trailing lobe under the tail, its rays curling back as they flow; two long thin ventral
// streamers hang from the throat; small pectorals flutter behind the gill cover, and a little frill
// of gill membrane shows under it. Every part below is computed from the named parameters at the
// top; nothing is a hand-typed coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.18 at the snout
// to x = 0.18 at the tail root, so the fish turns about the middle of its body.
#include "fish/species/BettaMesh.h"

#include "fish/model/FishModel.h"
#include "fish/species/BettaLayout.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

// ---- Body: slim and nearly straight-backed, the belly a little fuller behind the head -------------
constexpr float kHeadX = -0.18f;           // body column 0: the snout, just behind the lips
constexpr float kTailRootX = 0.18f;        // body column 14: where the tail fan grows
constexpr float kSnoutZ = 0.014f;          // the mouth line, high on the head: the mouth is upturned
constexpr float kSnoutHalfHeight = 0.008f; // the snout's section, hidden inside the lips
constexpr float kSnoutHalfThickness = 0.007f;
constexpr float kBackZ = 0.05f;               // highest point of the back, under the dorsal...
constexpr float kBackAt = 0.48f;              // ...as a fraction of the way from snout to tail root
constexpr float kBellyZ = -0.066f;            // lowest point of the belly...
constexpr float kBellyAt = 0.34f;             // ...just behind the ventral fins
constexpr float kPeduncleHalfHeight = 0.027f; // a deep stalk: it carries the huge tail
constexpr float kForeheadShape = 1.05f;       // about 1: the head tapers evenly to a pointed snout
constexpr float kRearShape = 0.85f;
constexpr float kHalfThickness = 0.028f; // widest point of the left half, behind the gill cover...
constexpr float kThickestAt = 0.3f;      // ...at this fraction of the body
constexpr float kPeduncleHalfThickness = 0.009f;
constexpr float kSectionShape = 0.85f;

// ---- Body columns: the head's four steps packed toward the gill cover, the trunk's even ----------
constexpr int kBodyRows = 6;
constexpr int kBodyColumns = kBettaBodyColumns;
constexpr int kHeadColumns = 4;        // column 4, where the anal fin starts, ends the head...
constexpr float kHeadFraction = 0.31f; // ...just behind the gill cover
constexpr float kHeadSpacing = 0.65f;  // below 1: the head's columns crowd toward the gill cover

// ---- Mouth: two small lips at the top of the pointed snout, opened by the gape chains -----------
constexpr float kMouthTipX = -0.191f; // front of the closed lips
constexpr float kLipStep = 0.0048f;   // between lip columns, from the tip backward into the head
constexpr float kLipHalfWidth = 0.0075f;
constexpr float kLipHeight = 0.0068f;
constexpr float kLipTipScale = 0.5f;
constexpr int kGapedLowerColumns = 7; // the lower lip's tip columns that gape; its hinge stays shut

// ---- Dorsal fin: a tall veil from the rear of the back, streaming back over the tail ------------
// Rays 0 .. kDorsalRooted - 1 rise from the back between two body columns; behind them the root row
// is the veil's free lower edge, lifting off the back over the stalk and running out to just under
// the trailing tip, so the rear rays stream out over the top of the tail.
constexpr int kDorsalColumn = 8; // the column the whole fin turns with
constexpr int kDorsalColumns = 23;
constexpr int kDorsalRooted = 13;
constexpr float kDorsalFrom = 7.2f;       // body column of the leading ray's root...
constexpr float kDorsalTo = 11.6f;        // ...and of the last rooted ray
constexpr float kDorsalLeadRun = 0.028f;  // the front corner, back from the leading ray's root...
constexpr float kDorsalLeadRise = 0.086f; // ...and above it
// The upper edge runs from the front corner toward a crest high over the stalk and ends at the
// trailing tip, out over the tail.
constexpr float kDorsalCrestX = 0.13f;
constexpr float kDorsalCrestZ = 0.235f;
constexpr float kDorsalTipX = 0.34f;
constexpr float kDorsalTipZ = 0.118f;
constexpr float kDorsalRipple = 0.007f;    // the upper edge ripples by this much...
constexpr float kDorsalRipples = 2.5f;     // ...this many times along its length
constexpr float kDorsalTipDepth = 0.022f;  // the free lower edge ends this far under the tip...
constexpr float kDorsalUnderBow = 0.012f;  // ...and bows up by this much on its way there
constexpr float kDorsalLean = 0.03f;       // the streaming part leans out to the left, over the tail
constexpr float kDorsalTipPaint = 0.8f;    // the free lower edge takes the outer paint toward the tip
constexpr float kMedianRootSink = 0.0035f; // median fin roots sit this far inside the body

// ---- Anal fin (the "barbels" part): the whole belly from behind the throat, a long trailing lobe --
// Its rays leave the belly raked back, the rake growing toward the rear, and curl back as they go:
// each ray's middle lies forward of the straight line from root to tip.
constexpr int kAnalFirstColumn = 4; // rays on body columns 4 .. 13
constexpr int kAnalRows = 5;
constexpr int kAnalColumns = 10;
constexpr int kAnalWavingRow = 2;       // rows 2 .. 4, the outer part, ripple with the beat
constexpr float kAnalFront = 0.036f;    // the leading ray's length
constexpr float kAnalPeak = 0.165f;     // the longest ray...
constexpr float kAnalPeakAt = 0.82f;    // ...toward the rear
constexpr float kAnalLast = 0.15f;      // the last ray, at the stalk
constexpr float kAnalRise = 1.2f;       // above 1: the fin deepens late, a sloping lower edge
constexpr float kAnalFall = 0.7f;       // below 1: the trailing lobe stays long to the last ray
constexpr float kAnalRakeFront = 0.42f; // radians back from straight down, at the leading ray...
constexpr float kAnalRakeRear = 1.1f;   // ...and at the last
constexpr float kAnalCurl = 0.45f;      // a ray's middle lies a quarter of this times its length forward

// ---- Tail: a huge rounded fan, drooping a little, its edge rippled like a veil -------------------
constexpr int kTailColumns = 25;
constexpr float kTailLength = 0.28f;            // from the fan's centre to the middle of its edge
constexpr float kTailSpread = 64.0f * kDegrees; // half the fan's opening
constexpr float kTailDroop = 14.0f * kDegrees;  // the whole fan tilts down: a veil hangs
constexpr float kTailNotch = -0.08f;            // negative: the middle of the edge stands out, rounded
constexpr float kTailTipReach = -0.2f;          // and the corners round off
constexpr float kTailRootHalfHeight = 0.024f;
constexpr float kTailRootInset = 0.012f;  // the fan's root, inside the stalk
constexpr float kTailCentreInset = 0.03f; // the fan's centre, ahead of the tail root
constexpr float kTailRipple = 0.045f;     // the edge's ripples, in tail lengths...
constexpr float kTailRipples = 3.5f;      // ...and how many run along it
constexpr float kTailCup = 0.035f;        // the fan billows out to the left toward its edge

// ---- Pectoral fins: small fans behind the gill cover, fluttering all the time --------------------
constexpr int kPectoralColumn = 3;
constexpr int kPectoralColumns = 20;
constexpr float kPectoralZ = -0.014f;
constexpr float kPectoralBase = 0.018f;
constexpr float kPectoralLength = 0.042f;
constexpr float kPectoralUp = 35.0f * kDegrees;
constexpr float kPectoralDown = 30.0f * kDegrees;
constexpr float kPectoralStandOff = 0.95f; // far enough out that the beat never folds it into the flank
constexpr float kPectoralRounding = 0.35f;
constexpr float kPectoralPaintTo = 0.45f; // clear-ish: only the paint's inner part

// ---- Ventral fins: two long thin streamers hanging back from the throat --------------------------
// Column 0 is the short rear ray at the back of the base, the last column the long leading ray, so
// the wave, which grows with the column, swings the streamer's tip the most.
constexpr int kVentralColumn = 2;
constexpr int kVentralColumns = 10;
constexpr float kVentralBase = 0.016f;            // along the belly
constexpr float kVentralAround = 0.9f;            // the root, just off the belly's midline
constexpr float kVentralLength = 0.14f;           // the leading ray
constexpr float kVentralRearReach = 0.25f;        // the rear ray, as a fraction of the leading one
constexpr float kVentralTaper = 1.6f;             // above 1: the streamer stays thin until its tip
constexpr float kVentralDroop = 58.0f * kDegrees; // below the horizontal, backward
constexpr float kVentralSplay = 0.28f;            // lateral distance per unit of length: the pair a V
constexpr float kVentralPaintFrom = 0.25f;        // past the blue root: the streamers read red

// ---- Small fins: the frill of gill membrane showing under the gill cover ------------------------
constexpr int kFrillRows = 3;
constexpr int kFrillColumns = 7;
constexpr float kFrillTopAt = 0.245f; // body fraction of the frill's upper end...
constexpr float kFrillTopAround = 0.55f;
constexpr float kFrillThroatAt = 0.185f; // ...and of its lower end, under the throat
constexpr float kFrillThroatAround = 0.93f;
constexpr float kFrillLength = 0.016f; // how far it stands back from the gill slit
constexpr float kFrillRuffle = 0.35f;  // its edge scalloped by this fraction of the length
constexpr float kFrillStandOff = 0.4f; // lateral distance per unit of length
constexpr float kFrillPaintTo = 0.3f;  // the deep inner part of the fin paint

float ColumnFraction(float c)
{
    if (c <= kHeadColumns)
        return kHeadFraction * std::pow(std::max(c, 0.0f) / kHeadColumns, kHeadSpacing);
    return kHeadFraction + (1.0f - kHeadFraction) * (c - kHeadColumns) / (kBodyColumns - 1 - kHeadColumns);
}

CBodySurface BettaBody()
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
    return CBodySurface(shape, kBodyColumns, ColumnFraction);
}

// Point on the midline of the back (or the belly) at a body column, just inside the body.
Vector3 OnOutline(const CBodySurface& body, float column, bool belly)
{
    const CBodySurface::Section s = body.ColumnSection(column);
    return {s.x, 0.0f, belly ? s.bottom + kMedianRootSink : s.top - kMedianRootSink};
}

Vector3 QuadraticBezier(Vector3 p0, Vector3 p1, Vector3 p2, float s)
{
    return p0 * ((1.0f - s) * (1.0f - s)) + p1 * (2.0f * s * (1.0f - s)) + p2 * (s * s);
}

FinCurves DorsalVeil(const CBodySurface& body)
{
    const float rooted = (kDorsalRooted - 1.0f) / (kDorsalColumns - 1.0f); // fraction of the fin on the back
    const Vector3 rootEnd = OnOutline(body, kDorsalTo, false);
    const Vector3 front = OnOutline(body, kDorsalFrom, false) + Vector3{kDorsalLeadRun, 0.0f, kDorsalLeadRise};
    const Vector3 crest{kDorsalCrestX, 0.0f, kDorsalCrestZ};
    const Vector3 tip{kDorsalTipX, 0.0f, kDorsalTipZ};
    const Vector3 under{kDorsalTipX, 0.0f, kDorsalTipZ - kDorsalTipDepth};
    FinCurves fin;
    fin.root = [&body, rooted, rootEnd, under](float a) {
        if (a <= rooted)
            return OnOutline(body, kDorsalFrom + (kDorsalTo - kDorsalFrom) * a / rooted, false);
        const float s = (a - rooted) / (1.0f - rooted);
        return Lerp(rootEnd, under, s) + Vector3{0.0f, 0.0f, kDorsalUnderBow * std::sin(kPi * s)};
    };
    // The upper edge ripples out along its own normal, like the tail's, fading toward both ends.
    fin.edge = [front, crest, tip](float a) {
        const Vector3 d = (crest - front) * (1.0f - a) + (tip - crest) * a;
        const Vector3 out = Normalised({-d.z, 0.0f, d.x});
        const float ripple = kDorsalRipple * std::sin(2.0f * kPi * kDorsalRipples * a) * std::sin(kPi * a);
        return QuadraticBezier(front, crest, tip, a) + out * ripple;
    };
    // Behind the rooted rays the veil leans out to the left, so it lies over the tail, not in it.
    fin.offset = [rooted](float a, float) {
        const float s = std::max(a - rooted, 0.0f) / (1.0f - rooted);
        return Vector3{0.0f, -kDorsalLean * s, 0.0f};
    };
    return fin;
}

// The veil's grid: its free lower edge takes more and more of the outer paint toward the tip, so
// the trailing point is coloured like the rest of the veil's rim.
MeshGrid DorsalGrid(CFishModel& m)
{
    const FinCurves fin = DorsalVeil(m.Surface());
    const float rooted = (kDorsalRooted - 1.0f) / (kDorsalColumns - 1.0f);
    return m.Grid(2, kDorsalColumns, [fin, rooted](int r, int j) {
        const float a = j / (kDorsalColumns - 1.0f);
        const float rootPaint = a <= rooted ? 0.0f : kDorsalTipPaint * (a - rooted) / (1.0f - rooted);
        return MakeVertex(fin.At(a, static_cast<float>(r)), fin.normal, skin::FinU(r == 0 ? rootPaint : 1.0f),
                          skin::FinV(a, false));
    });
}

FinCurves AnalFin(const CBodySurface& body)
{
    const float span = kAnalColumns - 1.0f;
    auto root = [&body, span](float a) { return OnOutline(body, kAnalFirstColumn + a * span, true); };
    auto length = [](float a) { return Lobe(a, kAnalFront, kAnalPeak, kAnalPeakAt, kAnalLast, kAnalRise, kAnalFall); };
    auto rake = [](float a) { return kAnalRakeFront + (kAnalRakeRear - kAnalRakeFront) * a; };
    FinCurves fin;
    fin.root = root;
    fin.edge = [root, length, rake](float a) {
        return root(a) + Vector3{std::sin(rake(a)), 0.0f, -std::cos(rake(a))} * length(a);
    };
    // The curl: a ray's middle lies forward of the straight line, so it leaves the belly steeply and
    // flows back toward its end.
    fin.offset = [length](float a, float b) { return Vector3{-kAnalCurl * length(a) * b * (1.0f - b), 0.0f, 0.0f}; };
    return fin;
}

FinCurves TailVeil(const CBodySurface& body)
{
    TailShape shape;
    shape.length = kTailLength;
    shape.spread = kTailSpread;
    shape.droop = kTailDroop;
    shape.notch = kTailNotch;
    shape.tipReach = kTailTipReach;
    shape.rootHalfHeight = kTailRootHalfHeight;
    shape.rootInset = kTailRootInset;
    shape.centreInset = kTailCentreInset;
    FinCurves fin = TailFan(body, shape);
    // Ripples along the edge, out along each ray, and the billow to the left; both grow from the root.
    fin.offset = [](float a, float b) {
        const float angle = kTailSpread * (1.0f - 2.0f * a) - kTailDroop;
        const float ripple = kTailRipple * kTailLength * std::sin(2.0f * kPi * kTailRipples * a) * b;
        return Vector3{std::cos(angle) * ripple, -kTailCup * std::sin(kPi * a) * b, std::sin(angle) * ripple};
    };
    return fin;
}

FlankFinShape Pectoral()
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

FinCurves VentralStreamer(const CBodySurface& body)
{
    const float x = body.ColumnX(kVentralColumn);
    auto root = [&body, x](float a) {
        float t, around;
        body.Coordinates(x + kVentralBase * (0.5f - a), -1.0f, t, around);
        return body.Point(t, kVentralAround) + Vector3{0.0f, 0.0f, kMedianRootSink};
    };
    const Vector3 direction =
        Normalised({std::cos(kVentralDroop), -kVentralSplay, -std::sin(kVentralDroop)}) * kVentralLength;
    FinCurves fin;
    fin.root = root;
    fin.edge = [root, direction](float a) {
        return root(a) + direction * (kVentralRearReach + (1.0f - kVentralRearReach) * std::pow(a, kVentralTaper));
    };
    fin.normal = fin.PlaneNormal();
    fin.paintFrom = kVentralPaintFrom;
    return fin;
}

// The gill frill: rows from its root along the rear edge of the gill cover out to its scalloped
// edge, columns from the top of the slit down under the throat. It takes the normal of the head.
MeshGrid FrillGrid(CFishModel& m)
{
    const CBodySurface& body = m.Surface();
    return m.Grid(kFrillRows, kFrillColumns, [&body](int r, int j) {
        const float a = j / (kFrillColumns - 1.0f);
        const float b = r / (kFrillRows - 1.0f);
        const float t = kFrillTopAt + (kFrillThroatAt - kFrillTopAt) * a;
        const float around = kFrillTopAround + (kFrillThroatAround - kFrillTopAround) * a;
        const Vector3 n = body.Normal(t, around);
        const float reach = kFrillLength * b * (1.0f - kFrillRuffle * 0.5f * (1.0f - std::cos(4.0f * kPi * a)));
        Vector3 p = body.Point(t, around) + Vector3{reach, -kFrillStandOff * reach, 0.0f};
        p.y = std::min(p.y, 0.0f);
        return MakeVertex(p, n, skin::FinU(kFrillPaintTo * b), skin::FinV(a, false));
    });
}

CFishModel* BuildBetta()
{
    auto* model = new CFishModel(skin::kBettaLayout, BettaBody());
    CFishModel& m = *model;
    const Axis X = Axis::X, Y = Axis::Y, Z = Axis::Z;

    m.AddPart("body", m.Body(kBodyRows, kBodyColumns), MirrorKind::Bands, PerColumn(0)).terms[0] =
        Term(kBettaSway, Y).OfBodyColumn().CarriesSize();

    m.AddPart("upper mouth", m.Lip(4, 7, true, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(0))
        .terms[0] = Term(kBettaGapeB, Z).CarriesSize();
    // The lower lip's eighth column, its hinge in the head, has no gape element of its own.
    m.AddPart("lower mouth", m.Lip(4, 8, false, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(0))
        .terms[0] = Term(kBettaGapeA, Z, -1.0f).Columns(0, kGapedLowerColumns - 1).CarriesSize();

    // The veil turns with one column of the back and ripples at its edge.
    m.AddPart("dorsal fin", DorsalGrid(m), MirrorKind::None, FixedColumn(kDorsalColumn)).terms[0] =
        Term(kBettaDorsalBeat, Y).EdgeRow().CarriesSize();

    // Both pectorals in one part; the mirrored one beats the other way sideways, so the pair opens
    // and closes together.
    FinCurves pectoral = FlankFin(m.Surface(), Pectoral());
    pectoral.paintTo = kPectoralPaintTo;
    MeshPartSpec& pectorals = m.AddPart("pectoral fins", m.Fin(2, kPectoralColumns, pectoral), MirrorKind::Bands,
                                        FixedColumn(kPectoralColumn));
    pectorals.terms[0] = Term(kBettaPectoralBeat, X).EdgeRow().CarriesSize();
    pectorals.terms[1] = Term(kBettaPectoralBeat, Y).EdgeRow().NegatedWhenMirrored().CarriesSize();

    m.AddPart("ventral fins", m.Fin(2, kVentralColumns, VentralStreamer(m.Surface())), MirrorKind::Bands,
              FixedColumn(kVentralColumn))
        .terms[0] = Term(kBettaVentralWave, Y).EdgeRow().NegatedWhenMirrored().CarriesSize();

    // The long anal fin rides on the sway of the belly columns it grows from; its outer rows ripple.
    MeshPartSpec& anal = m.AddPart("barbels", m.Fin(kAnalRows, kAnalColumns, AnalFin(m.Surface())), MirrorKind::None,
                                   PerColumn(kAnalFirstColumn));
    anal.terms[0] = Term(kBettaSway, Y).OfBodyColumn().CarriesSize();
    anal.terms[1] = Term(kBettaBarbelBeat, Y).Rows(kAnalWavingRow, kAnalRows - 1).CarriesSize();

    // The root rides on the sway of the column before the tail root, the edge on the tail root's,
    // and the edge beats on top of that.
    constexpr int kLast = kBodyColumns - 1;
    MeshPartSpec& tail =
        m.AddPart("tail fin", m.Fin(2, kTailColumns, TailVeil(m.Surface())), MirrorKind::None, FixedColumn(kLast));
    tail.terms[0] = Term(kBettaSway, Y).Element(kLast - 1).RootRow().CarriesSize();
    tail.terms[1] = Term(kBettaSway, Y).Element(kLast).EdgeRow().CarriesSize();
    tail.terms[2] = Term(kBettaTailBeat, Y).EdgeRow().CarriesSize();

    // The frill drifts as a whole; the mirrored one drifts the other way sideways. The drift is the
    // one value not yet scaled by the fish's size.
    MeshPartSpec& frill = m.AddPart("small fins", FrillGrid(m), MirrorKind::Bands, FixedColumn(0));
    frill.terms[0] = Term(kBettaDrift, X).Element(0);
    frill.terms[1] = Term(kBettaDrift, Y).Element(0).NegatedWhenMirrored();
    frill.terms[2] = Term(kBettaDrift, Z).Element(0);
    return model;
}
} // namespace

const MeshPartSpec* BettaParts(int& partCount)
{
    static const CFishModel* model = BuildBetta(); // lives for the whole program
    return model->Parts(partCount);
}
