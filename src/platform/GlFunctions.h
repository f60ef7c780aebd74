// GlFunctions.h -- OpenGL entry points past 1.1, looked up at run time through the context's owner.
//
// The scene links against OpenGL 1.1 alone, so that it runs on any GL. A faster path that needs a
// later entry point asks for it by name, with a context current, and keeps its plain path for when
// the answer is no. How names are looked up belongs to whoever creates the context: the offscreen
// harness registers OSMesa's lookup, the window the window system's. Until one is registered,
// every lookup fails and every faster path stays plain.
#pragma once

#include "platform/GLHeaders.h"

#include <GL/glext.h>

using GlProc = void (*)();
using GlProcLookup = GlProc (*)(const char* name);

// Registers the lookup of the context's owner; a later registration replaces an earlier one.
void RegisterGlProcLookup(GlProcLookup lookup);

// The entry point called `name`, or null when no lookup is registered or it finds nothing. A
// lookup may hand out a pointer for a name the GL does not implement: check the version first.
GlProc LookUpGlProc(const char* name);

// Whether the current context's GL is at least major.minor.
bool GlVersionAtLeast(int major, int minor);

// The entry points of the OpenGL Shading Language (GL 2.0) and of multitexturing (GL 1.3) that the
// scene's programs use.
struct GlslFunctions
{
    PFNGLCREATESHADERPROC CreateShader = nullptr;
    PFNGLSHADERSOURCEPROC ShaderSource = nullptr;
    PFNGLCOMPILESHADERPROC CompileShader = nullptr;
    PFNGLGETSHADERIVPROC GetShaderiv = nullptr;
    PFNGLDELETESHADERPROC DeleteShader = nullptr;
    PFNGLCREATEPROGRAMPROC CreateProgram = nullptr;
    PFNGLATTACHSHADERPROC AttachShader = nullptr;
    PFNGLLINKPROGRAMPROC LinkProgram = nullptr;
    PFNGLGETPROGRAMIVPROC GetProgramiv = nullptr;
    PFNGLDELETEPROGRAMPROC DeleteProgram = nullptr;
    PFNGLUSEPROGRAMPROC UseProgram = nullptr;
    PFNGLGETUNIFORMLOCATIONPROC GetUniformLocation = nullptr;
    PFNGLUNIFORM1IPROC Uniform1i = nullptr;
    PFNGLUNIFORM2FPROC Uniform2f = nullptr;
    PFNGLUNIFORM3FPROC Uniform3f = nullptr;
    PFNGLUNIFORM4FPROC Uniform4f = nullptr;
    PFNGLUNIFORMMATRIX4FVPROC UniformMatrix4fv = nullptr;
    PFNGLACTIVETEXTUREPROC ActiveTexture = nullptr;

    // Looks every entry point up; true when the current GL is 2.0 or later and all were found.
    // On false the table is left empty.
    bool Load();
};
