// TempDirectory.cpp -- creating and removing the private unpack folder.
#include "platform/TempDirectory.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

std::string SystemTempDirectory()
{
    const char* fromEnvironment = std::getenv("TMPDIR");
    std::string folder = fromEnvironment && *fromEnvironment ? fromEnvironment : "/tmp";
    struct stat info;
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        folder = "/tmp";
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

CTempDirectory::CTempDirectory(const ErrorReport& report)
{
    std::string pattern = SystemTempDirectory() + "kelpora-" + std::to_string(getuid()) + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp creates the folder with mode 0700 under a fresh name, so nothing can be there before us.
    if (mkdtemp(name.data()) == nullptr) {
        report("Error Find TempPath.", "ERROR");
        return;
    }
    path = std::string(name.data()) + '/';
}

CTempDirectory::~CTempDirectory()
{
    if (path.empty())
        return;
    // Only plain entries are ever put here; unlink them without following links, then the folder.
    int folder = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (folder >= 0) {
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
    }
    rmdir(path.c_str());
}
