// TuftPlant.cpp -- the tuft's four leaves of grass blades.
#include "environment/TuftPlant.h"

#include "environment/LeafMeshes.h"
#include "platform/GLHeaders.h"

void CTuftPlant::DrawStatic()
{
    // The leaf keeps the constructor's mesh scale of 5 every way.
    glPushMatrix();
    glScalef(scale[0], scale[1], scale[2]);
    for (int leaf = 0; leaf < 4; ++leaf) {
        glPushMatrix();
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f); // the leaf's -z becomes up
        glRotatef(90.0f * static_cast<float>(leaf), 0.0f, 0.0f, 1.0f);
        glTranslatef(-kTuftLeafBase[0] * meshScale[0], -kTuftLeafBase[1] * meshScale[1],
                     -kTuftLeafBase[2] * meshScale[2]);
        EmitStaticGrid(GetLeafMeshes().TuftLeaf());
        glPopMatrix();
    }
    glPopMatrix();
}
