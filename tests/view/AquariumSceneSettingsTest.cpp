// Offscreen tests of the scene's settings step: which file it reads, and what it says when it cannot.
#include "platform/OffscreenContext.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
class SceneSettings : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(context.IsOK()); }

    COffscreenContext context{64, 64};
    CScratchFolder configHome;
    CBorrowedVariable configVariable{"XDG_CONFIG_HOME", configHome.path.c_str()};
    std::string folder = configHome.path + "/kelpora";
    std::string path = folder + "/KelporaSet.ini";
    std::vector<std::string> reports;
    CAquariumScene scene{[this](const std::string& text, const std::string&) { reports.push_back(text); }};
};
} // namespace

TEST_F(SceneSettings, StartUpReadsTheUsersFileAndWritesNothing)
{
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    const std::string text = "[Aquarium Settings]\nFOGNONGDU=40\nLIGHTQIANGDU=30\n[Fish Number]\nFish3=75\n";
    WriteWholeFile(path, text);
    scene.Initialise(64, 64);
    EXPECT_EQ(scene.Settings().fogSetting, 40);
    EXPECT_EQ(scene.Settings().lightSetting, 30);
    EXPECT_EQ(scene.Settings().fishCount[3], 50);
    EXPECT_EQ(scene.SettingsFile().Path(), path);
    EXPECT_EQ(ReadWholeFile(path), text);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"KelporaSet.ini"});
    EXPECT_TRUE(reports.empty());
}

TEST_F(SceneSettings, AFirstRunIsQuietAndCreatesNothing)
{
    scene.Initialise(64, 64);
    EXPECT_EQ(scene.Settings().fogSetting, 100);
    EXPECT_TRUE(FolderEntries(configHome.path).empty());
    EXPECT_TRUE(reports.empty());
}

TEST_F(SceneSettings, AnUnreadableFileIsReportedOnceAndNeverReplaced)
{
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(mkdir(path.c_str(), 0700), 0); // a folder where the file should be
    scene.Initialise(64, 64);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(path + " is a folder"), std::string::npos) << reports[0];
    EXPECT_EQ(scene.Settings().fogSetting, 100);

    AquariumSettings values = scene.Settings();
    values.lightSetting = 70;
    EXPECT_FALSE(scene.SettingsFile().SaveAll(scene.Settings(), values));
    EXPECT_EQ(scene.Settings().lightSetting, 70); // the tank still follows the dialog
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
}

TEST_F(SceneSettings, NoConfigurationFolderAtAllIsReported)
{
    CBorrowedVariable noConfig("XDG_CONFIG_HOME", nullptr);
    CBorrowedVariable noHome("HOME", nullptr);
    scene.Initialise(64, 64);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(scene.Settings().fogSetting, 100);
}
