// Tests of the profile file: what a read finds, what a write keeps, and that a write is atomic.
#include "platform/ProfileFile.h"
#include "platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
class ProfileFileTest : public ::testing::Test
{
protected:
    CScratchFolder scratch;
    std::string file = scratch.path + "/KelporaSet.ini";
};
} // namespace

TEST_F(ProfileFileTest, FindsSectionsAndKeysWithoutRegardToCase)
{
    const std::string longValue(300, '7');
    const std::string oddLines = "Long=" + longValue + "\r\nBinary=5" + std::string("\0x", 2) + "\r\n";
    WriteWholeFile(file, "\xEF\xBB\xBF"
                         "Orphan=1\r\n"
                         "[ aquarium SETTINGS ]\r\n"
                         "; Show Light=1\r\n"
                         "junk without an equals sign\r\n"
                         "  show WATER =  1 \t\r\n"
                         "Show Water=2\r\n" +
                             oddLines +
                             "[Fish Number\r\n"
                             "Fish0=9\r\n"
                             "[Fish Number]\r\n"
                             "FISH3=75");
    CProfileFile profile(file);
    ASSERT_EQ(profile.Load(), CProfileFile::State::Read);
    EXPECT_EQ(profile.GetString("Aquarium Settings", "Show Water"), "1"); // the first one wins
    EXPECT_EQ(profile.GetString("AQUARIUM settings", "Long"), longValue.substr(0, 127));
    EXPECT_EQ(profile.GetString("Aquarium Settings", "Binary"), "5");
    EXPECT_EQ(profile.GetString("Aquarium Settings", "Fish0"), "9"); // a broken header opens nothing
    EXPECT_EQ(profile.GetString("fish number", "Fish3"), "75");
    EXPECT_EQ(profile.GetString("Aquarium Settings", "Show Light"), ""); // commented out
    EXPECT_EQ(profile.GetString("Aquarium Settings", "Orphan"), "");
    EXPECT_EQ(profile.GetString("Fish Number", "Fish0"), "");
    EXPECT_EQ(profile.GetString("Nowhere", "Show Water"), "");
}

TEST_F(ProfileFileTest, ReplacesAValueInPlaceAndKeepsEveryOtherByte)
{
    const std::string before = "\xEF\xBB\xBF; written by hand\r\n"
                               "[Aquarium Settings]\r\n"
                               "Unknown = kept\r\n"
                               "fognongdu = 40 ; foggy\r\n"
                               "\x01\xFE junk\r\n"
                               "\r\n"
                               "[Fish Number]\r\n"
                               "Fish0=3";
    WriteWholeFile(file, before);
    CProfileFile profile(file);
    ASSERT_TRUE(profile.WriteString("Aquarium Settings", "FOGNONGDU", "100"));
    std::string expected = before;
    expected.replace(expected.find("40 ; foggy"), 10, "100");
    EXPECT_EQ(ReadWholeFile(file), expected);
    EXPECT_EQ(profile.ReadString("aquarium settings", "FogNongDu"), "100");
}

TEST_F(ProfileFileTest, AddsKeysToTheirSectionAndNewSectionsAtTheEnd)
{
    WriteWholeFile(file, "[A]\nx=1\n\n[B]\ny=2");
    CProfileFile profile(file);
    ASSERT_TRUE(profile.WriteString("a", "z", "3"));
    ASSERT_TRUE(profile.WriteString("New", "k", "v"));
    EXPECT_EQ(ReadWholeFile(file), "[A]\nx=1\nz=3\n\n[B]\ny=2\n\n[New]\nk=v\n");

    WriteWholeFile(file, "[A]\r\nx=1\r\n");
    ASSERT_TRUE(profile.WriteString("B", "k", "v"));
    EXPECT_EQ(ReadWholeFile(file), "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"); // the file's own line ends
}

TEST_F(ProfileFileTest, RefusesTextThatWouldBreakTheFile)
{
    WriteWholeFile(file, "[A]\nx=1\n");
    CProfileFile profile(file);
    EXPECT_FALSE(profile.WriteString("A", "x", "2\n[Evil]\ny=1"));
    EXPECT_FALSE(profile.WriteString("A", "x=y", "2"));
    EXPECT_FALSE(profile.WriteString("A]x", "k", "2"));
    EXPECT_FALSE(profile.WriteString("A", "", "2"));
    EXPECT_EQ(ReadWholeFile(file), "[A]\nx=1\n");
}

TEST_F(ProfileFileTest, CreatesAPrivateFileAndFolderAndKeepsTheirModesLater)
{
    const std::string folder = scratch.path + "/config/kelpora";
    CProfileFile profile(folder + "/KelporaSet.ini");
    EXPECT_EQ(profile.ReadString("A", "x"), "");
    EXPECT_EQ(profile.GetState(), CProfileFile::State::Missing);
    ASSERT_TRUE(profile.WriteString("A", "x", "1")) << profile.Problem();
    EXPECT_EQ(ReadWholeFile(profile.Path()), "[A]\nx=1\n");
    struct stat info;
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(stat(profile.Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    chmod(profile.Path().c_str(), 0640);
    ASSERT_TRUE(profile.WriteString("A", "x", "2"));
    ASSERT_EQ(stat(profile.Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // Writing what is already there leaves the very same file in place.
    const ino_t inode = info.st_ino;
    ASSERT_TRUE(profile.WriteString("a", "X", "2"));
    ASSERT_EQ(stat(profile.Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_ino, inode);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"KelporaSet.ini"});
}

TEST_F(ProfileFileTest, ALinkedFileStaysALink)
{
    const std::string real = scratch.path + "/real.ini";
    WriteWholeFile(real, "[A]\nx=1\n");
    ASSERT_EQ(symlink(real.c_str(), file.c_str()), 0);
    CProfileFile profile(file);
    ASSERT_TRUE(profile.WriteString("A", "x", "2"));
    struct stat info;
    ASSERT_EQ(lstat(file.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadWholeFile(real), "[A]\nx=2\n");
}

TEST_F(ProfileFileTest, AWriteThatFailsHalfwayLeavesTheOldFileWhole)
{
    const std::string before = "[A]\nx=1\n" + std::string(4000, ';') + "\n";
    WriteWholeFile(file, before);
    // The file-size limit makes the write stop after 1000 bytes, even for root.
    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    CProfileFile profile(file);
    const bool written = profile.WriteString("A", "x", "2");
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_NE(profile.Problem(), "");
    EXPECT_EQ(ReadWholeFile(file), before);
    EXPECT_EQ(FolderEntries(scratch.path), std::vector<std::string>{"KelporaSet.ini"});
}

TEST_F(ProfileFileTest, WhatCannotBeReadOrWrittenIsReportedAndLeftAlone)
{
    CProfileFile nowhere("/proc/self/KelporaSet.ini"); // a folder where nothing can be created
    EXPECT_FALSE(nowhere.WriteString("A", "x", "1"));
    EXPECT_NE(nowhere.Problem(), "");

    ASSERT_EQ(mkdir(file.c_str(), 0700), 0);
    CProfileFile folder(file);
    EXPECT_EQ(folder.Load(), CProfileFile::State::Failed);
    EXPECT_EQ(folder.Problem(), "is a folder");
    EXPECT_FALSE(folder.WriteString("A", "x", "1"));
    rmdir(file.c_str());

    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    CProfileFile pipe(file);
    EXPECT_EQ(pipe.Load(), CProfileFile::State::Failed); // at once: a pipe with no writer never ends
    unlink(file.c_str());

    const std::string huge(CProfileFile::kMaxFileBytes + 1, 'x');
    WriteWholeFile(file, huge);
    CProfileFile tooLarge(file);
    EXPECT_EQ(tooLarge.ReadString("A", "x"), "");
    EXPECT_FALSE(tooLarge.WriteString("A", "x", "1"));
    EXPECT_EQ(ReadWholeFile(file), huge);
    EXPECT_EQ(FolderEntries(scratch.path), std::vector<std::string>{"KelporaSet.ini"});
}
