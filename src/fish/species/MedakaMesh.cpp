// MedakaMesh.cpp -- species 9 as mesh data: a small, slender, flat-topped fish with big eyes.
//
// The medaka reads by its outline: a slim body 3.3 times as long as it is deep (without fins), its
// back almost straight from the flattened head to the tail stalk and its belly gently rounded; a
// small head with a little upturned mouth at the very top of the snout and very big round eyes set
// high on it; a small dorsal fin far back on the body, over the rear of a long anal fin that runs
// from behind the middle of the belly almost to the tail stalk; a square, faintly rounded tail; and
// pectoral fans set high behind the gill cover. Every part below is computed from the named
// parameters at the top; nothing is a hand-typed coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body is 0.36 long, from x = -0.266 at
// the snout to x = 0.094 at the tail root. The origin, about which each column turns by its heading,
// lies under the middle of the dorsal fin: that fin turns with column 4, near the head, and has no
// sway of its own, so it stands where a difference between the two columns' turns moves it least.
#include "fish/species/MedakaMesh.h"

#include "fish/model/FishModel.h"
#include "fish/species/MedakaLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <vector>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

constexpr int kBodyRows = 6;
constexpr int kBodyColumns = kMedakaBodyColumns;
constexpr int kLastColumn = kBodyColumns - 1;

// ---- Body: slender, the back nearly straight, the belly gently rounded ---------------------------
constexpr float kBodyLength = 0.36f;
constexpr float kPivotAt = 0.74f;                  // the origin, as a fraction of the way from snout to tail root
constexpr float kHeadX = -kPivotAt * kBodyLength;  // body column 0: the snout, just behind the lips
constexpr float kTailRootX = kHeadX + kBodyLength; // body column 14: where the tail fan grows
constexpr float kSnoutZ = 0.016f;                  // the mouth line, high on the head: the mouth is upturned
constexpr float kSnoutHalfHeight = 0.009f;         // the snout's section, hidden inside the lips
constexpr float kSnoutHalfThickness = 0.008f;
constexpr float kBackZ = 0.040f;   // highest point of the back, hardly above the head: a flat top...
constexpr float kBackAt = 0.50f;   // ...as a fraction of the way from snout to tail root
constexpr float kBellyZ = -0.068f; // lowest point of the belly: 0.108 below the back, so 3.3 : 1
constexpr float kBellyAt = 0.42f;
constexpr float kPeduncleZ = 0.004f; // the stalk lies a little above the body's middle
constexpr float kPeduncleHalfHeight = 0.019f;
constexpr float kForeheadShape = 0.55f;  // < 1: the head reaches full height quickly behind the snout
constexpr float kRearShape = 1.0f;       // the lower profile runs nearly straight up along the anal fin
constexpr float kHalfThickness = 0.027f; // widest point of the left half, behind the head...
constexpr float kThickestAt = 0.28f;     // ...at this fraction of the body
constexpr float kPeduncleHalfThickness = 0.007f;
constexpr float kSectionShape = 0.5f; // < 1: flat flanks and a broad, flat back
// The body's rings lie at around = (r / 5)^kRingBunching: above 1 they gather toward the back, so
// with the full section the first ring stands wide just under the ridge and the back is flat.
constexpr float kRingBunching = 1.3f;
constexpr float kThicknessRise = 0.5f; // a broad head seen from above

// ---- Body columns --------------------------------------------------------------------------------
// Column 0 is the snout and column 1 lies just behind the big eye, which turns with their mean;
// columns 1 to 6 share the rest of the head evenly, down to the pectoral fins' base on column 6.
// Over the trunk each column stands under the anal fin's rays that turn with it (the mean of their
// places; the rays are evenly spaced), and columns 13 and 14 share what is left to the tail root.
constexpr float kEyeColumnT = 0.13f; // column 1, as a fraction of the way from snout to tail root
constexpr float kPectoralT = 0.30f;  // column 6

// ---- Anal fin: long and low under the rear half, its rays longest toward the back -----------------
// Part column j follows a body column or the mean of two (the map), its ray rising evenly along the
// belly from kAnalFrontT to kAnalBackT.
struct MapRun
{
    int first, second; // one body column (first == second) or the mean of two adjacent ones
    int repeat;
};
constexpr MapRun kAnalMap[] = {{7, 8, 1}, {8, 8, 2}, {8, 9, 2}, {9, 9, 2}, {10, 10, 2}, {11, 11, 2}, {12, 12, 3}};
constexpr int kAnalColumns = 14;
constexpr float kAnalFrontT = 0.47f; // its first ray, just behind the middle of the body
constexpr float kAnalBackT = 0.86f;  // its last, at the front of the tail stalk

struct FinProfile
{
    float h0, peak, peakAt, h1; // ray lengths: first, longest, where (0..1 along the fin), last
    float rise, fall;           // lobe exponents: below 1 a full, squarish outline
    float rake;                 // radians back from upright
};
constexpr FinProfile kAnal{0.014f, 0.024f, 0.55f, 0.019f, 0.5f, 0.35f, 36.0f * kDegrees};

// ---- Dorsal fin: small and squarish, far back over the rear of the anal fin ----------------------
constexpr int kDorsalColumn = 4; // the column it turns with
constexpr int kDorsalColumns = 11;
constexpr float kDorsalFrontT = 0.68f;
constexpr float kDorsalBackT = 0.79f;
constexpr FinProfile kDorsal{0.024f, 0.028f, 0.3f, 0.014f, 0.6f, 0.8f, 34.0f * kDegrees};
constexpr float kRootSink = 0.003f; // fin roots sit this far inside the body, so no seam shows

// ---- Tail: a square fan, its edge very slightly rounded -------------------------------------------
constexpr int kTailColumns = 15;
constexpr int kTailSwayEdgeColumn = 12;         // the edge rides on this column's sway, the root on the last's
constexpr float kTailLength = 0.085f;           // from the fan's centre to the middle of its edge
constexpr float kTailSpread = 27.0f * kDegrees; // half the fan's opening
constexpr float kTailNotch = 0.07f;             // the middle a little shorter: an arc flattened to a square edge
constexpr float kTailTipReach = -0.04f;         // corners rounded off
constexpr float kTailRootHalfHeight = 0.018f;
constexpr float kTailRootInset = 0.008f;  // the fan's root, inside the tail root
constexpr float kTailCentreInset = 0.02f; // the fan's centre, ahead of the tail root

// ---- Pectoral fins: rounded fans set high behind the gill cover (body column 6) --------------------
constexpr int kPectoralColumn = 6;
constexpr int kPectoralColumns = 10;
constexpr float kPectoralZ = 0.006f; // middle of the base, above the flank's middle
constexpr float kPectoralBase = 0.013f;
constexpr float kPectoralLength = 0.046f;
constexpr float kPectoralUp = 22.0f * kDegrees;
constexpr float kPectoralDown = 28.0f * kDegrees;
constexpr float kPectoralStandOff = 0.4f;
constexpr float kPectoralRounding = 0.3f;
constexpr float kPectoralPaintTo = 0.45f; // clear fans: only the fin paint's inner, body-coloured part

// ---- Mouth: a small upturned mouth at the top of the snout ----------------------------------------
// The lower jaw juts a little ahead of the upper. Lip columns run from the hinge to the tip, so the
// gapes, which grow along their arrays, open the tip furthest. The upper jaw's first four columns are
// its outer shell, which its gape lifts; its last two are the roof of the mouth, which stays put.
constexpr int kLowerJawRows = 4, kLowerJawColumns = 5;
constexpr int kUpperJawRows = 3, kUpperJawColumns = 6;
constexpr int kUpperShellColumns = 4; // the columns the upper gape lifts
constexpr float kLowerTipX = kHeadX - 0.014f;
constexpr float kUpperTipX = kHeadX - 0.011f;
constexpr float kLipStep = 0.006f; // between lip columns
constexpr float kLipHalfWidth = 0.0085f;
constexpr float kLipHeight = 0.0065f;
constexpr float kLipTipScale = 0.7f;
constexpr float kLiningInset = 0.7f; // the roof, this fraction of the shell's distance from the mouth's axis

// ---- Eyes: very big low domes high on the head (where and how big: the skin layout) ---------------
constexpr int kEyeColumns = 6;      // five corners and the first again
constexpr float kEyeInner = 0.6f;   // the inner ring, as a fraction of the radius
constexpr float kEyeBulge = 0.006f; // the cornea stands this far off the head

constexpr const skin::SpeciesLayout& kLayout = skin::kMedakaLayout;

// The fraction of the way from snout to tail root of each body column (see Body columns).
std::array<float, kBodyColumns> ColumnPlaces()
{
    std::array<float, kBodyColumns> t{};
    for (int k = 1; k <= kPectoralColumn; ++k)
        t[k] = kEyeColumnT + (kPectoralT - kEyeColumnT) * (k - 1) / (kPectoralColumn - 1.0f);
    // The place of each anal ray, then of the body columns its runs name.
    auto ray = [](float j) { return kAnalFrontT + (kAnalBackT - kAnalFrontT) * j / (kAnalColumns - 1.0f); };
    int j = 0;
    for (const MapRun& run : kAnalMap) {
        if (run.first == run.second)
            t[run.first] = ray(j + 0.5f * (run.repeat - 1));
        j += run.repeat;
    }
    // The first ray turns with the mean of two columns: the one in front lies as far ahead of it as
    // the one behind lies behind it.
    t[kAnalMap[0].first] = 2.0f * ray(0.0f) - t[kAnalMap[0].second];
    const int lastAnalColumn = kAnalMap[std::size(kAnalMap) - 1].first;
    for (int k = lastAnalColumn + 1; k < kBodyColumns; ++k)
        t[k] = t[lastAnalColumn] + (1.0f - t[lastAnalColumn]) * (k - lastAnalColumn) / (kLastColumn - lastAnalColumn);
    return t;
}

// Fraction of the body at body column c, fractional columns between their neighbours.
float ColumnT(float column)
{
    static const std::array<float, kBodyColumns> places = ColumnPlaces();
    const float c = std::clamp(column, 0.0f, static_cast<float>(kLastColumn));
    const int k = std::min(static_cast<int>(c), kLastColumn - 1);
    return places[k] + (places[k + 1] - places[k]) * (c - k);
}

CBodySurface MedakaBody()
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
    shape.thicknessRise = kThicknessRise;
    return CBodySurface(shape, kBodyColumns, ColumnT);
}

// The body on the medaka's column places, rings from the back (0) over the left flank to the belly.
MeshGrid BodyGrid(CFishModel& m)
{
    const CBodySurface& body = m.Surface();
    return m.Grid(kBodyRows, kBodyColumns, [&body](int r, int k) {
        const float t = body.ColumnFraction(static_cast<float>(k));
        const float around = std::pow(static_cast<float>(r) / (kBodyRows - 1), kRingBunching);
        return MakeVertex(body.Point(t, around), body.Normal(t, around), skin::BodyU(t), skin::BodyV(around));
    });
}

// The table of a part that emits -z: the grid with its z stored upside down. Normals stay those of
// the emitted surface, which the part template draws as stored.
MeshGrid UpsideDown(CFishModel& m, const MeshGrid& grid)
{
    return m.Grid(grid.rows, grid.cols, [grid](int r, int j) {
        MeshVertex v = grid.At(r, j);
        v.z = -v.z;
        return v;
    });
}

// The upper jaw: the lip shell from the hinge to the tip, then the roof of the mouth, from the tip
// back to the hinge and on into the head, drawn in toward the mouth's axis. Closed, the roof lies
// inside the lips; open, it fills the lifted jaw from below.
MeshGrid UpperJaw(CFishModel& m)
{
    const MeshGrid shell = m.Lip(kUpperJawRows, kUpperShellColumns, true, kUpperTipX, kLipStep, kLipHalfWidth,
                                 kLipHeight, kLipTipScale, true);
    return m.Grid(kUpperJawRows, kUpperJawColumns, [shell](int r, int j) {
        if (j < kUpperShellColumns)
            return shell.At(r, j);
        const int behind = j - kUpperShellColumns; // 0 under the hinge, 1 a step further back
        MeshVertex v = shell.At(r, 0);
        const float inset = kLiningInset * (1.0f - 0.2f * behind);
        v.x += kLipStep * behind;
        v.y *= inset;
        v.z = kSnoutZ + (v.z - kSnoutZ) * inset;
        v.nx = 0.0f, v.ny = 0.0f, v.nz = -1.0f;
        return v;
    });
}

// A median fin whose rays rise evenly along the back (or hang from the belly) between t0 and t1,
// each `profile` long and raked back.
FinCurves MedianFinAlong(const CBodySurface& body, float t0, float t1, bool hangs, const FinProfile& profile)
{
    FinCurves fin;
    fin.root = [&body, t0, t1, hangs](float a) {
        const CBodySurface::Section s = body.At(t0 + (t1 - t0) * a);
        return Vector3{s.x, 0.0f, hangs ? s.bottom + kRootSink : s.top - kRootSink};
    };
    const float up = hangs ? -1.0f : 1.0f;
    fin.edge = [root = fin.root, profile, up](float a) {
        const float h = Lobe(a, profile.h0, profile.peak, profile.peakAt, profile.h1, profile.rise, profile.fall);
        return root(a) + Vector3{std::sin(profile.rake), 0.0f, up * std::cos(profile.rake)} * h;
    };
    return fin;
}

const ColumnBinding* AnalMap(CFishModel& m)
{
    std::vector<ColumnBinding> map;
    for (const MapRun& run : kAnalMap)
        map.insert(map.end(), run.repeat, OnMean(run.first, run.second));
    return m.Map(map);
}

TailShape MedakaTail()
{
    TailShape tail;
    tail.length = kTailLength;
    tail.spread = kTailSpread;
    tail.notch = kTailNotch;
    tail.tipReach = kTailTipReach;
    tail.rootHalfHeight = kTailRootHalfHeight;
    tail.rootInset = kTailRootInset;
    tail.centreInset = kTailCentreInset;
    tail.centreZ = kPeduncleZ;
    return tail;
}

FlankFinShape MedakaPectoral()
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

CFishModel* BuildMedaka()
{
    auto* model = new CFishModel(kLayout, MedakaBody());
    CFishModel& m = *model;
    const CBodySurface& body = m.Surface();
    const Axis X = Axis::X, Y = Axis::Y, Z = Axis::Z;

    MeshPartSpec& trunk = m.AddPart("body", UpsideDown(m, BodyGrid(m)), MirrorKind::Bands, PerColumn(0));
    trunk.negateZ = true;
    trunk.terms[0] = Term(kMedakaSway, Y).OfBodyColumn();

    // The lower jaw drops along its whole length, most at the tip; the upper lifts its shell only.
    MeshPartSpec& lower = m.AddPart("first mouth part",
                                    UpsideDown(m, m.Lip(kLowerJawRows, kLowerJawColumns, false, kLowerTipX, kLipStep,
                                                        kLipHalfWidth, kLipHeight, kLipTipScale, true)),
                                    MirrorKind::Bands, FixedColumn(0));
    lower.negateZ = true;
    lower.terms[0] = Term(kMedakaGapeB, Z, -1.0f);
    MeshPartSpec& upper = m.AddPart("second mouth part", UpsideDown(m, UpperJaw(m)), MirrorKind::Bands, FixedColumn(0));
    upper.negateZ = true;
    upper.terms[0] = Term(kMedakaGapeA, Z).Columns(0, kUpperShellColumns - 1);

    // Both halves of the fin are drawn; the beat swings their edges apart and together, and back
    // and up as one.
    MeshPartSpec& dorsal = m.AddPart(
        "dorsal fin", m.Fin(2, kDorsalColumns, MedianFinAlong(body, kDorsalFrontT, kDorsalBackT, false, kDorsal)),
        MirrorKind::Bands, FixedColumn(kDorsalColumn));
    dorsal.terms[0] = Term(kMedakaDorsalBeat, X).EdgeRow();
    dorsal.terms[1] = Term(kMedakaDorsalBeat, Y).EdgeRow().NegatedWhenMirrored();
    dorsal.terms[2] = Term(kMedakaDorsalBeat, Z).EdgeRow();

    // One part for the pair; the mirrored fin beats the other way, so the pair opens and closes.
    FinCurves pectoral = FlankFin(body, MedakaPectoral());
    pectoral.paintTo = kPectoralPaintTo;
    m.AddPart("pectoral fins", m.Fin(2, kPectoralColumns, pectoral), MirrorKind::Bands, FixedColumn(kPectoralColumn))
        .terms[0] = Term(kMedakaPectoralBeat, Y).EdgeRow().NegatedWhenMirrored();

    MeshPartSpec& anal =
        m.AddPart("ventral fin", m.Fin(2, kAnalColumns, MedianFinAlong(body, kAnalFrontT, kAnalBackT, true, kAnal)),
                  MirrorKind::None, {BindingKind::Map, 0, 0});
    anal.columnMap = AnalMap(m);
    anal.terms[0] = Term(kMedakaSway, Y).OfBodyColumn();
    anal.terms[1] = Term(kMedakaVentralBeat, Y).EdgeRow();

    // The root rides on the tail root's sway; the edge on a column further forward, so it lags and
    // the fan flexes, and the tail beat on top of that.
    MeshPartSpec& tail = m.AddPart("tail fin", m.Fin(2, kTailColumns, TailFan(body, MedakaTail())), MirrorKind::None,
                                   FixedColumn(kLastColumn));
    tail.terms[0] = Term(kMedakaSway, Y).Element(kLastColumn).RootRow();
    tail.terms[1] = Term(kMedakaSway, Y).Element(kTailSwayEdgeColumn).EdgeRow();
    tail.terms[2] = Term(kMedakaTailBeat, Y).EdgeRow();

    // Both eyes in one part: the rim on the head, an inner ring and the cornea's peak. The mesh
    // radius is the painted eye's, so the rim lands on the painted rim; the eyes never twitch.
    const float eyeRadius = kLayout.eyeRadius * body.Length() / kLayout.bodyAspect;
    m.AddPart("eyes", m.Eye(kEyeColumns, {1.0f, kEyeInner, 0.0f}, {0.1f, 0.7f, 1.0f}, eyeRadius, kEyeBulge),
              MirrorKind::Bands, MeanOf(0, 1));
    return model;
}
} // namespace

const MeshPartSpec* MedakaParts(int& partCount)
{
    static const CFishModel* model = BuildMedaka(); // lives for the whole program
    return model->Parts(partCount);
}
