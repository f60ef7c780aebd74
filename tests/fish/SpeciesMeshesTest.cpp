// Checks every modelled species' mesh must pass, whatever the animal: halves, normals, skin regions,
// vertex counts, and terms that read inside their chains.
#include "fish/species/SpeciesMeshes.h"
#include "fish/Fish.h"
#include "fish/SpeciesCatalogue.h"
#include "fish/VertexSink.h"
#include "fish/model/SkinLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace {
class CCountingSink : public CVertexSink
{
public:
    void BeginStrip() override {}
    void Vertex(float, float, float, const MeshVertex&) override { ++vertices; }
    void EndStrip() override {}
    void Translate(float, float, float) override {}
    int vertices = 0;
};

std::vector<int> ModelledSpecies()
{
    std::vector<int> ids;
    for (int s = 0; s < kSpeciesTotal; ++s) {
        int count = 0;
        if (SpeciesParts(s, count) != nullptr)
            ids.push_back(s);
    }
    return ids;
}

template <typename Visit> void ForEachStoredVertex(const MeshGrid& grid, Visit visit)
{
    for (int i = 0; i < grid.StoredVertices(); ++i)
        visit(grid.vertices[i]);
}

// Vertices the part template emits for a part: 2 per column per band per drawn copy, 4 per cap.
int ExpectedVertices(const MeshPartSpec& part)
{
    const int copies = part.mirror == MirrorKind::Bands || part.mirror == MirrorKind::GridsThenMirrored ? 2 : 1;
    int total = 0;
    for (int g = 0; g < part.gridCount; ++g)
        total += (part.grids[g].rows - 1) * part.grids[g].cols * 2 * copies;
    return total + (part.capFirstRing ? 4 * copies : 0);
}

// The largest body column a part's binding reaches, for its widest grid.
int LastBoundColumn(const MeshPartSpec& part)
{
    int cols = 0;
    for (int g = 0; g < part.gridCount; ++g)
        cols = std::max(cols, part.grids[g].cols);
    const PartBinding& b = part.binding;
    switch (b.kind) {
    case BindingKind::PerColumn:
        return b.firstColumn + cols - 1;
    case BindingKind::Mean:
        return std::max(b.firstColumn, b.secondColumn);
    case BindingKind::Map: {
        int last = 0;
        for (int j = 0; j < cols; ++j) {
            const ColumnBinding& c = part.columnMap[j];
            last = std::max({last, int(c.a1), int(c.a2), int(c.b1), int(c.b2)});
        }
        return last;
    }
    default:
        return b.firstColumn;
    }
}

// The largest element a term reads from its array.
int LastElementRead(const DisplacementTerm& term, const MeshPartSpec& part, const MeshGrid& grid)
{
    const int lastColumn = term.lastColumn < 0 ? grid.cols + term.lastColumn : term.lastColumn;
    switch (term.index) {
    case TermIndex::PartColumn:
        return lastColumn;
    case TermIndex::BodyColumn:
        return LastBoundColumn(part);
    case TermIndex::PartColumnDivided:
        return lastColumn / term.element;
    case TermIndex::Row:
        return (term.lastRow < 0 ? grid.rows + term.lastRow : term.lastRow);
    default:
        return term.element;
    }
}

bool IsBody(const MeshPartSpec& part)
{
    return std::strcmp(part.name, "body") == 0;
}
} // namespace

TEST(SpeciesMeshes, EveryModelledSpeciesKeepsTheHalfModelAndItsSkinRegions)
{
    const std::vector<int> modelled = ModelledSpecies();
    ASSERT_FALSE(modelled.empty());
    for (int s : modelled) {
        int count = 0;
        const MeshPartSpec* parts = SpeciesParts(s, count);
        ASSERT_GT(count, 0);
        for (int p = 0; p < count; ++p) {
            const MeshPartSpec& part = parts[p];
            const std::string where = std::to_string(s) + " " + part.name;
            float uMin = 2.0f, uMax = -1.0f, vMin = 2.0f, vMax = -1.0f;
            for (int g = 0; g < part.gridCount; ++g) {
                ForEachStoredVertex(part.grids[g], [&](const MeshVertex& v) {
                    // A model turned on its side keeps its left half on -x instead of -y, and its
                    // unmirrored parts are whole.
                    const float lateral = part.mirrorAxis == Axis::X ? v.x : v.y;
                    if (part.mirror != MirrorKind::None || SpeciesCatalogue(s).drawFrame != DrawFrame::Shrimp) {
                        EXPECT_LE(lateral, 1e-6f) << where << ": the tables hold the left half";
                    }
                    EXPECT_NEAR(std::sqrt(v.nx * v.nx + v.ny * v.ny + v.nz * v.nz), 1.0f, 1e-3f) << where;
                    uMin = std::min(uMin, v.u), uMax = std::max(uMax, v.u);
                    vMin = std::min(vMin, v.v), vMax = std::max(vMax, v.v);
                });
            }
            // A part lies wholly on the body's picture or wholly in one half of the fin strip.
            const bool onBody = uMax <= skin::kBodyU + 1e-4f;
            const bool onFins = uMin >= skin::kBodyU - 1e-4f && uMax <= 1.0f;
            EXPECT_TRUE(onBody || onFins) << where << ": u " << uMin << ".." << uMax;
            EXPECT_GE(uMin, 0.0f) << where;
            if (onFins && !onBody) {
                EXPECT_TRUE((vMin >= 0.5f - 1e-4f && vMax <= 1.0f) || (vMin >= 0.0f && vMax <= 0.5f + 1e-4f))
                    << where << ": v " << vMin << ".." << vMax;
            }
            // The two halves of a body meet on the midline along the back and the belly.
            if (IsBody(part) && part.mirror == MirrorKind::Bands) {
                const MeshGrid& grid = part.grids[0];
                for (int j = 0; j < grid.cols; ++j) {
                    EXPECT_FLOAT_EQ(grid.At(0, j).y, 0.0f) << where << " column " << j;
                    EXPECT_FLOAT_EQ(grid.At(grid.rows - 1, j).y, 0.0f) << where << " column " << j;
                }
            }
        }
    }
}

TEST(SpeciesMeshes, PartsEmitTheirGridsAndReadOnlyWhatTheirChainsFill)
{
    for (int s : ModelledSpecies()) {
        const SpeciesDescriptor& species = SpeciesCatalogue(s);
        int count = 0;
        const MeshPartSpec* parts = SpeciesParts(s, count);
        PoseArrays pose{};
        for (int c = 0; c < kMaxChains; ++c)
            pose.pointers[c] = pose.values[c];
        float matrix[16];
        SetIdentityMatrix(matrix);
        for (int p = 0; p < count; ++p) {
            const MeshPartSpec& part = parts[p];
            const std::string where = std::to_string(s) + " " + part.name;
            CCountingSink sink;
            PartContext context{1.0f, pose.values[species.headingsPose], pose.pointers, matrix, &sink};
            DrawMeshPart(part, context);
            EXPECT_EQ(sink.vertices, ExpectedVertices(part)) << where;
            EXPECT_LT(LastBoundColumn(part), species.columns) << where << ": bound past the last body column";
            for (int t = 0; t < kMaxPartTerms && part.terms[t].poseArray >= 0; ++t) {
                const DisplacementTerm& term = part.terms[t];
                ASSERT_LT(term.poseArray, species.chainCount) << where << " term " << t;
                const ChainSpec& chain = species.chains[term.poseArray];
                for (int g = 0; g < part.gridCount; ++g) {
                    if ((part.termGridMask >> g) & 1) {
                        EXPECT_LT(LastElementRead(term, part, part.grids[g]), std::max(chain.n, 1))
                            << where << " term " << t << " grid " << g;
                    }
                }
            }
        }
    }
}

// Chains that multiply by the fish's size feed terms that do not, so that no pose value is scaled
// twice. The pink tetra is the one exception its tables make: its mouth and some fin terms take
// its size-carrying arrays times the size once more.
TEST(SpeciesMeshes, NoPoseValueIsScaledBySizeTwiceUnlessTheSpeciesSaysSo)
{
    for (int s : ModelledSpecies()) {
        if (s == kPinkTetra)
            continue;
        const SpeciesDescriptor& species = SpeciesCatalogue(s);
        int count = 0;
        const MeshPartSpec* parts = SpeciesParts(s, count);
        for (int p = 0; p < count; ++p) {
            for (int t = 0; t < kMaxPartTerms && parts[p].terms[t].poseArray >= 0; ++t) {
                const DisplacementTerm& term = parts[p].terms[t];
                const ChainSpec& chain = species.chains[term.poseArray];
                if (chain.kind == ChainKind::Drift) {
                    EXPECT_TRUE(term.timesSize) << s << " " << parts[p].name << ": a drift is scaled where it is used";
                } else if (chain.timesSize) {
                    EXPECT_FALSE(term.timesSize) << s << " " << parts[p].name << " term " << t;
                }
            }
        }
    }
}
