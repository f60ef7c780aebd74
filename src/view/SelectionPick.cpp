// SelectionPick.cpp -- one selection-mode pass under the pointer.
#include "view/SelectionPick.h"

#include "view/Projection.h"

void CSelectionPick::SetFrame(int width, int height, int drawableHeight)
{
    screenWidth = width;
    screenHeight = height;
    clientHeight = drawableHeight;
}

void CSelectionPick::Begin(int mouseX, int mouseY)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(kSelectBufferSize, selectBuffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);

    // The frame's own frustum behind the pick region. A 45-degree perspective of its own would
    // be some 3.5% wider than the frame's, so near the screen's edges the region would sit up to
    // 18 pixels away from what the pointer shows.
    const Frustum f = ComputeFrustum(screenWidth, screenHeight);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(mouseX, clientHeight - mouseY, kPickRegion, kPickRegion, viewport);
    glFrustum(f.left, f.right, f.bottom, f.top, f.nearPlane, f.farPlane);
    glMatrixMode(GL_MODELVIEW);
}

bool CSelectionPick::End()
{
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    const GLint hits = glRenderMode(GL_RENDER);
    glPopMatrix();
    // An overflowing buffer reports -1, which is still a hit.
    return hits != 0;
}
