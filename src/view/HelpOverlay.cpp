// HelpOverlay.cpp -- prints lines of the outline font and lays out the help block.
#include "view/HelpOverlay.h"

#include "platform/GLHeaders.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {
// Legibility. The frame leaves texturing, fog, the last colour and the scene's light setting
// behind, and the backdrop may be white, black, any fixed colour or the reef picture: text drawn
// in that state can vanish (white fog on a white backdrop, a dark light setting, a texture bound
// from the previous frame). So the block sets its own state: no texture, no fog, no blending, and
// two passes that read on any backdrop:
//   1. a dark outline: the glyphs again as wide lines, set a little behind the faces, so that a
//      rim of it shows around every glyph and separates the text from light backdrops;
//   2. the light faces, lit by a light of their own from the upper left, so that the extruded
//      side walls come out darker than the faces and the solid still reads as 3D.
constexpr float kFaceColour[3] = {1.0f, 0.93f, 0.62f};     // warm ivory
constexpr float kOutlineColour[3] = {0.03f, 0.07f, 0.16f}; // deep navy
constexpr float kOutlineSetBack = 0.05f;                   // tank units behind the faces; the glyphs are 0.2 deep
// Outline width in pixels: it grows with the viewport's height, but never below 2, because a line
// one pixel wide falls on one side of a glyph's edge only and the faces then cover it.
constexpr float kOutlinePixelsPerRow = 1.0f / 540.0f;
constexpr float kOutlineMinWidth = 2.0f;
constexpr float kOutlineMaxWidth = 4.0f;
constexpr float kTextLightDirection[4] = {-0.3f, 0.45f, 1.0f, 0.0f}; // eye space, towards the light
constexpr float kTextLightAmbient[4] = {0.55f, 0.55f, 0.55f, 1.0f};
constexpr float kTextLightDiffuse[4] = {0.5f, 0.5f, 0.5f, 1.0f};
constexpr float kNoAmbient[4] = {0.0f, 0.0f, 0.0f, 1.0f};

void DrawLines(const COutlineFont& font, const CameraPosition& camera, float zShift)
{
    for (const HelpLine& line : kHelpLines) {
        glPushMatrix();
        glTranslatef(camera.x + line.xOffset, camera.y + line.yOffset, camera.z + line.zOffset + zShift);
        // The lines are fixed texts; passing them as arguments keeps any '%' in them literal.
        PrintText(font, "%s", line.text);
        glPopMatrix();
    }
}

// The light of the text, given in eye space so that it falls the same way wherever the camera is.
void LightTheText()
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, kTextLightDirection);
    glPopMatrix();
    glLightfv(GL_LIGHT0, GL_AMBIENT, kTextLightAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, kTextLightDiffuse);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kNoAmbient);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHT0);
    glDisable(GL_LIGHT1); // the scene's light follows the light setting; the text does not
    glEnable(GL_LIGHTING);
}
} // namespace

GlyphCodes HelpGlyphCodes()
{
    GlyphCodes codes;
    for (const HelpLine& line : kHelpLines)
        codes |= GlyphCodesOf(line.text);
    return codes;
}

void PrintText(const COutlineFont& font, const char* format, ...)
{
    if (format == nullptr || !font.IsOK())
        return;
    char text[kHelpTextBufferSize];
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    if (written <= 0)
        return;

    glPushAttrib(GL_LIST_BIT);
    glListBase(font.ListBase());
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    glPopAttrib();
}

void DrawHelpOverlay(const COutlineFont& font, const CameraPosition& camera)
{
    if (!font.IsOK())
        return;
    // Mesa's glPopAttrib of GL_LIGHTING_BIT can put the last glColor back in place of the pushed
    // colour (seen with OSMesa), so the colour and normal are also kept here and set again.
    GLfloat colour[4], normal[3];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetFloatv(GL_CURRENT_NORMAL, normal);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LIGHTING_BIT | GL_POLYGON_BIT | GL_LINE_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_FOG);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);

    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glDisable(GL_LIGHTING);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glLineWidth(std::clamp(viewport[3] * kOutlinePixelsPerRow, kOutlineMinWidth, kOutlineMaxWidth));
    glColor3fv(kOutlineColour);
    DrawLines(font, camera, -kOutlineSetBack);

    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    LightTheText();
    glColor3fv(kFaceColour);
    DrawLines(font, camera, 0.0f);
    glPopAttrib();
    glColor4fv(colour);
    glNormal3fv(normal);
}
