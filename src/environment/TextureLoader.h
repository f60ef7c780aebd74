// TextureLoader.h -- BMP files into OpenGL textures: the plain loader, the mipmapped one, a blank.
//
// All of these need a current GL context and leave the new texture bound to GL_TEXTURE_2D. A name
// is generated even when its file cannot be loaded: the texture then has no image and whatever
// binds it draws untextured.
#pragma once

#include "environment/BitmapFile.h"
#include "platform/GLHeaders.h"

#include <cstdint>
#include <string>
#include <vector>

// Largest side LoadTexture uploads, whatever more the driver allows.
constexpr int kMaxPlainTextureSize = 512;

struct TextureUpload
{
    GLenum format = GL_BGR_EXT; // GL_BGR_EXT or GL_BGRA_EXT
    int components = 3;         // 3 or 4, the internal format
    int width = 0;              // pixels
    int height = 0;
    std::vector<uint8_t> pixels; // the converted or scaled rows; empty when the image's own are used
};

// Decides how image goes up: sides become powers of two of at least 2 and at most
// min(GL_MAX_TEXTURE_SIZE, kMaxPlainTextureSize), 8-bit pictures go through their colour table.
// True when upload.pixels holds a new block of upload.width x upload.height; false when the
// image's own bits are uploaded unchanged at its own size (24 or 32 bits, sides already fit).
bool FitToPowerOfTwo(const BitmapImage& image, TextureUpload& upload);

// Generates a name into `name`, binds it and loads the BMP at path into it with linear filters,
// wraps left at their defaults. False, with the name bound but without image or filters, when the
// file is missing or not a picture ReadBitmapFile accepts.
bool LoadTexture(const std::string& path, uint32_t& name);

// Generates a name into `name`, binds it and loads a 24-bit BMP as RGBA mipmaps (pure black
// transparent), repeating, linear magnification, GL_LINEAR_MIPMAP_NEAREST minification. False,
// with nothing uploaded, when the file is missing or not such a picture.
bool LoadMipmappedTexture(const std::string& path, uint32_t& name);

// A new 128 x 128 RGBA texture of zeros with linear filters, for frame-buffer copies.
uint32_t CreateBlankTexture();
