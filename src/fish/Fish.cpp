// Fish.cpp -- a fish's start values, its swim limits, and the per-frame draw routine.
#include "fish/Fish.h"

#include "fish/SpeciesCatalogue.h"
#include "fish/VertexSink.h"
#include "platform/GLHeaders.h"
#include "platform/Random.h"

#include <cmath>

namespace {
constexpr float kDegreesToRadians = 0.017453292f;
constexpr float kCrabScale = 0.15f; // the crab's model units to the tank's
} // namespace

void CFish::Initialise(int id)
{
    speciesId = id;
    species = &SpeciesCatalogue(id);
    const SpeciesDescriptor& s = *species;

    switch (s.startSizeRule) {
    case StartSize::Fixed:
        size = s.startSize;
        break;
    case StartSize::TwoToEight:
        size = static_cast<float>(2 + Rand15() % 7);
        break;
    case StartSize::MostlyLargeCrab:
        size = Rand15() % 10 == 0 ? 7.0f : 20.0f;
        break;
    }
    speed = s.startSpeed;
    targetPitch = s.randomStartPitch ? static_cast<float>(Rand15() % 45) : 0.0f;
    switch (s.startHeading) {
    case StartHeading::Zero:
        targetHeading = 0.0f;
        break;
    case StartHeading::Random180:
        targetHeading = static_cast<float>(Rand15() % 180);
        break;
    case StartHeading::ZeroOr180:
        targetHeading = Rand15() % 2 == 0 ? 0.0f : 180.0f;
        break;
    }
    bodyLength = s.bodyLength;
    wanderTimer = Rand15() % 200;
    mouthClosed = true;
    mouthTimer = s.mouthTimerStartsAtZero ? 0 : Rand15() % 15;
    mouthLimit = Rand15() % 20 + 15;

    for (int c = 0; c < s.chainCount; ++c) {
        const ChainSpec& chain = s.chains[c];
        oscillators[c] = Oscillator{0.0f, 0, chain.waveNumber, chain.amplitude, chain.step};
        chainPeriods[c] = chain.period;
        if (chain.kind == ChainKind::Sway)
            swayStart = chain.swayStartDrawn ? Rand15() % chain.redraw.swayStartSpan + chain.redraw.swayStartBase
                                             : chain.swayStart;
        if (chain.kind == ChainKind::Drift) {
            driftValue = 0.0f;
            driftStep = chain.drift.step;
            driftLimit = chain.drift.limit;
        }
    }
}

void CFish::Spawn(float xMin, float xMax, float yTopArg, float yBottomArg, float zArg1, float zArg2)
{
    swimXMin = xMin;
    swimXMax = xMax;
    swimYTop = yTopArg + 10.0f;
    swimYBottom = yBottomArg + 5.0f;
    if (species->nearFloor) {
        swimZFar = zArg1;
        swimZNear = zArg2;
    } else {
        swimZNear = zArg1;
        swimZFar = 2.0f * zArg1;
    }
    wallHit = 0;
    bodyLength = species->bodyLength;
    // A rigid body is compiled with the size of this moment; growth later reaches only the limbs.
    if (species->staticBody != nullptr) {
        if (bodyList != 0)
            glDeleteLists(bodyList, 1);
        bodyList = BuildBodyList();
    }
}

// One degree per frame; a target that cannot be hit exactly is settled within a degree below it.
void CFish::EasePitch()
{
    if (pitch < targetPitch)
        pitch += 1.0f;
    if (pitch > targetPitch)
        pitch -= 1.0f;
}

void CFish::DrawParts(CVertexSink& sink, const PoseArrays& pose)
{
    PartContext context;
    context.size = size;
    context.columnHeadings = pose.values[species->headingsPose];
    context.poseArrays = pose.pointers;
    context.partMatrix = partMatrix;
    context.sink = &sink;
    for (int p = 0; p < species->partCount; ++p)
        DrawMeshPart(species->parts[p], context);
    sink.Flush(); // a sink that holds vertices draws them while the fish's matrix is still in place
}

void CFish::Draw(CVertexSink& sink, uint32_t texture)
{
    PoseArrays pose;
    Animate(pose);
    const float h = heading * kDegreesToRadians;

    if (species->drawFrame == DrawFrame::Crab) {
        // The crab turns as one rigid body on the tank's own axes (y up): tilted, then turned to
        // its heading, then its model set upright, turned about and scaled down to the tank.
        EasePitch();
        glRotatef(-pitch, std::sin(h), -std::cos(h), 0.0f);
        Wander();
        glRotatef(heading, 0.0f, 1.0f, 0.0f);
        glPushMatrix();
        glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
        glRotatef(180.0f, 0.0f, 0.0f, 1.0f);
        glScalef(kCrabScale, kCrabScale, kCrabScale);
        sink.BindTexture(texture);
        sink.CallList(bodyList);
        DrawParts(sink, pose);
        Move();
        UpdateBodyBox();
        glPopMatrix();
        return;
    }

    // A species drawn squatter than its mesh scales the caller's matrix, which the caller pops.
    const float* scale = species->modelScale;
    if (scale[0] != 1.0f || scale[1] != 1.0f || scale[2] != 1.0f)
        glScalef(scale[0], scale[1], scale[2]);
    glPushMatrix();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f); // model z becomes the tank's up, model y its -z
    if (species->drawFrame == DrawFrame::Shrimp)
        glRotatef(90.0f, 0.0f, 0.0f, 1.0f); // the shrimp's tables run along y
    EasePitch();
    if (species->drawFrame != DrawFrame::Shrimp)
        glRotatef(-pitch, std::sin(h), -std::cos(h), 0.0f); // tilt about the fish's own lateral axis

    Wander();
    DrawParts(sink, pose);
    Move();
    UpdateBodyBox();
    glPopMatrix();
}

uint32_t CFish::BuildBodyList() const
{
    const StaticBody* body = species->staticBody ? species->staticBody() : nullptr;
    return body != nullptr ? CompileStaticBody(*body, size) : 0;
}
