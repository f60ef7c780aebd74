// Backdrop.cpp -- the backdrop quad in its colour modes, and the foreground tint.
#include "environment/Backdrop.h"

#include "platform/GLHeaders.h"

#include <cmath>

namespace {
constexpr double kBlueRate = 0.05882353; // 1/17: the blue component's drift per unit of phase

BackdropColour ColourFromBytes(int32_t colour)
{
    // 0x00BBGGRR, red in the low byte; byte / 255 is exactly how GL widens glColor3ub.
    return BackdropColour{static_cast<float>(colour & 0xFF) / 255.0f, static_cast<float>((colour >> 8) & 0xFF) / 255.0f,
                          static_cast<float>((colour >> 16) & 0xFF) / 255.0f};
}

// The phase a mode resumes from on its first frame. The animation only ever publishes phases from
// 0 to kPhaseLimit; anything else in the record comes from a damaged or hand-edited file, and a
// phase far below 0 would never move (adding 0.1 to -1e9 leaves -1e9), so such a value starts at 0.
float ResumePhase(float saved)
{
    if (!(saved >= 0.0f && saved <= CBackdrop::kPhaseLimit))
        return 0.0f;
    return saved;
}
} // namespace

BackdropColour CBackdrop::AutoBottomColour(float p)
{
    return BackdropColour{static_cast<float>(std::cos(0.05 * p)), static_cast<float>(std::sin(0.04 * p)),
                          static_cast<float>(std::cos(p * kBlueRate))};
}

BackdropColour CBackdrop::AutoTopColour(float p)
{
    return BackdropColour{static_cast<float>(std::sin(0.05 * p)), static_cast<float>(std::cos(0.04 * p)),
                          static_cast<float>(std::sin(p * kBlueRate))};
}

BackdropColour CBackdrop::AutoForegroundColour(float p)
{
    return BackdropColour{static_cast<float>(1.0 - std::cos(0.05 * p)), static_cast<float>(1.0 - std::sin(0.04 * p)),
                          static_cast<float>(1.0 - 0.5 * std::cos(p * kBlueRate))};
}

void CBackdrop::DrawBackdrop(AquariumSettings& settings, const TankBounds& bounds)
{
    if (settings.backFixed != 0) {
        const BackdropColour colour = ColourFromBytes(settings.backColour);
        DrawQuad(bounds, colour, colour);
    }
    if (settings.backGradual != 0)
        DrawQuad(bounds, ColourFromBytes(settings.backColour2), ColourFromBytes(settings.backColour1));
    if (settings.backAuto != 0) {
        if (!backPhaseSet) {
            backPhase = ResumePhase(settings.backPhaseSaved);
            backPhaseSet = true;
        }
        if (settings.backLock == 0) {
            backPhase += kPhaseStep;
            if (backPhase >= kPhaseLimit)
                backPhase = 0.0f;
            settings.currentBackPhase = backPhase;
        }
        DrawQuad(bounds, AutoBottomColour(backPhase), AutoTopColour(backPhase));
    }
}

void CBackdrop::ApplyForegroundColour(AquariumSettings& settings)
{
    if (settings.frontFixed != 0) {
        const BackdropColour colour = ColourFromBytes(settings.frontColour);
        glColor3f(colour.red, colour.green, colour.blue);
    }
    if (settings.frontAuto == 1) {
        if (!frontPhaseSet) {
            frontPhase = ResumePhase(settings.frontPhaseSaved);
            frontPhaseSet = true;
        }
        const BackdropColour colour = AutoForegroundColour(frontPhase);
        glColor3f(colour.red, colour.green, colour.blue);
        if (settings.frontLock == 0) {
            frontPhase += kPhaseStep;
            if (frontPhase > kPhaseLimit)
                frontPhase = 0.0f;
            settings.currentFrontPhase = frontPhase;
        }
    }
}

// The quad stands far behind the tank, stretched to fill the view: twice the tank's width, three
// times its height and depth. It has no normal or texture coordinates of its own, so it is lit
// with whatever normal was given last, like everything else the frame draws without one.
void CBackdrop::DrawQuad(const TankBounds& bounds, const BackdropColour& bottom, const BackdropColour& top) const
{
    const float left = 2.0f * bounds.xMin;
    const float right = 2.0f * bounds.xMax;
    const float low = 3.0f * bounds.yBottom;
    const float high = 3.0f * bounds.yTop;
    const float depth = 3.0f * bounds.zBack;

    glShadeModel(GL_SMOOTH);
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glColor3f(bottom.red, bottom.green, bottom.blue);
    glVertex3f(left, low, depth);
    glVertex3f(right, low, depth);
    glColor3f(top.red, top.green, top.blue);
    glVertex3f(right, high, depth);
    glVertex3f(left, high, depth);
    glEnd();
    // Every mode leaves white and texturing on for what the frame draws next.
    glColor3ub(255, 255, 255);
    glEnable(GL_TEXTURE_2D);
}
