// RippleTexture.h -- the texture that holds ripple mode's copy of each frame: its size and its image.
//
// Every frame of ripple mode copies the screen from its lower-left corner into this texture. The
// texture takes the screen's own size where the driver offers textures of any size (OpenGL 2.0,
// or GL_ARB_texture_non_power_of_two before it); older drivers want powers of two, so it grows to
// the next ones and the copy fills only its lower-left part. Either way no side exceeds the
// driver's GL_MAX_TEXTURE_SIZE: a larger screen copies just the lower-left part that fits, and
// the ripple grid stretches that part over the window.
#pragma once

// The chosen texture and the part of the screen copied into it, in pixels.
struct RippleTextureSize
{
    int textureWidth = 0; // the level-0 image
    int textureHeight = 0;
    int copyWidth = 0; // copied from screen (0, 0) to texel (0, 0); never more than the texture
    int copyHeight = 0;

    bool IsUsable() const { return copyWidth > 0 && copyHeight > 0; }
    // The fractions of the texture's sides that the copy fills, for CRippleGrid::SetTextureExtent.
    float SExtent() const { return textureWidth > 0 ? static_cast<float>(copyWidth) / textureWidth : 1.0f; }
    float TExtent() const { return textureHeight > 0 ? static_cast<float>(copyHeight) / textureHeight : 1.0f; }
};

// The texture for a screen of this size (each side taken as at least 1): the screen's size itself
// when nonPowerOfTwo, else the next powers of two; then no side above maxTextureSize (taken as at
// least 64, the least any driver offers; without nonPowerOfTwo, the largest power of two within
// it). The copy is the screen, cut to the texture.
RippleTextureSize ChooseRippleTextureSize(int screenWidth, int screenHeight, bool nonPowerOfTwo, int maxTextureSize);

// Whether a driver that reports this GL_VERSION and GL_EXTENSIONS takes textures of any size:
// version 2.0 or later, or the extension GL_ARB_texture_non_power_of_two. Either may be null.
bool OffersNonPowerOfTwoTextures(const char* version, const char* extensions);

// With the ripple texture bound to GL_TEXTURE_2D and a context current: gives it an uninitialised
// GL_RGB level-0 image of the size chosen for this screen and this driver, with edges clamped
// (a ripple pushed to the edge smears the edge rather than wrapping to the far side). Where the
// driver refuses that image it tries sides half as large, down to 64. Returns the size it gave;
// one that is not IsUsable() when no image could be made.
RippleTextureSize SizeBoundRippleTexture(int screenWidth, int screenHeight);
