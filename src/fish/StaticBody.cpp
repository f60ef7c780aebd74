// StaticBody.cpp -- compiling a rigid body's triangle table into a display list.
#include "fish/StaticBody.h"

#include "platform/GLHeaders.h"

uint32_t CompileStaticBody(const StaticBody& body, float size)
{
    const GLuint list = glGenLists(1);
    if (list == 0)
        return 0;
    glNewList(list, GL_COMPILE);
    glBegin(GL_TRIANGLES);
    for (int f = 0; f < body.faceCount; ++f) {
        const uint16_t* face = body.faces + 9 * f;
        for (int corner = 0; corner < 3; ++corner) {
            const float* n = body.normals + 3 * face[3 + corner];
            const float* t = body.texCoords + 2 * face[6 + corner];
            const float* p = body.positions + 3 * face[corner];
            glNormal3f(n[0], n[1], n[2]);
            glTexCoord2f(t[0], t[1]);
            glVertex3f(size * p[0], size * p[1], size * p[2]);
        }
    }
    glEnd();
    glEndList();
    return list;
}
