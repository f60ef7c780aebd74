// Tests of where the settings file is looked for.
#include "platform/SettingsPath.h"
#include "platform/ScratchFolder.h"

#include <gtest/gtest.h>

TEST(SettingsPath, PrefersAnAbsoluteXdgConfigHomeThenHome)
{
    CBorrowedVariable home("HOME", "/home/someone");
    {
        CBorrowedVariable config("XDG_CONFIG_HOME", "/elsewhere/config/");
        EXPECT_EQ(SettingsPath(), "/elsewhere/config/kelpora/KelporaSet.ini");
    }
    for (const char* ignored : {"", "relative/config"}) {
        CBorrowedVariable config("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(SettingsPath(), "/home/someone/.config/kelpora/KelporaSet.ini") << ignored;
    }
    CBorrowedVariable noConfig("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(SettingsPath(), "/home/someone/.config/kelpora/KelporaSet.ini");
    {
        CBorrowedVariable rootHome("HOME", "/");
        EXPECT_EQ(SettingsPath(), "/.config/kelpora/KelporaSet.ini");
    }
    CBorrowedVariable noHome("HOME", nullptr);
    EXPECT_EQ(SettingsPath(), "");
}
