// BubbleSystem.h -- the column of small glowing bubbles that rises from the back of the tank floor.
//
// Two hundred particles, each drawn as a textured square added onto what is behind it. Every
// bubble starts just above the source with a tiny random drift, rises faster every frame and is
// reborn at the source when its life runs out. The caller translates to the source before Draw;
// all positions here are relative to it, y up.
//
//     bubbles.Init(kBubbleCount);                        // once, with a GL context current
//     bubbles.Advance(kBubbleCount - bubbleSetting);     // 200 times: the column is spread out
//     bubbles.Draw(kBubbleCount - bubbleSetting);        // every frame
//
// Only the first `count` bubbles of a Draw take part: the others are neither drawn nor moved, and
// resume where they stopped when the count grows again. A bubble is also reborn once it has risen
// above the ceiling (the water surface), so that none rises out of sight for good: a bubble whose
// decay is 0 would otherwise never come back and, one respawn in fifty, the column would empty.
#pragma once

#include "environment/FloorAndLight.h"
#include "environment/ParticleSystem.h"

#include <cstdint>

constexpr int kBubbleCount = 200; // particles in the column; the bubble setting withholds some

class CBubbleSystem : public CParticleSystem
{
public:
    // loadPicture makes the bubble texture from the packed picture "Particle1" during Init.
    explicit CBubbleSystem(LoadPictureFunction loadPicture);

    // Allocates and seeds `count` bubbles, then loads the bubble texture. False, with no texture
    // loaded and no bubbles to draw, when the particles cannot be allocated.
    bool Init(int count) override;

    // Draws the first `count` bubbles (clamped to 0..ParticleCount()) with the blend function
    // (source alpha, one) and the current colour, then advances them one frame. Leaves the bubble
    // texture bound and the blend function at (source alpha, one minus source alpha).
    void Draw(int count);

    // Everything Draw does except sending the squares: the same count, the same random values
    // taken, the same move and the same GL state left behind. The start-up spreads the column with
    // it; the squares of those frames would only fill a back buffer that the first frame clears,
    // and on a software rasteriser that fill takes seconds.
    void Advance(int count);

    // Advances the bubbles of the last Draw one frame.
    void Update() override;

    // Height above the source, in tank units, at which a rising bubble leaves the water.
    void SetCeiling(float height) { ceiling = height; }
    float Ceiling() const { return ceiling; }

    int DrawCount() const { return drawCount; }
    uint32_t Texture() const { return particleTexture; }

private:
    void RunFrame(int count, bool sendSquares);
    void Respawn(Particle& p);

    LoadPictureFunction loadPicture;
    int drawCount = 0;            // bubbles taking part, 0..particleCount, set by Draw
    float ceiling = 80.0f;        // tank units above the source; the scene sets the real surface
    uint32_t particleTexture = 0; // "Particle1", loaded by Init
};
