// Tests of the temporary files of packed resources: unpacking, decoding, links, failures, clean-up.
#include "platform/UnpackedFiles.h"
#include "platform/PackedCodec.h"
#include "platform/TempDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::vector<uint8_t> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

class UnpackedFiles : public ::testing::Test
{
protected:
    UnpackedFiles() : temp(Reporter())
    {
        // Longer than one decoding chunk, and not a multiple of the key length.
        plain.resize(200003);
        std::mt19937 random(5);
        for (uint8_t& byte : plain)
            byte = static_cast<uint8_t>(random());
        packed = plain;
        EncodePackedBytes(packed.data(), packed.size(), 0);
        entries[0] = {kPackedResourceType, 10003, packed.data(), packed.size()};
        entries[1] = {kPackedResourceType, 227, packed.data(), 1000};
        entries[2] = {"OTHR", 154, packed.data(), 10};
    }

    ErrorReport Reporter()
    {
        return [this](const std::string& text, const std::string& caption) { reports.push_back(caption + "|" + text); };
    }

    std::vector<std::string> reports;
    CTempDirectory temp;
    const std::string& T() const { return temp.Path(); }
    std::vector<uint8_t> plain;
    std::vector<uint8_t> packed;
    PackedResource entries[3];
    CResourceTable table{entries, 3};
};
} // namespace

TEST_F(UnpackedFiles, UnpackingWritesThePackedCopyAndItsDecodedFile)
{
    ASSERT_FALSE(T().empty());
    ASSERT_TRUE(UnpackResource(10003, T(), "fish3", Reporter(), table));
    EXPECT_EQ(FileBytes(T() + "fish3.ad"), packed);
    EXPECT_EQ(FileBytes(T() + "fish3.bmp"), plain);
    struct stat info;
    ASSERT_EQ(stat((T() + "fish3.bmp").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    ASSERT_TRUE(UnpackResource(227, T(), "Music", Reporter(), table));
    EXPECT_EQ(FileBytes(T() + "Music.wav"), std::vector<uint8_t>(plain.begin(), plain.begin() + 1000));
    EXPECT_TRUE(reports.empty());

    DeleteUnpackedFiles(T(), "fish3");
    DeleteUnpackedFiles(T(), "Music");
    for (const char* name : {"fish3.ad", "fish3.bmp", "Music.ad", "Music.wav"})
        EXPECT_FALSE(Exists(T() + name)) << name;
}

TEST_F(UnpackedFiles, UnknownIdsAndTypesAreNotFoundAndWriteNothing)
{
    EXPECT_EQ(table.Find("RCAD", 10004), nullptr);
    EXPECT_EQ(table.Find("RCAD", 154), nullptr); // that id exists only under another type
    EXPECT_EQ(table.Find("RCAD", 10003 + 65536), nullptr);
    ASSERT_NE(table.Find("OTHR", 154), nullptr);
    EXPECT_EQ(CResourceTable::Linked().Find("RCAD", 4242), nullptr);
    EXPECT_EQ(CResourceTable::Linked().Find("RCAD", -1), nullptr);

    EXPECT_FALSE(UnpackResource(10004, T(), "fish4", Reporter(), table));
    EXPECT_FALSE(UnpackResource(4242, T(), "fish4", Reporter())); // the linked table
    EXPECT_FALSE(Exists(T() + "fish4.ad"));
    EXPECT_FALSE(Exists(T() + "fish4.bmp"));
    EXPECT_TRUE(reports.empty());
}

TEST_F(UnpackedFiles, ALongerPackedCopyLeftBehindIsTruncated)
{
    std::ofstream(T() + "Music.ad", std::ios::binary) << std::string(5000, 'x');
    ASSERT_TRUE(UnpackResource(227, T(), "Music", Reporter(), table));
    EXPECT_EQ(FileBytes(T() + "Music.ad").size(), 1000u);
    EXPECT_EQ(FileBytes(T() + "Music.wav").size(), 1000u);
}

TEST_F(UnpackedFiles, AMissingPackedCopyIsReportedOnceAndAbandoned)
{
    EXPECT_FALSE(DecodePackedFile(T(), "fish9", Reporter()));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("cannot open infile"), std::string::npos) << reports[0];
    EXPECT_FALSE(Exists(T() + "fish9.bmp"));

    // A folder that cannot be written to is one report too, and nothing more happens.
    reports.clear();
    EXPECT_FALSE(UnpackResource(10003, "/proc/self/", "fish3", Reporter(), table));
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(UnpackedFiles, PlantedLinksAreNeverFollowed)
{
    const std::string victim = T() + "victim";
    std::ofstream(victim) << "precious";
    const auto plantLinks = [&] {
        ASSERT_EQ(symlink(victim.c_str(), (T() + "fish3.ad").c_str()), 0);
        ASSERT_EQ(symlink(victim.c_str(), (T() + "fish3.bmp").c_str()), 0);
    };

    // Unpacking replaces a link with a fresh file of its own.
    plantLinks();
    ASSERT_TRUE(UnpackResource(10003, T(), "fish3", Reporter(), table));
    struct stat info;
    ASSERT_EQ(lstat((T() + "fish3.bmp").c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(FileBytes(T() + "fish3.bmp"), plain);
    DeleteUnpackedFiles(T(), "fish3");

    // Reading and deleting never go through one either.
    plantLinks();
    std::vector<uint8_t> read;
    EXPECT_FALSE(ReadPrivateFile(T() + "fish3.bmp", read));
    EXPECT_TRUE(read.empty());
    DeleteUnpackedFiles(T(), "fish3");
    EXPECT_FALSE(Exists(T() + "fish3.ad"));
    EXPECT_FALSE(Exists(T() + "fish3.bmp"));

    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(FileBytes(victim), std::vector<uint8_t>({'p', 'r', 'e', 'c', 'i', 'o', 'u', 's'}));
}

// Without a private folder the names would fall in the current folder, which holds the user's own
// files: nothing may be written, read or deleted there.
TEST_F(UnpackedFiles, WithoutAPrivateFolderTheCurrentFolderIsNeverTouched)
{
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    ASSERT_EQ(chdir(T().c_str()), 0);
    std::ofstream("fish3.bmp") << "the user's";
    std::ofstream("fish3.ad") << "the user's";

    EXPECT_FALSE(UnpackResource(10003, "", "fish3", Reporter(), table));
    DeleteUnpackedFiles("", "fish3");
    const std::vector<uint8_t> users = {'t', 'h', 'e', ' ', 'u', 's', 'e', 'r', '\'', 's'};
    EXPECT_EQ(FileBytes("fish3.bmp"), users);
    EXPECT_EQ(FileBytes("fish3.ad"), users);
    EXPECT_TRUE(reports.empty());
    ASSERT_EQ(chdir(here), 0);
}

TEST_F(UnpackedFiles, PrivateFilesAreReadWholeAndOnlyWhenRegular)
{
    std::vector<uint8_t> read;
    ASSERT_TRUE(UnpackResource(10003, T(), "fish3", Reporter(), table));
    ASSERT_TRUE(ReadPrivateFile(T() + "fish3.bmp", read));
    EXPECT_EQ(read, plain);
    EXPECT_FALSE(ReadPrivateFile(T() + "nothing", read));
    EXPECT_FALSE(ReadPrivateFile(T(), read)); // a folder
}
