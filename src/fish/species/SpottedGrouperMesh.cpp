// SpottedGrouperMesh.cpp -- the spotted grouper as mesh data: a heavy, big-mouthed fish with a long spiny dorsal.
//
// The grouper reads by its bulk: a thick, round-sectioned body 2.8 times as long as it is deep
// (without fins), a big head with a wide mouth whose lower jaw juts a little ahead of the upper,
// and a deep tail stalk. Over the back runs one long dorsal fin: a row of spines joined by a
// notched membrane over the front, rising into a taller, rounded soft lobe over the rear. Large
// rounded pectoral fans stand out behind the gill cover, a single ventral fin hangs under the
// chest on the right, a rounded anal lobe sits under the rear and the tail is a rounded fan.
// Every part below is computed from the named parameters at the top; nothing is a hand-typed
// coordinate.
//
// Units are mesh units (the fish's size multiplies them): the body runs from x = -0.21 at the
// snout to x = 0.21 at the tail root, so the fish turns about the middle of its body.
//
// Body columns are not evenly spaced: they stand closer over the big head (ColumnT), so that the
// eyes' column 3 lies over the eye, column 8, where the pectoral fans and the dorsal fin start,
// just behind the gill cover, and the ventral fin between columns 7 and 8 under the pectorals.
#include "fish/species/SpottedGrouperMesh.h"

#include "fish/model/FishModel.h"
#include "fish/model/SpeciesLayouts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

constexpr int kBodyRows = 9;
constexpr int kBodyColumns = kSpottedGrouperBodyColumns;
constexpr int kLastColumn = kBodyColumns - 1;

// ---- Body: thick and deep, a big head sloping to a blunt snout, a deep tail stalk -----------------
constexpr float kHeadX = -0.21f;    // body column 0: the snout, inside the lips
constexpr float kTailRootX = 0.21f; // body column 17: where the tail fan grows
constexpr float kSnoutZ = -0.012f;  // the mouth line, below the body's axis
constexpr float kSnoutHalfHeight = 0.022f;
constexpr float kSnoutHalfThickness = 0.018f;
constexpr float kBackZ = 0.070f; // highest point of the back...
constexpr float kBackAt = 0.42f; // ...as a fraction of the way from snout to tail root
// Lowest point of the belly: 0.15 below the back, so the body (0.42 long) is 2.8 times as long
// as it is deep.
constexpr float kBellyZ = -0.080f;
constexpr float kBellyAt = 0.44f;
constexpr float kPeduncleHalfHeight = 0.030f; // a deep, strong stalk
constexpr float kForeheadShape = 0.72f;       // below 1: a full, big head, not a pointed snout
constexpr float kRearShape = 0.9f;
constexpr float kHalfThickness = 0.056f; // a heavy fish: its half thickness is 3/4 of its half depth...
constexpr float kThickestAt = 0.32f;     // ...behind the gill cover
constexpr float kPeduncleHalfThickness = 0.019f;
constexpr float kSectionShape = 0.85f; // nearly round in section
constexpr float kThicknessRise = 0.5f; // a broad head seen from above

// Column spacing over the snout as a fraction of the mean; it grows evenly to 2 - this at the tail.
constexpr float kHeadColumnSpacing = 0.65f;

// ---- Mouth: two big lips, the lower jutting ahead, reaching back toward the eye ------------------
// Columns run from the hinge (column 0, inside the head) to the tip, so a gape that grows along
// the columns opens the tip furthest.
constexpr int kLipRows = 4, kLipColumns = 7;
constexpr float kUpperTipX = kHeadX - 0.024f;
constexpr float kLowerTipX = kHeadX - 0.033f;
constexpr float kLipStep = 0.0095f; // between lip columns
constexpr float kLipHalfWidth = 0.028f;
constexpr float kUpperLipHeight = 0.025f;
constexpr float kLowerLipHeight = 0.029f;
constexpr float kLipTipScale = 0.5f; // a blunt tip

// ---- Dorsal fin: spines over the front, a rounded soft lobe over the rear --------------------------
// Rays j and j + 1 (j even) stand either side of body column 8 + j / 2, which they follow.
constexpr int kDorsalColumns = 16;
constexpr int kDorsalFirstColumn = 8;
constexpr float kDorsalSpinyEnd = 10.0f / 15.0f; // rays 0..10 are spines, the rest soft
constexpr float kSpineFront = 0.026f;            // the first spine...
constexpr float kSpine = 0.040f;                 // ...the tallest, early in the row...
constexpr float kSpineTallestAt = 0.3f;          // ...(as a fraction of the spiny part)...
constexpr float kSpineLast = 0.032f;             // ...and the last, where the soft lobe begins
constexpr float kSpineNotch = 0.35f;             // the membrane between spines dips by this fraction
constexpr float kSoftPeak = 0.050f;              // the soft lobe's tallest ray...
constexpr float kSoftPeakAt = 0.45f;             // ...as a fraction of the soft part
constexpr float kSoftLast = 0.016f;              // its last ray, over the tail stalk
constexpr float kSpineRake = 30.0f * kDegrees;   // spines lean back from upright...
constexpr float kSoftRake = 52.0f * kDegrees;    // ...soft rays lean further
constexpr float kDorsalPaintTo = 0.82f;          // the fin paint's dark rim stays off the spines' light tips
// The edge's sway: the front half rides on the body column of each ray; the rear half, whose
// rays lean back over later columns, on the column under its edge, in three steps.
struct EdgeSwayRun
{
    int firstRay, lastRay, bodyColumn;
};
constexpr EdgeSwayRun kDorsalRearEdge[] = {{8, 10, 13}, {11, 13, 15}, {14, 15, 16}};
constexpr int kDorsalFrontRays = 8;

// ---- Anal fin: a rounded lobe under the rear ---------------------------------------------------
// Rays j and j + 1 (j even) hang either side of body column 6 + j / 2, which they follow. The
// front rays stay inside the body; the lobe stands out behind the vent.
constexpr int kAnalColumns = 16;
constexpr int kAnalFirstColumn = 6;
constexpr float kAnalFrom = 0.45f;    // rays before this fraction stay hidden in the belly...
constexpr float kAnalHidden = 0.022f; // ...this far inside it, clear of the beat
constexpr float kAnalPeak = 0.046f;   // the lobe's longest ray...
constexpr float kAnalPeakAt = 0.55f;  // ...as a fraction of the visible part
constexpr float kAnalLast = 0.020f;
constexpr float kAnalRake = 40.0f * kDegrees;

constexpr float kRootSink = 0.004f; // median fin roots sit this far inside the body

// ---- Pectoral fins: large rounded fans low on the flank behind the gill cover ---------------------
constexpr int kPectoralColumn = 8;
constexpr int kPectoralColumns = 23, kPectoralRootDivisor = 3;
constexpr float kPectoralZ = -0.016f;   // middle of the base, below the flank's middle
constexpr float kPectoralBase = 0.030f; // height of the base along the flank
constexpr float kPectoralLength = 0.068f;
constexpr float kPectoralUp = 28.0f * kDegrees;
constexpr float kPectoralDown = 36.0f * kDegrees;
constexpr float kPectoralStandOff = 0.32f;
constexpr float kPectoralRounding = 0.32f; // a rounded fan, its middle rays the longest

// ---- Ventral fin: a short rounded fin under the chest, between columns 7 and 8 ---------------------
constexpr float kVentralColumn = 7.5f;
constexpr int kVentralColumns = 10;
constexpr float kVentralBase = 0.028f;
constexpr float kVentralLength = 0.052f;
constexpr float kVentralUp = -72.0f * kDegrees; // the leading ray, steeply down
constexpr float kVentralDown = -32.0f * kDegrees;
constexpr float kVentralStandOff = 0.3f;
constexpr float kVentralRounding = 0.35f;

// ---- Tail: a broad, rounded fan on the deep stalk -------------------------------------------------
constexpr int kTailColumns = 24;
constexpr float kTailLength = 0.092f;
constexpr float kTailSpread = 38.0f * kDegrees;
constexpr float kTailRounding = -0.14f; // a negative notch: the middle rays reach furthest
constexpr float kTailCorners = -0.08f;  // and the corners round off
constexpr float kTailRootHalfHeight = 0.028f;
constexpr float kTailRootInset = 0.008f;
constexpr float kTailCentreInset = 0.024f;

// ---- Eyes: domes high on the big head, over body column 3 (where: the skin layout) ---------------
// Three rings of six corners and the first again: the cornea's peak (one point, so its four
// stored entries lose nothing), a middle ring and the rim, which sits just inside the head. The
// mesh eye is larger than the painted one, which it stretches over itself, so that the eye's
// drift never uncovers much of the eye painted on the head beneath.
constexpr int kEyeColumn = 3;
constexpr int kEyeCorners = 6;
constexpr float kEyeInner = 0.62f;
constexpr float kEyeBulge = 0.007f;
constexpr float kEyeRimLift = -0.35f; // the rim, this fraction of the bulge inside the head
constexpr float kEyeOverPainted = 1.6f;

constexpr const skin::SpeciesLayout& kLayout = skin::kSpottedGrouperLayout;

// Fraction of the body (0 snout .. 1 tail root) at body column k, fractional columns between.
constexpr float ColumnT(float k)
{
    const float s = k / kLastColumn;
    return s * (kHeadColumnSpacing + (1.0f - kHeadColumnSpacing) * s);
}

static_assert(ColumnT(kEyeColumn) - kLayout.eyeAlong < 0.003f && kLayout.eyeAlong - ColumnT(kEyeColumn) < 0.003f,
              "the painted eye lies over the body column the eyes follow");

CBodySurface GrouperBody()
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
    return CBodySurface(shape, kBodyColumns, ColumnT);
}

// 0 on even rays, 1 on odd ones, smoothly between: where the membrane dips between two spines.
float BetweenSpines(float a, int cols)
{
    return 0.5f - 0.5f * std::cos(kPi * a * (cols - 1));
}

// A median fin of `cols` rays, two to each body column from `first` on, as its binding pairs them
// (ray j follows column first + j / 2): the rays stand evenly a half column apart, each pair
// straddling its column. It rises along the back (or hangs from the belly); ray a is `length(a)`
// long and leans back by `rake(a)`.
template <typename Length, typename Rake>
FinCurves RaysAlongBody(const CBodySurface& body, int first, int cols, bool hangs, Length length, Rake rake)
{
    FinCurves fin;
    const float front = first - 0.25f;
    const float span = 0.5f * (cols - 1);
    fin.root = [&body, front, span, hangs](float a) {
        const CBodySurface::Section s = body.ColumnSection(front + a * span);
        return Vector3{s.x, 0.0f, hangs ? s.bottom + kRootSink : s.top - kRootSink};
    };
    const float up = hangs ? -1.0f : 1.0f;
    fin.edge = [root = fin.root, length, rake, up](float a) {
        const float lean = rake(a);
        return root(a) + Vector3{std::sin(lean), 0.0f, up * std::cos(lean)} * length(a);
    };
    return fin;
}

FinCurves DorsalFin(const CBodySurface& body)
{
    auto length = [](float a) {
        if (a <= kDorsalSpinyEnd) {
            const float spine = Lobe(a / kDorsalSpinyEnd, kSpineFront, kSpine, kSpineTallestAt, kSpineLast, 0.6f, 1.0f);
            return spine * (1.0f - kSpineNotch * BetweenSpines(a, kDorsalColumns));
        }
        const float f = (a - kDorsalSpinyEnd) / (1.0f - kDorsalSpinyEnd);
        return Lobe(f, kSpineLast, kSoftPeak, kSoftPeakAt, kSoftLast, 0.7f, 0.6f);
    };
    auto rake = [](float a) {
        const float f = std::clamp((a - 0.5f * kDorsalSpinyEnd) / (1.0f - 0.5f * kDorsalSpinyEnd), 0.0f, 1.0f);
        return kSpineRake + (kSoftRake - kSpineRake) * f;
    };
    FinCurves fin = RaysAlongBody(body, kDorsalFirstColumn, kDorsalColumns, false, length, rake);
    fin.paintTo = kDorsalPaintTo;
    return fin;
}

FinCurves AnalFin(const CBodySurface& body)
{
    auto length = [](float a) {
        if (a <= kAnalFrom)
            return -kAnalHidden;
        const float f = (a - kAnalFrom) / (1.0f - kAnalFrom);
        return Lobe(f, -kAnalHidden, kAnalPeak, kAnalPeakAt, kAnalLast, 0.8f, 0.6f);
    };
    return RaysAlongBody(body, kAnalFirstColumn, kAnalColumns, true, length, [](float) { return kAnalRake; });
}

// Part column j on body column first + j / 2.
const ColumnBinding* EveryTwoRays(CFishModel& model, int first, int cols)
{
    std::vector<ColumnBinding> map;
    for (int j = 0; j < cols; ++j)
        map.push_back(OnColumn(first + j / 2));
    return model.Map(map);
}

// A lip whose tip column is pressed flat onto the midline, where it meets its mirrored half: the
// mouth's front is closed, not an opening into the body.
MeshGrid ClosedLip(CFishModel& model, bool upper, float tipX, float height)
{
    const MeshGrid lip =
        model.Lip(kLipRows, kLipColumns, upper, tipX, kLipStep, kLipHalfWidth, height, kLipTipScale, true);
    return model.Grid(kLipRows, kLipColumns, [lip](int r, int j) {
        MeshVertex v = lip.At(r, j);
        if (j == kLipColumns - 1)
            v.y = 0.0f;
        return v;
    });
}

// A gape array of n elements over a lip of more columns: column j opens by element j, and the
// columns past the array's end by its last element, so the lip's front opens as one piece.
void AddGape(MeshPartSpec& lip, int gape, int n, float sign)
{
    lip.terms[0] = Term(gape, Axis::Z, sign).Columns(0, n - 1);
    lip.terms[1] = Term(gape, Axis::Z, sign).Element(n - 1).Columns(n, -1);
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

TailShape Tail()
{
    TailShape tail;
    tail.length = kTailLength;
    tail.spread = kTailSpread;
    tail.notch = kTailRounding;
    tail.tipReach = kTailCorners;
    tail.rootHalfHeight = kTailRootHalfHeight;
    tail.rootInset = kTailRootInset;
    tail.centreInset = kTailCentreInset;
    return tail;
}

CFishModel* BuildSpottedGrouper()
{
    auto* model = new CFishModel(kLayout, GrouperBody());
    CFishModel& m = *model;
    const Axis X = Axis::X, Y = Axis::Y, Z = Axis::Z;

    m.AddPart("body", m.Body(kBodyRows, kBodyColumns), MirrorKind::Bands, PerColumn(0)).terms[0] =
        Term(kSpottedGrouperSway, Y).OfBodyColumn();

    AddGape(
        m.AddPart("upper mouth", ClosedLip(m, true, kUpperTipX, kUpperLipHeight), MirrorKind::Bands, FixedColumn(0)),
        kSpottedGrouperGapeB, kSpottedGrouperPoseLengths[kSpottedGrouperGapeB], 1.0f);
    AddGape(
        m.AddPart("lower mouth", ClosedLip(m, false, kLowerTipX, kLowerLipHeight), MirrorKind::Bands, FixedColumn(0)),
        kSpottedGrouperGapeA, kSpottedGrouperPoseLengths[kSpottedGrouperGapeA], -1.0f);

    // The root rides on the sway of the column each ray grows from; so does the edge over the
    // front half, while the rear half's edge rides on the columns it leans back over.
    MeshPartSpec& dorsal = m.AddPart("dorsal fin", m.Fin(2, kDorsalColumns, DorsalFin(m.Surface())), MirrorKind::None,
                                     {BindingKind::Map, kDorsalFirstColumn, 0});
    dorsal.columnMap = EveryTwoRays(m, kDorsalFirstColumn, kDorsalColumns);
    dorsal.terms[0] = Term(kSpottedGrouperSway, Y).OfBodyColumn().RootRow();
    dorsal.terms[1] = Term(kSpottedGrouperSway, Y).OfBodyColumn().EdgeRow().Columns(0, kDorsalFrontRays - 1);
    int next = 2;
    for (const EdgeSwayRun& run : kDorsalRearEdge)
        dorsal.terms[next++] =
            Term(kSpottedGrouperSway, Y).Element(run.bodyColumn).EdgeRow().Columns(run.firstRay, run.lastRay);
    dorsal.terms[next] = Term(kSpottedGrouperDorsalBeat, Y).EdgeRow();

    // Both fans in one part; the mirrored fan's sideways beat is negated, so the pair opens and
    // closes together.
    MeshPartSpec& pectoral =
        m.AddPart("pectoral fins", m.Fin(2, kPectoralColumns, FlankFin(m.Surface(), Pectoral()), kPectoralRootDivisor),
                  MirrorKind::Bands, FixedColumn(kPectoralColumn));
    pectoral.terms[0] = Term(kSpottedGrouperPectoralBeat, X).EdgeRow();
    pectoral.terms[1] = Term(kSpottedGrouperPectoralBeat, Y, -1.0f).EdgeRow().NegatedWhenMirrored();

    // One ventral fin, on the right: only the mirrored copy is drawn, and it swings by -beat.
    m.AddPart("ventral fin", m.Fin(2, kVentralColumns, FlankFin(m.Surface(), Ventral())), MirrorKind::MirroredOnly,
              MeanOf(7, 8))
        .terms[0] = Term(kSpottedGrouperVentralBeat, Y).NegatedWhenMirrored();

    MeshPartSpec& anal = m.AddPart("anal fin", m.Fin(2, kAnalColumns, AnalFin(m.Surface())), MirrorKind::None,
                                   {BindingKind::Map, kAnalFirstColumn, 0});
    anal.columnMap = EveryTwoRays(m, kAnalFirstColumn, kAnalColumns);
    anal.terms[0] = Term(kSpottedGrouperSway, Y).OfBodyColumn();
    anal.terms[1] = Term(kSpottedGrouperAnalBeat, Y).EdgeRow();

    // The tail rides on the last column's sway, and its edge beats on top of that.
    MeshPartSpec& tail = m.AddPart("tail fin", m.Fin(2, kTailColumns, TailFan(m.Surface(), Tail())), MirrorKind::None,
                                   FixedColumn(kLastColumn));
    tail.terms[0] = Term(kSpottedGrouperSway, Y).Element(kLastColumn);
    tail.terms[1] = Term(kSpottedGrouperTailBeat, Y).EdgeRow();

    const float paintedRadius = kLayout.eyeRadius * m.Surface().Length() / kLayout.bodyAspect;
    const MeshGrid eye = m.Eye(kEyeCorners + 1, {0.0f, kEyeInner, 1.0f}, {1.0f, 0.7f, kEyeRimLift},
                               kEyeOverPainted * paintedRadius, kEyeBulge, 2);
    MeshPartSpec& eyes = m.AddPart("eyes", eye, MirrorKind::Bands, FixedColumn(kEyeColumn));
    eyes.terms[0] = Term(kSpottedGrouperDrift, X).Element(0);
    eyes.terms[1] = Term(kSpottedGrouperDrift, Z).Element(0);
    return model;
}
} // namespace

const MeshPartSpec* SpottedGrouperParts(int& partCount)
{
    static const CFishModel* model = BuildSpottedGrouper(); // lives for the whole program
    return model->Parts(partCount);
}
