// TurquoiseDiscusMesh.cpp -- the turquoise discus as mesh data: a round flat disc ringed by low fins.
//
// From the side the discus is a coin: its body is as high as it is long, with a steep round face, a
// small mouth and a big red eye; one low fin band runs over the back from behind the head to the
// tail stalk, another under the belly from its middle to the stalk, both widening toward the rear
// so that body and fins together make a larger disc, and a clear fan tail stands out behind. Long
// pelvic fins trail under the chest. From above it is a thin lens.
//
// The band over the back is drawn as two parts, the dorsal fin (front) and the rear fin, cut from
// one continuous fin with a little overlap. The band parts follow the body through column maps;
// their rays are spread along the body and drawn toward the columns their maps name, so that every
// ray stands within a column of the column it turns with. Every part is computed from the named
// parameters at the top; nothing is a hand-typed coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.2 at the snout
// to x = 0.2 at the tail root, so the fish turns about its middle.
#include "fish/species/TurquoiseDiscusMesh.h"

#include "fish/model/FishModel.h"
#include "fish/model/SpeciesLayouts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

// ---- Body: a round disc from the side, a thin lens from above -------------------------------------
constexpr float kHeadX = -0.20f;    // body column 0: the snout, just behind the lips
constexpr float kTailRootX = 0.20f; // body column 11: where the tail fan grows
constexpr float kSnoutZ = -0.010f;  // the mouth line, a little below the middle
constexpr float kSnoutHalfHeight = 0.014f;
constexpr float kSnoutHalfThickness = 0.008f;
constexpr float kBackZ = 0.192f; // highest point of the back...
constexpr float kBackAt = 0.46f; // ...as a fraction of the way from snout to tail root
constexpr float kBellyZ = -0.192f;
constexpr float kBellyAt = 0.47f;
constexpr float kPeduncleHalfHeight = 0.032f; // the short stalk the tail grows from
constexpr float kForeheadShape = 0.5f;        // below 1: the outline rises steeply, a round face
constexpr float kRearShape = 0.62f;           // the rear stays full and drops into the stalk
constexpr float kHalfThickness = 0.034f;      // widest point of the left half...
constexpr float kThickestAt = 0.30f;          // ...behind the gill cover
constexpr float kPeduncleHalfThickness = 0.011f;
constexpr float kSectionShape = 0.75f; // flat flanks: the disc is a coin, not a ball

// ---- Body columns: packed on the head and the stalk, wide over the trunk --------------------------
// Column c lies at the fraction t of the way from snout to tail root, linear between these knots.
struct ColumnKnot
{
    float column, t;
};
constexpr ColumnKnot kColumnKnots[] = {{0.0f, 0.0f}, {3.0f, 0.21f}, {9.0f, 0.86f}, {11.0f, 1.0f}};
constexpr int kBodyRows = skin::kTurquoiseDiscusBodyRows;
constexpr int kBodyColumns = kTurquoiseDiscusBodyColumns;
constexpr int kLastColumn = kBodyColumns - 1;

// ---- Mouth: two small lips on the steep face, opening at the tip -----------------------------------
constexpr int kMouthColumn = 0;
constexpr int kLipRows = 3, kLipColumns = 6;
constexpr float kMouthTipX = -0.212f; // front of the closed lips
constexpr float kLipStep = 0.005f;    // between lip columns, from the tip back into the head
constexpr float kLipHalfWidth = 0.009f;
constexpr float kLipHeight = 0.009f;
constexpr float kLipTipScale = 0.5f;

// ---- Fin bands: rays standing out of the outline, widening to a rounded rear lobe ----------------
// Each ray leaves the body along the outline's outward normal, leaned back by the rake and held to
// at most kRingMaxLean behind upright, so the last rays round off over the tail stalk. A band's ray
// lengths run as a lobe from h0 over its peak to h1. Its ends are the first and last rays of its
// parts, which the column maps below place, so they are left 0 here and set where the band is built.
constexpr float kRingRake = 12.0f * kDegrees;
constexpr float kRingMaxLean = 76.0f * kDegrees;
constexpr RingFinShape kDorsalRing{0.0f, 0.0f, false, 0.018f, 0.064f, 0.62f, 0.008f, kRingRake, kRingMaxLean};
constexpr RingFinShape kAnalRing{0.0f, 0.0f, true, 0.014f, 0.064f, 0.58f, 0.008f, kRingRake, kRingMaxLean};

// The column maps of the band parts: runs of part columns on one body column (a == b) or on the
// mean of two.
struct MapRun
{
    int a, b, repeat;
};
constexpr MapRun kDorsalMap[] = {{4, 4, 1}, {4, 5, 2}, {5, 5, 4}, {5, 6, 2}, {6, 6, 5}};
constexpr MapRun kAnalMap[] = {{6, 6, 1}, {6, 7, 1}, {7, 7, 2}, {8, 8, 4}, {9, 9, 2}};
constexpr MapRun kRearFinMap[] = {{6, 6, 1}, {6, 7, 2}, {7, 7, 2}, {7, 8, 3}, {8, 8, 4}, {9, 9, 1}};

// Where a band part's rays stand: evenly spread over a stretch of body columns, then each pulled
// this fraction of the way toward the body column its map turns it with, so that none stands far
// from the column whose heading and sway it takes. The dorsal fin hands the band over the back on
// to the rear fin at the split, where both turn with column 6; each reaches a little past it, so
// that the two overlap and their different beats never open a gap.
constexpr float kRayPull = 0.5f;
constexpr float kDorsalFrom = 3.8f, kDorsalSplit = 6.3f, kDorsalTo = 10.1f;
constexpr float kSplitOverlap = 0.15f; // body columns
constexpr float kAnalFrom = 5.6f, kAnalTo = 10.1f;

// ---- Pectoral fins: small clear rounded fans behind the gill cover ---------------------------------
constexpr int kPectoralColumn = 3;
constexpr int kPectoralColumns = 9;
constexpr float kPectoralAt = 3.15f; // body columns: the base, just behind column 3
constexpr float kPectoralZ = -0.022f;
constexpr float kPectoralBase = 0.030f;
constexpr float kPectoralLength = 0.064f;
constexpr float kPectoralUp = 40.0f * kDegrees;
constexpr float kPectoralDown = 34.0f * kDegrees;
constexpr float kPectoralStandOff = 0.3f;
constexpr float kPectoralRounding = 0.3f;

// ---- Ventral fins: narrow fans under the chest whose leading ray trails back as a filament ---------
constexpr int kVentralFront = 3; // bound between body columns 3 and 4
constexpr int kVentralColumns = 9;
constexpr float kVentralAt = 3.5f;                     // body columns: the middle of the base
constexpr float kVentralBase = 0.018f;                 // along the belly
constexpr float kVentralAround = 0.93f;                // just off the belly's midline
constexpr float kVentralLead = 0.100f;                 // the leading ray, the longest...
constexpr float kVentralLast = 0.026f;                 // ...down to the last one
constexpr float kVentralTaper = 0.6f;                  // below 1: the rays shorten quickly behind the lead
constexpr float kVentralLeadAngle = -62.0f * kDegrees; // from the horizontal, down negative
constexpr float kVentralLastAngle = -28.0f * kDegrees;
constexpr float kVentralStandOff = 0.3f; // lateral distance per unit of length
constexpr float kFinRootSink = 0.004f;

// ---- Tail: a clear, broad fan with a gently rounded edge -------------------------------------------
constexpr int kTailColumns = 14;
constexpr float kTailLength = 0.105f;
constexpr float kTailSpread = 36.0f * kDegrees; // half the fan's opening
constexpr float kTailNotch = -0.05f;            // negative: the middle of the edge stands out, rounded
constexpr float kTailTipReach = 0.04f;
constexpr float kTailRootHalfHeight = 0.028f;
constexpr float kTailRootInset = 0.008f;
constexpr float kTailCentreInset = 0.022f;

// ---- Eyes: big, round and red, high on the face (where: the skin layout) --------------------------
// Two grids per side: the rim up to a middle ring, and the middle ring up to the cornea's peak. The
// body's five rows draw the head as flat facets, a little inside the curved surface, so each eye is
// moved onto the facets, over the spot that carries the painted eye. Its four-cornered rim reaches
// past the painted eye (it shows a margin of the skin around it, shaded as the head is) so that
// the body's copy of the eye stays covered between the corners.
constexpr int kEyeColumns = 5;       // four corners and the first again
constexpr float kEyeRadius = 0.025f; // the painted eye's radius on the dome, mesh units
constexpr float kEyeRim = 1.55f;     // the rim, in those radii: its sides clear the painted eye
constexpr float kEyeMiddle = 0.6f;   // the middle ring
constexpr float kEyeRimLift = 0.1f;  // the rings' fractions of the bulge
constexpr float kEyeMiddleLift = 0.7f;
constexpr float kEyeBulge = 0.008f;

float ColumnFraction(float column)
{
    constexpr int kKnots = sizeof(kColumnKnots) / sizeof(kColumnKnots[0]);
    for (int i = 1; i < kKnots; ++i) {
        const ColumnKnot& a = kColumnKnots[i - 1];
        const ColumnKnot& b = kColumnKnots[i];
        if (column <= b.column || i == kKnots - 1)
            return a.t + (b.t - a.t) * (column - a.column) / (b.column - a.column);
    }
    return 0.0f;
}

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
    return CBodySurface(shape, kBodyColumns, ColumnFraction);
}

template <int N> constexpr int MapColumns(const MapRun (&runs)[N])
{
    int total = 0;
    for (const MapRun& run : runs)
        total += run.repeat;
    return total;
}

template <int N> const ColumnBinding* MapOf(CFishModel& model, const MapRun (&runs)[N])
{
    std::vector<ColumnBinding> map;
    for (const MapRun& run : runs)
        map.insert(map.end(), run.repeat, OnMean(run.a, run.b));
    return model.Map(map);
}

// The body column that ray j of a band part spread from `from` to `to` stands on.
template <int N> float RayColumn(const MapRun (&runs)[N], float from, float to, int j)
{
    const float even = from + (to - from) * static_cast<float>(j) / (MapColumns(runs) - 1);
    const MapRun* run = runs;
    for (int k = j; k >= run->repeat; ++run)
        k -= run->repeat;
    const float bound = 0.5f * static_cast<float>(run->a + run->b);
    return even + kRayPull * (bound - even);
}

// A band part, its rays spread from `from` to `to`, cut from `band`, the fin of `ring`; turned and
// swayed by its map's body columns, its edge beating with `beat`.
template <int N>
void AddBandPart(CFishModel& model, const char* name, const FinCurves& band, const RingFinShape& ring,
                 const MapRun (&runs)[N], float from, float to, int beat)
{
    const float first = ring.firstColumn, last = ring.lastColumn;
    const MeshGrid grid = model.Grid(2, MapColumns(runs), [&band, &runs, first, last, from, to](int r, int j) {
        return band.Sample((RayColumn(runs, from, to, j) - first) / (last - first), static_cast<float>(r));
    });
    MeshPartSpec& part = model.AddPart(name, grid, MirrorKind::None, {BindingKind::Map, 0, 0});
    part.columnMap = MapOf(model, runs);
    part.terms[0] = Term(kTurquoiseDiscusSway, Axis::Y).OfBodyColumn().CarriesSize();
    part.terms[1] = Term(beat, Axis::Y).EdgeRow().CarriesSize();
}

FlankFinShape Pectoral()
{
    FlankFinShape fin{};
    fin.column = kPectoralAt;
    fin.z = kPectoralZ;
    fin.base = kPectoralBase;
    fin.length = kPectoralLength;
    fin.up = kPectoralUp;
    fin.down = -kPectoralDown;
    fin.standOff = kPectoralStandOff;
    fin.rounding = kPectoralRounding;
    return fin;
}

// The pelvic fin: its base runs back along the belly, its leading ray is the long filament and the
// rays behind it shorten and lie back toward the belly.
FinCurves Ventral(const CBodySurface& body)
{
    FinCurves fin;
    const float x = body.ColumnX(kVentralAt);
    fin.root = [&body, x](float a) {
        float t, around;
        body.Coordinates(x + kVentralBase * (a - 0.5f), -1.0f, t, around);
        return body.Point(t, kVentralAround) + Vector3{0.0f, 0.0f, kFinRootSink};
    };
    fin.edge = [root = fin.root](float a) {
        const float angle = kVentralLeadAngle + (kVentralLastAngle - kVentralLeadAngle) * a;
        const float length = kVentralLast + (kVentralLead - kVentralLast) * std::pow(1.0f - a, 1.0f / kVentralTaper);
        return root(a) + Normalised({std::cos(angle), -kVentralStandOff, std::sin(angle)}) * length;
    };
    fin.normal = fin.PlaneNormal();
    return fin;
}

// The point of the body's faceted grid that carries skin coordinate (t, around), between the four
// vertices around it.
Vector3 FacetPoint(const CBodySurface& surface, const MeshGrid& body, float t, float around)
{
    int j = 0;
    while (j + 2 < body.cols && surface.ColumnFraction(static_cast<float>(j + 1)) <= t)
        ++j;
    const float t0 = surface.ColumnFraction(static_cast<float>(j));
    const float s = (t - t0) / (surface.ColumnFraction(static_cast<float>(j + 1)) - t0);
    const float rowsAround = around * (body.rows - 1);
    const int r = std::min(static_cast<int>(rowsAround), body.rows - 2);
    auto at = [&body](int r, int j) {
        const MeshVertex& v = body.At(r, j);
        return Vector3{v.x, v.y, v.z};
    };
    return Lerp(Lerp(at(r, j), at(r, j + 1), s), Lerp(at(r + 1, j), at(r + 1, j + 1), s), rowsAround - r);
}

// An eye grid between two rings, moved from the curved head onto the body's facets; a rim takes the
// head's own normal, so that it shades into the head.
MeshGrid EyeGrid(CFishModel& m, const MeshGrid& body, bool rim, float outer, float inner, float outerLift,
                 float innerLift)
{
    const CBodySurface& surface = m.Surface();
    const skin::SpeciesLayout& layout = m.Layout();
    const Vector3 shift =
        FacetPoint(surface, body, layout.eyeAlong, layout.eyeAround) - surface.Point(layout.eyeAlong, layout.eyeAround);
    const Vector3 headNormal = surface.Normal(layout.eyeAlong, layout.eyeAround);
    const MeshGrid curved = m.Eye(kEyeColumns, {outer, inner}, {outerLift, innerLift}, kEyeRadius, kEyeBulge);
    return m.Grid(curved.rows, curved.cols, [curved, shift, headNormal, rim](int r, int j) {
        MeshVertex v = curved.At(r, j);
        v.x += shift.x, v.y += shift.y, v.z += shift.z;
        if (r == 0 && rim)
            v.nx = headNormal.x, v.ny = headNormal.y, v.nz = headNormal.z;
        return v;
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

CFishModel* BuildTurquoiseDiscus()
{
    auto* model = new CFishModel(skin::kTurquoiseDiscusLayout, DiscusBody());
    CFishModel& m = *model;
    const Axis Y = Axis::Y, Z = Axis::Z;

    const MeshGrid bodyGrid = m.Body(kBodyRows, kBodyColumns);
    m.AddPart("body", bodyGrid, MirrorKind::Bands, PerColumn(0)).terms[0] =
        Term(kTurquoiseDiscusSway, Y).OfBodyColumn().CarriesSize();

    // The gapes open the lips at the tip (column 0); the upper gape has one element fewer than the
    // lip has columns, so the lip's last column, deepest in the head, stays shut.
    m.AddPart("upper mouth",
              m.Lip(kLipRows, kLipColumns, true, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(kMouthColumn))
        .terms[0] = Term(kTurquoiseDiscusGapeB, Z)
                        .Columns(0, std::min(kLipColumns, kTurquoiseDiscusPoseLengths[kTurquoiseDiscusGapeB]) - 1)
                        .CarriesSize();
    m.AddPart("lower mouth",
              m.Lip(kLipRows, kLipColumns, false, kMouthTipX, kLipStep, kLipHalfWidth, kLipHeight, kLipTipScale),
              MirrorKind::Bands, FixedColumn(kMouthColumn))
        .terms[0] = Term(kTurquoiseDiscusGapeA, Z, -1.0f).CarriesSize();

    // The band over the back runs from the dorsal fin's first ray to the rear fin's last.
    RingFinShape dorsalRing = kDorsalRing;
    dorsalRing.firstColumn = RayColumn(kDorsalMap, kDorsalFrom, kDorsalSplit, 0);
    dorsalRing.lastColumn =
        RayColumn(kRearFinMap, kDorsalSplit - kSplitOverlap, kDorsalTo, MapColumns(kRearFinMap) - 1);
    const FinCurves dorsal = RingFin(m.Surface(), dorsalRing);
    AddBandPart(m, "dorsal fin", dorsal, dorsalRing, kDorsalMap, kDorsalFrom, kDorsalSplit + kSplitOverlap,
                kTurquoiseDiscusDorsalBeat);
    RingFinShape analRing = kAnalRing;
    analRing.firstColumn = RayColumn(kAnalMap, kAnalFrom, kAnalTo, 0);
    analRing.lastColumn = RayColumn(kAnalMap, kAnalFrom, kAnalTo, MapColumns(kAnalMap) - 1);
    AddBandPart(m, "anal fin", RingFin(m.Surface(), analRing), analRing, kAnalMap, kAnalFrom, kAnalTo,
                kTurquoiseDiscusAnalBeat);

    // Both fins of each pair in one part; the mirrored fin beats the other way, so the pair opens
    // and closes together. The pectorals show only the plain root of the fin paint: they are clear.
    FinCurves pectoral = FlankFin(m.Surface(), Pectoral());
    pectoral.paintTo = 0.15f;
    m.AddPart("pectoral fins", m.Fin(2, kPectoralColumns, pectoral), MirrorKind::Bands, FixedColumn(kPectoralColumn))
        .terms[0] = Term(kTurquoiseDiscusPectoralWave, Y).EdgeRow().NegatedWhenMirrored().CarriesSize();
    m.AddPart("ventral fins", m.Fin(2, kVentralColumns, Ventral(m.Surface())), MirrorKind::Bands,
              MeanOf(kVentralFront, kVentralFront + 1))
        .terms[0] = Term(kTurquoiseDiscusVentralBeat, Y).EdgeRow().NegatedWhenMirrored().CarriesSize();

    AddBandPart(m, "rear fins", dorsal, dorsalRing, kRearFinMap, kDorsalSplit - kSplitOverlap, kDorsalTo,
                kTurquoiseDiscusRearFinBeat);

    // The tail rides on the last column's sway; its edge beats.
    MeshPartSpec& tail = m.AddPart("tail fin", m.Fin(2, kTailColumns, TailFan(m.Surface(), DiscusTail())),
                                   MirrorKind::None, FixedColumn(kLastColumn));
    tail.terms[0] = Term(kTurquoiseDiscusSway, Y).Element(kLastColumn).CarriesSize();
    tail.terms[1] = Term(kTurquoiseDiscusTailBeat, Y).EdgeRow().CarriesSize();

    // Both eyes in one part: the left eye's two grids, then both mirrored. They do not twitch.
    MeshPartSpec& eyes = m.AddPart("eyes", EyeGrid(m, bodyGrid, true, kEyeRim, kEyeMiddle, kEyeRimLift, kEyeMiddleLift),
                                   MirrorKind::GridsThenMirrored, FixedColumn(0));
    eyes.grids[1] = EyeGrid(m, bodyGrid, false, kEyeMiddle, 0.0f, kEyeMiddleLift, 1.0f);
    eyes.gridCount = 2;
    return model;
}
} // namespace

const MeshPartSpec* TurquoiseDiscusParts(int& partCount)
{
    static const CFishModel* model = BuildTurquoiseDiscus(); // lives for the whole program
    return model->Parts(partCount);
}
