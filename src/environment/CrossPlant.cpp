// CrossPlant.cpp -- the cross plant's four blades.
#include "environment/CrossPlant.h"

#include "environment/LeafMeshes.h"
#include "platform/GLHeaders.h"

void CCrossPlant::DrawStatic()
{
    glPushMatrix();
    glScalef(scale[0], scale[1], scale[2]);
    for (int k = 1; k <= 4; ++k) {
        glPushMatrix();
        glRotatef(-90.0f, 1.0f, 0.0f, 0.0f); // the blade's +z becomes up
        glRotatef(-90.0f * static_cast<float>(k - 1), 0.0f, 0.0f, 1.0f);
        // The anchor is taken with the mesh scale of the blade before (the constructor's for the
        // first), so the first blade stands a little off the axis and the taller three sink
        // slightly into the ground.
        glTranslatef(-kCrossBladeBase[0] * meshScale[0], -kCrossBladeBase[1] * meshScale[1],
                     -kCrossBladeBase[2] * meshScale[2]);
        SetMeshScale(10.0f, 10.0f, 5.0f * static_cast<float>(k));
        EmitStaticGrid(GetLeafMeshes().CrossBlade());
        glPopMatrix();
    }
    glPopMatrix();
}
