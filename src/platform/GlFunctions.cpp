// GlFunctions.cpp -- the registered lookup of GL entry points, and the shading-language table.
#include "platform/GlFunctions.h"

#include <cstdio>

namespace {
GlProcLookup registeredLookup = nullptr;

template <typename Function> bool Find(Function& function, const char* name)
{
    function = reinterpret_cast<Function>(LookUpGlProc(name));
    return function != nullptr;
}
} // namespace

void RegisterGlProcLookup(GlProcLookup lookup)
{
    registeredLookup = lookup;
}

GlProc LookUpGlProc(const char* name)
{
    return registeredLookup != nullptr ? registeredLookup(name) : nullptr;
}

bool GlVersionAtLeast(int major, int minor)
{
    // "major.minor" opens the string, on full GL, before any release or vendor text.
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int foundMajor = 0;
    int foundMinor = 0;
    if (version == nullptr || std::sscanf(version, "%d.%d", &foundMajor, &foundMinor) != 2)
        return false;
    return foundMajor > major || (foundMajor == major && foundMinor >= minor);
}

bool GlslFunctions::Load()
{
    if (!GlVersionAtLeast(2, 0))
        return false;
    const bool all = Find(CreateShader, "glCreateShader") && Find(ShaderSource, "glShaderSource") &&
                     Find(CompileShader, "glCompileShader") && Find(GetShaderiv, "glGetShaderiv") &&
                     Find(DeleteShader, "glDeleteShader") && Find(CreateProgram, "glCreateProgram") &&
                     Find(AttachShader, "glAttachShader") && Find(LinkProgram, "glLinkProgram") &&
                     Find(GetProgramiv, "glGetProgramiv") && Find(DeleteProgram, "glDeleteProgram") &&
                     Find(UseProgram, "glUseProgram") && Find(GetUniformLocation, "glGetUniformLocation") &&
                     Find(Uniform1i, "glUniform1i") && Find(Uniform2f, "glUniform2f") &&
                     Find(Uniform3f, "glUniform3f") && Find(Uniform4f, "glUniform4f") &&
                     Find(UniformMatrix4fv, "glUniformMatrix4fv") && Find(ActiveTexture, "glActiveTexture");
    if (!all)
        *this = GlslFunctions{};
    return all;
}
