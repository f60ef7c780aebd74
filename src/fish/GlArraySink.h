// GlArraySink.h -- fish vertices to OpenGL through client arrays, each grid vertex transformed once.
//
// The immediate-mode sink makes three GL calls per vertex and receives every row between two bands
// twice. This sink keeps one fish's vertices (position, normal, texture coordinate, interleaved)
// in an array that parts fill once per vertex, and draws the bands with glDrawElements: all the
// bands of a fish in one GL_QUAD_STRIP, consecutive bands joined by quads of zero area (two
// repeated pairs of indices), so every real quad reaches the rasteriser with the same four
// vertices in the same order as from glBegin(GL_QUAD_STRIP), and the picture is the same. An eye's
// cap goes as GL_QUADS, as in immediate mode, from a run of vertices rather than by index (see
// DrawCollected). GL 1.1 only: no buffer objects, no extensions.
//
// Use, around a run of fish drawn with the same client state:
//
//     sink.Begin();                  // the three client arrays on
//     fish.Draw(sink, texture) ...   // each fish flushes before it pops its matrix
//     sink.End();                    // arrays off; current normal and texture coordinate set
//
// Nothing is allocated once the arrays have grown to the largest fish.
#pragma once

#include "fish/VertexSink.h"

#include <cstdint>
#include <vector>

class CGlArraySink final : public CIndexedVertexSink
{
public:
    // Enables the vertex, normal and texture coordinate arrays.
    void Begin();
    // Draws what is left and disables the three arrays. Immediate mode leaves the last vertex's
    // normal and texture coordinate current, and later drawing may rely on them, so this sets them
    // to the last vertex drawn (unless a display list drew after it: the list left its own).
    void End();

    MeshVertex* Reserve(int count, uint32_t& first) override;
    void IndexedStrip(uint32_t firstRow, uint32_t secondRow, int columns) override;
    void Flush() override;

    void BeginStrip() override;
    void BeginQuads() override;
    void Vertex(float x, float y, float z, const MeshVertex& attributes) override;
    void EndStrip() override {}
    void Translate(float x, float y, float z) override;
    void BindTexture(uint32_t texture) override;
    void CallList(uint32_t list) override;

private:
    enum class Batch : uint8_t
    {
        Strips, // GL_QUAD_STRIP, bands joined by zero-area quads
        Quads,  // GL_QUADS, drawn as a run of vertices
    };

    // Makes `batch` the kind being collected, drawing the other kind first: order is kept.
    void Collect(Batch batch);
    // Starts a strip at `index`, after the strips collected so far.
    void JoinStrip(uint32_t index);
    // Draws the collected indices (the vertices stay: later bands may name them).
    void DrawCollected();

    std::vector<MeshVertex> vertices; // one fish's, positions already transformed
    std::vector<uint32_t> indices;    // the strips DrawCollected draws
    uint32_t quadFirst = 0;           // the quads it draws: a run of consecutive vertices
    int quadCount = 0;
    Batch batch = Batch::Strips;
    bool stripStarting = false;          // vertex by vertex: the next vertex starts a strip
    const MeshVertex* pointed = nullptr; // where the GL's array pointers point now
    MeshVertex lastDrawn{};              // the last vertex of the last draw, for End()
    bool lastDrawnSet = false;
};
