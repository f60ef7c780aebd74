// TempDirectory.cpp -- creating and removing the private unpack folder, and sweeping up abandoned ones.
#include "platform/TempDirectory.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string WithSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

// "kelpora-<uid>-": every private folder of this user starts so.
std::string OwnPrefix()
{
    return "kelpora-" + std::to_string(getuid()) + "-";
}

// Unlinks the plain entries of a folder we own and then the folder. A folder that is a link, or
// not ours, is left alone; so is anything inside that is itself a folder (we never make one).
void RemovePrivateFolder(int parentFd, const std::string& name)
{
    const int folder = openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return;
    struct stat info;
    if (fstat(folder, &info) != 0 || info.st_uid != getuid()) {
        close(folder);
        return;
    }
    if (DIR* listing = fdopendir(folder)) {
        while (dirent* entry = readdir(listing)) {
            const std::string entryName = entry->d_name;
            if (entryName != "." && entryName != "..")
                unlinkat(dirfd(listing), entry->d_name, 0);
        }
        closedir(listing);
    } else {
        close(folder);
    }
    unlinkat(parentFd, name.c_str(), AT_REMOVEDIR);
}

// The process id in "kelpora-<uid>-<pid>-XXXXXX", or 0 when the name has none.
pid_t OwnerOf(const std::string& name, const std::string& prefix)
{
    if (name.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const char* digits = name.c_str() + prefix.size();
    char* end = nullptr;
    errno = 0;
    const long pid = std::strtol(digits, &end, 10);
    if (errno != 0 || end == digits || *end != '-' || pid <= 0 || pid != static_cast<pid_t>(pid))
        return 0;
    return static_cast<pid_t>(pid);
}

bool ProcessEnded(pid_t pid)
{
    return kill(pid, 0) != 0 && errno == ESRCH;
}
} // namespace

std::vector<std::string> CTempDirectory::CandidateTempFolders()
{
    std::vector<std::string> folders;
    if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir && *tmpdir)
        folders.push_back(WithSlash(tmpdir));
    folders.push_back("/tmp/");
    folders.push_back("/var/tmp/");
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        folders.push_back(WithSlash(runtime));
    return folders;
}

void RemoveAbandonedTempFolders(const std::string& parent)
{
    const int parentFd = open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parentFd < 0)
        return;
    const std::string prefix = OwnPrefix();
    std::vector<std::string> abandoned;
    if (DIR* listing = fdopendir(dup(parentFd))) {
        while (dirent* entry = readdir(listing)) {
            const pid_t owner = OwnerOf(entry->d_name, prefix);
            if (owner != 0 && ProcessEnded(owner))
                abandoned.push_back(entry->d_name);
        }
        closedir(listing);
    }
    for (const std::string& name : abandoned)
        RemovePrivateFolder(parentFd, name);
    close(parentFd);
}

CTempDirectory::CTempDirectory(const ErrorReport& report, const std::vector<std::string>& candidates)
{
    const std::string ownName = OwnPrefix() + std::to_string(getpid()) + "-XXXXXX";
    // A relative folder would depend on wherever the program was started.
    const auto usable = [](const std::string& parent) { return !parent.empty() && parent.front() == '/'; };
    for (const std::string& parent : candidates) {
        if (usable(parent))
            RemoveAbandonedTempFolders(parent); // every candidate: an earlier copy may have used any
    }
    for (const std::string& parent : candidates) {
        if (!usable(parent))
            continue;
        std::string pattern = parent + ownName;
        // mkdtemp creates the folder with mode 0700 under a fresh name, so nothing can be there before us.
        if (mkdtemp(pattern.data()) != nullptr) {
            path = pattern + '/';
            return;
        }
    }
    report("Error Find TempPath.", "ERROR");
}

CTempDirectory::~CTempDirectory()
{
    if (path.empty())
        return;
    const std::string folder = path.substr(0, path.size() - 1);
    const size_t cut = folder.rfind('/');
    const std::string parent = folder.substr(0, cut + 1);
    const int parentFd = open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parentFd < 0)
        return;
    RemovePrivateFolder(parentFd, folder.substr(cut + 1));
    close(parentFd);
}
