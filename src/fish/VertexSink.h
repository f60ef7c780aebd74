// VertexSink.h -- where mesh parts send their vertices: OpenGL, or a test or benchmark recorder.
//
// Parts compute every vertex on the processor (the part rotation and pose displacements) and hand
// the result here. The GL sink issues immediate-mode calls; the array sink (GlArraySink.h) keeps
// them in client arrays; other sinks count or record, so the cost of moving, animating and
// generating fish can be measured without rasterising them.
//
// A sink receives strips in one of two ways. Vertex by vertex: BeginStrip, then for every column
// the vertex of the band's first row and the one of its second, then EndStrip; a row between two
// bands is sent, and transformed, once per band. Or, to a sink whose Indexed() is not null, indexed:
// the part stores each vertex of a grid once (Reserve) and names every band as two rows of those
// indices (IndexedStrip). Both describe the same quad strips in the same order.
#pragma once

#include "fish/MeshPart.h"

#include <cstdint>

class CIndexedVertexSink;

class CVertexSink
{
public:
    virtual ~CVertexSink() = default;
    virtual void BeginStrip() = 0;
    // Four vertices drawn as one quad (an eye's cap); recorders may count it as a strip.
    virtual void BeginQuads() { BeginStrip(); }
    // Position already transformed by the part matrix; normal and texture coordinate as stored.
    virtual void Vertex(float x, float y, float z, const MeshVertex& attributes) = 0;
    virtual void EndStrip() = 0;
    // Moves the model-view matrix (an eye's twitch), kept until the fish's matrix is popped.
    virtual void Translate(float x, float y, float z) = 0;
    // A rigid body compiled at spawn: its texture (0 in picking passes) and its display list.
    virtual void BindTexture(uint32_t) {}
    virtual void CallList(uint32_t) {}

    // The indexed side of a sink that takes whole grids; null for one that takes vertex by vertex.
    virtual CIndexedVertexSink* Indexed() { return nullptr; }

    // Whatever the sink still holds is drawn now. The fish calls it before it pops its matrix.
    virtual void Flush() {}
};

// A sink that takes indexed grids, and vertex by vertex what cannot be indexed (bands turned one
// by one, an eye's cap).
class CIndexedVertexSink : public CVertexSink
{
public:
    CIndexedVertexSink* Indexed() final { return this; }
    // Room for `count` vertices, each a position already transformed by the part matrix with the
    // table's normal and texture coordinate; `first` receives the index of the first. The pointer
    // is good until the next call on the sink.
    virtual MeshVertex* Reserve(int count, uint32_t& first) = 0;
    // One quad strip: for j = 0 .. columns - 1, vertex firstRow + j, then vertex secondRow + j.
    virtual void IndexedStrip(uint32_t firstRow, uint32_t secondRow, int columns) = 0;
};

// Immediate-mode OpenGL: one GL_QUAD_STRIP per band, GL_QUADS for a cap.
class CGlVertexSink final : public CVertexSink
{
public:
    void BeginStrip() override;
    void BeginQuads() override;
    void Vertex(float x, float y, float z, const MeshVertex& attributes) override;
    void EndStrip() override;
    void Translate(float x, float y, float z) override;
    void BindTexture(uint32_t texture) override;
    void CallList(uint32_t list) override;
};
