// BlueTangMesh.cpp -- the blue tang as mesh data: a compressed blue oval with a yellow tail.
//
// From the side the tang is an oval about 1.7 times as long as it is deep, with a small pointed
// snout, a large eye set high behind it, a long low dorsal fin running the whole back and an anal
// fin under the rear half; a narrow stalk carries a small, slightly crescent tail. Its pectoral
// fins are yellow, pointed and swept back. Every part below is computed from the named parameters
// at the top; nothing is a hand-typed coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.2 at the snout
// to x = 0.2 at the tail root, so the fish turns about the middle of its body. Body column k lies
// at k / 13 of the way from snout to tail root.
#include "fish/species/BlueTangMesh.h"

#include "fish/model/FishModel.h"
#include "fish/model/SpeciesLayouts.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {
constexpr float kDegrees = 3.14159265f / 180.0f;

// ---- Body: a deep oval from the side, a thin lens from above --------------------------------------
constexpr float kHeadX = -0.2f;            // body column 0: the snout, just behind the lips
constexpr float kTailRootX = 0.2f;         // body column 13: where the tail grows
constexpr float kSnoutZ = -0.004f;         // height of the closed mouth line, a little below the middle
constexpr float kSnoutHalfHeight = 0.011f; // the snout's section, hidden inside the lips
constexpr float kSnoutHalfThickness = 0.007f;
constexpr float kBackZ = 0.121f;             // highest point of the back...
constexpr float kBackAt = 0.42f;             // ...as a fraction of the way from snout to tail root
constexpr float kBellyZ = -0.114f;           // lowest point of the belly...
constexpr float kBellyAt = 0.46f;            // ...and where along the body it lies
constexpr float kPeduncleHalfHeight = 0.02f; // the slender stalk in front of the tail
constexpr float kForeheadShape = 0.9f;       // outline exponent toward the snout: a steep, full face
constexpr float kRearShape = 0.9f;           // toward the tail: a full rear that narrows quickly
constexpr float kHalfThickness = 0.037f;     // widest point of the left half, behind the gill cover...
constexpr float kThickestAt = 0.3f;          // ...at this fraction of the body
constexpr float kPeduncleHalfThickness = 0.01f;
constexpr float kSectionShape = 0.8f; // cross-section exponent: below 1 flatter flanks

constexpr int kBodyRows = 9;
constexpr int kBodyColumns = kBlueTangBodyColumns;
constexpr int kLastColumn = kBodyColumns - 1;

// ---- Mouth: two small lips at the tip of the snout, opened at the tip by the gape chains ----------
// The gape grows toward the lips' last column, so the tip is the last column, not the first.
constexpr int kLowerLipRows = 4;
constexpr int kUpperLipRows = 6;
constexpr int kLipColumns = 4;        // one per gape element
constexpr float kMouthTipX = -0.218f; // front of the closed lips
constexpr float kLipStep = 0.008f;    // between lip columns
constexpr float kLipHalfWidth = 0.008f;
constexpr float kLipHeight = 0.009f; // each lip, from the mouth line to its ridge
constexpr float kLipTipScale = 0.5f; // the lips narrow to this at the tip

// ---- Dorsal fin: a long low sail from behind the head to the stalk --------------------------------
// Ray j rises from a point j / 11 of the way from between body columns 2 and 3 to between columns
// 11 and 12, so its ten gaps cover 10 / 11 of that run: from column 2.5 to column 10.68.
constexpr int kDorsalColumns = 11;
constexpr float kDorsalFirstColumn = 2.5f;
constexpr float kDorsalRun = 9.0f;           // body columns from the first anchor (2.5) to the second (11.5)
constexpr float kDorsalFrontHeight = 0.022f; // the short front spines
constexpr float kDorsalPeak = 0.048f;        // the soft rays toward the rear...
constexpr float kDorsalPeakAt = 0.72f;       // ...tallest here
constexpr float kDorsalRearHeight = 0.014f;  // the last ray, just before the stalk
constexpr float kDorsalRake = 0.6f;          // radians back from upright

// ---- Anal fin: the dorsal's mirror under the rear half --------------------------------------------
constexpr int kAnalColumns = 6;
constexpr int kAnalFirstColumn = 6; // body columns 6..11, behind the vent
constexpr float kAnalFrontHeight = 0.026f;
constexpr float kAnalPeak = 0.045f;
constexpr float kAnalPeakAt = 0.6f;
constexpr float kAnalRearHeight = 0.014f;
constexpr float kAnalRake = 0.65f;

// ---- Tail: a small fan with a shallow crescent edge and pointed corners ---------------------------
constexpr int kTailColumns = 6;
constexpr int kTailRootDivisor = 3; // two root points: the top and the bottom of the stalk
constexpr float kTailLength = 0.11f;
constexpr float kTailSpread = 38.0f * kDegrees;
constexpr float kTailNotch = 0.2f;     // the middle of the edge falls back: a crescent
constexpr float kTailTipReach = 0.12f; // the corners draw out into short points
constexpr float kTailRootHalfHeight = 0.019f;
constexpr float kTailRootInset = 0.008f;
constexpr float kTailCentreInset = 0.02f;

// ---- Pectoral fins: yellow, pointed, swept back from behind the gill cover ------------------------
constexpr int kPectoralColumns = 8;
constexpr int kPectoralColumn = 3;
constexpr int kPectoralWavingColumns = 7; // its last ray holds still
constexpr float kPectoralZ = -0.008f;     // middle of the fin's base
constexpr float kPectoralBase = 0.022f;   // height of the base along the flank
constexpr float kPectoralLength = 0.09f;
constexpr float kPectoralUp = 24.0f * kDegrees;
constexpr float kPectoralDown = -2.0f * kDegrees;
constexpr float kPectoralStandOff = 0.28f;
constexpr float kPectoralRounding = 0.55f; // the middle rays much longer: a pointed blade

// ---- Ventral fins: small fans under the chest -----------------------------------------------------
constexpr int kVentralColumns = 15;
constexpr int kVentralRootDivisor = 3;
constexpr int kVentralColumn = 3;
constexpr float kVentralBase = 0.03f;
constexpr float kVentralLength = 0.048f;
constexpr float kVentralUp = -30.0f * kDegrees;
constexpr float kVentralDown = -72.0f * kDegrees;
constexpr float kVentralStandOff = 0.2f;

// ---- Eyes: large domes high on the head (where: the skin layout) ----------------------------------
// Three rings of nine columns (eight corners and the first again); the first ring holds one entry
// for every two columns, so it is the cornea's peak, a single point.
constexpr int kEyeColumns = 9;
constexpr int kEyePeakDivisor = 2;
constexpr int kEyeColumn = 1;
constexpr float kEyeRadius = 0.018f;
constexpr float kEyeInner = 0.55f;
constexpr float kEyeBulge = 0.008f;

// ---- Fin paint: where each fin samples the skin's fin strip (0 root .. 1 free edge) ---------------
// The strip is painted blue, with a black band just past the middle and yellow at its outer end.
// Dorsal, anal and ventral fins run from the blue into the black band, so they darken at the edge;
// the pectorals lie wholly in the yellow. The tail's strip is yellow fading to a black rim, which
// only its two corner rays reach: the crescent's horns are edged black, its middle stays yellow.
constexpr float kMedianFinPaint = 0.52f;
constexpr float kPectoralPaint0 = 0.9f, kPectoralPaint1 = 1.0f;
constexpr float kTailPaint = 0.3f;
constexpr float kTailCornerPaint = 1.0f;

CBodySurface BlueTangBody()
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

// A fin whose root holds one entry for every `divisor` columns, stretched so the last entry lies at
// the root's far end, each entry keeping the paint of the column it is stored for. The fin builder
// paints an entry at its place along the stretched root instead, which fans the paint's ray streaks
// out differently on the ventral fins and the tail. edgePaint, where given, sets column j's paint at
// the edge in place of the fin's paintTo, for rays painted differently from their neighbours.
MeshGrid StretchedRootFin(CFishModel& model, int rows, int cols, const FinCurves& curves, int divisor,
                          const std::function<float(int j)>& edgePaint = nullptr)
{
    const int entries = (cols + divisor - 1) / divisor;
    const float last = static_cast<float>((entries - 1) * divisor) / (cols - 1);
    FinCurves fin = curves;
    fin.root = [root = curves.root, last](float a) { return root(std::min(1.0f, a / last)); };
    return model.Grid(
        rows, cols,
        [&, fin](int r, int j) {
            const float a = static_cast<float>(j) / (cols - 1);
            const float b = static_cast<float>(r) / (rows - 1);
            const float end = edgePaint ? edgePaint(j) : fin.paintTo;
            return MakeVertex(fin.At(a, b), fin.normal, skin::FinU(fin.paintFrom + (end - fin.paintFrom) * b),
                              skin::FinV(a, fin.tail));
        },
        divisor);
}

// A median fin painted from the strip's root side into its black band.
FinCurves ProfiledFin(const CBodySurface& body, float firstColumn, float span, bool hangs, float h0, float peak,
                      float peakAt, float h1, float rake)
{
    MedianFinShape shape{firstColumn, span, hangs};
    shape.h0 = h0;
    shape.peak = peak;
    shape.peakAt = peakAt;
    shape.h1 = h1;
    shape.rake = rake;
    FinCurves fin = MedianFin(body, shape);
    fin.paintTo = kMedianFinPaint;
    return fin;
}

// Column j of the dorsal fin: a - j (a - b) / 11, a the mean of columns 2 and 3, b of 11 and 12.
const ColumnBinding* DorsalMap(CFishModel& model)
{
    std::vector<ColumnBinding> map;
    for (int j = 0; j < kDorsalColumns; ++j) {
        ColumnBinding column = OnMean(2, 3);
        column.b1 = 11;
        column.b2 = 12;
        column.t = static_cast<float>(j) / kDorsalColumns;
        map.push_back(column);
    }
    return model.Map(map);
}

void AddDorsalFin(CFishModel& m)
{
    const float span = kDorsalRun * (kDorsalColumns - 1) / kDorsalColumns;
    const FinCurves fin = ProfiledFin(m.Surface(), kDorsalFirstColumn, span, false, kDorsalFrontHeight, kDorsalPeak,
                                      kDorsalPeakAt, kDorsalRearHeight, kDorsalRake);
    MeshPartSpec& part =
        m.AddPart("dorsal fin", m.Fin(2, kDorsalColumns, fin), MirrorKind::None, {BindingKind::Map, 0, 0});
    part.columnMap = DorsalMap(m);
    part.terms[0] = Term(kBlueTangSway, Axis::Y).OfBodyColumn();
    part.terms[1] = Term(kBlueTangDorsalBeat, Axis::Y).EdgeRow();
}

void AddPectoralFins(CFishModel& m)
{
    FlankFinShape shape{};
    shape.column = kPectoralColumn;
    shape.z = kPectoralZ;
    shape.base = kPectoralBase;
    shape.length = kPectoralLength;
    shape.up = kPectoralUp;
    shape.down = kPectoralDown;
    shape.standOff = kPectoralStandOff;
    shape.rounding = kPectoralRounding;
    FinCurves blade = FlankFin(m.Surface(), shape);
    blade.paintFrom = kPectoralPaint0;
    blade.paintTo = kPectoralPaint1;
    const MeshGrid grid = m.Fin(2, kPectoralColumns, blade);
    // Both fins scull the same way: the right one's wave is not negated.
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly}) {
        MeshPartSpec& fin = m.AddPart(mirror == MirrorKind::None ? "left pectoral fin" : "right pectoral fin", grid,
                                      mirror, FixedColumn(kPectoralColumn));
        const int last = kPectoralWavingColumns - 1;
        fin.terms[0] = Term(kBlueTangPectoralWave, Axis::X, 4.0f).Columns(0, last);
        fin.terms[1] = Term(kBlueTangPectoralWave, Axis::Y).Columns(0, last);
        fin.terms[2] = Term(kBlueTangPectoralWave, Axis::Z, 2.0f).Columns(0, last);
    }
}

void AddVentralFins(CFishModel& m)
{
    FlankFinShape shape{};
    shape.column = kVentralColumn;
    shape.base = kVentralBase;
    shape.length = kVentralLength;
    shape.up = kVentralUp;
    shape.down = kVentralDown;
    shape.standOff = kVentralStandOff;
    shape.onBelly = true;
    FinCurves fin = FlankFin(m.Surface(), shape);
    fin.paintTo = kMedianFinPaint;
    const MeshGrid grid = StretchedRootFin(m, 2, kVentralColumns, fin, kVentralRootDivisor);
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly}) {
        MeshPartSpec& part = m.AddPart(mirror == MirrorKind::None ? "left ventral fin" : "right ventral fin", grid,
                                       mirror, FixedColumn(kVentralColumn));
        part.terms[0] = Term(kBlueTangSway, Axis::Y).Element(kVentralColumn);
        // The pair waves in opposite directions; the sway under them is the same for both.
        Term wave = Term(kBlueTangVentralWave, Axis::Y).EdgeRow().DividedBy(kVentralRootDivisor);
        part.terms[1] = mirror == MirrorKind::None ? wave : wave.NegatedWhenMirrored();
    }
}

void AddTailFin(CFishModel& m)
{
    TailShape shape;
    shape.length = kTailLength;
    shape.spread = kTailSpread;
    shape.notch = kTailNotch;
    shape.tipReach = kTailTipReach;
    shape.rootHalfHeight = kTailRootHalfHeight;
    shape.rootInset = kTailRootInset;
    shape.centreInset = kTailCentreInset;
    FinCurves fin = TailFan(m.Surface(), shape);
    fin.paintTo = kTailPaint;
    const MeshGrid grid = StretchedRootFin(m, 2, kTailColumns, fin, kTailRootDivisor, [](int j) {
        return j == 0 || j == kTailColumns - 1 ? kTailCornerPaint : kTailPaint;
    });
    // Its top ray follows the column before the tail root, the rest the tail root itself.
    std::vector<ColumnBinding> map(kTailColumns, OnColumn(kLastColumn));
    map[0] = OnColumn(kLastColumn - 1);
    MeshPartSpec& tail = m.AddPart("tail fin", grid, MirrorKind::None, {BindingKind::Map, 0, 0});
    tail.columnMap = m.Map(map);
    tail.terms[0] = Term(kBlueTangSway, Axis::Y).OfBodyColumn();
}

CFishModel* BuildBlueTang()
{
    auto* model = new CFishModel(skin::kSpeciesLayouts[6], BlueTangBody());
    CFishModel& m = *model;
    const Axis Y = Axis::Y, Z = Axis::Z;

    m.AddPart("body", m.Body(kBodyRows, kBodyColumns), MirrorKind::Bands, PerColumn(0)).terms[0] =
        Term(kBlueTangSway, Y).OfBodyColumn();
    const MeshGrid lower =
        m.Lip(kLowerLipRows, kLipColumns, false, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale, true);
    const MeshGrid upper =
        m.Lip(kUpperLipRows, kLipColumns, true, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale, true);
    m.AddPart("lower mouth", lower, MirrorKind::Bands, FixedColumn(0)).terms[0] = Term(kBlueTangGapeA, Z, -1.0f);
    m.AddPart("upper mouth", upper, MirrorKind::Bands, FixedColumn(0)).terms[0] = Term(kBlueTangGapeB, Z);

    AddDorsalFin(m);
    AddPectoralFins(m);
    AddVentralFins(m);

    const FinCurves anal = ProfiledFin(m.Surface(), static_cast<float>(kAnalFirstColumn), kAnalColumns - 1.0f, true,
                                       kAnalFrontHeight, kAnalPeak, kAnalPeakAt, kAnalRearHeight, kAnalRake);
    m.AddPart("anal fin", m.Fin(2, kAnalColumns, anal), MirrorKind::None, PerColumn(kAnalFirstColumn)).terms[0] =
        Term(kBlueTangSway, Y).OfBodyColumn();
    AddTailFin(m);

    // The cornea's peak first (one point, stored once per two columns), then an inner ring and
    // the rim on the head.
    const MeshGrid eye =
        m.Eye(kEyeColumns, {0.0f, kEyeInner, 1.0f}, {1.0f, 0.7f, 0.1f}, kEyeRadius, kEyeBulge, kEyePeakDivisor);
    for (MirrorKind mirror : {MirrorKind::None, MirrorKind::MirroredOnly})
        m.AddPart(mirror == MirrorKind::None ? "left eye" : "right eye", eye, mirror, FixedColumn(kEyeColumn))
            .eyeTwitch = true;
    return model;
}
} // namespace

const MeshPartSpec* BlueTangParts(int& partCount)
{
    static const CFishModel* model = BuildBlueTang(); // lives for the whole program
    return model->Parts(partCount);
}
