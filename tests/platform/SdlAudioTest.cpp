// The real mixer, heard through SDL's disk driver: the mix goes into a file
// (16-bit stereo at 44100 Hz, written at the pace of a real device), which
// the tests read back.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "TestFiles.h"
#include "platform/FrameStep.h"
#include "platform/SdlAudio.h"
#include "platform/headless/HeadlessContext.h"
#include "play/PlayScreen.h"

namespace {

constexpr const char* outputFile = "mix.raw";
constexpr int outputRate = 44100;
constexpr double fullScale = 32767.0;

void pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// The mix as one value per sample frame: the louder of the two channels.
std::vector<int> mixFrames()
{
    const std::string bytes = readFile(outputFile);
    std::vector<int> frames;
    for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        const auto sample = [&bytes](std::size_t at) {
            return static_cast<int>(static_cast<std::int16_t>(
                static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]))
                | static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at + 1]) << 8)));
        };
        frames.push_back(std::max(std::abs(sample(i)), std::abs(sample(i + 2))));
    }
    return frames;
}

// Where the mix is not silent: the first and last frame that is not 0, and
// the loudest.
struct Sounding {
    long first = -1;
    long last = -1;
    int peak = 0;
};

Sounding sounding(const std::vector<int>& frames)
{
    Sounding s;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (frames[i] == 0)
            continue;
        if (s.first < 0)
            s.first = static_cast<long>(i);
        s.last = static_cast<long>(i);
        s.peak = std::max(s.peak, frames[i]);
    }
    return s;
}

// How long a shipped effect sounds, from its first to its last sample that
// is not 0, in frames of the mix (the effects are 22050 Hz, the mix twice that).
long soundingFrames(const std::string& wav)
{
    const std::string bytes = readFile(std::string(THRASK_DATA_DIR) + "/" + wav);
    constexpr std::size_t header = 44;
    long first = -1;
    long last = -1;
    for (std::size_t i = header; i + 2 <= bytes.size(); i += 2) {
        if (bytes[i] == 0 && bytes[i + 1] == 0)
            continue;
        const long index = static_cast<long>((i - header) / 2);
        if (first < 0)
            first = index;
        last = index;
    }
    return first < 0 ? 0 : 2 * (last - first + 1);
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        result.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return result;
}

} // namespace

class SdlAudioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", outputFile, 1);
        unsetenv("AUDIODEV");
    }
    void TearDown() override
    {
        useAudio(nullptr);
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("AUDIODEV");
    }
    // The shipped effects and loops, seen from the test's own folder.
    static void shippedSounds()
    {
        for (const char* folder : {"Sounds", "Music"})
            std::filesystem::create_directory_symlink(std::filesystem::path(THRASK_DATA_DIR) / folder, folder);
    }
};

// The play rules eat a pepper under the player, through the real mixer: the
// file holds silence, then the pepper's sound for as long as its file sounds
// and at its level (70 % of full scale at volume 100, half that at volume
// 50), then silence again.
TEST_F(SdlAudioTest, APepperEatenInPlaySoundsOverSilenceAtThePlayersVolume)
{
    HeadlessContext context;
    ASSERT_TRUE(context.valid());
    shippedSounds();
    writeFile("Levels/l1.lvl", "0\n0\n0\n0\n0\n0\n2\n10\nbg.png\nnone\n");
    const long pepperFrames = soundingFrames("Sounds/pepper.wav");
    ASSERT_GT(pepperFrames, outputRate / 10);
    int peaks[2] = {};
    const int volumes[2] = {100, 50};
    for (int run = 0; run < 2; ++run) {
        SdlAudio sound;
        ASSERT_TRUE(sound.open(volumes[run]));
        useAudio(&sound);
        PlayScreen play;
        play.enter();
        play.setup(1);
        play.peppers[1].x = play.peppers[1].y = -90.0f;
        play.player.x = play.peppers[0].x = 50.0f;
        play.player.y = play.peppers[0].y = 50.0f;
        pause(300);
        frameStep = 0.016f;
        play.update();
        frameStep = 0.0f;
        ASSERT_EQ(play.peppersLeft, 1);
        pause(800);
        useAudio(nullptr);
        sound.close();

        const std::vector<int> frames = mixFrames();
        const Sounding s = sounding(frames);
        ASSERT_GT(s.first, 0) << "volume " << volumes[run] << ": nothing sounded, or not after silence";
        // Resampling may ring a few frames beyond either end.
        EXPECT_NEAR(s.last - s.first + 1, pepperFrames, 16) << "volume " << volumes[run];
        EXPECT_GT(static_cast<long>(frames.size()), s.last + outputRate / 10) << "silence after it";
        peaks[run] = s.peak;
    }
    EXPECT_NEAR(peaks[0] / fullScale, 0.70, 0.05);
    EXPECT_NEAR(static_cast<double>(peaks[1]) / peaks[0], 0.5, 0.02);
}

TEST_F(SdlAudioTest, WithoutADeviceTheGamePlaysOnSilentlyAfterOneLine)
{
    struct Case {
        const char* driver;
        const char* device;
    };
    // A driver SDL does not have; ALSA asked for a card that does not exist
    // (ALSA itself writes its complaints to standard error).
    for (const Case& c : {Case{"nonesuch", nullptr}, Case{"alsa", "hw:77,0"}}) {
        setenv("SDL_AUDIODRIVER", c.driver, 1);
        if (c.device != nullptr)
            setenv("AUDIODEV", c.device, 1);
        SdlAudio sound;
        testing::internal::CaptureStderr();
        const bool opened = sound.open(100);
        sound.play(Effect::Pepper);
        sound.music({MusicLoop::Menu, 1.0f});
        sound.setMusic(false);
        sound.setVolumes(50, 20);
        const std::vector<std::string> said = lines(testing::internal::GetCapturedStderr());
        EXPECT_FALSE(opened) << c.driver;
        EXPECT_FALSE(sound.isOpen()) << c.driver;
        ASSERT_EQ(said.size(), 1u) << c.driver << ": " << testing::PrintToString(said);
        EXPECT_EQ(said[0].rfind("thrask: no sound (", 0), 0u) << said[0];
    }
}

TEST_F(SdlAudioTest, UnreadableFilesAreLeftOutAndTheFirstIsNamed)
{
    writeFile("Sounds/pepper.wav", std::string("RIFF\x10\0\0\0WAVEfmt garbage, not a sound", 36));
    writeFile("Sounds/tint.wav", "");
    writeFile("Music/menu.ogg", "OggS but nothing after it");
    SdlAudio sound;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(sound.open(100));
    for (int i = 0; i < effectCount; ++i)
        sound.play(static_cast<Effect>(i));
    for (int frame = 0; frame < 10; ++frame) {
        sound.music({MusicLoop::Menu, 1.0f});
        pause(20);
    }
    sound.close();
    const std::vector<std::string> said = lines(testing::internal::GetCapturedStderr());
    ASSERT_EQ(said.size(), 1u) << testing::PrintToString(said);
    EXPECT_NE(said[0].find("Sounds/pepper.wav"), std::string::npos) << said[0];
    EXPECT_EQ(sounding(mixFrames()).first, -1) << "nothing could sound";
}

TEST_F(SdlAudioTest, ALostDeviceLeavesTheGameSilentFromThenOn)
{
    shippedSounds();
    SdlAudio sound;
    ASSERT_TRUE(sound.open(100));
    useAudio(&sound);
    testing::internal::CaptureStderr();
    const auto frame = [&sound] {
        sound.music({MusicLoop::Menu, 1.0f});
        pause(20);
    };
    for (int i = 0; i < 25; ++i)
        frame();

    // The removal of a device the game never opened, or of a microphone,
    // changes nothing.
    SDL_Event event{};
    event.type = SDL_AUDIODEVICEREMOVED;
    event.adevice.which = 0;
    SDL_PushEvent(&event);
    event.adevice.which = 7;
    event.adevice.iscapture = 1;
    SDL_PushEvent(&event);
    frame();
    EXPECT_TRUE(sound.isOpen());
    EXPECT_GT(sounding(mixFrames()).peak, 0) << "the menu loop was playing";

    event.adevice.iscapture = 0;
    SDL_PushEvent(&event);
    frame();
    EXPECT_FALSE(sound.isOpen());
    const auto size = std::filesystem::file_size(outputFile);
    for (int i = 0; i < 10; ++i) {
        sound.play(Effect::Death);
        frame();
    }
    sound.setMusic(false);
    EXPECT_EQ(std::filesystem::file_size(outputFile), size) << "the mix has stopped";
    const std::vector<std::string> said = lines(testing::internal::GetCapturedStderr());
    ASSERT_EQ(said.size(), 1u) << testing::PrintToString(said);
    EXPECT_NE(said[0].find("sound device has gone away"), std::string::npos) << said[0];
}
