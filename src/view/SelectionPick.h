// SelectionPick.h -- whether something drawn lies under the pointer, by one selection-mode pass.
//
// The feed markers and the touch pass find what is under the pointer the same way: draw the
// candidate once in GL_SELECT mode under a pick region of 15 x 15 pixels around the pointer and
// count the hit records. Depths in the records are not used; any hit counts.
//
//     pick.Begin(mouseX, mouseY);
//     ...draw the candidate with the frame's camera still on the model-view matrix...
//     if (pick.End()) ...
//
// Nothing is drawn into the frame buffer between Begin and End.
#pragma once

#include "platform/GLHeaders.h"

class CSelectionPick
{
public:
    // The frame's screen size sets the pick's projection, exactly as the frame's own (so that what
    // is picked is what is seen), and the height of the drawable turns the pointer's y, counted
    // downwards in client pixels, into GL's window y.
    void SetFrame(int screenWidth, int screenHeight, int clientHeight);

    // Pushes the model-view matrix, enters selection mode and loads the pick projection.
    void Begin(int mouseX, int mouseY);
    // Restores projection and model-view matrices and render mode; true when anything was hit.
    bool End();

private:
    static constexpr int kSelectBufferSize = 512;
    static constexpr double kPickRegion = 15.0; // pixels, each way

    GLuint selectBuffer[kSelectBufferSize] = {}; // GL writes hit records here during a pass
    int screenWidth = 1;
    int screenHeight = 1;
    int clientHeight = 1;
};
