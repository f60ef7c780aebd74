// FishModel.cpp -- the fin, lip, eye and body builders, and the model that owns their tables.
#include "fish/model/FishModel.h"

#include <algorithm>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kRootSink = 0.004f; // paired fins sit this far inside the flank, so no seam shows

// The perpendicular of an in-plane (x, z) direction that points forward (toward the head).
Vector3 Forward(Vector3 d)
{
    const Vector3 n = Normalised({-d.z, 0.0f, d.x});
    return n.x <= 0.0f ? n : n * -1.0f;
}
} // namespace

MeshVertex MakeVertex(Vector3 p, Vector3 n, float u, float v)
{
    return {p.x, p.y, p.z, n.x, n.y, n.z, u, v};
}

Vector3 FinCurves::At(float a, float b) const
{
    Vector3 p = Lerp(root(a), edge(a), b);
    if (offset)
        p = p + offset(a, b);
    return p;
}

MeshVertex FinCurves::Sample(float a, float b) const
{
    return MakeVertex(At(a, b), normal, skin::FinU(paintFrom + (paintTo - paintFrom) * b), skin::FinV(a, tail));
}

Vector3 FinCurves::PlaneNormal() const
{
    const Vector3 across = root(1.0f) - root(0.0f) + (edge(1.0f) - edge(0.0f));
    const Vector3 out = edge(0.5f) - root(0.5f);
    Vector3 n = Normalised(Cross(across, out));
    return n.y <= 0.0f ? n : n * -1.0f;
}

// ---- Fin shapes ----------------------------------------------------------------------------------

FinCurves MedianFin(const CBodySurface& body, const MedianFinShape& shape)
{
    FinCurves fin;
    const float sink = shape.rootSink;
    auto root = [&body, shape, sink](float a) {
        const CBodySurface::Section s = body.ColumnSection(shape.firstColumn + a * shape.span);
        return Vector3{s.x, 0.0f, shape.hangs ? s.bottom + sink : s.top - sink};
    };
    fin.root = root;
    const float up = shape.hangs ? -1.0f : 1.0f;
    if (shape.swept) {
        const Vector3 lastRoot = root(1.0f);
        const Vector3 lastEnd = lastRoot + Vector3{0.5f, 0.0f, 0.87f * up} * shape.lastRay;
        fin.edge = [shape, lastEnd](float a) {
            const float s = std::pow(a, shape.raySpread);
            return Lerp(shape.tip, lastEnd, s) + Forward(lastEnd - shape.tip) * (shape.trailSag * std::sin(kPi * s));
        };
        const Vector3 bowDirection = Forward(shape.tip - root(0.0f));
        fin.offset = [shape, bowDirection](float a, float b) {
            return bowDirection * (shape.leadBow * std::sin(kPi * b) * std::pow(1.0f - a, 3.0f));
        };
    } else {
        fin.edge = [root, shape, up](float a) {
            const float h = Lobe(a, shape.h0, shape.peak, shape.peakAt, shape.h1, shape.riseShape, shape.fallShape);
            return root(a) + Vector3{std::sin(shape.rake), 0.0f, up * std::cos(shape.rake)} * h;
        };
    }
    return fin;
}

FinCurves RingFin(const CBodySurface& body, const RingFinShape& shape)
{
    const float up = shape.hangs ? -1.0f : 1.0f;
    auto outline = [&body, shape](float t) {
        const CBodySurface::Section s = body.At(std::clamp(t, 0.0f, 1.0f));
        return shape.hangs ? s.bottom : s.top;
    };
    auto fraction = [&body, shape](float a) {
        return body.ColumnFraction(shape.firstColumn + a * (shape.lastColumn - shape.firstColumn));
    };
    auto root = [&body, shape, up, outline, fraction](float a) {
        const float t = fraction(a);
        return Vector3{body.At(t).x, 0.0f, outline(t) - up * shape.rootSink};
    };
    FinCurves fin;
    fin.root = root;
    fin.edge = [&body, shape, up, outline, fraction, root](float a) {
        const float t = fraction(a);
        constexpr float dt = 0.01f; // the outline's slope is taken over this much of the body's length
        const float slope = (outline(t + dt) - outline(t - dt)) / (2.0f * dt * body.Length());
        // Lean of the outward normal behind upright: a falling outline leans it back.
        const float lean = std::clamp(std::atan(-up * slope) + shape.rake, -shape.maxLean, shape.maxLean);
        const float length = Lobe(a, shape.h0, shape.peak, shape.peakAt, shape.h1, shape.riseShape, shape.fallShape);
        return root(a) + Vector3{std::sin(lean), 0.0f, up * std::cos(lean)} * length;
    };
    return fin;
}

FinCurves TailFan(const CBodySurface& body, const TailShape& shape)
{
    FinCurves fin;
    fin.tail = true;
    const float rootX = body.Shape().tailRootX;
    fin.root = [shape, rootX](float f) {
        return Vector3{rootX - shape.rootInset, 0.0f, shape.centreZ + shape.rootHalfHeight * (1.0f - 2.0f * f)};
    };
    fin.edge = [shape, rootX](float f) {
        const float corner = std::fabs(2.0f * f - 1.0f); // 0 in the middle, 1 at a corner
        const float angle = shape.spread * (1.0f - 2.0f * f) - shape.droop;
        const float reach =
            shape.length * (1.0f - shape.notch * (1.0f - corner * corner) + shape.tipReach * std::pow(corner, 6.0f) -
                            shape.fork * (1.0f - corner) * (1.0f - corner));
        const Vector3 centre{rootX - shape.centreInset, 0.0f, shape.centreZ};
        return centre + Vector3{std::cos(angle), shape.splay, std::sin(angle)} * reach;
    };
    return fin;
}

FinCurves FlankFin(const CBodySurface& body, const FlankFinShape& shape)
{
    FinCurves fin;
    const float x = body.ColumnX(shape.column);
    fin.normal = Normalised(Cross({1.0f, -shape.standOff, 0.0f}, {0.0f, 0.0f, 1.0f}));
    auto root = [&body, shape, x](float f) {
        if (shape.onBelly) {
            const float along = x + shape.base * (f - 0.5f);
            float t, around;
            body.Coordinates(along, -1.0f, t, around);
            Vector3 p = body.Point(t, 0.93f);
            p.y += kRootSink;
            return p;
        }
        const float z = shape.z + shape.base * (0.5f - f);
        return Vector3{x, body.FlankY(x, z) + kRootSink, z};
    };
    fin.root = root;
    fin.edge = [root, shape](float f) {
        const float angle = shape.up - f * (shape.up - shape.down);
        const float length = shape.length * (1.0f - shape.rounding + shape.rounding * std::sin(kPi * f));
        return root(f) + Vector3{std::cos(angle), -shape.standOff, std::sin(angle)} * length;
    };
    return fin;
}

// ---- The model -----------------------------------------------------------------------------------

MeshGrid CFishModel::Grid(int rows, int cols, const std::function<MeshVertex(int r, int j)>& fill, int rootDivisor,
                          int rootEntries)
{
    MeshGrid grid;
    grid.rows = rows;
    grid.cols = cols;
    grid.firstRowDivisor = rootDivisor;
    grid.firstRowEntries = rootDivisor <= 1  ? 0
                           : rootEntries > 0 ? rootEntries
                                             : (cols + rootDivisor - 1) / rootDivisor;
    blocks.emplace_back(new MeshVertex[grid.StoredVertices()]);
    MeshVertex* out = blocks.back().get();
    grid.vertices = out;
    int next = 0;
    if (rootDivisor > 1) {
        for (int e = 0; e < grid.firstRowEntries; ++e)
            out[next++] = fill(0, e * rootDivisor);
    }
    for (int r = rootDivisor > 1 ? 1 : 0; r < rows; ++r) {
        for (int j = 0; j < cols; ++j)
            out[next++] = fill(r, j);
    }
    return grid;
}

MeshGrid CFishModel::Body(int rows, int cols)
{
    return Grid(rows, cols, [this, rows, cols](int r, int k) {
        const float column = static_cast<float>(k);
        const float t = cols == body.Columns() ? body.ColumnFraction(column) : column / static_cast<float>(cols - 1);
        const float around = static_cast<float>(r) / (rows - 1);
        return MakeVertex(body.Point(t, around), body.Normal(t, around), skin::BodyU(t), skin::BodyV(around));
    });
}

MeshGrid CFishModel::Fin(int rows, int cols, const FinCurves& curves, int rootDivisor, int rootEntries)
{
    const int entries = rootDivisor <= 1 ? 0 : rootEntries > 0 ? rootEntries : (cols + rootDivisor - 1) / rootDivisor;
    return Grid(
        rows, cols,
        [&curves, rows, cols, rootDivisor, entries](int r, int j) {
            // Root entry e (first serving column e * divisor) lies the fraction e / (entries - 1) along.
            const float a = r == 0 && entries > 1 ? static_cast<float>(j / rootDivisor) / (entries - 1)
                                                  : static_cast<float>(j) / (cols - 1);
            return curves.Sample(a, static_cast<float>(r) / (rows - 1));
        },
        rootDivisor, rootEntries);
}

MeshGrid CFishModel::FinBand(int rows, int cols, const FinCurves& curves, float b0, float b1, float a0, float a1)
{
    return Grid(rows, cols, [&curves, rows, cols, b0, b1, a0, a1](int r, int j) {
        const float a = a0 + (a1 - a0) * static_cast<float>(j) / (cols - 1);
        return curves.Sample(a, b0 + (b1 - b0) * static_cast<float>(r) / (rows - 1));
    });
}

MeshGrid CFishModel::Ribbon(int rows, int cols, const RibbonShape& shape)
{
    // Walk the centre line from the root; each column is the ribbon's cross-piece there.
    std::vector<Vector3> centres(cols), across(cols);
    std::vector<float> widths(cols);
    const float rootX = body.ColumnX(shape.column);
    Vector3 centre{rootX, shape.rootY, body.ColumnSection(shape.column).bottom + kRootSink};
    const float step = shape.length / (cols - 1);
    for (int j = 0; j < cols; ++j) {
        const float f = static_cast<float>(j) / (cols - 1);
        const float droop = shape.droop - shape.curl * f;
        centres[j] = centre;
        across[j] = {std::sin(droop), 0.0f, std::cos(droop)}; // from the front edge to the back
        widths[j] = shape.endWidth + (shape.rootWidth - shape.endWidth) * std::pow(1.0f - f, 3.0f);
        const float nextDroop = shape.droop - shape.curl * (j + 0.5f) / (cols - 1);
        centre = centre + Vector3{std::cos(nextDroop), 0.0f, -std::sin(nextDroop)} * step;
        centre.y -= shape.splay / (cols - 1);
    }
    const CBodySurface& surface = body;
    return Grid(rows, cols, [&, rows, cols](int r, int j) {
        const float b = static_cast<float>(r) / (rows - 1);
        Vector3 p = centres[j] + across[j] * ((b - 0.5f) * widths[j]);
        if (j == 0) { // the root's corners on the belly
            float t, around;
            surface.Coordinates(p.x, p.z, t, around);
            p.z = surface.At(t).bottom + kRootSink;
        }
        return MakeVertex(p, {0.0f, -1.0f, 0.0f}, skin::FinU(static_cast<float>(j) / (cols - 1)),
                          skin::FinV(0.2f + 0.6f * b, false));
    });
}

MeshGrid CFishModel::Lip(int rows, int cols, bool upper, float tipX, float step, float halfWidth, float height,
                         float tipScale, bool tipLast)
{
    const float mouthZ = body.Shape().snoutZ;
    return Grid(rows, cols, [=](int r, int column) {
        const int j = tipLast ? cols - 1 - column : column; // columns counted from the tip
        // From the top of the upper lip's ridge (0) to the bottom of the chin (pi); the ridge and
        // the chin lie exactly on the midline, where the mirrored band joins.
        const float angle = (upper ? 0.0f : 0.5f * kPi) + 0.5f * kPi * static_cast<float>(r) / (rows - 1);
        const bool onMidline = (upper && r == 0) || (!upper && r == rows - 1);
        const float side = onMidline ? 0.0f : std::sin(angle);
        const float scale = std::min(1.0f, tipScale + (1.0f - tipScale) * j * 0.5f);
        const float w = halfWidth * scale;
        const float h = height * scale;
        const Vector3 p{tipX + step * j, -w * side, mouthZ + h * std::cos(angle)};
        // Outward from the lip's axis, and forward at the tip where the lips round off.
        Vector3 n = Normalised({0.0f, -side / w, std::cos(angle) / h});
        n = Normalised(n + Vector3{j == 0 ? -0.8f : 0.0f, 0.0f, 0.0f});
        float t, around;
        body.Coordinates(p.x, p.z, t, around);
        return MakeVertex(p, n, skin::BodyU(t), skin::BodyV(around));
    });
}

MeshGrid CFishModel::Eye(int cols, const std::vector<float>& rings, const std::vector<float>& lifts, float radius,
                         float bulge, int firstRingDivisor)
{
    const Vector3 centre = body.Point(layout.eyeAlong, layout.eyeAround);
    const Vector3 headNormal = body.Normal(layout.eyeAlong, layout.eyeAround);
    const float radiusU = skin::EyeRadiusU(layout);
    const float radiusV = skin::EyeRadiusV(layout);
    const int corners = cols - 1;
    return Grid(
        static_cast<int>(rings.size()), cols,
        [&, corners](int r, int j) {
            const float angle = 2.0f * kPi * static_cast<float>(j % corners) / corners;
            const Vector3 radial{std::cos(angle), 0.0f, std::sin(angle)};
            Vector3 p = centre + radial * (radius * rings[r]);
            p.y = body.FlankY(p.x, p.z) - bulge * lifts[r];
            const Vector3 n = Normalised(headNormal + radial * (0.8f * rings[r]));
            return MakeVertex(p, n, skin::BodyU(layout.eyeAlong) + radiusU * rings[r] * radial.x,
                              skin::BodyV(layout.eyeAround - radiusV * rings[r] * radial.z));
        },
        firstRingDivisor);
}

MeshPartSpec& CFishModel::AddPart(const char* name, MeshGrid grid, MirrorKind mirror, PartBinding binding)
{
    if (parts.capacity() == 0)
        parts.reserve(kMaxModelParts);
    MeshPartSpec part;
    part.name = name;
    part.grids[0] = grid;
    part.mirror = mirror;
    part.binding = binding;
    parts.push_back(part);
    return parts.back();
}

const ColumnBinding* CFishModel::Map(const std::vector<ColumnBinding>& columns)
{
    maps.emplace_back(new ColumnBinding[columns.size()]);
    std::copy(columns.begin(), columns.end(), maps.back().get());
    return maps.back().get();
}

const ColumnBinding* CFishModel::PerColumnThenFixed(int first, int count, int then, int columns)
{
    std::vector<ColumnBinding> map;
    for (int j = 0; j < columns; ++j)
        map.push_back(OnColumn(j < count ? first + j : then));
    return Map(map);
}
