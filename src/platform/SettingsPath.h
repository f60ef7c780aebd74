// SettingsPath.h -- where the settings file lives: the user's configuration folder.
//
// The file is "KelporaSet.ini" in a folder "kelpora" of the user's configuration folder: that is
// $XDG_CONFIG_HOME when it holds an absolute path, else $HOME/.config. Nothing is created here;
// the folder is made (mode 0700) by the first write of the file.
#pragma once

#include <string>

// The full path of the settings file, or "" when neither variable gives an absolute folder.
std::string SettingsPath();
