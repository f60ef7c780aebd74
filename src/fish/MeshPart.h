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

// R x K vertices, row-major: vertex (r, j) is vertices[r * cols + j].
struct MeshGrid
{
    int rows = 0;
    int cols = 0;
    const MeshVertex* vertices = nullptr;

    const MeshVertex& At(int r, int j) const { return vertices[r * cols + j]; }
};

enum class MirrorKind : uint8_t
{
    None,         // drawn once as stored
    Bands,        // every band, then the same band mirrored (bodies, mouth halves)
    MirroredOnly, // only the mirrored copy (the right twin of a fin drawn just before)
};

enum class BindingKind : uint8_t
{
    PerColumn, // part column j follows body column firstColumn + j
    Fixed,     // the whole part follows body column firstColumn
    Mean,      // the whole part follows the mean of body columns firstColumn and secondColumn
    Keep,      // no rotation of its own: keeps the matrix of the part drawn before it
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
    PartColumn, // element j of the pose array for part column j
    BodyColumn, // element (the body column part column j follows) -- sway on a per-column part
    Fixed,      // one element for the whole part (a tail fin riding on the last sway value)
};

// One displacement: coordinate `axis` += sign * size * pose[index] for the rows it applies to.
struct DisplacementTerm
{
    int poseArray = -1; // which of the species' pose arrays; -1 ends the list
    Axis axis = Axis::Y;
    float sign = 1.0f;
    bool edgeRowOnly = false;     // only the last row (a fin's free edge), else every row
    TermIndex index = TermIndex::PartColumn;
    int fixedElement = 0;         // for TermIndex::Fixed
    bool negateWhenMirrored = false;
};

constexpr int kMaxPartTerms = 3;
constexpr int kMaxPartGrids = 2;

struct MeshPartSpec
{
    const char* name = "";
    MeshGrid grids[kMaxPartGrids]; // drawn one after the other with the same binding and terms
    int gridCount = 1;
    int termGridMask = 0x3;        // which grids the terms apply to (bit g for grid g)
    MirrorKind mirror = MirrorKind::None;
    PartBinding binding;
    DisplacementTerm terms[kMaxPartTerms];
    bool eyeTwitch = false; // may jitter the model-view matrix before drawing (eyes)
};

// The glRotate matrix for `angleRadians` about (ax, ay, az), column-major. An axis of length
// exactly 0 gives the identity.
void BuildRotationMatrix(float* matrix, float angleRadians, float ax, float ay, float az);
void SetIdentityMatrix(float* matrix);

// Everything a part needs from the fish that draws it.
struct PartContext
{
    float size = 1.0f;                     // multiplies positions and (scaled) pose terms
    bool poseCarriesSize = false;          // pose arrays already hold size (not multiplied again)
    const float* columnHeadings = nullptr; // degrees, one per body column
    const float* const* poseArrays = nullptr;
    float* partMatrix = nullptr; // the fish's part rotation, kept between parts
    CVertexSink* sink = nullptr;
};

// Draws one part: per band one quad strip, each vertex transformed by the part matrix.
void DrawMeshPart(const MeshPartSpec& part, PartContext& context);
