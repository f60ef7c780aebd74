// AmbientSound.cpp -- unpacking the recording and starting its loop.
#include "environment/AmbientSound.h"

#include "environment/ResourceCatalogue.h"
#include "platform/UnpackedFiles.h"

#include <algorithm>
#include <utility>
#include <vector>

int OutputLevel(int volume)
{
    // The settings file is not validated: an attenuation outside 0..65535 is taken at its limit.
    return CSoundPlayer::kFullLevel - std::clamp(volume, 0, CSoundPlayer::kFullLevel);
}

CAmbientSound::CAmbientSound(ErrorReport playbackReport) : player(std::move(playbackReport)) {}

void CAmbientSound::Start(const std::string& temp, int volume, const ErrorReport& report, const CResourceTable& table)
{
    constexpr const char* kBaseName = "Music";
    const bool unpacked = UnpackResource(kMusicResource, temp, kBaseName, report, table);
    std::vector<uint8_t> wav;
    const bool read = unpacked && ReadPrivateFile(DecodedFilePath(temp, kBaseName), wav);
    // The player keeps the recording in memory, so neither file has to outlive this call.
    DeleteUnpackedFiles(temp, kBaseName);
    if (!unpacked)
        return; // a build without the recording, or a failure UnpackResource has reported
    if (!read) {
        report("the sound " + std::string(kBaseName) + " (resource " + std::to_string(kMusicResource) +
                   ") could not be read; the aquarium stays silent",
               "ERROR");
        return;
    }
    player.PlayLooping(std::move(wav), OutputLevel(volume));
}

void CAmbientSound::SetVolume(int volume)
{
    player.SetLevel(OutputLevel(volume));
}
