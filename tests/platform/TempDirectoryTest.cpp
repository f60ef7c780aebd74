// Tests of the private unpack folder: who may enter it, and that nothing stays behind.
#include "platform/TempDirectory.h"

#include "platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
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
        EXPECT_EQ(folder.rfind(CTempDirectory::CandidateTempFolders().front(), 0), 0u) << folder;

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

TEST(TempDirectory, AnUnusableTmpdirFallsBackToTheNextFolder)
{
    CBorrowedVariable tmpdir("TMPDIR", "/proc/self"); // a folder nobody can create entries in
    CBorrowedVariable runtime("XDG_RUNTIME_DIR", "/run/user/none");
    const std::vector<std::string> expected = {"/proc/self/", "/tmp/", "/var/tmp/", "/run/user/none/"};
    EXPECT_EQ(CTempDirectory::CandidateTempFolders(), expected);

    CollectedReports reports;
    CTempDirectory temp(reports.Reporter());
    EXPECT_EQ(temp.Path().rfind("/tmp/kelpora-", 0), 0u) << temp.Path();
    EXPECT_TRUE(reports.texts.empty());
}

TEST(TempDirectory, NoUsableFolderIsReportedOnceAndGivesNoPath)
{
    CScratchFolder scratch;
    CollectedReports reports;
    {
        CTempDirectory temp(reports.Reporter(), {"/proc/self/", scratch.path + "/missing/", "relative/", ""});
        EXPECT_EQ(temp.Path(), "");
    }
    ASSERT_EQ(reports.texts.size(), 1u);
    EXPECT_EQ(reports.texts[0], "ERROR|Error Find TempPath.");
    EXPECT_TRUE(FolderEntries(scratch.path).empty());
}

// A copy that was killed leaves its folder; the next one removes it, but never a folder of a
// running process, of another user, or anything that is not one of ours.
TEST(TempDirectory, FoldersOfEndedProcessesAreSweptAtStart)
{
    CScratchFolder scratch;
    const pid_t ended = fork();
    if (ended == 0)
        _exit(0);
    ASSERT_GT(ended, 0);
    ASSERT_EQ(waitpid(ended, nullptr, 0), ended);

    const std::string uid = std::to_string(getuid());
    const std::string parent = scratch.path + "/";
    const std::string abandoned = parent + "kelpora-" + uid + "-" + std::to_string(ended) + "-aaaaaa";
    const std::string running = parent + "kelpora-" + uid + "-" + std::to_string(getpid()) + "-bbbbbb";
    const std::string otherUser =
        parent + "kelpora-" + std::to_string(getuid() + 1) + "-" + std::to_string(ended) + "-c";
    const std::string unnamed = parent + "kelpora-" + uid + "-notapid-dddddd";
    for (const std::string& folder : {abandoned, running, otherUser, unnamed}) {
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0) << folder;
        WriteWholeFile(folder + "/fish0.bmp", "left");
    }
    // A link under an abandoned name is left alone, never followed into its target.
    const std::string linked = parent + "kelpora-" + uid + "-" + std::to_string(ended) + "-eeeeee";
    ASSERT_EQ(symlink(running.c_str(), linked.c_str()), 0);

    CollectedReports reports;
    CTempDirectory temp(reports.Reporter(), {parent});
    ASSERT_EQ(temp.Path().rfind(parent, 0), 0u);
    EXPECT_FALSE(Exists(abandoned));
    EXPECT_TRUE(Exists(running + "/fish0.bmp"));
    EXPECT_TRUE(Exists(otherUser + "/fish0.bmp"));
    EXPECT_TRUE(Exists(unnamed + "/fish0.bmp"));
    EXPECT_EQ(temp.Path().find("-" + std::to_string(getpid()) + "-"), parent.size() + 8 + uid.size());
}
