// VertexSink.cpp -- the OpenGL sink.
#include "fish/VertexSink.h"

#include "platform/GLHeaders.h"

void CGlVertexSink::BeginStrip()
{
    glBegin(GL_QUAD_STRIP);
}
void CGlVertexSink::BeginQuads()
{
    glBegin(GL_QUADS);
}

void CGlVertexSink::Vertex(float x, float y, float z, const MeshVertex& a)
{
    glNormal3f(a.nx, a.ny, a.nz);
    glTexCoord2f(a.u, a.v);
    glVertex3f(x, y, z);
}

void CGlVertexSink::EndStrip()
{
    glEnd();
}

void CGlVertexSink::Translate(float x, float y, float z)
{
    glTranslatef(x, y, z);
}

void CGlVertexSink::BindTexture(uint32_t texture)
{
    glBindTexture(GL_TEXTURE_2D, texture);
}

void CGlVertexSink::CallList(uint32_t list)
{
    glCallList(list);
}
