// ArowanaMesh.cpp -- the arowana as mesh data: a long silver blade with an upturned jaw, from a few numbers.
//
// The arowana reads by its outline: a long, flat-sided body four and a half times as long as it is
// deep, its back almost straight from the tip of the jaw to the tail and its belly a shallow keel;
// a big lower jaw whose tip is the highest point of the head, so that the mouth cleft slopes
// steeply down and back below the eye; long dorsal and anal fins set far back, reaching nearly to
// the rounded tail so that the three together make a paddle; long low pectoral fins behind the gill
// cover and small belly fins in front of the anal fin. Every part below is computed from the named
// parameters at the top; nothing is a hand-typed coordinate.
//
// Which fin each part is: the part bound to body column 1, a pair drawn with mirrored bands, is the
// pectoral pair behind the gill cover ("anal fin" in the part list); the pair bound to the mean of
// columns 5 and 6 is the belly fins ("pectoral fins"); the single fin mapped onto columns 7 and 8
// hangs under the rear of the belly and is the anal fin ("ventral fins"). Each thus sits where its
// binding turns and sways it.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.212 at the
// corner of the mouth to x = 0.23 at the tail root and the jaws reach on to x = -0.258, so the fish
// turns about the middle of its body.
//
// Body columns are not evenly spaced (ColumnT): column 1 lies at the back of the head, and from
// there the steps shorten toward the tail, which bends most, so that the columns the dorsal (5 to
// 7) and anal fins (7 and 8) follow lie over the back third of the body.
#include "fish/species/ArowanaMesh.h"

#include "fish/model/FishModel.h"
#include "fish/model/SpeciesLayouts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

constexpr int kBodyRows = 5;
constexpr int kBodyColumns = kArowanaBodyColumns;
constexpr int kLastColumn = kBodyColumns - 1;

// ---- Body: a long blade, straight along the back, a shallow keel below ------------------------------
// The body begins at the corner of the mouth: the jaws in front of it close the head.
constexpr float kHeadX = -0.212f;   // body column 0: the hinge of the jaws
constexpr float kTailRootX = 0.23f; // body column 11: where the tail fan grows
constexpr float kSnoutZ = 0.0185f;  // the head's section at the hinge: from 0.041 down to -0.004
constexpr float kSnoutHalfHeight = 0.0225f;
constexpr float kSnoutHalfThickness = 0.011f;
constexpr float kBackZ = 0.047f; // highest point of the back: hardly above the jaw's tip...
constexpr float kBackAt = 0.55f; // ...as a fraction of the way from snout to tail root
// Lowest point of the belly: 0.107 below the back, so the fish (0.49 from the jaw's tip to the
// tail root) is 4.6 times as long as it is deep.
constexpr float kBellyZ = -0.060f;
constexpr float kBellyAt = 0.52f;
constexpr float kPeduncleZ = 0.0f;
constexpr float kPeduncleHalfHeight = 0.021f; // a short, deep stalk under the rear fins
constexpr float kForeheadShape = 0.8f;        // below 1: the throat drops on from the chin
constexpr float kRearShape = 0.85f;
constexpr float kHalfThickness = 0.019f; // a flat-sided blade: less than half as thick as deep...
constexpr float kThickestAt = 0.3f;      // ...thickest behind the gill cover
constexpr float kPeduncleHalfThickness = 0.008f;
constexpr float kSectionShape = 0.7f; // below 1: flat flanks

// ---- Body columns: column 1 at the back of the head, then steps that shorten toward the tail --------
constexpr float kHeadFraction = skin::kArowanaGillCoverAlong; // body column 1, at the gill cover
constexpr float kFrontStep = 1.2f; // the first trunk step, against the mean; the last is 2 - this

// ---- Jaws: a big lower jaw whose tip is the top of the head; the cleft slopes down to the hinge ----
// Each jaw is a shell from its tip back to the body's front section, where it meets the body
// seamlessly: the upper jaw over the head from the ridge to the cleft, the lower from the cleft to
// the keel of the chin. Their skin is the first column of the body's picture, so each jaw row
// carries the colour of the body row it meets.
constexpr int kJawColumns = 5; // from the tip (column 0, where the gape is widest) to the hinge
constexpr float kJawTipX = -0.258f;
constexpr float kJawTipZ = 0.044f;
constexpr float kJawTipRise = 0.002f;      // the tip's section: above the cleft...
constexpr float kJawTipDrop = 0.004f;      // ...below it...
constexpr float kJawTipHalfWidth = 0.003f; // ...and across
constexpr float kJawFullness = 0.75f;      // below 1: the jaws fill out soon behind the tip

// ---- Dorsal and anal fins: long, low in front, rising to a rounded lobe that nearly meets the tail --
// Rays rise along the back (or the belly) between two body columns, evenly, leaning back.
struct RayLengths
{
    float first, peak, peakAt, last; // from ray 0 to the last; the longest at fraction peakAt
    float rise, fall;                // lobe exponents: below 1 a full, rounded outline
};
struct RearFinShape
{
    float firstColumn, lastColumn; // ray 0 and the last ray (the anal fin's run from back to front)
    bool hangs;
    RayLengths length;
    float rake0, rake1; // radians back from upright, of ray 0 and of the last ray
};
// Rays 0-1 follow column 5, 2-4 column 6 and 5-7 the mean of 6 and 7; the last rays stand a little
// behind their column so that the fin's base reaches back over the stalk, and lie back along it.
constexpr RearFinShape kDorsal{
    5.0f, 7.6f, false, {0.02f, 0.082f, 0.72f, 0.062f, 1.0f, 0.8f}, 42.0f * kDegrees, 76.0f * kDegrees};
// Rays 0-2 follow column 8, 3-4 the mean of 7 and 8, 5-6 column 7: ray 0 is the fin's rear, the
// longest, lying back under the stalk.
constexpr RearFinShape kAnal{
    9.0f, 6.4f, true, {0.064f, 0.088f, 0.28f, 0.022f, 0.8f, 1.0f}, 76.0f * kDegrees, 42.0f * kDegrees};
constexpr float kRearFinRootSink = 0.003f;

// ---- Tail: a rounded fan ----------------------------------------------------------------------------
constexpr float kTailLength = 0.088f;
constexpr float kTailSpread = 42.0f * kDegrees; // half the fan's opening
constexpr float kTailRounding = -0.22f;         // a negative notch: the middle rays reach furthest
constexpr float kTailTipReach = -0.15f;         // and the corners round off
constexpr float kTailRootHalfHeight = 0.02f;
constexpr float kTailRootInset = 0.008f;
constexpr float kTailCentreInset = 0.018f;

// ---- Pectoral fins: long and narrow, low on the flank behind the gill cover (body column 1) ---------
constexpr float kPectoralColumn = 1.15f;
constexpr float kPectoralZ = -0.030f;           // middle of the base, near the belly
constexpr float kPectoralBase = 0.010f;         // height of the base along the flank
constexpr float kPectoralLength = 0.085f;       // the leading (top) ray; the others shorten toward the bottom
constexpr float kPectoralTaper = 0.55f;         // the last ray, against the leading one
constexpr float kPectoralUp = -6.0f * kDegrees; // the leading ray, from the horizontal
constexpr float kPectoralDown = -38.0f * kDegrees;
constexpr float kPectoralStandOff = 0.28f; // lateral distance per unit of length

// ---- Belly fins: small fans under the belly, ahead of the anal fin (bound to columns 5 and 6) ------
constexpr float kBellyFinColumn = 5.0f;
constexpr float kBellyFinBase = 0.018f;
constexpr float kBellyFinLength = 0.040f;
constexpr float kBellyFinUp = -62.0f * kDegrees; // the leading ray
constexpr float kBellyFinDown = -22.0f * kDegrees;
constexpr float kBellyFinStandOff = 0.3f;
constexpr float kBellyFinRounding = 0.2f;

// ---- Eyes: large domes high on the head, behind the hinge (where: the skin layout) -------------------
constexpr int kEyeColumns = 5; // four corners and the first again
constexpr float kEyeInner = 0.55f;
constexpr float kEyeBulge = 0.006f;

constexpr const skin::SpeciesLayout& kLayout = skin::kArowanaLayout;

// Fraction of the body (0 snout .. 1 tail root) at body column k, fractional columns between.
float ColumnT(float k)
{
    if (k <= 1.0f)
        return kHeadFraction * k;
    const float s = (k - 1.0f) / (kLastColumn - 1.0f);
    return kHeadFraction + (1.0f - kHeadFraction) * s * (kFrontStep - (kFrontStep - 1.0f) * s);
}

CBodySurface ArowanaBody()
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
    return CBodySurface(shape, kBodyColumns, ColumnT);
}

// One jaw: columns from the tip (0) to the hinge, rows from the head's ridge down to the cleft
// (upper) or from the cleft down to the keel of the chin (lower). Each row runs from the tip's
// small section to the body's front section, where the jaw's last column lies on the body; the
// ridge and the keel lie on the midline, where the mirrored band joins.
MeshGrid JawGrid(CFishModel& model, int rows, bool upper)
{
    const CBodySurface& body = model.Surface();
    constexpr float cleftAround = skin::kArowanaCleftAround; // on the body's front section
    // The shell at s (tip 0 .. hinge 1) and f (0 .. 1 down the jaw's rows).
    auto around = [upper](float f) { return upper ? f * cleftAround : cleftAround + f * (1.0f - cleftAround); };
    auto shell = [&body, upper, around](float s, float f) {
        const float angle = 0.5f * kPi * ((upper ? 0.0f : 1.0f) + f);
        const float c = std::cos(angle);
        const Vector3 tip{kJawTipX, -kJawTipHalfWidth * std::sin(angle),
                          kJawTipZ + (c >= 0.0f ? kJawTipRise : kJawTipDrop) * c};
        return Lerp(tip, body.Point(0.0f, around(f)), std::pow(s, kJawFullness));
    };
    return model.Grid(rows, kJawColumns, [&body, &shell, &around, rows, upper](int r, int j) {
        const float s = static_cast<float>(j) / (kJawColumns - 1);
        const float f = static_cast<float>(r) / (rows - 1);
        Vector3 p = shell(s, f);
        if (r == (upper ? 0 : rows - 1))
            p.y = 0.0f;
        Vector3 n;
        if (j == kJawColumns - 1) {
            n = body.Normal(0.0f, around(f));
        } else {
            // The outward normal from the shell's own slopes (clamped inside its ends).
            constexpr float h = 1e-3f;
            const float sc = std::clamp(s, h, 1.0f - h);
            const float fc = std::clamp(f, h, 1.0f - h);
            n = Normalised(Cross(shell(sc + h, fc) - shell(sc - h, fc), shell(sc, fc + h) - shell(sc, fc - h)));
            const float angle = 0.5f * kPi * ((upper ? 0.0f : 1.0f) + fc);
            if (n.y * -std::sin(angle) + n.z * std::cos(angle) < 0.0f)
                n = n * -1.0f;
            if (j == 0) // the tip rounds off forward
                n = Normalised(n + Vector3{-0.7f, 0.0f, 0.0f});
        }
        return MakeVertex(p, n, skin::BodyU(0.0f), skin::BodyV(around(f)));
    });
}

// A median fin of evenly spaced rays from firstColumn to lastColumn, each leaning back by a rake
// that turns from rake0 to rake1 along the fin, with a length that rises and falls along it.
FinCurves RearFin(const CBodySurface& body, const RearFinShape& shape)
{
    FinCurves fin;
    const float up = shape.hangs ? -1.0f : 1.0f;
    fin.root = [&body, shape, up](float a) {
        const CBodySurface::Section s =
            body.ColumnSection(shape.firstColumn + a * (shape.lastColumn - shape.firstColumn));
        return Vector3{s.x, 0.0f, (shape.hangs ? s.bottom : s.top) - up * kRearFinRootSink};
    };
    fin.edge = [root = fin.root, shape, up](float a) {
        const RayLengths& l = shape.length;
        const float length = Lobe(a, l.first, l.peak, l.peakAt, l.last, l.rise, l.fall);
        const float rake = shape.rake0 + (shape.rake1 - shape.rake0) * a;
        return root(a) + Vector3{std::sin(rake), 0.0f, up * std::cos(rake)} * length;
    };
    return fin;
}

const ColumnBinding* RearFinMap(CFishModel& model, const std::vector<ColumnBinding>& runs,
                                const std::vector<int>& repeats)
{
    std::vector<ColumnBinding> map;
    for (size_t i = 0; i < runs.size(); ++i)
        map.insert(map.end(), repeats[i], runs[i]);
    return model.Map(map);
}

TailShape ArowanaTail()
{
    TailShape tail;
    tail.length = kTailLength;
    tail.spread = kTailSpread;
    tail.notch = kTailRounding;
    tail.tipReach = kTailTipReach;
    tail.rootHalfHeight = kTailRootHalfHeight;
    tail.rootInset = kTailRootInset;
    tail.centreInset = kTailCentreInset;
    tail.centreZ = kPeduncleZ;
    return tail;
}

// A long, pointed pectoral: its leading ray on top is the longest, the rest shorten and drop.
FinCurves Pectoral(const CBodySurface& body)
{
    FlankFinShape shape{};
    shape.column = kPectoralColumn;
    shape.z = kPectoralZ;
    shape.base = kPectoralBase;
    shape.length = kPectoralLength;
    shape.up = kPectoralUp;
    shape.down = kPectoralDown;
    shape.standOff = kPectoralStandOff;
    FinCurves fin = FlankFin(body, shape);
    fin.edge = [root = fin.root](float f) {
        const float angle = kPectoralUp + f * (kPectoralDown - kPectoralUp);
        const float length = kPectoralLength * (1.0f - (1.0f - kPectoralTaper) * std::pow(f, 0.7f));
        return root(f) + Vector3{std::cos(angle), -kPectoralStandOff, std::sin(angle)} * length;
    };
    return fin;
}

FinCurves BellyFin(const CBodySurface& body)
{
    FlankFinShape shape{};
    shape.column = kBellyFinColumn;
    shape.base = kBellyFinBase;
    shape.length = kBellyFinLength;
    shape.up = kBellyFinUp;
    shape.down = kBellyFinDown;
    shape.standOff = kBellyFinStandOff;
    shape.rounding = kBellyFinRounding;
    shape.onBelly = true;
    return FlankFin(body, shape);
}

CFishModel* BuildArowana()
{
    auto* model = new CFishModel(kLayout, ArowanaBody());
    CFishModel& m = *model;
    const Axis Y = Axis::Y, Z = Axis::Z;

    m.AddPart("body", m.Body(kBodyRows, kBodyColumns), MirrorKind::Bands, PerColumn(0)).terms[0] =
        Term(kArowanaSway, Y).OfBodyColumn().CarriesSize();
    m.AddPart("upper mouth", JawGrid(m, 4, true), MirrorKind::Bands, FixedColumn(0)).terms[0] =
        Term(kArowanaGapeB, Z).CarriesSize();
    m.AddPart("lower mouth", JawGrid(m, 2, false), MirrorKind::Bands, FixedColumn(0)).terms[0] =
        Term(kArowanaGapeA, Z, -1.0f).CarriesSize();

    MeshPartSpec& dorsal =
        m.AddPart("dorsal fin", m.Fin(2, 8, RearFin(m.Surface(), kDorsal)), MirrorKind::None, {BindingKind::Map, 0, 0});
    dorsal.columnMap = RearFinMap(m, {OnColumn(5), OnColumn(6), OnMean(6, 7)}, {2, 3, 3});
    dorsal.terms[0] = Term(kArowanaSway, Y).OfBodyColumn().CarriesSize();
    dorsal.terms[1] = Term(kArowanaDorsalBeat, Y).EdgeRow().CarriesSize();

    // The pectorals ride on the head's column, which does not sway; the wave flaps the left fin's
    // edge out (-y) and, negated, the right fin's out too.
    m.AddPart("anal fin", m.Fin(2, 9, Pectoral(m.Surface())), MirrorKind::Bands, FixedColumn(1)).terms[0] =
        Term(kArowanaAnalWave, Y, -1.0f).EdgeRow().NegatedWhenMirrored().CarriesSize();

    // The belly fins sway with the body on both sides (the same way); their wave mirrors.
    MeshPartSpec& belly =
        m.AddPart("pectoral fins", m.Fin(2, 8, BellyFin(m.Surface())), MirrorKind::Bands, MeanOf(5, 6));
    belly.terms[0] = Term(kArowanaSway, Y).OfBodyColumn().CarriesSize();
    belly.terms[1] = Term(kArowanaPectoralWave, Y).EdgeRow().NegatedWhenMirrored().CarriesSize();

    MeshPartSpec& anal =
        m.AddPart("ventral fins", m.Fin(2, 7, RearFin(m.Surface(), kAnal)), MirrorKind::None, {BindingKind::Map, 0, 0});
    anal.columnMap = RearFinMap(m, {OnColumn(8), OnMean(7, 8), OnColumn(7)}, {3, 2, 2});
    anal.terms[0] = Term(kArowanaSway, Y).OfBodyColumn().CarriesSize();
    anal.terms[1] = Term(kArowanaVentralBeat, Y).EdgeRow().CarriesSize();

    // The tail rides on the sway of the column before the tail root, and its edge beats on top.
    MeshPartSpec& tail = m.AddPart("tail fin", m.Fin(2, 13, TailFan(m.Surface(), ArowanaTail())), MirrorKind::None,
                                   FixedColumn(kLastColumn));
    tail.terms[0] = Term(kArowanaSway, Y).Element(kLastColumn - 1).CarriesSize();
    tail.terms[1] = Term(kArowanaTailBeat, Y).EdgeRow().CarriesSize();

    // Three closed rings: the rim on the head, an inner ring and the cornea's peak. The mesh radius
    // is the painted eye's, so the rim lands on the painted rim.
    const float eyeRadius = kLayout.eyeRadius * m.Surface().Length() / kLayout.bodyAspect;
    m.AddPart("eyes", m.Eye(kEyeColumns, {1.0f, kEyeInner, 0.0f}, {0.1f, 0.7f, 1.0f}, eyeRadius, kEyeBulge),
              MirrorKind::Bands, FixedColumn(0));
    return model;
}
} // namespace

const MeshPartSpec* ArowanaParts(int& partCount)
{
    static const CFishModel* model = BuildArowana(); // lives for the whole program
    return model->Parts(partCount);
}
