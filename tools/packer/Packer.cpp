// Packer.cpp -- scrambles every picture, cursor, dialog picture and the sound for linking in.
//
//     kelpora_packer [--rendered] <packed folder> <generated source> [<art folder>]
//
// For each resource of the three catalogues (the "RCAD" pictures and sound, the cursors under their
// own type, and the dialogs' frame bitmaps and icons under "BITMAP" and "ICON"), the raw file
// <art folder>/<base name><extension> is packed with the inverse of the run-time decoding
// (PackedCodec.h) into <packed folder>/<type>_<id>.ad, and the generated C++ source pulls those
// files in with the assembler's .incbin and lists them in the table that CResourceTable::Linked()
// reads. Ids are unique only within a type, so file and symbol names carry
// both. Without an art folder, or for raw files that are not there, the table simply lacks those
// resources; the program then runs without those pictures.
//
// The dialog pictures that are rendered from the scene itself (the population sheet, the scene
// previews) cannot be in that table: the renderer links it. With --rendered the packer packs only
// those, from the renderer's folder, into a second table that the generated source hands out
// through RenderedPanelArt() (PanelArt.h) and that only the program links.
//
// Outputs are rewritten only when their content changes, so that an unchanged build recompiles
// nothing; the source names a hash of each packed file, so new art always changes the source.
#include "environment/ResourceCatalogue.h"
#include "platform/PackedCodec.h"
#include "platform/ResourceTable.h"
#include "ui/PanelArtCatalogue.h"
#include "view/CursorCatalogue.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
// One resource to pack: where it goes in the table and which art file it comes from.
struct PackSource
{
    const char* type; // "RCAD", "CURSOR", "BITMAP" or "ICON": letters only, as it goes into symbol names
    int id;
    const char* baseName;
};

struct PackedFile
{
    std::string type;
    int id;
    std::string path; // absolute, of the packed copy
    size_t size;
    uint64_t hash; // FNV-1a of the packed bytes
};

bool ReadFile(const fs::path& path, std::vector<uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Writes the file unless it already holds exactly these bytes; through a temporary and a rename,
// so that the build never sees half a file.
bool WriteIfChanged(const fs::path& path, const std::string& content)
{
    std::vector<uint8_t> existing;
    if (ReadFile(path, existing) && existing.size() == content.size() &&
        std::equal(existing.begin(), existing.end(), content.begin(),
                   [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); }))
        return true;
    const fs::path temporary = path.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out)
            return false;
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    return !error;
}

uint64_t Fnv1a(const std::string& bytes)
{
    uint64_t hash = 0xCBF29CE484222325ull;
    for (char c : bytes) {
        hash ^= static_cast<uint8_t>(c);
        hash *= 0x100000001B3ull;
    }
    return hash;
}

// text as the inside of a C++ string literal whose content is itself a quoted assembler string.
std::string EscapeTwice(const std::string& text)
{
    std::string asmQuoted;
    for (char c : text) {
        if (c == '"' || c == '\\')
            asmQuoted += '\\';
        asmQuoted += c;
    }
    std::string cppQuoted;
    for (char c : asmQuoted) {
        if (c == '"' || c == '\\')
            cppQuoted += '\\';
        cppQuoted += c;
    }
    return cppQuoted;
}

// The catalogues in table order: pictures and sound first, then the cursors, then the dialog art.
// With `rendered`, only the rendered dialog pictures.
std::vector<PackSource> PackSources(bool rendered)
{
    std::vector<PackSource> sources;
    if (!rendered) {
        for (const PackedResourceEntry& entry : kPackedResourceCatalogue)
            sources.push_back({kPackedResourceType, entry.id, entry.baseName});
        for (const CursorEntry& entry : kCursorCatalogue)
            sources.push_back({kCursorResourceType, entry.id, entry.baseName});
    }
    for (const PanelArtEntry& entry : kPanelArtCatalogue) {
        if (entry.rendered == rendered)
            sources.push_back({entry.type, entry.id, entry.baseName});
    }
    return sources;
}

// Unique per (type, id), so that RCAD 164 and CURSOR 164 cannot clash.
std::string Qualified(const std::string& type, int id)
{
    return type + "_" + std::to_string(id);
}

std::string SymbolFor(const PackedFile& file)
{
    return "kelpora_packed_" + Qualified(file.type, file.id);
}

// How the generated source hands out its table: as the linked table's two symbols, or (rendered)
// as the function that PanelArt.h declares.
std::string TableDefinition(bool rendered, const std::string& entries, size_t count)
{
    if (rendered)
        return "const CResourceTable& RenderedPanelArt()\n{\n    static const CResourceTable table(" + entries + ", " +
               std::to_string(count) + ");\n    return table;\n}\n";
    return "extern const PackedResource* const kLinkedResources = " + entries + ";\n" +
           "extern const size_t kLinkedResourceCount = " + std::to_string(count) + ";\n";
}

std::string GenerateSource(const std::vector<PackedFile>& files, bool rendered)
{
    std::ostringstream out;
    out << "// PackedResources.cpp -- written by kelpora_packer: the packed pictures and sound of this build.\n"
        << "#include \"platform/ResourceTable.h\"\n";
    if (rendered)
        out << "#include \"ui/PanelArt.h\"\n";
    out << "\n";
    if (files.empty()) {
        out << "// No art was packed: every look-up finds nothing.\n" << TableDefinition(rendered, "nullptr", 0);
        return out.str();
    }

    out << "// Packed files and their FNV-1a hashes:\n";
    for (const PackedFile& file : files) {
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(file.hash));
        out << "//   " << file.type << " " << file.id << ": " << file.size << " bytes, " << hash << "\n";
    }
    out << "\n__asm__(\".pushsection .rodata.kelpora_packed, \\\"a\\\"\\n\"\n";
    for (const PackedFile& file : files) {
        const std::string symbol = SymbolFor(file);
        out << "        \".balign 16\\n\"\n"
            << "        \".globl " << symbol << "\\n\"\n"
            << "        \".hidden " << symbol << "\\n\"\n"
            << "        \"" << symbol << ":\\n\"\n"
            << "        \".incbin \\\"" << EscapeTwice(file.path) << "\\\"\\n\"\n"
            << "        \".size " << symbol << ", " << file.size << "\\n\"\n";
    }
    out << "        \".popsection\\n\");\n\n";

    for (const PackedFile& file : files)
        out << "extern \"C\" __attribute__((visibility(\"hidden\"))) const uint8_t " << SymbolFor(file) << "[];\n";
    out << "\nnamespace {\nconst PackedResource kEntries[] = {\n";
    for (const PackedFile& file : files)
        out << "    {\"" << file.type << "\", " << file.id << ", " << SymbolFor(file) << ", " << file.size << "u},\n";
    out << "};\n} // namespace\n\n" << TableDefinition(rendered, "kEntries", files.size());
    return out.str();
}
} // namespace

int main(int argc, char** argv)
{
    const bool rendered = argc > 1 && std::string(argv[1]) == "--rendered";
    if (rendered) {
        --argc;
        ++argv;
    }
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: kelpora_packer [--rendered] <packed folder> <generated source> [<art folder>]\n");
        return 2;
    }
    const fs::path packedFolder = fs::absolute(argv[1]);
    const fs::path sourcePath = argv[2];
    std::error_code error;
    fs::create_directories(packedFolder, error);
    if (error) {
        std::fprintf(stderr, "kelpora_packer: cannot create %s: %s\n", packedFolder.c_str(), error.message().c_str());
        return 1;
    }

    std::vector<PackedFile> files;
    if (argc == 4) {
        const fs::path artFolder = argv[3];
        for (const PackSource& entry : PackSources(rendered)) {
            const fs::path raw = artFolder / (std::string(entry.baseName) + DecodedExtension(entry.baseName));
            std::vector<uint8_t> bytes;
            if (!fs::is_regular_file(raw) || !ReadFile(raw, bytes)) {
                std::fprintf(stderr, "kelpora_packer: warning: no %s; resource %s %d is left out\n", raw.c_str(),
                             entry.type, entry.id);
                continue;
            }
            EncodePackedBytes(bytes.data(), bytes.size(), 0);
            const std::string packed(bytes.begin(), bytes.end());
            const fs::path packedPath = packedFolder / (Qualified(entry.type, entry.id) + ".ad");
            if (!WriteIfChanged(packedPath, packed)) {
                std::fprintf(stderr, "kelpora_packer: cannot write %s\n", packedPath.c_str());
                return 1;
            }
            files.push_back({entry.type, entry.id, packedPath.string(), packed.size(), Fnv1a(packed)});
        }
    }

    if (!WriteIfChanged(sourcePath, GenerateSource(files, rendered))) {
        std::fprintf(stderr, "kelpora_packer: cannot write %s\n", sourcePath.c_str());
        return 1;
    }
    std::printf("kelpora_packer: %zu resources packed\n", files.size());
    return 0;
}
