// ParticleSystem.h -- a fixed array of point particles that a derived system seeds, moves and draws.
//
// The particle array is allocated once, when the system starts, and lives as long as the system;
// nothing is allocated while particles move. A derived system decides how particles are born,
// how they move and what they look like.
#pragma once

#include <memory>

struct Particle
{
    float position[3];     // tank units, relative to wherever the system is drawn
    float velocity[3];     // tank units per frame
    float acceleration[3]; // tank units per frame, per frame
    float life;            // starts at 200; the particle is reborn once it reaches 0
    float decay;           // subtracted from life every frame
    float halfSize;        // half the side of the drawn square, tank units
    float colour[3];       // red, green, blue, 0 to 254; seeded but never drawn
};

class CParticleSystem
{
public:
    virtual ~CParticleSystem();

    // Allocates `count` particles with position, velocity and acceleration cleared. False when the
    // array cannot be allocated; the system then holds no particles at all, so that drawing or
    // updating it does nothing rather than reading an array that is not there.
    virtual bool Init(int count);

    // Advances the particles one frame.
    virtual void Update() = 0;

    int ParticleCount() const { return particleCount; }
    const Particle& ParticleAt(int i) const { return particles[i]; }
    Particle& ParticleAt(int i) { return particles[i]; }

protected:
    int particleCount = 0; // == the length of particles
    std::unique_ptr<Particle[]> particles;
};
