// PackedResources.cpp -- the unpack-load-delete order for one picture.
#include "environment/PackedResources.h"

#include "environment/TextureLoader.h"
#include "platform/UnpackedFiles.h"

bool LoadPackedPicture(const std::string& temp, int id, const std::string& baseName, TextureLoaderKind loader,
                       uint32_t& name, const ErrorReport& report, const CResourceTable& table)
{
    const bool unpacked = UnpackResource(id, temp, baseName, report, table);
    // Without a private folder the decoded name would be a file of the current folder: load nothing.
    const std::string path = temp.empty() ? std::string() : DecodedFilePath(temp, baseName);
    // The loader runs even when unpacking failed: it generates the name, which must exist anyway.
    const bool loaded =
        loader == TextureLoaderKind::Mipmapped ? LoadMipmappedTexture(path, name) : LoadTexture(path, name);
    DeleteUnpackedFiles(temp, baseName);
    if (unpacked && !loaded)
        report("the picture " + baseName + " (resource " + std::to_string(id) + ") could not be loaded", "ERROR");
    return loaded;
}
