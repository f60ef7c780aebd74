// GLHeaders.h -- the one place that includes OpenGL 1.1 and GLU for the scene code.
//
// The scene links against whichever implementation the executable brings: the system's libGL in
// the windowed program, OSMesa in tests and benchmarks. Nothing here depends on a window system.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>
