// FishPortrait.cpp -- a species' parts posed and drawn as the tank draws them, without the tank.
#include "FishPortrait.h"

#include "fish/Fish.h"
#include "fish/SpeciesCatalogue.h"
#include "fish/StaticBody.h"
#include "fish/VertexSink.h"
#include "fish/species/SpeciesMeshes.h"
#include "platform/GLHeaders.h"
#include "platform/Random.h"

#include <cstring>

namespace {
constexpr int kTurnCalls = 14;      // chains run into a 90-degree turn: the head part-way round
constexpr float kCrabScale = 0.15f; // as the tank draws the crab
} // namespace

void ClearPose(PoseArrays& pose)
{
    std::memset(pose.values, 0, sizeof pose.values);
    for (int c = 0; c < kMaxChains; ++c)
        pose.pointers[c] = pose.values[c];
}

void MidTurnPose(int species, PoseArrays& pose)
{
    ResetRand15();
    CFish fish;
    fish.Initialise(species);
    fish.Spawn(-90.0f, 90.0f, 10.0f, -22.0f, -50.0f, -10.0f);
    fish.SetGait(0.3f, false);
    fish.targetHeading = 90.0f;
    ClearPose(pose);
    for (int call = 0; call < kTurnCalls; ++call)
        fish.Animate(pose);
    float* headings = pose.values[fish.Species().headingsPose];
    const float head = headings[0];
    for (int i = 0; i < fish.Species().columns; ++i)
        headings[i] -= head;
}

void SetUpTankLight(float intensity)
{
    const float colour[4] = {intensity, intensity, intensity, 1.0f};
    const float position[4] = {1000.0f, -1000.0f, 1000.0f, 1.0f};
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLightfv(GL_LIGHT1, GL_AMBIENT, colour);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, colour);
    glLightfv(GL_LIGHT1, GL_POSITION, position);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
}

bool DrawFishPortrait(int species, const PoseArrays& pose, float size)
{
    int count = 0;
    const MeshPartSpec* parts = SpeciesParts(species, count);
    if (parts == nullptr)
        return false;
    float partMatrix[16];
    SetIdentityMatrix(partMatrix);
    CGlVertexSink sink;
    const SpeciesDescriptor& descriptor = SpeciesCatalogue(species);
    PartContext context{size, pose.values[descriptor.headingsPose], pose.pointers, partMatrix, &sink};
    // The model turned as the tank turns it, at heading 0 and level.
    glPushMatrix();
    const float* scale = descriptor.modelScale;
    glScalef(scale[0], scale[1], scale[2]);
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f); // model z is world up, model y world -z
    if (descriptor.drawFrame == DrawFrame::Shrimp)
        glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
    if (descriptor.drawFrame == DrawFrame::Crab) {
        glRotatef(180.0f, 0.0f, 0.0f, 1.0f);
        glScalef(kCrabScale, kCrabScale, kCrabScale);
        if (descriptor.staticBody != nullptr) {
            const uint32_t list = CompileStaticBody(*descriptor.staticBody(), size);
            glCallList(list);
            glDeleteLists(list, 1);
        }
    }
    for (int i = 0; i < count; ++i)
        DrawMeshPart(parts[i], context);
    glPopMatrix();
    return true;
}
