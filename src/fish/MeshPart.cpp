// MeshPart.cpp -- the part template: rotation matrices, displacement terms and band drawing.
#include "fish/MeshPart.h"

#include "fish/VertexSink.h"
#include "platform/Random.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

namespace {
constexpr double kDegreesToRadians = 0.017453292519943295;

void SetPartRotation(float* matrix, float degrees)
{
    BuildRotationMatrix(matrix, static_cast<float>(degrees * kDegreesToRadians), 0.0f, 0.0f, 1.0f);
}

// A row or column limit of a term: negative ones count from the end.
int Resolve(int limit, int count)
{
    return limit < 0 ? count + limit : limit;
}

class CBandDrawer
{
public:
    CBandDrawer(const MeshPartSpec& part, PartContext& context) : part(part), context(context) {}

    void DrawGrids()
    {
        // A part turned band by band gives a row bordering two bands two different rotations: it
        // has no single transformed vertex to share, so it goes vertex by vertex to any sink.
        if (CIndexedVertexSink* indexed = context.sink->Indexed();
            indexed && part.binding.kind != BindingKind::PerBand) {
            DrawGridsIndexed(*indexed);
            return;
        }
        if (part.mirror == MirrorKind::GridsThenMirrored) {
            for (const bool mirrored : {false, true}) {
                for (int g = 0; g < part.gridCount; ++g) {
                    for (int r = 0; r + 1 < part.grids[g].rows; ++r)
                        DrawBand(g, r, mirrored);
                }
            }
            return;
        }
        for (int g = 0; g < part.gridCount; ++g) {
            for (int r = 0; r + 1 < part.grids[g].rows; ++r) {
                if (part.mirror != MirrorKind::MirroredOnly)
                    DrawBand(g, r, false);
                if (part.mirror != MirrorKind::None)
                    DrawBand(g, r, true);
            }
        }
    }

    // One quad over entries 0, 2, 4 and 6 of the first ring, in the last column's rotation.
    void DrawCap(const MeshGrid& grid)
    {
        for (const bool mirrored : {false, true}) {
            if ((mirrored && part.mirror == MirrorKind::None) || (!mirrored && part.mirror == MirrorKind::MirroredOnly))
                continue;
            context.sink->BeginQuads();
            for (int j = 0; j < 8; j += 2)
                Emit(grid, 0, j, mirrored, (part.termGridMask & 1) != 0);
            context.sink->EndStrip();
        }
    }

private:
    // Every vertex of every grid copy the part draws is transformed once and stored; the bands then
    // name them by index, in the order DrawGrids draws them. Copies are stored in that order too and
    // a copy column by column, so the part matrix ends as DrawGrids leaves it: a part drawn next
    // with no rotation of its own, and an eye's cap, see the same matrix.
    void DrawGridsIndexed(CIndexedVertexSink& sink)
    {
        uint32_t first[kMaxPartGrids][2] = {};
        if (part.mirror == MirrorKind::GridsThenMirrored) {
            for (const bool mirrored : {false, true})
                for (int g = 0; g < part.gridCount; ++g)
                    first[g][mirrored] = StoreGrid(sink, g, mirrored);
            for (const bool mirrored : {false, true})
                for (int g = 0; g < part.gridCount; ++g)
                    for (int r = 0; r + 1 < part.grids[g].rows; ++r)
                        IndexedBand(sink, g, r, first[g][mirrored]);
            return;
        }
        for (int g = 0; g < part.gridCount; ++g) {
            if (part.mirror != MirrorKind::MirroredOnly)
                first[g][0] = StoreGrid(sink, g, false);
            if (part.mirror != MirrorKind::None)
                first[g][1] = StoreGrid(sink, g, true);
            for (int r = 0; r + 1 < part.grids[g].rows; ++r) {
                if (part.mirror != MirrorKind::MirroredOnly)
                    IndexedBand(sink, g, r, first[g][0]);
                if (part.mirror != MirrorKind::None)
                    IndexedBand(sink, g, r, first[g][1]);
            }
        }
    }

    // Grid g's vertices, row-major, transformed as Emit transforms them; returns the first's index.
    // A grid with fewer than two rows has no band and, as in DrawGrids, sets no rotation.
    uint32_t StoreGrid(CIndexedVertexSink& sink, int g, bool mirrored)
    {
        const MeshGrid& grid = part.grids[g];
        if (grid.rows < 2 || grid.cols < 1)
            return 0;
        const bool termsApply = (part.termGridMask >> g) & 1;
        const bool perColumn = part.binding.kind == BindingKind::PerColumn || part.binding.kind == BindingKind::Map;
        uint32_t firstIndex = 0;
        MeshVertex* out = sink.Reserve(grid.rows * grid.cols, firstIndex);
        for (int j = 0; j < grid.cols; ++j) {
            if (perColumn)
                SetPartRotation(context.partMatrix, BodyValue(context.columnHeadings, j));
            for (int r = 0; r < grid.rows; ++r) {
                float position[3];
                Transform(grid, r, j, mirrored, termsApply, position);
                MeshVertex& stored = out[r * grid.cols + j];
                stored = grid.At(r, j);
                stored.x = position[0];
                stored.y = position[1];
                stored.z = position[2];
            }
        }
        return firstIndex;
    }

    void IndexedBand(CIndexedVertexSink& sink, int g, int r, uint32_t firstIndex) const
    {
        const int cols = part.grids[g].cols;
        sink.IndexedStrip(firstIndex + r * cols, firstIndex + (r + 1) * cols, cols);
    }

    float BodyValue(const float* values, int j) const
    {
        const PartBinding& b = part.binding;
        switch (b.kind) {
        case BindingKind::PerColumn:
            return values[b.firstColumn + j];
        case BindingKind::Mean:
            return (values[b.firstColumn] + values[b.secondColumn]) * 0.5f;
        case BindingKind::Map:
            return part.columnMap[j].Of(values);
        default:
            return values[b.firstColumn];
        }
    }

    float PoseValue(const DisplacementTerm& term, int r, int j) const
    {
        const float* pose = context.poseArrays[term.poseArray];
        float value;
        switch (term.index) {
        case TermIndex::PartColumn:
            value = pose[j];
            break;
        case TermIndex::BodyColumn:
            value = BodyValue(pose, j);
            break;
        case TermIndex::PartColumnDivided:
            value = pose[j / term.element];
            break;
        case TermIndex::Row:
            value = pose[r];
            break;
        default:
            value = pose[term.element];
            break;
        }
        return term.timesSize ? value * context.size : value;
    }

    void DrawBand(int g, int r, bool mirrored)
    {
        const MeshGrid& grid = part.grids[g];
        const bool termsApply = (part.termGridMask >> g) & 1;
        CVertexSink& sink = *context.sink;
        const bool perColumn = part.binding.kind == BindingKind::PerColumn || part.binding.kind == BindingKind::Map;
        if (part.binding.kind == BindingKind::PerBand)
            SetPartRotation(context.partMatrix, context.columnHeadings[part.binding.firstColumn + r]);
        sink.BeginStrip();
        for (int j = 0; j < grid.cols; ++j) {
            if (perColumn)
                SetPartRotation(context.partMatrix, BodyValue(context.columnHeadings, j));
            Emit(grid, r, j, mirrored, termsApply);
            Emit(grid, r + 1, j, mirrored, termsApply);
        }
        sink.EndStrip();
    }

    void Emit(const MeshGrid& grid, int r, int j, bool mirrored, bool termsApply)
    {
        float position[3];
        Transform(grid, r, j, mirrored, termsApply, position);
        context.sink->Vertex(position[0], position[1], position[2], grid.At(r, j));
    }

    // Vertex (r, j) of `grid`: scaled, mirrored, displaced by the pose terms, then turned by the
    // part matrix, into out[0..2].
    void Transform(const MeshGrid& grid, int r, int j, bool mirrored, bool termsApply, float* out) const
    {
        const MeshVertex& v = grid.At(r, j);
        const float scale = context.size * part.tableScale;
        float p[3] = {v.x * scale + part.attachment[0], v.y * scale + part.attachment[1],
                      (part.negateZ ? -v.z : v.z) * scale + part.attachment[2]};
        const int lateral = static_cast<int>(part.mirrorAxis);
        if (mirrored && !part.mirrorAfterTerms)
            p[lateral] = -p[lateral];
        if (termsApply) {
            for (const DisplacementTerm& term : part.terms) {
                if (term.poseArray < 0)
                    break;
                if (r < Resolve(term.firstRow, grid.rows) || r > Resolve(term.lastRow, grid.rows) ||
                    j < Resolve(term.firstColumn, grid.cols) || j > Resolve(term.lastColumn, grid.cols))
                    continue;
                const float factor = (mirrored && term.negateWhenMirrored) ? -term.factor : term.factor;
                p[static_cast<int>(term.axis)] += factor * PoseValue(term, r, j);
            }
        }
        if (mirrored && part.mirrorAfterTerms)
            p[lateral] = -p[lateral];
        const float* m = context.partMatrix;
        out[0] = m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12];
        out[1] = m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13];
        out[2] = m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14];
    }

    const MeshPartSpec& part;
    PartContext& context;
};
} // namespace

void SetIdentityMatrix(float* matrix)
{
    static const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    std::memcpy(matrix, identity, sizeof(identity));
}

void BuildRotationMatrix(float* m, float angleRadians, float ax, float ay, float az)
{
    const float length = std::sqrt(ax * ax + ay * ay + az * az);
    if (length == 0.0f) {
        SetIdentityMatrix(m);
        return;
    }
    const float x = ax / length, y = ay / length, z = az / length;
    const float c = std::cos(angleRadians), s = std::sin(angleRadians), t = 1.0f - c;
    m[0] = c + x * x * t;
    m[1] = t * x * y + s * z;
    m[2] = t * x * z - s * y;
    m[3] = 0.0f;
    m[4] = t * x * y - s * z;
    m[5] = c + y * y * t;
    m[6] = t * y * z + s * x;
    m[7] = 0.0f;
    m[8] = t * x * z + s * y;
    m[9] = t * y * z - s * x;
    m[10] = c + z * z * t;
    m[11] = 0.0f;
    m[12] = m[13] = m[14] = 0.0f;
    m[15] = 1.0f;
}

void DrawMeshPart(const MeshPartSpec& part, PartContext& context)
{
    if (part.eyeTwitch && Rand15() % 20 == 0) {
        // The twitch stays on the matrix until the fish is popped, so a twin drawn next shares it.
        const int a = Rand15() % 10;
        const int b = Rand15() % 10;
        context.sink->Translate(a * context.size * 0.001f, b * context.size * 0.001f, 0.0f);
    }
    const PartBinding& binding = part.binding;
    if (binding.kind == BindingKind::Unrotated)
        SetIdentityMatrix(context.partMatrix);
    else if (binding.kind == BindingKind::Fixed)
        SetPartRotation(context.partMatrix, context.columnHeadings[binding.firstColumn]);
    else if (binding.kind == BindingKind::Mean)
        SetPartRotation(context.partMatrix,
                        (context.columnHeadings[binding.firstColumn] + context.columnHeadings[binding.secondColumn]) *
                            0.5f);
    CBandDrawer drawer(part, context);
    drawer.DrawGrids();
    if (part.capFirstRing)
        drawer.DrawCap(part.grids[0]);
}
