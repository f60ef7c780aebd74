// FishModel.h -- the builder a species file describes its animal with, and the shapes it offers.
//
// A species file states its shape once: a BodyShape and a handful of fin, lip and eye parameters.
// CFishModel owns every vertex table and the part list; the builders below fill a grid from those
// parameters, for any rows x columns, so the grid shape is written once, where the part is added.
//
//     CFishModel model(layout, surface);
//     MeshPartSpec& body = model.AddPart("body", model.Body(9, 14), MirrorKind::Bands, PerColumn(0));
//     body.terms[0] = SwayTerm(kSway);
//
// Fins are filled from two curves, their root on the body and their free edge, sampled at a (0..1
// across the fin's columns); rows run from the root (row 0) to the edge. Texture coordinates land
// in the skin's fin strip, the tail in its top half, all other fins in its bottom half.
#pragma once

#include "fish/MeshPart.h"
#include "fish/model/BodySurface.h"
#include "fish/model/SkinLayout.h"

#include <functional>
#include <memory>
#include <vector>

// ---- Bindings and terms --------------------------------------------------------------------------

inline PartBinding PerColumn(int firstColumn)
{
    return {BindingKind::PerColumn, firstColumn, 0};
}
inline PartBinding FixedColumn(int column)
{
    return {BindingKind::Fixed, column, 0};
}
inline PartBinding MeanOf(int first, int second)
{
    return {BindingKind::Mean, first, second};
}
inline PartBinding KeepPrevious()
{
    return {BindingKind::Keep, 0, 0};
}
inline ColumnBinding OnColumn(int k)
{
    return {int8_t(k), int8_t(k), int8_t(k), int8_t(k), 0.0f};
}
inline ColumnBinding OnMean(int a, int b)
{
    return {int8_t(a), int8_t(b), int8_t(a), int8_t(b), 0.0f};
}

// A displacement of `axis` by `factor` x pose[column]; narrow it with the setters.
struct Term
{
    DisplacementTerm term;

    Term(int poseArray, Axis axis, float factor = 1.0f)
    {
        term.poseArray = poseArray;
        term.axis = axis;
        term.factor = factor;
    }
    Term& EdgeRow() { return Rows(-1, -1); }
    Term& RootRow() { return Rows(0, 0); }
    Term& Rows(int first, int last)
    {
        term.firstRow = first;
        term.lastRow = last;
        return *this;
    }
    Term& Columns(int first, int last)
    {
        term.firstColumn = first;
        term.lastColumn = last;
        return *this;
    }
    Term& OfBodyColumn() // the body column (or blend) the part column follows
    {
        term.index = TermIndex::BodyColumn;
        return *this;
    }
    Term& Element(int element) // one element for the whole part
    {
        term.index = TermIndex::Fixed;
        term.element = element;
        return *this;
    }
    Term& DividedBy(int divisor) // element j / divisor
    {
        term.index = TermIndex::PartColumnDivided;
        term.element = divisor;
        return *this;
    }
    Term& ByRow()
    {
        term.index = TermIndex::Row;
        return *this;
    }
    Term& NegatedWhenMirrored()
    {
        term.negateWhenMirrored = true;
        return *this;
    }
    Term& CarriesSize() // the chain has multiplied by size already
    {
        term.timesSize = false;
        return *this;
    }
    operator DisplacementTerm() const { return term; }
};

// ---- Fin shapes ----------------------------------------------------------------------------------

// The two curves a fin is filled between, and where it lies in the skin.
struct FinCurves
{
    std::function<Vector3(float a)> root;
    std::function<Vector3(float a)> edge;
    std::function<Vector3(float a, float b)> offset; // optional: added at (a, b), b from root (0) to edge (1)
    bool tail = false;                               // the tail's half of the fin strip
    Vector3 normal{0.0f, -1.0f, 0.0f};               // fins are thin: one normal for the whole fin
    // The stretch of the fin strip's paint, root to edge, that this fin shows (0 the strip's root
    // side, 1 its outer side): fins sharing one paint can show different parts of it.
    float paintFrom = 0.0f, paintTo = 1.0f;

    Vector3 At(float a, float b) const;
    // The outward (left, -y) normal of the plane through the fin's root and edge: for fins that
    // lean out of the upright.
    Vector3 PlaneNormal() const;
    // The vertex at (a, b), textured in the fin strip: outward b, across a.
    MeshVertex Sample(float a, float b) const;
};

// A median fin (dorsal or anal) as rays rising from the body's midline at body columns
// firstColumn .. firstColumn + span. Swept: ray 0's end is `tip`, and the ends run down a hollow
// trailing edge to a short last ray. Profiled: each ray stands `height(a)` off the body, leaning
// back by `rake` radians, with height a lobe through h0, peak (at peakAt) and h1.
struct MedianFinShape
{
    float firstColumn;
    float span; // body columns covered by the root
    bool hangs; // below the belly (an anal fin) instead of on the back
    // Swept form.
    bool swept = false;
    Vector3 tip{0.0f, 0.0f, 0.0f};
    float lastRay = 0.035f;
    float trailSag = 0.06f;
    float leadBow = 0.025f;
    float raySpread = 0.6f;
    // Profiled form.
    float h0 = 0.02f, peak = 0.06f, peakAt = 0.3f, h1 = 0.02f;
    float riseShape = 0.7f, fallShape = 0.7f;
    float rake = 0.6f;       // radians back from upright
    float rootSink = 0.004f; // roots sit this far inside the body, so no seam shows
};

FinCurves MedianFin(const CBodySurface& body, const MedianFinShape& shape);

// A fin band that rings the body's outline, as a discus's dorsal and anal fins do: its root runs
// along the back (or, hanging, the belly) from body column firstColumn to lastColumn, rootSink
// inside the outline, and each ray stands out along the outline's outward normal, leaned back by
// `rake`. The lean is held to at most maxLean either side of upright, so that where the outline
// falls into the tail stalk the last rays round off over the tail root instead of lying along it.
// Ray lengths run as a lobe (Lobe) from h0 at the front over the widest, `peak` at fraction peakAt
// of the band, to h1 at the last ray; riseShape is how soon the band widens from the front,
// fallShape how full its rear lobe stays. The fin is sampled at a (0..1 over the whole band), so
// parts cut from one band lie on one fin and share their boundary rays. Lengths are mesh units,
// angles radians; lastColumn > firstColumn, and the columns need not be whole.
struct RingFinShape
{
    float firstColumn, lastColumn;
    bool hangs; // below the belly (an anal fin) instead of on the back
    float h0, peak, peakAt, h1;
    float rake;    // back from the outline's normal
    float maxLean; // the most a ray leans from upright, either way
    float riseShape = 1.1f, fallShape = 0.7f;
    float rootSink = 0.004f; // roots sit this far inside the body, so no seam shows
};

FinCurves RingFin(const CBodySurface& body, const RingFinShape& shape);

// A fan tail on the tail root: root along the stalk (top to bottom), edge an arc about a centre
// just ahead of it. reach(f) = length (1 - notch (1 - c^2) + tipReach c^6 - fork (1 - c)^2), with
// c = |2f - 1| (0 in the middle, 1 at a corner): a notch dents the middle, a fork cuts a V, the tip
// reach draws the corners out. `splay` leans the fan off the midline (a twin tail's half).
struct TailShape
{
    float length = 0.14f;
    float spread = 0.7f; // half the fan's opening, radians
    float tipReach = 0.0f;
    float notch = 0.0f;
    float fork = 0.0f;
    float rootHalfHeight = 0.026f;
    float rootInset = 0.01f;   // the root, inside the tail root
    float centreInset = 0.03f; // the fan's centre, ahead of the tail root
    float centreZ = 0.0f;
    float splay = 0.0f; // lateral lean of the edge, y per unit of length (negative: left)
    float droop = 0.0f; // tilts the whole fan down (radians)
};

FinCurves TailFan(const CBodySurface& body, const TailShape& shape);

// A paired fin on the flank (a pectoral or a ventral fan): its base runs down the flank at a body
// column, its rays spread backward between `up` and `down` (radians from the horizontal, down
// negative) and stand off the body.
struct FlankFinShape
{
    float column;
    float z;      // middle of the base
    float base;   // height of the base along the flank
    float length; // of the middle ray
    float up, down;
    float standOff = 0.3f;  // lateral distance per unit of length
    float rounding = 0.25f; // middle rays this much longer than the outer ones
    bool onBelly = false;   // base along the belly instead of the flank (ventral fins)
};

FinCurves FlankFin(const CBodySurface& body, const FlankFinShape& shape);

// A trailing filament along its length: column 0 at the body, the last column its end; row 0 its
// front edge, the last row its back edge. It drops at `droop` from the horizontal, curls by `curl`.
struct RibbonShape
{
    float column;
    float length;
    float droop, curl; // radians
    float rootWidth, endWidth;
    float rootY; // just off the midline
    float splay; // how much further out its end lies
};

// ---- The model -----------------------------------------------------------------------------------

class CFishModel
{
public:
    CFishModel(const skin::SpeciesLayout& layout, const CBodySurface& body) : layout(layout), body(body) {}
    CFishModel(const CFishModel&) = delete;
    CFishModel& operator=(const CFishModel&) = delete;

    // Grids, filled and owned by the model. Grid() calls fill(r, j) once per stored entry (a
    // divided root row: once per root entry, with j its first column).
    MeshGrid Grid(int rows, int cols, const std::function<MeshVertex(int r, int j)>& fill, int rootDivisor = 1,
                  int rootEntries = 0);
    // The body: rows from the back around the left flank to the belly, columns at the surface's
    // own column places when cols is its column count (evenly along the body otherwise).
    MeshGrid Body(int rows, int cols);
    // A divided root row samples its entries so the last lies at the root's far end; rootEntries
    // (0: as many as the divisor gives) fixes their count, the last serving the remaining columns.
    MeshGrid Fin(int rows, int cols, const FinCurves& curves, int rootDivisor = 1, int rootEntries = 0);
    // A fin's rows between fractions b0 and b1 of the way from root to edge.
    MeshGrid FinBand(int rows, int cols, const FinCurves& curves, float b0, float b1, float a0 = 0.0f, float a1 = 1.0f);
    MeshGrid Ribbon(int rows, int cols, const RibbonShape& shape);
    // A lip shell in front of the snout: cols from the tip (x = tipX) back into the head, rows a
    // quarter turn from the ridge (upper) or the mouth line (lower) around the mouth. With tipLast
    // the columns run the other way, from the hinge to the tip, for gapes that grow along them.
    MeshGrid Lip(int rows, int cols, bool upper, float tipX, float step, float halfWidth, float height,
                 float tipScale = 0.4f, bool tipLast = false);
    // Closed rings on the head at the layout's eye (the last column repeats the first): the rim,
    // inner rings and the cornea's peak, mapped rim to rim onto the painted eye. `radius` in mesh
    // units; rings[r] the radius fractions, lifts[r] the fractions of `bulge` it stands off.
    MeshGrid Eye(int cols, const std::vector<float>& rings, const std::vector<float>& lifts, float radius, float bulge,
                 int firstRingDivisor = 1);

    // Parts in draw order; the reference stays valid while parts are added.
    MeshPartSpec& AddPart(const char* name, MeshGrid grid, MirrorKind mirror, PartBinding binding);
    // A column map, one entry per part column.
    const ColumnBinding* Map(const std::vector<ColumnBinding>& columns);
    // Part column j on body column first + j for j < count, then on `then` for the rest.
    const ColumnBinding* PerColumnThenFixed(int first, int count, int then, int columns);

    const MeshPartSpec* Parts(int& count) const
    {
        count = static_cast<int>(parts.size());
        return parts.data();
    }
    const CBodySurface& Surface() const { return body; }
    const skin::SpeciesLayout& Layout() const { return layout; }

private:
    skin::SpeciesLayout layout;
    CBodySurface body;
    std::vector<std::unique_ptr<MeshVertex[]>> blocks;
    std::vector<std::unique_ptr<ColumnBinding[]>> maps;
    std::vector<MeshPartSpec> parts; // reserved up front: AddPart's references stay valid
};

constexpr int kMaxModelParts = 32;

MeshVertex MakeVertex(Vector3 p, Vector3 n, float u, float v);
