// FloorAndLight.cpp -- floor grid and display list, and the three additive sheets behind the tank.
#include "environment/FloorAndLight.h"

#include "platform/GLHeaders.h"

#include <cmath>

namespace {
constexpr int kWaterResource = 165;
constexpr int kRayResource = 164;
constexpr float kSheetDepth = -109.0f;       // the glow and the ray sheet, before the floor's translation
constexpr float kTiltedSheetDepth = -108.0f; // the tilted rays, just in front
// The sheets' extents in their own planes: the glow and the ray sheet, and the taller tilted rays.
constexpr float kSheetLeft = -200.0f;
constexpr float kSheetRight = 200.0f;
constexpr float kSheetBottom = -40.0f;
constexpr float kTiltedSheetBottom = -90.0f;
constexpr float kSheetTop = 90.0f;

// One textured quad from (x0, y0) to (x1, y1) at depth z, texture u from u0 to u0 + 1.
void DrawSheet(float x0, float y0, float x1, float y1, float z, float u0)
{
    glBegin(GL_QUADS);
    glTexCoord2f(u0, 0.0f);
    glVertex3f(x0, y0, z);
    glTexCoord2f(u0 + 1.0f, 0.0f);
    glVertex3f(x1, y0, z);
    glTexCoord2f(u0 + 1.0f, 1.0f);
    glVertex3f(x1, y1, z);
    glTexCoord2f(u0, 1.0f);
    glVertex3f(x0, y1, z);
    glEnd();
}
// Moves a swinging value one step and turns it round once it has passed a limit.
void StepSwing(float& value, bool& rising, float step, float limit)
{
    value += rising ? step : -step;
    if (value > limit)
        rising = false;
    if (value < -limit)
        rising = true;
}
// Whether a quad sent again over one just drawn, at exactly its depth, fails the depth test
// wherever the first was drawn or hidden: the test is on, strict, and the first wrote its depth.
bool SameDepthIsHidden()
{
    GLint function = 0;
    GLboolean writes = GL_FALSE;
    glGetIntegerv(GL_DEPTH_FUNC, &function);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &writes);
    return glIsEnabled(GL_DEPTH_TEST) == GL_TRUE && function == GL_LESS && writes == GL_TRUE;
}
} // namespace

void CFloorAndLight::Setup(int columns, int depthRows, int scale, const LoadPictureFunction& loadPicture,
                           const ErrorReport& report)
{
    cols = columns;
    rows = depthRows;
    heightScale = scale;
    const float ratio = 2.0f * static_cast<float>(heightScale) / static_cast<float>(rows);

    waterTexture = loadPicture(kWaterResource, "Water");
    rayTexture = loadPicture(kRayResource, "GuangXian");

    if (static_cast<long long>(cols) * rows > kMaxFloorVertices || cols < 2 || rows < 2) {
        report("MAP SIZE ERROR", "");
        return; // no floor: the glow and rays still play
    }

    // The undulation runs diagonally; its amplitude is 2 at the back row and falls to the front.
    rowStride = rows - 1;
    floorVertices.resize(static_cast<size_t>(cols) * rowStride);
    for (int i = 0; i < cols; ++i) {
        for (int j = 0; j < rows - 1; ++j) {
            FloorVertex& v = floorVertices[static_cast<size_t>(i) * rowStride + j];
            v.x = static_cast<float>(i - cols / 2);
            v.height = std::cos(0.1f * static_cast<float>(i + j)) * static_cast<float>(rows - j) * ratio;
            v.z = static_cast<float>(j - rows);
        }
    }
    CompileFloor();
}

void CFloorAndLight::CompileFloor()
{
    floorList = glGenLists(1);
    glNewList(floorList, GL_COMPILE);
    glColor3f(0.0f, 0.9f, 0.0f);
    glBindTexture(GL_TEXTURE_2D, floorTexture);
    for (int i = 0; i < cols - 1; ++i) {
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j < rows - 1; ++j) {
            const FloorVertex& a = Vertex(i, j);
            const FloorVertex& b = Vertex(i + 1, j);
            glTexCoord2f(static_cast<float>(i) / cols, static_cast<float>(j) / rows);
            glVertex3f(a.x, a.height, a.z);
            glTexCoord2f(static_cast<float>(i + 1) / cols, static_cast<float>(j) / rows);
            glVertex3f(b.x, b.height, b.z);
        }
        glEnd();
    }
    glColor3f(1.0f, 1.0f, 1.0f);
    glEndList();
}

void CFloorAndLight::Draw(int showWater, int showLight, int showTerra, int background, const SheetLevers& levers)
{
    if (background == 0 && showTerra != 0 && floorList != 0)
        glCallList(floorList);
    sheetsInOnePass = false;
    if (background != 0 && background != 1)
        return;
    // Each shown sheet's animation steps once per frame, whichever way it is drawn.
    const bool glowShown = showWater != 0;
    if (glowShown) {
        waterScroll += 0.0005f;
        if (waterScroll > 10.0f)
            waterScroll = 0.0f;
    }
    if (showLight != 0) {
        StepSwing(rayScroll, rayScrollRising, 0.001f, 0.1f);
        StepSwing(rayTilt, rayTiltRising, 0.1f, 5.0f);
    }
    sheetsInOnePass = showLight != 0 && levers.sheetProgram && DrawSheetsInOnePass(glowShown);
    if (sheetsInOnePass)
        return;
    if (glowShown)
        DrawWaterGlow();
    if (showLight != 0) {
        if (!(glowShown && levers.skipCoveredRaySheet && SameDepthIsHidden()))
            DrawRaySheet();
        DrawTiltedRays();
    }
}

// The back sheet is the glow when it is shown (the flat ray sheet then lies hidden behind it: the
// pass draws only under the depth test that hides it), else the flat ray sheet.
bool CFloorAndLight::DrawSheetsInOnePass(bool glowShown)
{
    const SheetQuad back{
        glowShown ? waterTexture : rayTexture, kSheetLeft, kSheetBottom, kSheetRight, kSheetTop, kSheetDepth, 0.0f,
        glowShown ? waterScroll : rayScroll};
    const SheetQuad front{rayTexture, kSheetLeft, kTiltedSheetBottom, kSheetRight, kSheetTop, kTiltedSheetDepth,
                          rayTilt,    0.0f};
    return sheetProgram.Draw(back, front);
}

void CFloorAndLight::DrawWaterGlow()
{
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glBindTexture(GL_TEXTURE_2D, waterTexture);
    DrawSheet(kSheetLeft, kSheetBottom, kSheetRight, kSheetTop, kSheetDepth, waterScroll);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void CFloorAndLight::DrawRaySheet()
{
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glBindTexture(GL_TEXTURE_2D, rayTexture);
    glPushMatrix();
    DrawSheet(kSheetLeft, kSheetBottom, kSheetRight, kSheetTop, kSheetDepth, rayScroll);
    glPopMatrix();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void CFloorAndLight::DrawTiltedRays()
{
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glBindTexture(GL_TEXTURE_2D, rayTexture);
    glPushMatrix();
    glRotatef(rayTilt, 0.0f, 0.0f, 1.0f);
    DrawSheet(kSheetLeft, kTiltedSheetBottom, kSheetRight, kSheetTop, kTiltedSheetDepth, 0.0f);
    glPopMatrix();
    // The additive blend stays: the bubbles, drawn next, set their own.
}
