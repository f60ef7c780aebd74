// ScratchFolder.h -- test helpers: a private folder removed afterwards, and a borrowed variable.
#pragma once

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <ftw.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh folder under /tmp, removed with everything in it when the object ends.
class CScratchFolder
{
public:
    CScratchFolder()
    {
        char pattern[] = "/tmp/kelpora-test-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            throw std::runtime_error("no scratch folder");
        path = pattern;
    }
    ~CScratchFolder()
    {
        nftw(
            path.c_str(), [](const char* name, const struct stat*, int, FTW*) { return remove(name); }, 16,
            FTW_DEPTH | FTW_PHYS);
    }
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    std::string path;
};

// Sets an environment variable for the life of the object, then puts back what was there.
class CBorrowedVariable
{
public:
    CBorrowedVariable(const char* name, const char* value) : name(name)
    {
        const char* old = std::getenv(name);
        hadValue = old != nullptr;
        oldValue = old ? old : "";
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~CBorrowedVariable()
    {
        if (hadValue)
            setenv(name, oldValue.c_str(), 1);
        else
            unsetenv(name);
    }
    CBorrowedVariable(const CBorrowedVariable&) = delete;
    CBorrowedVariable& operator=(const CBorrowedVariable&) = delete;

private:
    const char* name;
    bool hadValue = false;
    std::string oldValue;
};

inline void WriteWholeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The names in a folder, "." and ".." left out.
inline std::vector<std::string> FolderEntries(const std::string& path)
{
    std::vector<std::string> names;
    if (DIR* folder = opendir(path.c_str())) {
        while (dirent* entry = readdir(folder)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(folder);
    }
    return names;
}
