// ClownfishMesh.cpp -- species 4 as mesh data: a stout orange oval with rounded, black-rimmed fins.
//
// The clownfish is a thick-set oval (length : height about 2.4 : 1 in the mesh, 2.3 : 1 once the
// tank scales it by 0.85 along and 0.9 up) with a blunt, rounded head and a deep tail stalk. Its back carries a low
// spiny dorsal fin running into a taller, rounded soft dorsal; below, a rounded anal fin mirrors the
// soft dorsal; rounded pectoral fans stand out just behind the gill cover and beat all the time;
// short ventral fins hang under the chest; the tail is a broad fan whose edge comes to a soft point.
// Its bulging eyes are drawn with the body. Every part below is computed from the named parameters
// at the top; nothing is a hand-typed coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.2 at the snout
// to x = 0.2 at the tail root.
#include "fish/species/ClownfishMesh.h"

#include "fish/model/FishModel.h"
#include "fish/model/SpeciesLayouts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

// ---- Body: a thick oval from the side, blunt at the head, deep at the tail stalk ------------------
constexpr float kHeadX = -0.20f;    // body column 0: the snout, just behind the lips
constexpr float kTailRootX = 0.20f; // body column 30: where the tail fan grows
constexpr float kSnoutZ = -0.008f;  // the closed mouth line, a little below the middle
constexpr float kSnoutHalfHeight = 0.016f;
constexpr float kSnoutHalfThickness = 0.013f;
constexpr float kBackZ = 0.085f;              // highest point of the back...
constexpr float kBackAt = 0.42f;              // ...as a fraction of the way from snout to tail root
constexpr float kBellyZ = -0.080f;            // lowest point of the belly...
constexpr float kBellyAt = 0.40f;             // ...and where along the body it lies
constexpr float kPeduncleHalfHeight = 0.033f; // a deep stalk in front of the tail
constexpr float kForeheadShape = 0.6f;        // below 1: a full, rounded head
constexpr float kRearShape = 0.95f;
constexpr float kHalfThickness = 0.041f; // a stout fish: nearly half as thick as it is deep
constexpr float kThickestAt = 0.3f;
constexpr float kPeduncleHalfThickness = 0.015f;
constexpr float kSectionShape = 0.8f;
constexpr float kThicknessRise = 0.45f; // a broad, blunt head seen from above

// ---- Body columns: the head's four steps grow from the snout, the trunk's are even ---------------
constexpr int kBodyRows = 6;
constexpr int kBodyColumns = kClownfishBodyColumns;
constexpr int kHeadColumns = 4;        // column 4 is where the paired fins are bound...
constexpr float kHeadFraction = 0.27f; // ...just behind the gill cover
constexpr float kHeadSpacing = 1.25f;  // above 1: the head's columns closer together at the snout

// ---- Mouth: two full lips in front of the snout, opened at the tip by the gape chains ------------
constexpr int kUpperLipRows = 5, kUpperLipColumns = 7;
constexpr int kLowerLipRows = 3, kLowerLipColumns = 6;
constexpr float kMouthTipX = -0.21f;
constexpr float kLipStep = 0.0065f; // between lip columns, from the tip backward into the head
constexpr float kLipHalfWidth = 0.0145f;
constexpr float kLipHeight = 0.015f;
constexpr float kLipTipScale = 0.55f;

// ---- Eyes: bulging domes high on the head, drawn with the body (where: the skin layout) ----------
constexpr int kEyeCorners = 7;
constexpr float kEyeRadius = 0.0175f;
constexpr float kEyeBulge = 0.009f;

// ---- Median fins: low spiny dorsal, rounded soft dorsal and anal ---------------------------------
// Each part column follows the body column its map names; the rays rise evenly from the first
// mapped column to the last, so every ray stands within about a column of the heading it turns by.
struct ColumnRun
{
    int column;
    int repeat;
};
constexpr ColumnRun kFrontDorsalMap[] = {{7, 2}, {9, 2}, {10, 2}, {11, 2}, {13, 2}, {14, 2}, {16, 2}, {17, 2}, {18, 2}};
constexpr ColumnRun kDorsalMap[] = {{17, 2}, {18, 4}, {19, 2}, {20, 4}, {21, 2},
                                    {22, 4}, {23, 4}, {24, 4}, {25, 4}, {26, 2}};
constexpr ColumnRun kAnalMap[] = {{14, 3}, {15, 3}, {16, 3}, {17, 3}, {18, 3}, {19, 6},
                                  {20, 3}, {21, 6}, {22, 6}, {23, 6}, {24, 3}, {25, 3}};

struct FinProfile
{
    float h0, peak, peakAt, h1; // ray heights: first, tallest, where, last
    float rise, fall;           // lobe exponents: below 1 a full, rounded outline
    float rake;                 // radians back from upright
};
constexpr FinProfile kFrontDorsal{0.014f, 0.040f, 0.40f, 0.026f, 0.6f, 0.8f, 0.55f};
constexpr FinProfile kDorsal{0.030f, 0.060f, 0.35f, 0.012f, 0.6f, 0.7f, 0.65f};
constexpr FinProfile kAnal{0.022f, 0.052f, 0.35f, 0.012f, 0.6f, 0.7f, 0.6f};
constexpr float kFinRootSink = 0.004f;

// ---- Pectoral fins: rounded fans standing out from the flank, beating all the time ---------------
constexpr int kPectoralColumn = kHeadColumns;
constexpr int kPectoralColumns = 36;
constexpr float kPectoralZ = -0.012f;
constexpr float kPectoralBase = 0.030f;
constexpr float kPectoralLength = 0.062f;
constexpr float kPectoralUp = 38.0f * kDegrees;
constexpr float kPectoralDown = 38.0f * kDegrees;
constexpr float kPectoralStandOff = 0.75f; // far enough out that the beat never folds it into the flank
constexpr float kPectoralRounding = 0.4f;

// ---- Ventral fins: short rounded fins hanging back under the chest -------------------------------
constexpr int kVentralColumn = kHeadColumns;
constexpr int kVentralColumns = 32;
constexpr float kVentralBase = 0.028f;
constexpr float kVentralLength = 0.060f;
constexpr float kVentralUp = -70.0f * kDegrees;   // the leading ray, from the front of the base
constexpr float kVentralDown = -28.0f * kDegrees; // the last ray, trailing back
constexpr float kVentralStandOff = 0.35f;
constexpr float kVentralRounding = 0.35f;
constexpr float kVentralAhead = 0.15f; // base a little behind the pectoral column, in columns

// ---- Tail: a broad fan; its edge is drawn out along x toward the middle into a soft point --------
constexpr int kTailColumns = 90;
constexpr float kTailLength = 0.080f;
constexpr float kTailSpread = 46.0f * kDegrees;
constexpr float kTailFork = 0.45f;     // the fan's own middle falls back; the lengthening fills it out
constexpr float kTailTipReach = -0.1f; // and its corners are rounded off
constexpr float kTailRootHalfHeight = 0.031f;
constexpr float kTailRootInset = 0.008f;
constexpr float kTailCentreInset = 0.022f;
constexpr float kTailPointStep = 0.0015f; // lengthening of edge column j: step x min(j, 90 - j, 44)
constexpr int kTailPointCap = 44;
// The edge columns riding on the last body column's sway; the corners ride on the one before.
constexpr int kTailSwayFirst = 5, kTailSwayLast = 85;

// ---- Hanging fins: two small rounded flaps under the throat, stirred by the drift ----------------
constexpr int kHangingColumns = 6;
constexpr float kHangingFrontX = -0.165f;
constexpr float kHangingBackX = -0.135f;
constexpr float kHangingAround = 0.86f; // their root, just off the throat's midline
constexpr float kHangingLength = 0.020f;
constexpr Vector3 kHangingDirection{0.55f, -0.35f, -0.76f}; // back, out and down

// Where body column c lies, as a fraction of the way from snout to tail root: the body surface's
// column spacing, which the body grid and every fin placed by column follow.
float ColumnFraction(float c)
{
    if (c <= kHeadColumns)
        return kHeadFraction * std::pow(c / kHeadColumns, kHeadSpacing);
    return kHeadFraction + (1.0f - kHeadFraction) * (c - kHeadColumns) / (kBodyColumns - 1 - kHeadColumns);
}

CBodySurface ClownfishBody()
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
    shape.thicknessRise = kThicknessRise;
    return CBodySurface(shape, kBodyColumns, ColumnFraction);
}

// The eye as rows around its rim (the last repeating the first) and columns from the rim in to the
// cornea's peak: the rim sits on the head, two rings stand off it and the peak closes the dome. Its
// columns follow body columns 0 to 3, all on the head around the eye.
MeshGrid EyeGrid(CFishModel& model)
{
    const std::vector<float> rings{1.0f, 0.72f, 0.38f, 0.0f};
    const std::vector<float> lifts{0.1f, 0.62f, 0.92f, 1.0f};
    const MeshGrid rim = model.Eye(kEyeCorners + 1, rings, lifts, kEyeRadius, kEyeBulge);
    return model.Grid(kEyeCorners + 1, static_cast<int>(rings.size()), [rim](int r, int j) { return rim.At(j, r); });
}

template <int N> constexpr int MapColumns(const ColumnRun (&runs)[N])
{
    int total = 0;
    for (const ColumnRun& run : runs)
        total += run.repeat;
    return total;
}

template <int N> const ColumnBinding* MapOf(CFishModel& model, const ColumnRun (&runs)[N])
{
    std::vector<ColumnBinding> map;
    for (const ColumnRun& run : runs)
        map.insert(map.end(), run.repeat, OnColumn(run.column));
    return model.Map(map);
}

// A median fin whose rays rise evenly along the back (or the belly) from the first body column its
// map names to the last.
template <int N>
MeshGrid MedianFinGrid(CFishModel& model, const ColumnRun (&runs)[N], const FinProfile& profile, bool hangs)
{
    const float first = static_cast<float>(runs[0].column);
    const float last = static_cast<float>(runs[N - 1].column);
    MedianFinShape shape{first, last - first, hangs};
    shape.h0 = profile.h0;
    shape.peak = profile.peak;
    shape.peakAt = profile.peakAt;
    shape.h1 = profile.h1;
    shape.riseShape = profile.rise;
    shape.fallShape = profile.fall;
    shape.rake = profile.rake;
    shape.rootSink = kFinRootSink;
    return model.Fin(2, MapColumns(runs), MedianFin(model.Surface(), shape));
}

MeshPartSpec& AddMappedFin(CFishModel& model, const char* name, MeshGrid grid, const ColumnBinding* map)
{
    PartBinding binding{BindingKind::Map, 0, 0};
    MeshPartSpec& part = model.AddPart(name, grid, MirrorKind::None, binding);
    part.columnMap = map;
    part.terms[0] = Term(kClownfishSway, Axis::Y).OfBodyColumn().CarriesSize();
    return part;
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

FlankFinShape Ventral()
{
    FlankFinShape fin{};
    fin.column = kVentralColumn + kVentralAhead;
    fin.base = kVentralBase;
    fin.length = kVentralLength;
    fin.up = kVentralUp;
    fin.down = kVentralDown;
    fin.standOff = kVentralStandOff;
    fin.rounding = kVentralRounding;
    fin.onBelly = true;
    return fin;
}

// How far edge column j of the tail is drawn out along x.
float TailLengthening(int j)
{
    return kTailPointStep * static_cast<float>(std::min({j, kTailColumns - j, kTailPointCap}));
}

MeshGrid TailGrid(CFishModel& model)
{
    TailShape shape;
    shape.length = kTailLength;
    shape.spread = kTailSpread;
    shape.fork = kTailFork;
    shape.tipReach = kTailTipReach;
    shape.rootHalfHeight = kTailRootHalfHeight;
    shape.rootInset = kTailRootInset;
    shape.centreInset = kTailCentreInset;
    const FinCurves fan = TailFan(model.Surface(), shape);
    return model.Grid(2, kTailColumns, [fan](int r, int j) {
        MeshVertex v = fan.Sample(static_cast<float>(j) / (kTailColumns - 1), static_cast<float>(r));
        if (r == 1)
            v.x += TailLengthening(j);
        return v;
    });
}

FinCurves HangingFin(const CBodySurface& body)
{
    FinCurves fin;
    fin.root = [&body](float a) {
        float t, around;
        body.Coordinates(kHangingFrontX + (kHangingBackX - kHangingFrontX) * a, 0.0f, t, around);
        return body.Point(t, kHangingAround) + Vector3{0.0f, 0.0f, kFinRootSink};
    };
    const Vector3 direction = Normalised(kHangingDirection);
    fin.edge = [root = fin.root, direction](float a) {
        return root(a) + direction * (kHangingLength * (0.3f + 0.7f * std::sin(kPi * a)));
    };
    return fin;
}

CFishModel* BuildClownfish()
{
    auto* model = new CFishModel(skin::kClownfishLayout, ClownfishBody());
    CFishModel& m = *model;
    const Axis X = Axis::X, Y = Axis::Y, Z = Axis::Z;

    MeshPartSpec& body = m.AddPart("body", m.Body(kBodyRows, kBodyColumns), MirrorKind::Bands, PerColumn(0));
    body.grids[1] = EyeGrid(m);
    body.gridCount = 2;
    body.terms[0] = Term(kClownfishSway, Y).OfBodyColumn().CarriesSize();

    m.AddPart(
         "upper mouth",
         m.Lip(kUpperLipRows, kUpperLipColumns, true, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
         MirrorKind::Bands, FixedColumn(0))
        .terms[0] = Term(kClownfishGapeB, Z).CarriesSize();
    m.AddPart(
         "lower mouth",
         m.Lip(kLowerLipRows, kLowerLipColumns, false, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
         MirrorKind::Bands, FixedColumn(0))
        .terms[0] = Term(kClownfishGapeA, Z, -1.0f).CarriesSize();

    AddMappedFin(m, "front dorsal fin", MedianFinGrid(m, kFrontDorsalMap, kFrontDorsal, false),
                 MapOf(m, kFrontDorsalMap))
        .terms[1] = Term(kClownfishFrontDorsalBeat, Y).EdgeRow().CarriesSize();
    MeshPartSpec& dorsal =
        AddMappedFin(m, "dorsal fin", MedianFinGrid(m, kDorsalMap, kDorsal, false), MapOf(m, kDorsalMap));
    dorsal.terms[1] = Term(kClownfishDorsalBeat, X).EdgeRow().CarriesSize();
    dorsal.terms[2] = Term(kClownfishDorsalBeat, Y).EdgeRow().CarriesSize();

    // Both fins of each pair in one part; the mirrored fin beats the other way, so the pair opens
    // and closes together.
    m.AddPart("pectoral fins", m.Fin(2, kPectoralColumns, FlankFin(m.Surface(), Pectoral())), MirrorKind::Bands,
              FixedColumn(kPectoralColumn))
        .terms[0] = Term(kClownfishPectoralBeat, Y).EdgeRow().NegatedWhenMirrored().CarriesSize();
    m.AddPart("ventral fins", m.Fin(2, kVentralColumns, FlankFin(m.Surface(), Ventral())), MirrorKind::Bands,
              FixedColumn(kVentralColumn))
        .terms[0] = Term(kClownfishVentralBeat, Y).EdgeRow().NegatedWhenMirrored().CarriesSize();

    AddMappedFin(m, "anal fin", MedianFinGrid(m, kAnalMap, kAnal, true), MapOf(m, kAnalMap)).terms[1] =
        Term(kClownfishAnalBeat, Y).EdgeRow().CarriesSize();

    // The root rides on the sway of column 29; the edge on column 30's, but for its corners, which
    // stay with column 29 (the chain keeps the two equal, so the fan never tears).
    constexpr int kLast = kBodyColumns - 1;
    MeshPartSpec& tail = m.AddPart("tail fin", TailGrid(m), MirrorKind::None, FixedColumn(kLast));
    tail.terms[0] = Term(kClownfishSway, Y).Element(kLast - 1).RootRow().CarriesSize();
    tail.terms[1] =
        Term(kClownfishSway, Y).Element(kLast).EdgeRow().Columns(kTailSwayFirst, kTailSwayLast).CarriesSize();
    tail.terms[2] = Term(kClownfishSway, Y).Element(kLast - 1).EdgeRow().Columns(0, kTailSwayFirst - 1).CarriesSize();
    tail.terms[3] = Term(kClownfishSway, Y).Element(kLast - 1).EdgeRow().Columns(kTailSwayLast + 1, -1).CarriesSize();
    tail.terms[4] = Term(kClownfishTailBeat, Y).EdgeRow().CarriesSize();

    // The drift is the one value not yet scaled by the fish's size.
    m.AddPart("hanging fins", m.Fin(2, kHangingColumns, HangingFin(m.Surface())), MirrorKind::Bands, FixedColumn(0))
        .terms[0] = Term(kClownfishDrift, X).Element(0);
    return model;
}
} // namespace

const MeshPartSpec* ClownfishParts(int& partCount)
{
    static const CFishModel* model = BuildClownfish(); // lives for the whole program
    return model->Parts(partCount);
}
