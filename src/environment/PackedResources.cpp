// PackedResources.cpp -- the unpack-load-delete order for one picture; the packed pages handed back after.
#include "environment/PackedResources.h"

#include "environment/TextureLoader.h"
#include "platform/UnpackedFiles.h"

#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

namespace {
struct AddressRange
{
    uintptr_t begin = 0;
    uintptr_t end = 0; // one past the last byte
};

struct SegmentSearch
{
    AddressRange wanted;
    bool found = false;
};

// dl_iterate_phdr's visitor: does one of this object's loaded, unwritable segments hold the range?
// Its file-backed part only (p_filesz): what lies beyond is zero-filled memory, not the file's.
int FindReadOnlySegment(dl_phdr_info* info, size_t, void* data)
{
    auto* search = static_cast<SegmentSearch*>(data);
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type != PT_LOAD || (segment.p_flags & PF_W) != 0)
            continue;
        const uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
        if (search->wanted.begin >= begin && search->wanted.end <= begin + segment.p_filesz) {
            search->found = true;
            return 1;
        }
    }
    return 0;
}

// True when [begin, end) lies in one read-only segment of a loaded file. Such pages are never
// written, so dropping them loses nothing: the kernel reads them again from the file on demand.
bool IsReadOnlyFileData(const AddressRange& range)
{
    SegmentSearch search{range};
    dl_iterate_phdr(FindReadOnlySegment, &search);
    return search.found;
}
} // namespace

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

size_t ReleasePackedPicturePages(const CResourceTable& table)
{
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pageSize <= 0)
        return 0;
    const uintptr_t page = static_cast<uintptr_t>(pageSize);
    size_t released = 0;
    for (const PackedResource& resource : table) {
        if (std::strcmp(resource.type, kPackedResourceType) != 0 || resource.size == 0)
            continue;
        const auto first = reinterpret_cast<uintptr_t>(resource.bytes);
        const AddressRange bytes{first, first + resource.size};
        // Whole pages only: a page that it shares with a cursor or with code stays as it is.
        const AddressRange pages{(bytes.begin + page - 1) / page * page, bytes.end / page * page};
        if (pages.end <= pages.begin || !IsReadOnlyFileData(bytes))
            continue;
        if (madvise(reinterpret_cast<void*>(pages.begin), pages.end - pages.begin, MADV_DONTNEED) == 0)
            released += pages.end - pages.begin;
    }
    return released;
}
