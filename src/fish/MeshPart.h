// MeshPart.h -- the vertex grids fish are made of, and how a part is bent, displaced and drawn.
//
// Every fish is a list of parts. A part is one or two grids of R rows by K columns of vertices
// (position, normal, texture coordinate). Rows are cross-sections of a body or the edges of a fin;
// columns run along the part. A band between two consecutive rows is drawn as one quad strip.
//
// Mesh coordinates: x along the body, head toward -x; y lateral, the tables hold the LEFT half with
// y <= 0 (the right half is drawn mirrored, y -> -y); z up (dorsal). Coordinates are a fraction of
// a unit and are multiplied by the fish's size when drawn. For a fin, row 0 is the root at the body
// and the last row is the free edge; a fan-shaped fin stores its root as a row of equal points.
//
// Each column is turned about the model's z axis by the heading of the body column it follows
// (its "binding"), so the body bends where the column headings differ. Pose values (sway, fin
// beats, mouth gape) are added to coordinates before the rotation.
#pragma once

#include <cstdint>

class CVertexSink;

struct MeshVertex
{
    float x, y, z;    // position, mesh units
    float nx, ny, nz; // normal; drawn as stored, never rotated
    float u, v;       // texture coordinate into the species skin
};

// R x K vertices, row-major: vertex (r, j) is vertices[r * cols + j]. A fin whose root row (row 0)
// holds one entry for every `firstRowDivisor` columns stores only `firstRowEntries` points there:
// column j uses root entry j / firstRowDivisor, the last entry serving any columns beyond.
struct MeshGrid
{
    int rows = 0;
    int cols = 0;
    const MeshVertex* vertices = nullptr;
    int firstRowDivisor = 1; // 1: a plain grid
    int firstRowEntries = 0; // stored root entries when firstRowDivisor > 1

    // The entry of root row column j.
    int RootEntry(int j) const
    {
        const int entry = j / firstRowDivisor;
        return entry < firstRowEntries ? entry : firstRowEntries - 1;
    }
    const MeshVertex& At(int r, int j) const
    {
        if (firstRowDivisor <= 1)
            return vertices[r * cols + j];
        return r == 0 ? vertices[RootEntry(j)] : vertices[firstRowEntries + (r - 1) * cols + j];
    }
    // Entries stored: the table's size.
    int StoredVertices() const { return firstRowDivisor <= 1 ? rows * cols : firstRowEntries + (rows - 1) * cols; }
};

enum class MirrorKind : uint8_t
{
    None,              // drawn once as stored
    Bands,             // every band, then the same band mirrored (bodies, mouth halves)
    MirroredOnly,      // only the mirrored copy (the right twin of a fin drawn just before)
    GridsThenMirrored, // every grid as stored, then every grid mirrored (a pair of eyes in one part)
};

enum class BindingKind : uint8_t
{
    PerColumn, // part column j follows body column firstColumn + j
    Fixed,     // the whole part follows body column firstColumn
    Mean,      // the whole part follows the mean of body columns firstColumn and secondColumn
    Keep,      // no rotation of its own: keeps the matrix of the part drawn before it
    Map,       // part column j follows columnMap[j]
    PerBand,   // band r (between rows r and r + 1) follows body column firstColumn + r
    Unrotated, // the identity: a part already carried by a turned model (the crab's limbs)
};

// Where one part column sits on the body: A - t (A - B), with A the mean of body columns a1 and a2
// and B the mean of b1 and b2. {k, k, k, k, 0} is body column k; {a, b, a, b, 0} the mean of two.
// Its heading turns the column, and a columnSway term reads the same blend of the sway.
struct ColumnBinding
{
    int8_t a1 = 0, a2 = 0, b1 = 0, b2 = 0;
    float t = 0.0f;

    float Of(const float* values) const
    {
        const float a = (values[a1] + values[a2]) * 0.5f;
        if (t == 0.0f)
            return a;
        const float b = (values[b1] + values[b2]) * 0.5f;
        return a - t * (a - b);
    }
};

struct PartBinding
{
    BindingKind kind = BindingKind::Keep;
    int firstColumn = 0;
    int secondColumn = 0;
};

enum class Axis : uint8_t
{
    X,
    Y,
    Z
};

enum class TermIndex : uint8_t
{
    PartColumn,        // element j of the pose array for part column j
    BodyColumn,        // the element of the body column part column j follows (sway on a body part)
    Fixed,             // one element for the whole part (a tail fin riding on the last sway value)
    PartColumnDivided, // element j / `element` (a fin beating in groups of columns)
    Row,               // element r for the vertices of row r (limbs that beat along their rows)
};

// One displacement: coordinate `axis` += factor * (size *) pose[index], for the vertices of rows
// firstRow..lastRow and columns firstColumn..lastColumn (negative: counted from the end, -1 the
// last). A fin's free edge is row -1, its root row 0.
struct DisplacementTerm
{
    int poseArray = -1; // which of the species' pose arrays; -1 ends the list
    Axis axis = Axis::Y;
    float factor = 1.0f; // the sign, and a scale where a fin moves more along one axis
    TermIndex index = TermIndex::PartColumn;
    int element = 0; // TermIndex::Fixed: the element; PartColumnDivided: the divisor
    bool negateWhenMirrored = false;
    // Most pose values are table units and are scaled with the fish. Chains that already multiply
    // by size (ChainSpec::timesSize) feed terms with this clear, so no value is scaled twice.
    bool timesSize = true;
    int firstRow = 0, lastRow = -1;
    int firstColumn = 0, lastColumn = -1;
};

constexpr int kMaxPartTerms = 6;
constexpr int kMaxPartGrids = 2;

struct MeshPartSpec
{
    const char* name = "";
    MeshGrid grids[kMaxPartGrids]; // drawn one after the other with the same binding and terms
    int gridCount = 1;
    int termGridMask = 0x3; // which grids the terms apply to (bit g for grid g)
    MirrorKind mirror = MirrorKind::None;
    PartBinding binding;
    const ColumnBinding* columnMap = nullptr; // BindingKind::Map: one entry per column of the widest grid
    DisplacementTerm terms[kMaxPartTerms];
    bool eyeTwitch = false;    // may jitter the model-view matrix before drawing (eyes)
    bool capFirstRing = false; // an eye closed by one quad over entries 0, 2, 4 and 6 of its first ring
    bool negateZ = false;      // the table holds z upside down: the part emits -z (terms apply after)
    Axis mirrorAxis = Axis::Y; // the lateral axis a mirrored copy negates (x in a model turned on its side)
    // Limbs hung on a body: position = table x tableScale x size + attachment, then the terms, and a
    // mirrored copy negates the lateral coordinate of that sum, attachment and terms included.
    float tableScale = 1.0f;
    float attachment[3] = {0.0f, 0.0f, 0.0f};
    bool mirrorAfterTerms = false;
};

// The glRotate matrix for `angleRadians` about (ax, ay, az), column-major. An axis of length
// exactly 0 gives the identity.
void BuildRotationMatrix(float* matrix, float angleRadians, float ax, float ay, float az);
void SetIdentityMatrix(float* matrix);

// Everything a part needs from the fish that draws it.
struct PartContext
{
    float size = 1.0f;                     // multiplies positions and the pose terms that scale
    const float* columnHeadings = nullptr; // degrees, one per body column
    const float* const* poseArrays = nullptr;
    float* partMatrix = nullptr; // the fish's part rotation, kept between parts
    CVertexSink* sink = nullptr;
};

// Draws one part: per band one quad strip (and an eye's cap quad), each vertex transformed by the
// part matrix; to an indexed sink (VertexSink.h) each grid vertex is transformed once, not once per
// band it borders, with the same floats and the same strips in the same order.
void DrawMeshPart(const MeshPartSpec& part, PartContext& context);
