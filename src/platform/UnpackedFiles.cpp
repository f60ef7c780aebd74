// UnpackedFiles.cpp -- writing, decoding and removing the temporary files of packed resources.
#include "platform/UnpackedFiles.h"

#include "platform/PackedCodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr size_t kDecodeChunk = 64 * 1024; // bytes decoded per read

// Creates a fresh file for writing. Whatever had the name before (a leftover of ours, or a link)
// is unlinked first, and O_EXCL then refuses anything that appears in between.
int CreatePrivateFile(const std::string& path)
{
    unlink(path.c_str());
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

int OpenForReading(const std::string& path)
{
    return open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
}

bool WriteAll(int fd, const uint8_t* data, size_t count)
{
    while (count > 0) {
        const ssize_t written = write(fd, data, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        count -= static_cast<size_t>(written);
    }
    return true;
}

// Bytes read, 0 at the end of the file, -1 on an error.
ssize_t ReadSome(int fd, uint8_t* data, size_t count)
{
    for (;;) {
        const ssize_t got = read(fd, data, count);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

std::string Reason()
{
    return std::strerror(errno);
}
} // namespace

std::string PackedCopyPath(const std::string& temp, const std::string& baseName)
{
    return temp + baseName + ".ad";
}

std::string DecodedFilePath(const std::string& temp, const std::string& baseName)
{
    return temp + baseName + DecodedExtension(baseName);
}

bool UnpackResource(int id, const std::string& temp, const std::string& baseName, const ErrorReport& report,
                    const CResourceTable& table)
{
    const PackedResource* resource = table.Find(kPackedResourceType, id);
    if (resource == nullptr || temp.empty())
        return false; // no private folder: unpacking anywhere else could overwrite a user's file

    const std::string packedPath = PackedCopyPath(temp, baseName);
    const int fd = CreatePrivateFile(packedPath);
    if (fd < 0) {
        report("cannot write " + packedPath + ": " + Reason(), "ERROR");
        return false;
    }
    bool ok = WriteAll(fd, resource->bytes, resource->size);
    std::string reason = ok ? "" : Reason();
    if (close(fd) != 0 && ok) {
        ok = false;
        reason = Reason();
    }
    if (!ok) {
        report("cannot write " + packedPath + ": " + reason, "ERROR");
        return false;
    }
    return DecodePackedFile(temp, baseName, report);
}

bool DecodePackedFile(const std::string& temp, const std::string& baseName, const ErrorReport& report)
{
    const std::string inPath = PackedCopyPath(temp, baseName);
    const std::string outPath = DecodedFilePath(temp, baseName);

    const int in = OpenForReading(inPath);
    if (in < 0) {
        report("cannot open infile " + inPath + ": " + Reason(), "ERROR");
        return false;
    }
    const int out = CreatePrivateFile(outPath);
    if (out < 0) {
        report("cannot open outfile " + outPath + ": " + Reason(), "ERROR");
        close(in);
        return false;
    }

    std::vector<uint8_t> chunk(kDecodeChunk);
    uint64_t position = 0; // of chunk[0] within the file: the key runs on across chunks
    bool ok = true;
    for (;;) {
        const ssize_t got = ReadSome(in, chunk.data(), chunk.size());
        if (got == 0)
            break;
        if (got < 0) {
            report("cannot read " + inPath + ": " + Reason(), "ERROR");
            ok = false;
            break;
        }
        DecodePackedBytes(chunk.data(), static_cast<size_t>(got), position);
        position += static_cast<uint64_t>(got);
        if (!WriteAll(out, chunk.data(), static_cast<size_t>(got))) {
            report("cannot write " + outPath + ": " + Reason(), "ERROR");
            ok = false;
            break;
        }
    }
    close(in);
    if (close(out) != 0 && ok) {
        report("cannot write " + outPath + ": " + Reason(), "ERROR");
        ok = false;
    }
    if (!ok)
        unlink(outPath.c_str()); // half a picture is no picture: the loaders find nothing
    return ok;
}

void DeleteUnpackedFiles(const std::string& temp, const std::string& baseName)
{
    if (temp.empty())
        return; // nothing was unpacked, and the names without a folder are the user's files
    // unlink removes a link itself, never what it points to.
    unlink(PackedCopyPath(temp, baseName).c_str());
    unlink(DecodedFilePath(temp, baseName).c_str());
}

bool ReadPrivateFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    const int fd = OpenForReading(path);
    if (fd < 0)
        return false;
    struct stat info;
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok) {
        // Exactly the file's size, so that a reader running past the end meets the allocation's end.
        bytes.resize(static_cast<size_t>(info.st_size));
        size_t filled = 0;
        while (ok && filled < bytes.size()) {
            const ssize_t got = ReadSome(fd, bytes.data() + filled, bytes.size() - filled);
            if (got <= 0)
                ok = false;
            else
                filled += static_cast<size_t>(got);
        }
    }
    close(fd);
    if (!ok)
        bytes.clear();
    return ok;
}
