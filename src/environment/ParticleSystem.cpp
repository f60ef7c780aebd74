// ParticleSystem.cpp -- allocation of the particle array.
#include "environment/ParticleSystem.h"

#include <new>

CParticleSystem::~CParticleSystem() = default;

bool CParticleSystem::Init(int count)
{
    particles.reset();
    particleCount = 0;
    if (count <= 0)
        return count == 0;
    // Value-initialised: every field starts at 0, not just the motion.
    particles.reset(new (std::nothrow) Particle[static_cast<size_t>(count)]());
    if (!particles)
        return false;
    particleCount = count;
    return true;
}
