#include "platform/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <string>

#include "platform/EffectLimiter.h"
#include "platform/MasterLimiter.h"
#include "platform/MusicFader.h"
#include "platform/Paths.h"
#include "platform/SoundFiles.h"

namespace {

// The device: CD rate, stereo, 16-bit; a buffer of about 23 ms, so an effect
// sounds within a frame or two of its event.
constexpr int deviceRate = 44100;
constexpr int deviceChannels = 2;
constexpr int deviceBufferFrames = 1024;

// Effects that may sound at once. Each starts on a free channel; with all of
// them busy the newest is left out rather than cutting another short.
constexpr int effectChannels = 16;

// The level of each kind of sound at the player's full volume: the effects
// at their files' own level (peaks at 70 % of full scale), the music at half
// its files' (peaks at 40 %), so every effect stands out over the loops and
// one effect over the music stays below the limiter's ceiling.
constexpr float effectsLevel = 1.0f;
constexpr float musicLevel = 0.5f;

constexpr int fullVolumePercent = 100;
constexpr float millisecondsPerSecond = 1000.0f;
// A longer gap between two music steps (a stalled frame) moves the fades on
// by no more than this.
constexpr float longestMusicStep = 0.25f;

// The mixer's volume for the player's volume in percent (0 to 100), with the
// headroom the limiter needs.
float mixerVolume(int percent)
{
    const float share = static_cast<float>(std::clamp(percent, 0, fullVolumePercent)) / fullVolumePercent;
    return share * MasterLimiter::mixHeadroom * static_cast<float>(MIX_MAX_VOLUME);
}

// While the sound libraries look for a device they write their own
// complaints to standard error (ALSA lists every configuration it tried);
// for as long as this lives those go nowhere, and the game says what
// happened in one line of its own.
class QuietStandardError {
public:
    QuietStandardError()
    {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && nowhere >= 0)
            dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            ::close(nowhere);
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_ = -1;
};

// The mixer's last step, on its own thread: the limiter over the whole mix.
// The device was opened allowing no change of format, so the mix is always
// 16-bit stereo.
void SDLCALL limitMix(void* limiter, Uint8* stream, int bytes)
{
    const auto frames = static_cast<std::size_t>(bytes) / (sizeof(std::int16_t) * deviceChannels);
    static_cast<MasterLimiter*>(limiter)->process(reinterpret_cast<std::int16_t*>(stream), frames,
                                                  deviceChannels);
}

// Called by SDL for every event as it is queued, possibly on SDL's own
// threads: an output device the game had opened has gone away. The game
// opens one output device only, so that one is the mixer's.
int SDLCALL watchForRemovedDevice(void* removed, SDL_Event* event)
{
    if (event->type == SDL_AUDIODEVICEREMOVED && event->adevice.iscapture == 0
        && event->adevice.which != 0)
        static_cast<std::atomic<bool>*>(removed)->store(true);
    return 0;
}

} // namespace

struct SdlAudio::Mixer {
    std::array<Mix_Chunk*, effectCount> effects{};
    std::array<Mix_Music*, musicLoopCount> loops{};
    std::array<double, musicLoopCount> places{}; // seconds into each loop where it stopped
    MusicLoop streaming = MusicLoop::None;
    EffectLimiter repeats;
    MusicFader fader;
    MasterLimiter master{deviceRate};
    float musicVolume = 0.0f; // the music at full in the mixer's units, the player's volume included
    Uint32 lastMusicTick = 0;
    bool failureReported = false;
    std::atomic<bool> deviceRemoved{false};

    // One line for the first file that cannot be read; the rest are left out
    // silently.
    void reportUnreadable(const char* file)
    {
        if (failureReported)
            return;
        failureReported = true;
        std::fprintf(stderr, "thrask: cannot read the sound %s (%s); the game plays on without it\n",
                     file, Mix_GetError());
    }
};

SdlAudio::SdlAudio() = default;

SdlAudio::~SdlAudio()
{
    close();
    if (&audio() == this)
        useAudio(nullptr);
}

bool SdlAudio::open(int volume)
{
    if (mixer_)
        return true;
    std::string problem;
    {
        const QuietStandardError quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            problem = SDL_GetError();
        } else if (Mix_OpenAudioDevice(deviceRate, MIX_DEFAULT_FORMAT, deviceChannels,
                                       deviceBufferFrames, nullptr, 0) != 0) {
            problem = Mix_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }
    if (!problem.empty()) {
        std::fprintf(stderr, "thrask: no sound (%s); the game plays on without it\n", problem.c_str());
        return false;
    }

    mixer_ = std::make_unique<Mixer>();
    // Loads the Ogg Vorbis decoder now rather than at the first loop; a
    // missing decoder shows as music files that cannot be read.
    Mix_Init(MIX_INIT_OGG);
    mixer_->musicVolume = mixerVolume(volume) * musicLevel;
    Mix_AllocateChannels(effectChannels);
    Mix_Volume(-1, static_cast<int>(std::lround(mixerVolume(volume) * effectsLevel)));
    Mix_VolumeMusic(0);
    Mix_SetPostMix(limitMix, &mixer_->master);
    loadFiles();
    mixer_->lastMusicTick = SDL_GetTicks();
    SDL_AddEventWatch(watchForRemovedDevice, &mixer_->deviceRemoved);
    return true;
}

void SdlAudio::loadFiles()
{
    for (int i = 0; i < effectCount; ++i) {
        const char* file = effectFile(static_cast<Effect>(i));
        mixer_->effects[static_cast<std::size_t>(i)] = Mix_LoadWAV(resolveGamePath(file).c_str());
        if (mixer_->effects[static_cast<std::size_t>(i)] == nullptr)
            mixer_->reportUnreadable(file);
    }
    for (int i = 0; i < musicLoopCount; ++i) {
        const char* file = musicFile(static_cast<MusicLoop>(i));
        if (file == nullptr)
            continue;
        mixer_->loops[static_cast<std::size_t>(i)] = Mix_LoadMUS(resolveGamePath(file).c_str());
        if (mixer_->loops[static_cast<std::size_t>(i)] == nullptr)
            mixer_->reportUnreadable(file);
    }
}

void SdlAudio::close()
{
    if (!mixer_)
        return;
    SDL_DelEventWatch(watchForRemovedDevice, &mixer_->deviceRemoved);
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_SetPostMix(nullptr, nullptr);
    for (Mix_Chunk*& chunk : mixer_->effects) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    for (Mix_Music*& loop : mixer_->loops) {
        Mix_FreeMusic(loop);
        loop = nullptr;
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixer_.reset();
}

bool SdlAudio::isOpen() const
{
    return mixer_ != nullptr;
}

bool SdlAudio::deviceStillThere()
{
    if (!mixer_)
        return false;
    if (!mixer_->deviceRemoved.load())
        return true;
    std::fputs("thrask: the sound device has gone away; the game plays on without sound\n", stderr);
    close();
    return false;
}

void SdlAudio::play(Effect effect)
{
    if (!deviceStillThere())
        return;
    Mix_Chunk* chunk = mixer_->effects[static_cast<std::size_t>(effect)];
    if (chunk == nullptr || !mixer_->repeats.admit(effect, SDL_GetTicks()))
        return;
    // -1: the first free channel; none free leaves the effect out.
    Mix_PlayChannel(-1, chunk, 0);
}

void SdlAudio::music(const MusicCue& cue)
{
    if (!deviceStillThere())
        return;
    const Uint32 now = SDL_GetTicks();
    const float seconds = static_cast<float>(now - mixer_->lastMusicTick) / millisecondsPerSecond;
    mixer_->lastMusicTick = now;
    mixer_->fader.step(cue, std::min(seconds, longestMusicStep));
    streamLoop();
    Mix_VolumeMusic(static_cast<int>(std::lround(mixer_->fader.volume() * mixer_->musicVolume)));
}

void SdlAudio::streamLoop()
{
    const MusicLoop wanted = mixer_->fader.loop();
    if (wanted == mixer_->streaming)
        return;
    const auto before = static_cast<std::size_t>(mixer_->streaming);
    if (mixer_->streaming != MusicLoop::None && mixer_->loops[before] != nullptr) {
        const double place = Mix_GetMusicPosition(mixer_->loops[before]);
        mixer_->places[before] = place > 0.0 ? place : 0.0;
        Mix_HaltMusic();
    }
    mixer_->streaming = wanted;
    const auto after = static_cast<std::size_t>(wanted);
    if (wanted == MusicLoop::None || mixer_->loops[after] == nullptr)
        return;
    // Silent until this frame's volume is set, so the loop never starts loud.
    Mix_VolumeMusic(0);
    // -1: round and round; each file is one whole loop.
    if (Mix_PlayMusic(mixer_->loops[after], -1) == 0 && mixer_->places[after] > 0.0)
        Mix_SetMusicPosition(mixer_->places[after]);
}

void SdlAudio::setMusic(bool on)
{
    if (mixer_)
        mixer_->fader.setEnabled(on);
}

void SdlAudio::setVolumes(int effectsPercent, int musicPercent)
{
    if (!mixer_)
        return;
    Mix_Volume(-1, static_cast<int>(std::lround(mixerVolume(effectsPercent) * effectsLevel)));
    mixer_->musicVolume = mixerVolume(musicPercent) * musicLevel;
    Mix_VolumeMusic(static_cast<int>(std::lround(mixer_->fader.volume() * mixer_->musicVolume)));
}
