// SoundPlayer.h -- one looping recording through SDL2_mixer, started off the caller's thread.
//
// Opening an audio device can take a while (a sound server that is slow to answer, a device that
// is busy), and the aquarium must not wait for it: PlayLooping hands the recording to a thread of
// the player's own, which opens the device, decodes the WAV and starts it looping on one mixer
// channel, then ends. The caller's thread only ever waits for that thread in the destructor.
//
// No audio device, or a recording that cannot be decoded, leaves the player silent: the failure is
// reported once through the player's ErrorReport (called on the player's thread, so it must be
// safe to call from any thread; the default writes a line to standard error) and nothing else
// happens. SDL_AUDIODRIVER picks the driver as usual; "dummy" plays into nothing, "disk" into a file.
//
// The level is the loudness of both channels alike, 0 (silent) to kFullLevel, and may be changed
// at any time from the caller's thread. One player at a time per process: the mixer is global.
#pragma once

#include "platform/ErrorReport.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

struct Mix_Chunk;

enum class SoundState
{
    Idle,       // nothing asked for yet
    Starting,   // the player's thread is opening the device or decoding
    Playing,    // looping until the player ends
    NoDevice,   // the audio system or device could not be opened: silent
    Unplayable, // the recording could not be decoded or started: silent
};

class CSoundPlayer
{
public:
    static constexpr int kFullLevel = 65535;

    explicit CSoundPlayer(ErrorReport report = ReportToStandardError);
    // Stops the sound, waits for the player's thread and closes the device.
    ~CSoundPlayer();

    CSoundPlayer(const CSoundPlayer&) = delete;
    CSoundPlayer& operator=(const CSoundPlayer&) = delete;

    // Starts `wav` (a whole WAV file) looping at `level` and returns at once. Only the first call
    // of a player starts anything.
    void PlayLooping(std::vector<uint8_t> wav, int level);

    // Loudness of both channels, clamped to 0..kFullLevel; heard at once while playing, and used
    // when playback starts otherwise.
    void SetLevel(int level);
    int Level() const;

    SoundState State() const;
    // Waits until the player's thread has finished starting, and returns the state it reached.
    SoundState WaitUntilStarted() const;

private:
    void Run();
    void Start();
    void Finish(SoundState state, const std::string& problem);
    void Release();

    ErrorReport report;
    mutable std::mutex mutex; // guards everything below except the thread object
    mutable std::condition_variable started;
    SoundState state = SoundState::Idle;
    bool stopping = false; // the destructor runs: the thread must not start the sound
    int level = kFullLevel;
    std::vector<uint8_t> recording; // the WAV until the thread has decoded it
    bool audioInitialised = false;  // SDL's audio subsystem is up
    bool deviceOpen = false;        // the mixer holds the device
    Mix_Chunk* chunk = nullptr;     // the decoded recording, in the device's format
    std::thread thread;
};

// SDL_mixer's volume, 0..128, for a level of 0..kFullLevel, rounded to the nearest step.
int MixerVolume(int level);
