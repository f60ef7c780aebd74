// FrameLevers.h -- the switches of the frame's faster paths, each against the plain path it replaces.
//
// Every lever draws the same picture as the plain path, or one a viewer cannot tell from it (the
// picture-equivalence test holds them to that), and leaves the GL state that later steps and the
// next frame rely on as the plain path leaves it. Each can be turned off on its own, so that its
// gain can be measured and a suspected difference traced to it; a lever whose GL support is
// missing falls back to the plain path by itself. The random sequence and every animation are
// the same with any combination.
#pragma once

struct FrameLevers
{
    // The flat ray sheet lies exactly at the water glow's depth and never passes the depth test
    // where the glow was drawn: while the glow is on, it is not sent (its animation still steps).
    bool skipCoveredRaySheet = true;
    // Fog of density 0 changes no pixel: it is left disabled while the density is 0.
    bool fogOffWhenClear = true;
    // The glow and the two ray sheets in one pass of a small fragment program, where the GL offers
    // GLSL and the sheets are lit white (full light); the plain path elsewhere.
    bool sheetProgram = true;
    // Draws whose alpha is always 1 (the fish, the floor, the plants) go without blending.
    bool opaqueWithoutBlend = true;
    // Fish vertices go to the GL in client arrays instead of one call each.
    bool fishArrays = true;

    // Every lever off: the plain path.
    static FrameLevers Plain()
    {
        FrameLevers levers;
        levers.skipCoveredRaySheet = false;
        levers.fogOffWhenClear = false;
        levers.sheetProgram = false;
        levers.opaqueWithoutBlend = false;
        levers.fishArrays = false;
        return levers;
    }

    // The levers the program runs with: all on, unless KELPORA_FRAME says otherwise, as a
    // comma-separated list read from the left: "plain" turns every lever off, "no-NAME" one lever
    // off and "NAME" one on (so "plain,fog-off" is the plain path with that one lever). The names:
    // skip-covered-rays, fog-off, sheet-program, opaque-no-blend, fish-arrays.
    static FrameLevers FromEnvironment();
};
