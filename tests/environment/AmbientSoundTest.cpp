// Tests of the ambient sound's start: the volume setting, the temporary files, a missing or bad recording.
#include "environment/AmbientSound.h"
#include "environment/ResourceCatalogue.h"
#include "platform/PackedCodec.h"
#include "platform/ScratchFolder.h"
#include "platform/TempDirectory.h"

#include <gtest/gtest.h>

#include <mutex>

namespace {
class AmbientSound : public ::testing::Test
{
protected:
    ErrorReport Collect(std::vector<std::string>& into)
    {
        return [this, &into](const std::string& text, const std::string& caption) {
            std::lock_guard<std::mutex> lock(reportsMutex);
            into.push_back(caption + "|" + text);
        };
    }

    CBorrowedVariable driver{"SDL_AUDIODRIVER", "dummy"};
    std::mutex reportsMutex;
    std::vector<std::string> startReports;    // from the caller's side: files
    std::vector<std::string> playbackReports; // from the player's thread: device and decoding
    CTempDirectory temp{Collect(startReports)};
    CAmbientSound sound{Collect(playbackReports)};
};
} // namespace

TEST(SoundVolume, TheSettingIsAnAttenuationOfFullLevel)
{
    EXPECT_EQ(OutputLevel(0), 65535);
    EXPECT_EQ(OutputLevel(65535), 0);
    EXPECT_EQ(OutputLevel(32767), 32768);
    // A hand-edited settings file may hold anything.
    EXPECT_EQ(OutputLevel(-40), 65535);
    EXPECT_EQ(OutputLevel(70000), 0);
}

TEST_F(AmbientSound, TheRecordingLoopsAndNoTemporaryFileOutlivesTheStart)
{
    if (CResourceTable::Linked().Find(kPackedResourceType, kMusicResource) == nullptr)
        GTEST_SKIP() << "this build packed no art";
    sound.Start(temp.Path(), 32767, Collect(startReports));
    EXPECT_TRUE(FolderEntries(temp.Path()).empty()); // before the device is even open
    EXPECT_EQ(sound.Player().WaitUntilStarted(), SoundState::Playing);
    EXPECT_EQ(sound.Player().Level(), 32768);
    sound.SetVolume(0); // the slider at the top: full level at once
    EXPECT_EQ(sound.Player().Level(), 65535);
    EXPECT_TRUE(startReports.empty());
    EXPECT_TRUE(playbackReports.empty());
}

TEST_F(AmbientSound, WithoutTheRecordingTheAquariumIsQuietlySilent)
{
    const CResourceTable empty(nullptr, 0);
    sound.Start(temp.Path(), 0, Collect(startReports), empty);
    EXPECT_EQ(sound.Player().State(), SoundState::Idle);
    sound.SetVolume(100);
    EXPECT_TRUE(FolderEntries(temp.Path()).empty());
    EXPECT_TRUE(startReports.empty());
    EXPECT_TRUE(playbackReports.empty());
}

TEST_F(AmbientSound, ACorruptRecordingIsReportedOnceAndLeavesNoFile)
{
    std::vector<uint8_t> packed(30000);
    for (size_t i = 0; i < packed.size(); ++i)
        packed[i] = static_cast<uint8_t>(i * 37 + 11);
    packed[0] = 'R'; // not even a RIFF header once decoded
    EncodePackedBytes(packed.data(), packed.size(), 0);
    const PackedResource entry{kPackedResourceType, static_cast<uint16_t>(kMusicResource), packed.data(),
                               packed.size()};
    const CResourceTable table(&entry, 1);

    sound.Start(temp.Path(), 0, Collect(startReports), table);
    EXPECT_TRUE(FolderEntries(temp.Path()).empty());
    EXPECT_EQ(sound.Player().WaitUntilStarted(), SoundState::Unplayable);
    EXPECT_TRUE(startReports.empty());
    EXPECT_EQ(playbackReports.size(), 1u);
}
