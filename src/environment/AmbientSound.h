// AmbientSound.h -- the looping recording of waves and bubbles that plays while the aquarium runs.
//
// The recording ships packed in the executable as "Music" (resource 227). Start unpacks it to the
// private temporary folder, reads the WAV into memory, deletes both temporary files at once and
// hands the recording to the sound player, which opens the device and loops it off the caller's
// thread. Nothing stops it before the aquarium ends.
//
// The volume setting ("YINLIANG") is an attenuation: the loudness is kFullLevel minus it, on both
// channels alike. The settings dialog calls SetVolume while its slider moves.
//
// Every failure leaves the aquarium silent and running: a build without the recording says
// nothing, a file that cannot be written or read is reported through the caller's ErrorReport,
// and no audio device or an unplayable recording through the player's (standard error by default).
#pragma once

#include "platform/ErrorReport.h"
#include "platform/ResourceTable.h"
#include "platform/SoundPlayer.h"

#include <string>

class CAmbientSound
{
public:
    // playbackReport tells of a missing device or an unplayable recording; it is called from the
    // player's thread.
    explicit CAmbientSound(ErrorReport playbackReport = ReportToStandardError);

    // Unpacks, reads and deletes the recording in `temp` (ending in '/', or "" for the current
    // folder) and starts it looping at the loudness for `volume`. Returns without waiting for the
    // audio device; both temporary files are gone when it returns.
    void Start(const std::string& temp, int volume, const ErrorReport& report,
               const CResourceTable& table = CResourceTable::Linked());

    // The volume setting changed: the loudness follows at once (or when playback starts).
    void SetVolume(int volume);

    const CSoundPlayer& Player() const { return player; }

private:
    CSoundPlayer player;
};

// The loudness of both channels for a volume setting: kFullLevel - volume, within 0..kFullLevel.
int OutputLevel(int volume);
