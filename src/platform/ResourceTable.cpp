// ResourceTable.cpp -- look-up in the table that the packer generated for this build.
#include "platform/ResourceTable.h"

// Defined by the source the packer writes at build time (see tools/packer).
extern const PackedResource* const kLinkedResources;
extern const size_t kLinkedResourceCount;

const CResourceTable& CResourceTable::Linked()
{
    static const CResourceTable linked(kLinkedResources, kLinkedResourceCount);
    return linked;
}

const PackedResource* CResourceTable::Find(const std::string& type, int id) const
{
    for (const PackedResource& resource : *this) {
        if (resource.id == id && type == resource.type)
            return &resource;
    }
    return nullptr;
}
