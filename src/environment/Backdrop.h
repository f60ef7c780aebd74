// Backdrop.h -- the coloured backdrop behind the tank and the foreground tint of the scenery.
//
// The backdrop is one large quad at the back of the tank, drawn in up to three colour modes, each
// one a quad of its own when its flag is on, in this order: fixed (one colour), gradual (a
// vertical blend from a bottom colour to a top colour) and automatic (colours that drift slowly
// through the spectrum). The foreground tint colours the plants or the picture sheet: fixed or
// automatic; with both on the automatic tint wins, with neither the current colour stays.
//
// The automatic modes run on two phases, one for the backdrop and one for the tint. Each phase
// resumes, on the first frame its mode is on, from the phase saved with the settings, steps by 0.1
// per drawn frame unless locked, and is published into the settings record after every step so
// that the settings dialog can save it. At 50 frames a second the colours repeat after about
// 2000 seconds.
//
// Both operations draw under whatever lighting, colour-material and fog state the frame has set:
// the light setting dims the backdrop and the tint works through colour-material.
#pragma once

#include "ui/AquariumSettings.h"
#include "view/TankBounds.h"

struct BackdropColour
{
    float red = 0.0f; // 0..1; the drawing clamps negative components to 0
    float green = 0.0f;
    float blue = 0.0f;
};

class CBackdrop
{
public:
    // A phase runs from 0 and goes back to 0 once it reaches this value.
    static constexpr float kPhaseLimit = 10000.0f;
    static constexpr float kPhaseStep = 0.1f; // per frame in which the mode is on and unlocked

    // Draws one quad per background mode that is on (none when all three are off), each followed
    // by white and texturing on. Steps and publishes the background phase in automatic mode.
    void DrawBackdrop(AquariumSettings& settings, const TankBounds& bounds);

    // Sets the current colour to the foreground tint, then steps and publishes the foreground
    // phase in automatic mode. With neither mode on the current colour is left as it is.
    void ApplyForegroundColour(AquariumSettings& settings);

    // The automatic colours at phase p: the backdrop's bottom and top edges, and the tint.
    static BackdropColour AutoBottomColour(float p);
    static BackdropColour AutoTopColour(float p);
    static BackdropColour AutoForegroundColour(float p);

    float BackPhase() const { return backPhase; }
    float FrontPhase() const { return frontPhase; }
    bool BackPhaseSet() const { return backPhaseSet; }
    bool FrontPhaseSet() const { return frontPhaseSet; }

private:
    void DrawQuad(const TankBounds& bounds, const BackdropColour& bottom, const BackdropColour& top) const;

    float backPhase = 0.0f;     // radians-scaled drift position, 0 <= backPhase < kPhaseLimit once set
    float frontPhase = 0.0f;    // the same for the tint; may stand at kPhaseLimit for one frame
    bool backPhaseSet = false;  // false until the first frame with the automatic backdrop on
    bool frontPhaseSet = false; // false until the first frame with the automatic tint on
};
