// GlArraySink.cpp -- the client-array sink: one fish's vertices, its bands joined into few draws.
#include "fish/GlArraySink.h"

#include "platform/GLHeaders.h"

#include <cstddef>

void CGlArraySink::Begin()
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    pointed = nullptr; // someone else may have pointed the arrays elsewhere since the last run
    lastDrawnSet = false;
}

void CGlArraySink::End()
{
    Flush();
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    if (lastDrawnSet) {
        glNormal3f(lastDrawn.nx, lastDrawn.ny, lastDrawn.nz);
        glTexCoord2f(lastDrawn.u, lastDrawn.v);
    }
}

MeshVertex* CGlArraySink::Reserve(int count, uint32_t& first)
{
    first = static_cast<uint32_t>(vertices.size());
    vertices.resize(vertices.size() + static_cast<size_t>(count));
    return vertices.data() + first;
}

void CGlArraySink::IndexedStrip(uint32_t firstRow, uint32_t secondRow, int columns)
{
    Collect(Batch::Strips);
    if (columns <= 0)
        return; // immediate mode would send an empty strip: nothing drawn, nothing made current
    JoinStrip(firstRow);
    for (int j = 0; j < columns; ++j) {
        indices.push_back(firstRow + j);
        indices.push_back(secondRow + j);
    }
}

void CGlArraySink::Flush()
{
    DrawCollected();
    vertices.clear();
}

void CGlArraySink::BeginStrip()
{
    Collect(Batch::Strips);
    stripStarting = true;
}

void CGlArraySink::BeginQuads()
{
    Collect(Batch::Quads);
    stripStarting = false;
}

void CGlArraySink::Vertex(float x, float y, float z, const MeshVertex& attributes)
{
    const uint32_t index = static_cast<uint32_t>(vertices.size());
    if (batch == Batch::Quads && quadCount > 0 && index != quadFirst + quadCount)
        DrawCollected(); // vertices were reserved since: the quads are no longer one run
    MeshVertex& v = vertices.emplace_back(attributes);
    v.x = x;
    v.y = y;
    v.z = z;
    if (batch == Batch::Quads) {
        if (quadCount == 0)
            quadFirst = index;
        ++quadCount;
        return;
    }
    if (stripStarting) {
        JoinStrip(index);
        stripStarting = false;
    }
    indices.push_back(index);
}

void CGlArraySink::Translate(float x, float y, float z)
{
    DrawCollected(); // what came before is drawn under the matrix it was made for
    glTranslatef(x, y, z);
}

void CGlArraySink::BindTexture(uint32_t texture)
{
    DrawCollected();
    glBindTexture(GL_TEXTURE_2D, texture);
}

void CGlArraySink::CallList(uint32_t list)
{
    DrawCollected();
    glCallList(list);
    lastDrawnSet = false; // the list's own vertices set the current normal and texture coordinate
}

void CGlArraySink::Collect(Batch kind)
{
    if (kind != batch) {
        DrawCollected();
        batch = kind;
    }
}

// Between strip A, ending with the pair (p, q), and strip B, starting with (s, t), go the pairs
// (q, q) and (s, s). The three quads they add, [p q q q], [q q s s] and [s s s t], hold a repeated
// vertex in every triangle the rasteriser cuts them into, so they cover no pixel; and as the pairs
// keep B's pairs at the same places, B's quads are cut into triangles exactly as on their own.
void CGlArraySink::JoinStrip(uint32_t index)
{
    if (batch != Batch::Strips || indices.empty())
        return;
    const uint32_t last = indices.back();
    indices.push_back(last);
    indices.push_back(last);
    indices.push_back(index);
    indices.push_back(index);
}

void CGlArraySink::DrawCollected()
{
    if (indices.empty() && quadCount == 0)
        return;
    if (pointed != vertices.data()) {
        pointed = vertices.data();
        constexpr GLsizei stride = sizeof(MeshVertex);
        glVertexPointer(3, GL_FLOAT, stride, &pointed->x);
        glNormalPointer(GL_FLOAT, stride, &pointed->nx);
        glTexCoordPointer(2, GL_FLOAT, stride, &pointed->u);
    }
    if (batch == Batch::Quads) {
        // A run, not indices: llvmpipe draws indexed GL_QUADS a level off at a few edge pixels,
        // where a run of vertices matches immediate mode (indexed quad strips match too).
        glDrawArrays(GL_QUADS, static_cast<GLint>(quadFirst), quadCount);
        lastDrawn = vertices[quadFirst + quadCount - 1];
        quadCount = 0;
    } else {
        glDrawElements(GL_QUAD_STRIP, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, indices.data());
        lastDrawn = vertices[indices.back()];
        indices.clear();
    }
    lastDrawnSet = true;
}
