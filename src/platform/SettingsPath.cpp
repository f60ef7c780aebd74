// SettingsPath.cpp -- the settings file's place, from the environment.
#include "platform/SettingsPath.h"

#include <cstdlib>

namespace {
// The folder without trailing slashes ("" for the root folder itself), or false when the
// variable is unset, empty or relative: a relative folder would move with the current directory.
bool AbsoluteFolder(const char* variable, std::string& folder)
{
    const char* value = std::getenv(variable);
    if (value == nullptr || value[0] != '/')
        return false;
    folder = value;
    while (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    return true;
}
} // namespace

std::string SettingsPath()
{
    std::string folder;
    if (!AbsoluteFolder("XDG_CONFIG_HOME", folder)) {
        if (!AbsoluteFolder("HOME", folder))
            return "";
        folder += "/.config";
    }
    return folder + "/kelpora/KelporaSet.ini";
}
