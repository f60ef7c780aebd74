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
//
// Once the scene is set up, nothing reads the "RCAD" resources again, yet the pages that unpacking
// touched stay resident, about 7.5 MB of them. They are clean pages of the executable's read-only
// data, so ReleasePackedPicturePages hands them back: a later read faults them in again from the
// file, unchanged. The cursors and dialog pictures, of other types, are decoded on demand and left
// alone.
#pragma once

#include "platform/ErrorReport.h"
#include "platform/ResourceTable.h"

#include <cstddef>
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

// Hands back the resident pages of every "RCAD" resource in the table: the whole pages inside each
// one's bytes, and only where those bytes lie in a read-only segment that a file was mapped into
// (the linked table's do; a table over memory of the process's own is left untouched). Returns the
// bytes handed back.
size_t ReleasePackedPicturePages(const CResourceTable& table = CResourceTable::Linked());
