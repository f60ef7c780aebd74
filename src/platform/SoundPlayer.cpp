// SoundPlayer.cpp -- the SDL2_mixer side of the ambient sound: device, decoding, loop and volume.
#include "platform/SoundPlayer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <utility>

namespace {
constexpr int kChannel = 0;          // the one mixer channel the recording loops on
constexpr int kFrequency = 22050;    // Hz, the recording's own rate; others are converted
constexpr int kOutputChannels = 2;   // stereo
constexpr int kBufferSamples = 1024; // per channel: about 46 ms at 22050 Hz
constexpr int kLoopForever = -1;

int ClampLevel(int level)
{
    return std::clamp(level, 0, CSoundPlayer::kFullLevel);
}
} // namespace

int MixerVolume(int level)
{
    const long scaled = static_cast<long>(ClampLevel(level)) * MIX_MAX_VOLUME;
    return static_cast<int>((scaled + CSoundPlayer::kFullLevel / 2) / CSoundPlayer::kFullLevel);
}

CSoundPlayer::CSoundPlayer(ErrorReport report) : report(std::move(report)) {}

CSoundPlayer::~CSoundPlayer()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    if (thread.joinable())
        thread.join();
    std::lock_guard<std::mutex> lock(mutex);
    Release();
}

void CSoundPlayer::PlayLooping(std::vector<uint8_t> wav, int newLevel)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (state != SoundState::Idle)
        return;
    recording = std::move(wav);
    level = ClampLevel(newLevel);
    state = SoundState::Starting;
    thread = std::thread(&CSoundPlayer::Run, this);
}

void CSoundPlayer::SetLevel(int newLevel)
{
    std::lock_guard<std::mutex> lock(mutex);
    level = ClampLevel(newLevel);
    // One volume for the channel: SDL_mixer applies it to left and right alike.
    if (state == SoundState::Playing)
        Mix_Volume(kChannel, MixerVolume(level));
}

int CSoundPlayer::Level() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return level;
}

SoundState CSoundPlayer::State() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return state;
}

SoundState CSoundPlayer::WaitUntilStarted() const
{
    std::unique_lock<std::mutex> lock(mutex);
    started.wait(lock, [this] { return state != SoundState::Starting; });
    return state;
}

// The player's thread. It is not one of SDL's own, so SDL does not free the per-thread error text
// its calls leave behind when the thread ends; that is done here.
void CSoundPlayer::Run()
{
    Start();
    SDL_TLSCleanup();
}

// The slow calls (opening the device, decoding) run without the lock, so that SetLevel never waits
// for them; the fields they fill are only read once the state has moved on.
void CSoundPlayer::Start()
{
    // The aquarium handles its own signals; SDL must not take SIGINT and SIGTERM from it.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        Finish(SoundState::NoDevice, std::string("there is no audio output (") + SDL_GetError() + ")");
        return;
    }
    audioInitialised = true;
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kBufferSamples) != 0) {
        Finish(SoundState::NoDevice, std::string("the audio device cannot be opened (") + Mix_GetError() + ")");
        return;
    }
    deviceOpen = true;

    SDL_RWops* source = SDL_RWFromConstMem(recording.data(), static_cast<int>(recording.size()));
    chunk = source ? Mix_LoadWAV_RW(source, 1) : nullptr; // the chunk holds its own converted copy
    std::vector<uint8_t>().swap(recording);
    if (chunk == nullptr) {
        Finish(SoundState::Unplayable, std::string("the ambient recording cannot be played (") + Mix_GetError() + ")");
        return;
    }

    std::unique_lock<std::mutex> lock(mutex);
    if (stopping)
        return; // the destructor releases what was opened
    Mix_Volume(kChannel, MixerVolume(level));
    if (Mix_PlayChannel(kChannel, chunk, kLoopForever) >= 0) {
        state = SoundState::Playing;
        started.notify_all();
        return;
    }
    const std::string problem = std::string("the ambient recording cannot be played (") + Mix_GetError() + ")";
    lock.unlock();
    Finish(SoundState::Unplayable, problem);
}

// A start that failed: say why, once, then give the device back and settle the state. The report
// comes first so that whoever waits for the state finds it made.
void CSoundPlayer::Finish(SoundState failure, const std::string& problem)
{
    report(problem + "; the aquarium stays silent.", "Sound");
    std::lock_guard<std::mutex> lock(mutex);
    Release();
    state = failure;
    started.notify_all();
}

// Called with the lock held, by the thread on failure or by the destructor after the thread ended.
void CSoundPlayer::Release()
{
    if (chunk != nullptr) {
        Mix_HaltChannel(kChannel);
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    if (deviceOpen) {
        Mix_CloseAudio();
        deviceOpen = false;
    }
    if (audioInitialised) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioInitialised = false;
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
            SDL_Quit(); // nothing else of SDL in use: let it free its last bits too
    }
}
