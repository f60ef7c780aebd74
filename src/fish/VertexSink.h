// VertexSink.h -- where mesh parts send their vertices: OpenGL, or a test or benchmark recorder.
//
// Parts compute every vertex on the processor (the part rotation and pose displacements) and hand
// the result here. The GL sink issues immediate-mode calls; other sinks count or record, so the
// cost of moving, animating and generating fish can be measured without rasterising them.
#pragma once

#include "fish/MeshPart.h"

#include <cstdint>

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
