// BubbleSystem.cpp -- seeding, drawing and rebirth of the rising bubbles.
#include "environment/BubbleSystem.h"

#include "environment/ResourceCatalogue.h"
#include "platform/GLHeaders.h"
#include "platform/Random.h"

#include <algorithm>
#include <utility>

namespace {
constexpr float kStartLife = 200.0f;
constexpr float kRise = 0.005f;  // upward acceleration, tank units per frame per frame
constexpr float kFloor = -25.0f; // a bubble sinking this far below the source is reborn

// rand() % n scaled by `step`, computed in double as the seeding has always been, then stored.
float RandomSteps(int n, double step)
{
    return static_cast<float>(Rand15() % n * step);
}

// A sideways drift of either sign, weighted toward none.
float Drift()
{
    const int a = Rand15() % 9000;
    const int b = Rand15() % 9000;
    return static_cast<float>((a - b) * 0.000007);
}

void SeedColour(Particle& p)
{
    for (float& c : p.colour)
        c = static_cast<float>(Rand15() % 255);
}
} // namespace

CBubbleSystem::CBubbleSystem(LoadPictureFunction loadPicture) : loadPicture(std::move(loadPicture)) {}

bool CBubbleSystem::Init(int count)
{
    drawCount = 0;
    if (!CParticleSystem::Init(count))
        return false;
    for (int i = 0; i < particleCount; ++i) {
        Particle& p = particles[i];
        p.position[0] = RandomSteps(9, 0.005);
        p.position[1] = RandomSteps(9, 0.005) - 1.0f;
        p.position[2] = RandomSteps(6, 0.005);
        p.velocity[0] = Drift();
        p.velocity[1] = RandomSteps(9000, 0.000042);
        p.velocity[2] = RandomSteps(9000, 0.000001);
        p.acceleration[0] = 0.0f;
        p.acceleration[1] = kRise;
        p.acceleration[2] = 0.0f;
        p.life = kStartLife;
        p.halfSize = static_cast<float>((Rand15() % 10 + 1) * 0.1);
        p.decay = RandomSteps(50, 0.05);
        SeedColour(p);
    }
    if (loadPicture)
        particleTexture = loadPicture(kParticleResource, "Particle1");
    return true;
}

void CBubbleSystem::Draw(int count)
{
    RunFrame(count, true);
}

void CBubbleSystem::Advance(int count)
{
    RunFrame(count, false);
}

void CBubbleSystem::RunFrame(int count, bool sendSquares)
{
    drawCount = std::clamp(count, 0, particleCount);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE); // bubbles glow: added onto whatever is behind them

    glBindTexture(GL_TEXTURE_2D, particleTexture);
    if (sendSquares)
        glBegin(GL_QUADS);
    for (int i = 0; i < drawCount; ++i) {
        const Particle& p = particles[i];
        // A small random shift every frame makes the bubbles shimmer.
        const float jx = RandomSteps(20, 0.01);
        const float jz = RandomSteps(20, 0.01);
        if (!sendSquares)
            continue;
        const float x = p.position[0] + jx;
        const float y = p.position[1];
        const float z = p.position[2] + jz;
        const float s = p.halfSize;
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(x - s, y - s, z);
        glTexCoord2f(1.0f, 0.0f);
        glVertex3f(x - s, y + s, z);
        glTexCoord2f(1.0f, 1.0f);
        glVertex3f(x + s, y + s, z);
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(x + s, y - s, z);
    }
    if (sendSquares)
        glEnd();

    Update();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void CBubbleSystem::Update()
{
    for (int i = 0; i < drawCount; ++i) {
        Particle& p = particles[i];
        for (int axis = 0; axis < 3; ++axis)
            p.position[axis] += p.velocity[axis];
        p.velocity[1] += p.acceleration[1];
        p.life -= p.decay;
        if (p.position[1] <= kFloor || p.life <= 0.0f || p.position[1] > ceiling)
            Respawn(p);
    }
}

// Back at the source with a new drift and decay; the size stays. The depth and its drift spread
// wider than at the first seeding, so the column thickens toward the viewer once it has turned over.
void CBubbleSystem::Respawn(Particle& p)
{
    p.position[0] = RandomSteps(9, 0.005);
    p.position[1] = RandomSteps(9, 0.005) - 1.0f;
    p.position[2] = RandomSteps(9000, 0.000001);
    p.velocity[0] = Drift();
    p.velocity[1] = RandomSteps(9000, 0.000042);
    p.velocity[2] = RandomSteps(90000, 0.000001);
    p.acceleration[0] = 0.0f;
    p.acceleration[1] = kRise;
    p.acceleration[2] = 0.0f;
    p.life = kStartLife;
    p.decay = RandomSteps(50, 0.05);
    SeedColour(p);
}
