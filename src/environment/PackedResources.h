// PackedResources.h -- one packed picture from the executable into a texture: unpack, load, delete.
//
// Every picture of the tank arrives the same way. With T the private temporary folder
// (CAquariumScene::GetTempDirectory(), ending in '/') and B the picture's base name:
//
//     UnpackResource(id, T, B);              T + B + ".ad", decoded into T + B + ".bmp"
//     LoadTexture or LoadMipmappedTexture    from T + B + ".bmp" into the texture name
//     DeleteUnpackedFiles(T, B);             both files gone again
//
// LoadPackedPicture runs those steps for one picture; the floor, the bubbles and the scene all
// use it. A missing resource leaves the name without an image, as a failed load does.
#pragma once

#include "platform/ErrorReport.h"
#include "platform/ResourceTable.h"

#include <cstdint>
#include <string>

enum class TextureLoaderKind
{
    Plain,     // LoadTexture: power-of-two fitting, linear filters
    Mipmapped, // LoadMipmappedTexture: RGBA mipmaps, black transparent
};

// Loads resource `id` under base name `baseName` into `name`, which is always generated. True when
// the picture is in the texture. A picture that was unpacked but could not be loaded is reported
// once; a resource the table lacks is not (a build without art lacks them all).
bool LoadPackedPicture(const std::string& temp, int id, const std::string& baseName, TextureLoaderKind loader,
                       uint32_t& name, const ErrorReport& report,
                       const CResourceTable& table = CResourceTable::Linked());
