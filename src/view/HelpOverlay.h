// HelpOverlay.h -- the F1 block of key help, ten lines of extruded text in front of the camera.
//
// The block hangs 60 units ahead of the camera position and moves with it, so it follows the
// camera's slide at the screen edges; it leaves out the dolly of camera mode, which brings it
// between 40 and 60 units from the eye. It is drawn before the scene, with depth testing: what
// stands behind it is hidden by it, what swims in front covers it.
#pragma once

#include "platform/OutlineFont.h"
#include "view/Projection.h"

// One line of the block: its text and where its origin stands relative to the camera position.
struct HelpLine
{
    const char* text;
    float xOffset; // tank units
    float yOffset;
    float zOffset;
};

constexpr int kHelpLineCount = 10;

// In drawing order; one unit apart, with a gap of two between the web address and the keys.
inline constexpr HelpLine kHelpLines[kHelpLineCount] = {
    {"Kelpora", -6.0f, 7.0f, -60.0f},
    {"www.kelpora.example", -3.0f, 6.0f, -60.0f},
    {"[F1]: Help popup/colse", -3.0f, 4.0f, -60.0f},
    {"[F2]: Feed  cursor", -3.0f, 3.0f, -60.0f},
    {"[F3]: Touch  cursor", -3.0f, 2.0f, -60.0f},
    {"[F4]: Camera  cursor", -3.0f, 1.0f, -60.0f},
    {"[F5]: Ripple  cursor", -3.0f, 0.0f, -60.0f},
    {"[F6]: Hide  cursor", -3.0f, -1.0f, -60.0f},
    {"[Right Click]: Toolbar popup", -3.0f, -2.0f, -60.0f},
    {"[ESC]: Exit", -3.0f, -3.0f, -60.0f},
};

// The character codes of the ten lines: the only glyphs the help font needs solids for.
GlyphCodes HelpGlyphCodes();

constexpr int kHelpTextBufferSize = 256; // one formatted line, its terminating zero included

// Formats a line the printf way (at most 255 characters; the rest is cut) and draws it at the
// current model-view origin, one glyph list per character, in whatever state is current. A null
// format, or a font that is not built, draws nothing. The list base is put back afterwards; the
// model-view matrix is left moved to the end of the line.
void PrintText(const COutlineFont& font, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The ten lines at the camera position plus their offsets. Sets its own colours and state for the
// text and puts back everything it changes, the current colour and normal included.
void DrawHelpOverlay(const COutlineFont& font, const CameraPosition& camera);
