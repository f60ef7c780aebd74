// Tests of the private unpack folder: who may enter it, and that nothing stays behind.
#include "platform/TempDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
struct CollectedReports
{
    std::vector<std::string> texts;
    ErrorReport Reporter()
    {
        return [this](const std::string& text, const std::string& caption) { texts.push_back(caption + "|" + text); };
    }
};

bool Exists(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}
} // namespace

TEST(TempDirectory, IsPrivateAndRemovedWithEverythingInIt)
{
    CollectedReports reports;
    std::string folder;
    {
        CTempDirectory temp(reports.Reporter());
        folder = temp.Path();
        ASSERT_FALSE(folder.empty());
        EXPECT_EQ(folder.back(), '/');
        EXPECT_EQ(folder.rfind(SystemTempDirectory(), 0), 0u) << folder;

        struct stat info;
        ASSERT_EQ(stat(folder.c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        EXPECT_EQ(info.st_uid, getuid());

        std::ofstream(folder + "fish0.ad") << "packed";
        std::ofstream(folder + "fish0.bmp") << "decoded";
        ASSERT_EQ(symlink("/etc/hostname", (folder + "planted").c_str()), 0);
    }
    EXPECT_FALSE(Exists(folder));
    EXPECT_TRUE(Exists("/etc/hostname")); // a link inside is removed, never followed
    EXPECT_TRUE(reports.texts.empty());
}

TEST(TempDirectory, TwoOwnersGetTwoFolders)
{
    CollectedReports reports;
    CTempDirectory first(reports.Reporter());
    CTempDirectory second(reports.Reporter());
    EXPECT_NE(first.Path(), second.Path());
}

TEST(TempDirectory, UnusableTempFolderIsReportedAndLeavesTheCurrentFolder)
{
    const char* saved = std::getenv("TMPDIR");
    const std::string restore = saved ? saved : "";
    setenv("TMPDIR", "/proc/self", 1); // a folder nobody can create entries in
    CollectedReports reports;
    {
        CTempDirectory temp(reports.Reporter());
        EXPECT_EQ(temp.Path(), "");
    }
    if (saved)
        setenv("TMPDIR", restore.c_str(), 1);
    else
        unsetenv("TMPDIR");
    ASSERT_EQ(reports.texts.size(), 1u);
    EXPECT_EQ(reports.texts[0], "ERROR|Error Find TempPath.");
}
