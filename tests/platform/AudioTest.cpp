// The sound service's own rules: the silent default, the files each sound
// plays, the rate of repeated effects and the fading of the music.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Audio.h"
#include "platform/EffectLimiter.h"
#include "platform/MasterLimiter.h"
#include "platform/MusicFader.h"
#include "platform/RecordingAudio.h"
#include "platform/SoundFiles.h"

TEST(AudioTest, TheSilentAudioStandsInWhenNoneIsInstalled)
{
    Audio& silent = audio();
    RecordingAudio heard;
    useAudio(&heard);
    audio().play(Effect::Pepper);
    EXPECT_EQ(&audio(), &heard);
    useAudio(nullptr);
    EXPECT_EQ(&audio(), &silent);
    audio().play(Effect::Death); // heard by nobody
    EXPECT_EQ(heard.effects, std::vector<Effect>{Effect::Pepper});
}

TEST(AudioTest, EverySoundHasItsOwnShippedFileAndEveryShippedFileIsPlayed)
{
    namespace fs = std::filesystem;
    const fs::path data = THRASK_DATA_DIR;
    std::set<std::string> named;
    for (int i = 0; i < effectCount; ++i)
        named.insert(effectFile(static_cast<Effect>(i)));
    for (int i = 1; i < musicLoopCount; ++i)
        named.insert(musicFile(static_cast<MusicLoop>(i)));
    EXPECT_EQ(musicFile(MusicLoop::None), nullptr);
    EXPECT_EQ(named.size(), static_cast<std::size_t>(effectCount + musicLoopCount - 1)) << "two sounds share a file";

    std::set<std::string> shipped;
    for (const char* folder : {"Sounds", "Music"})
        for (const auto& entry : fs::directory_iterator(data / folder))
            shipped.insert(std::string(folder) + "/" + entry.path().filename().string());
    EXPECT_EQ(named, shipped);
}

TEST(AudioTest, AnEffectRepeatsNoFasterThanItsGapOthersAreNotHeldBack)
{
    EffectLimiter limiter;
    for (int i = 0; i < effectCount; ++i) {
        const auto effect = static_cast<Effect>(i);
        const std::uint32_t gap = EffectLimiter::shortestGap(effect);
        EXPECT_GE(gap, 125u);
        EXPECT_EQ(1000u % gap, 0u) << "a gap off the beat of 120 bpm, effect " << i;
        const std::uint32_t start = 5000u + 10u * static_cast<std::uint32_t>(i);
        EXPECT_TRUE(limiter.admit(effect, start)) << "effect " << i;
        EXPECT_FALSE(limiter.admit(effect, start)) << "the same frame, effect " << i;
        EXPECT_FALSE(limiter.admit(effect, start + gap - 1)) << "effect " << i;
        EXPECT_TRUE(limiter.admit(effect, start + gap)) << "effect " << i;
    }
    // The flame burns every half second of game time: every burn sounds.
    EffectLimiter flame;
    int sounded = 0;
    for (std::uint32_t t = 0; t < 5000; t += 500)
        sounded += flame.admit(Effect::HurtFlame, t);
    EXPECT_EQ(sounded, 10);
    // A burst of knives hitting every frame ticks at the eighth-note rate.
    EffectLimiter knives;
    sounded = 0;
    for (std::uint32_t t = 0; t < 1000; t += 16)
        sounded += knives.admit(Effect::HurtKnife, t);
    EXPECT_EQ(sounded, 4);

    // The millisecond clock wraps after 49.7 days; the gap is measured across.
    EffectLimiter wrap;
    EXPECT_TRUE(wrap.admit(Effect::Pepper, 0xFFFFFFF0u));
    EXPECT_FALSE(wrap.admit(Effect::Pepper, 0x00000010u));
    EXPECT_TRUE(wrap.admit(Effect::Pepper, 0x00000070u));
}

TEST(AudioTest, MusicRampsNeverJumpsAndChangesLoopOnlyThroughSilence)
{
    MusicFader fader;
    EXPECT_EQ(fader.loop(), MusicLoop::None);
    const MusicCue menu{MusicLoop::Menu, 1.0f};
    // From silence to full in a quarter second, no faster.
    fader.step(menu, 0.1f);
    EXPECT_EQ(fader.loop(), MusicLoop::Menu);
    EXPECT_FLOAT_EQ(fader.volume(), 0.4f);
    fader.step(menu, 0.1f);
    fader.step(menu, 0.1f);
    EXPECT_FLOAT_EQ(fader.volume(), 1.0f);
    // A cue follows as fast as the ramp allows: a fade's cue gets there.
    fader.step({MusicLoop::Menu, 0.9f}, 0.02f);
    EXPECT_FLOAT_EQ(fader.volume(), 0.92f);
    fader.step({MusicLoop::Menu, 0.9f}, 0.02f);
    EXPECT_FLOAT_EQ(fader.volume(), 0.9f);

    // Another loop: the menu fades out first, and only at silence the level
    // loop starts, rising from nothing.
    const MusicCue levels{MusicLoop::Levels1to5, 1.0f};
    fader.step(levels, 0.1f);
    EXPECT_EQ(fader.loop(), MusicLoop::Menu);
    EXPECT_FLOAT_EQ(fader.volume(), 0.5f);
    fader.step(levels, 0.1f);
    EXPECT_EQ(fader.loop(), MusicLoop::Menu);
    EXPECT_NEAR(fader.volume(), 0.1f, 1e-6);
    fader.step(levels, 0.1f);
    EXPECT_EQ(fader.loop(), MusicLoop::Levels1to5);
    EXPECT_NEAR(fader.volume(), 0.4f, 1e-6) << "the new loop rises in the same step";

    // Levels outside 0..1 (and no number at all) are held to it.
    for (int i = 0; i < 10; ++i)
        fader.step({MusicLoop::Levels1to5, 7.0f}, 0.1f);
    EXPECT_EQ(fader.volume(), 1.0f);
    for (int i = 0; i < 10; ++i)
        fader.step({MusicLoop::Levels1to5, NAN}, 0.1f);
    EXPECT_EQ(fader.volume(), 0.0f);
    fader.step({MusicLoop::Levels1to5, 1.0f}, -3.0f);
    EXPECT_EQ(fader.volume(), 0.0f) << "time never runs backwards";
}

TEST(AudioTest, TheMusicKeyFadesOutStopsTheStreamAndFadesBackIn)
{
    MusicFader fader;
    const MusicCue ending{MusicLoop::Ending, 1.0f};
    for (int i = 0; i < 5; ++i)
        fader.step(ending, 0.1f);
    fader.setEnabled(false);
    EXPECT_FALSE(fader.enabled());
    fader.step(ending, 0.1f);
    EXPECT_EQ(fader.loop(), MusicLoop::Ending) << "still streaming while it fades";
    EXPECT_FLOAT_EQ(fader.volume(), 0.6f);
    for (int i = 0; i < 3; ++i)
        fader.step(ending, 0.1f);
    EXPECT_EQ(fader.volume(), 0.0f);
    EXPECT_EQ(fader.loop(), MusicLoop::None);
    // Off stays off through screen changes.
    fader.step({MusicLoop::Menu, 1.0f}, 1.0f);
    EXPECT_EQ(fader.loop(), MusicLoop::None);
    fader.setEnabled(true);
    fader.step({MusicLoop::Menu, 1.0f}, 0.1f);
    EXPECT_EQ(fader.loop(), MusicLoop::Menu);
    EXPECT_FLOAT_EQ(fader.volume(), 0.4f);
}

TEST(AudioTest, TheMasterLimiterGivesAFittingMixItsLevelAndNeverClips)
{
    constexpr int rate = 1000; // frames a second: the release takes 100 frames
    MasterLimiter limiter(rate);
    // Mixed at half level, a mix that fits comes out at its own level.
    std::vector<std::int16_t> fitting = {1000, -1000, 15000, -15000, 0, 0};
    limiter.process(fitting.data(), 3, 2);
    EXPECT_EQ(fitting, (std::vector<std::int16_t>{2000, -2000, 30000, -30000, 0, 0}));
    EXPECT_EQ(limiter.gain(), 1.0f);

    // A pile that would pass the ceiling (or even 16 bits) is turned down at
    // once, both channels alike; the extremes of 16 bits included.
    const std::int16_t piles[][2] = {{30000, 10000}, {-32768, 32767}, {16000, -16384}};
    for (const auto& pile : piles) {
        MasterLimiter fresh(rate);
        std::int16_t frame[2] = {pile[0], pile[1]};
        fresh.process(frame, 1, 2);
        EXPECT_LE(std::abs(frame[0]), MasterLimiter::ceiling + 0.5f) << pile[0];
        EXPECT_LE(std::abs(frame[1]), MasterLimiter::ceiling + 0.5f) << pile[1];
        const int louder = std::max(std::abs(int(pile[0])), std::abs(int(pile[1])));
        EXPECT_NEAR(std::max(std::abs(frame[0]), std::abs(frame[1])), MasterLimiter::ceiling, 1.0f)
            << "turned down just enough: " << louder;
        EXPECT_NEAR(double(frame[0]) / frame[1], double(pile[0]) / pile[1], 1e-3) << "the balance kept";
    }

    // After a pile the gain comes back over a tenth of a second, not at once.
    std::int16_t pile[2] = {30000, 30000};
    limiter.process(pile, 1, 2);
    EXPECT_LT(limiter.gain(), 0.6f);
    std::vector<std::int16_t> silence(2 * rate / 10, 0);
    limiter.process(silence.data(), rate / 50, 2);
    EXPECT_LT(limiter.gain(), 1.0f) << "after 20 ms";
    limiter.process(silence.data(), rate / 10 - rate / 50, 2);
    EXPECT_EQ(limiter.gain(), 1.0f) << "after 100 ms";
    std::int16_t after[2] = {8000, -8000};
    limiter.process(after, 1, 2);
    EXPECT_EQ(after[0], 16000);
    EXPECT_EQ(after[1], -16000);
}
