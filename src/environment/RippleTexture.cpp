// RippleTexture.cpp -- sizing the ripple copy's texture for the screen and the driver.
#include "environment/RippleTexture.h"

#include "platform/GLHeaders.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int kLeastMaxTextureSize = 64; // every OpenGL driver takes at least 64 x 64
constexpr int kLargestSide = 1 << 30;    // powers of two stop here, well inside an int

int NextPowerOfTwo(int n)
{
    int p = 1;
    while (p < n && p < kLargestSide)
        p *= 2;
    return p;
}

int PowerOfTwoAtMost(int n)
{
    int p = 1;
    while (p <= n / 2)
        p *= 2;
    return p;
}

// Whether the space-separated list holds exactly this name (not merely a name that starts with it).
bool HasExtension(const char* extensions, const char* name)
{
    const size_t length = std::strlen(name);
    for (const char* at = extensions; (at = std::strstr(at, name)) != nullptr; at += length) {
        const bool startsWord = at == extensions || at[-1] == ' ';
        const bool endsWord = at[length] == ' ' || at[length] == '\0';
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

// Bounded: a driver whose context is lost may report an error for ever.
void DiscardGlErrors()
{
    for (int i = 0; i < 32 && glGetError() != GL_NO_ERROR; ++i) {
    }
}
} // namespace

RippleTextureSize ChooseRippleTextureSize(int screenWidth, int screenHeight, bool nonPowerOfTwo, int maxTextureSize)
{
    const int w = std::max(screenWidth, 1);
    const int h = std::max(screenHeight, 1);
    int limit = std::max(maxTextureSize, kLeastMaxTextureSize);
    RippleTextureSize size;
    if (nonPowerOfTwo) {
        size.textureWidth = std::min(w, limit);
        size.textureHeight = std::min(h, limit);
    } else {
        limit = PowerOfTwoAtMost(limit);
        size.textureWidth = std::min(NextPowerOfTwo(w), limit);
        size.textureHeight = std::min(NextPowerOfTwo(h), limit);
    }
    size.copyWidth = std::min(w, size.textureWidth);
    size.copyHeight = std::min(h, size.textureHeight);
    return size;
}

bool OffersNonPowerOfTwoTextures(const char* version, const char* extensions)
{
    if (version != nullptr && std::atoi(version) >= 2)
        return true;
    return extensions != nullptr && HasExtension(extensions, "GL_ARB_texture_non_power_of_two");
}

RippleTextureSize SizeBoundRippleTexture(int screenWidth, int screenHeight)
{
    const bool nonPowerOfTwo = OffersNonPowerOfTwoTextures(reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                                                           reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
    GLint driverLimit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &driverLimit);

    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    DiscardGlErrors(); // left by earlier steps, or by a 1.1 driver without edge clamping: not the image's

    for (int limit = std::max(driverLimit, kLeastMaxTextureSize); limit >= kLeastMaxTextureSize; limit /= 2) {
        const RippleTextureSize size = ChooseRippleTextureSize(screenWidth, screenHeight, nonPowerOfTwo, limit);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, size.textureWidth, size.textureHeight, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     nullptr);
        GLint madeWidth = 0;
        GLint madeHeight = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &madeWidth);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &madeHeight);
        const bool refused = glGetError() != GL_NO_ERROR;
        if (!refused && madeWidth == size.textureWidth && madeHeight == size.textureHeight)
            return size;
        DiscardGlErrors();
        limit = std::min(limit, std::max(size.textureWidth, size.textureHeight)); // halve what was refused
    }
    return RippleTextureSize{};
}
