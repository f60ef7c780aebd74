// CursorMode.h -- what a left click does in the tank; the values are the commands that select them.
#pragma once

#include <cstdint>

enum class CursorMode : int32_t
{
    Touch = 1035,  // a click startles the fish under the pointer
    Feed = 1036,   // a click releases a food drop; the mode at start
    Hide = 1043,   // no cursor, clicks do nothing
    Camera = 1044, // holding the button swings the camera in and out
    Ripple = 1045, // a click sends ripples across the picture
};
