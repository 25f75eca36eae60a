#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/GameSettings.h"
#include "app/Globals.h"
#include "app/Playback.h"
#include "app/ReplayFile.h"
#include "app/SettingsFile.h"
#include "platform/Message.h"
#include "platform/VirtualKeys.h"
#include "render/Renderer.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "scenarios/GoldenScenarios.h"
#include "tools/replay/Director.h"
#include "tools/replay/HeadlessReplay.h"

namespace fs = std::filesystem;

namespace {

// A run through the menus and a little play, recorded with the state hash
// of every frame.
class RecordedRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.valid());
        for (Scenario scenario : goldenScenarios()) {
            if (scenario.name != "menu-flow")
                continue;
            scenario.hashEvery = 1;
            std::string error;
            ASSERT_TRUE(recordScenario(scenario, THRASK_DATA_DIR, "run.replay", error)) << error;
        }
        std::string error;
        ASSERT_TRUE(readReplayFile("run.replay", replay, error)) << error;
    }

    int frameOf(std::size_t eventIndex) const
    {
        int frames = 0;
        for (std::size_t i = 0; i <= eventIndex; ++i)
            frames += replay.events[i].type == ReplayEvent::Frame ? 1 : 0;
        return frames;
    }

    OffscreenRenderer context{RendererKind::gl1, 64, 48};
    Replay replay;
};

void copyData(const fs::path& to)
{
    fs::copy(THRASK_DATA_DIR, to, fs::copy_options::recursive);
}

} // namespace

TEST_F(RecordedRun, PlaysBackTheSameStateAtEveryFrameEveryTime)
{
    const ReplayOutcome first = runReplay(replay, THRASK_DATA_DIR, true);
    const ReplayOutcome second = runReplay(replay, THRASK_DATA_DIR, true);
    ASSERT_TRUE(first.error.empty()) << first.error;
    EXPECT_TRUE(first.matches(replay)) << first.departure;
    EXPECT_TRUE(second.matches(replay)) << second.departure;
    EXPECT_GT(first.frames, 100);
    EXPECT_EQ(first.hashesChecked, first.frames);
    EXPECT_EQ(first.frameHashes, second.frameHashes);
    EXPECT_NE(first.finalState.find("screen in-game-menu"), std::string::npos) << first.finalState;
}

TEST_F(RecordedRun, OtherGameDataIsRefusedNamingTheFile)
{
    copyData("data");
    EXPECT_TRUE(runReplay(replay, "data").error.empty());

    // One bit of the first level.
    {
        std::fstream level("data/Levels/l1.lvl", std::ios::in | std::ios::out | std::ios::binary);
        char c = 0;
        level.get(c);
        level.seekp(0);
        level.put(static_cast<char>(c ^ 1));
    }
    const ReplayOutcome changed = runReplay(replay, "data");
    EXPECT_NE(changed.error.find("Levels/l1.lvl has changed"), std::string::npos) << changed.error;
    EXPECT_EQ(changed.frames, 0);

    fs::remove_all("data");
    copyData("data");
    fs::remove("data/Intro/l1.txt");
    EXPECT_NE(runReplay(replay, "data").error.find("Intro/l1.txt is missing"), std::string::npos);

    fs::remove_all("data");
    copyData("data");
    std::ofstream("data/Textures/extra.png") << "x";
    EXPECT_NE(runReplay(replay, "data").error.find("Textures/extra.png is new"), std::string::npos);
}

TEST_F(RecordedRun, ADepartureNamesTheFirstFrameThatDiffers)
{
    // A recorded hash that no run can match: the departure is that frame.
    std::size_t hashAt = 0;
    int seen = 0;
    for (std::size_t i = 0; i < replay.events.size(); ++i)
        if (replay.events[i].type == ReplayEvent::Hash && ++seen == 120)
            hashAt = i;
    ASSERT_GT(hashAt, 0u);
    Replay tampered = replay;
    tampered.events[hashAt].hash ^= 1;
    const ReplayOutcome outcome = runReplay(tampered, THRASK_DATA_DIR);
    EXPECT_EQ(outcome.departure, "frame " + std::to_string(frameOf(hashAt))
                                     + ": the state differs from the recorded run's");
    EXPECT_FALSE(outcome.matches(tampered));

    // Another key than the one recorded: the game goes elsewhere from then on.
    Replay otherKey = replay;
    std::size_t keyAt = 0;
    for (std::size_t i = 0; i < otherKey.events.size() && keyAt == 0; ++i) {
        Message& m = otherKey.events[i].message;
        if (otherKey.events[i].type == ReplayEvent::Input && m.kind == Message::KeyDown && m.a == 0x27)
            keyAt = i;
    }
    ASSERT_GT(keyAt, 0u);
    otherKey.events[keyAt].message.a = 0x25; // left instead of right
    const ReplayOutcome moved = runReplay(otherKey, THRASK_DATA_DIR);
    // The held keys are part of the state, so the frame whose messages
    // held the other key is the first to differ.
    EXPECT_EQ(moved.departure, "frame " + std::to_string(frameOf(keyAt))
                                   + ": the state differs from the recorded run's");
}

TEST_F(RecordedRun, EventsOutOfOrderAreNamedAndAddNoFrame)
{
    // A state hash twice after frame 50: a damaged recording. The playback
    // runs the recorded frames only and names where the order broke.
    Replay damaged = replay;
    int seen = 0;
    for (std::size_t i = 0; i < damaged.events.size(); ++i) {
        if (damaged.events[i].type == ReplayEvent::Hash && ++seen == 50) {
            damaged.events.insert(damaged.events.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                  damaged.events[i]);
            break;
        }
    }
    ASSERT_EQ(seen, 50);
    const ReplayOutcome outcome = runReplay(damaged, THRASK_DATA_DIR);
    EXPECT_EQ(outcome.departure, "frame 50: the recording holds a message or state hash out of order");
    EXPECT_EQ(outcome.frames, runReplay(replay, THRASK_DATA_DIR).frames);
}

TEST_F(RecordedRun, ARunCutShortStillPlaysAsFarAsItGoes)
{
    Replay cut = replay;
    cut.events.resize(cut.events.size() / 2);
    cut.finished = false;
    const ReplayOutcome outcome = runReplay(cut, THRASK_DATA_DIR);
    EXPECT_TRUE(outcome.matches(cut)) << outcome.departure;
    EXPECT_LT(outcome.frames, runReplay(replay, THRASK_DATA_DIR).frames);
}

TEST(AspectReplay, AWideRunRecordedWithAspectPlaysBackOnlyWithItsPictureShape)
{
    OffscreenRenderer context{RendererKind::gl1, 64, 48};
    ASSERT_TRUE(context.valid());
    Replay replay;
    std::string error;
    ASSERT_TRUE(readReplayFile(THRASK_SOURCE_DIR "/tests/replays/wide-window-bars.replay", replay, error))
        << error;
    const Replay recorded = replay;
    ASSERT_TRUE(readSettingsText(replay.settings).settings.aspect) << "-aspect is in the recorded settings";

    const ReplayOutcome asRecorded = runReplay(replay, THRASK_DATA_DIR);
    ASSERT_TRUE(asRecorded.error.empty()) << asRecorded.error;
    EXPECT_TRUE(asRecorded.matches(replay)) << asRecorded.departure;

    // The same messages on a picture that fills the wide window land
    // elsewhere: the runner must take the shape from the recording.
    Settings filledSettings = readSettingsText(replay.settings).settings;
    filledSettings.aspect = false;
    replay.settings = settingsText(filledSettings);
    const ReplayOutcome filled = runReplay(replay, THRASK_DATA_DIR);
    EXPECT_FALSE(filled.departure.empty());
    EXPECT_FALSE(filled.matches(replay));

    // A recording made before the game kept settings has the shape of its
    // command line.
    replay.settings.clear();
    EXPECT_TRUE(runReplay(replay, THRASK_DATA_DIR).matches(replay));
    replay.commandLine.erase(std::find(replay.commandLine.begin(), replay.commandLine.end(), "-aspect"));
    EXPECT_FALSE(runReplay(replay, THRASK_DATA_DIR).matches(replay));

    // And the runner leaves no shape behind for the next run, nor the
    // viewport of the recorded window's last size.
    replay = recorded;
    EXPECT_TRUE(runReplay(replay, THRASK_DATA_DIR).matches(replay));
    EXPECT_FALSE(keepAspect);
    const bool resized = std::any_of(replay.events.begin(), replay.events.end(), [](const ReplayEvent& event) {
        return event.type == ReplayEvent::Input && event.message.kind == Message::Size;
    });
    EXPECT_TRUE(resized) << "the recording sizes its window";
    EXPECT_EQ(renderer().viewport().width, 64);
    EXPECT_EQ(renderer().viewport().height, 48);
}

TEST(FormerRecording, ARecordingOfTheFirstFormatPlaysToItsRecordedEnd)
{
    // Recorded in the first format, with its settings in the body's first
    // record, before the game kept best scores and before the pictures of
    // the best scores were added to its data: pictures only draw, so it is
    // played taking the data as its own, and it must end exactly as it did.
    OffscreenRenderer context{RendererKind::gl1, 64, 48};
    ASSERT_TRUE(context.valid());
    Replay replay;
    std::string error;
    ASSERT_TRUE(readReplayFile(THRASK_SOURCE_DIR "/tests/replays/format1/menu-flow.replay", replay, error))
        << error;
    EXPECT_EQ(replay.version, 1);
    EXPECT_FALSE(replay.settings.empty());
    EXPECT_FALSE(replay.keepsScores);
    EXPECT_FALSE(replay.startsInGame);
    const ReplayOutcome outcome = playReplay(replay, THRASK_DATA_DIR);
    EXPECT_TRUE(outcome.matches(replay)) << outcome.departure << "\n" << outcome.finalState;
    EXPECT_GT(outcome.hashesChecked, 50);
}

TEST(SettingsReplay, ARunPlaysBackWithTheKeysItWasRecordedWithWhateverTheWatchersAre)
{
    OffscreenRenderer context{RendererKind::gl1, 64, 48};
    ASSERT_TRUE(context.valid());
    Replay replay;
    std::string error;
    ASSERT_TRUE(readReplayFile(THRASK_SOURCE_DIR "/tests/replays/options-keyboard.replay", replay, error))
        << error;
    const Settings recorded = readSettingsText(replay.settings).settings;
    ASSERT_EQ(recorded.keys.key(Action::Up), vk::letter('I')) << "the run started with a key of its own";

    // Whatever settings the process runs with before and after (a player's
    // own, installed as the game does), the run has the recorded ones.
    Settings players;
    players.keys.set(Action::Down, vk::letter('W'));
    players.aspect = true;
    GameSettings playersHost(players);
    useSettingsHost(&playersHost);
    EXPECT_TRUE(runReplay(replay, THRASK_DATA_DIR).matches(replay));
    useSettingsHost(nullptr);

    // Started with W already playing Move down, the recorded W for Move up
    // would be refused: the run would depart.
    Settings other = recorded;
    other.keys.set(Action::Down, vk::letter('W'));
    replay.settings = settingsText(other);
    const ReplayOutcome departed = runReplay(replay, THRASK_DATA_DIR);
    EXPECT_FALSE(departed.departure.empty());
}

// A caller that paces the frames itself asks when the next frame is due
// before starting it: the answer is the tick that frame then starts with,
// on a whole run and on a damaged one, and asking starts nothing.
TEST_F(RecordedRun, TheNextFrameTickIsTheOneTheFrameStartsWith)
{
    Replay damaged = replay;
    damaged.events.insert(damaged.events.begin() + static_cast<std::ptrdiff_t>(damaged.events.size() / 2),
                          damaged.events.back());
    for (const Replay* run : {&replay, &damaged}) {
        Playback playback(*run);
        playback.begin();
        int frames = 0;
        while (!playback.finished()) {
            const std::uint32_t next = playback.nextFrameTick();
            EXPECT_EQ(playback.nextFrameTick(), next);
            EXPECT_EQ(playback.frame(), frames) << "asking starts no frame";
            ASSERT_EQ(playback.frameTick(), next) << "frame " << frames + 1;
            ++frames;
            playback.dispatchInputs([](const Message&) {});
            playback.checkHash();
        }
        EXPECT_EQ(frames, playback.frameCount());
        const std::uint32_t last = playback.frameTick();
        EXPECT_EQ(playback.nextFrameTick(), last) << "after the last frame, the last tick";
        playback.release();
    }
}
