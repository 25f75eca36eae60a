// Every game recorded as the game's program records it: a game loaded from
// the list and played to its death is kept in a file of its own that plays
// back to the same end, also inside a -record run of the whole session;
// the best scores learn its recording and name; the folder keeps the last
// games and the listed ones and leaves foreign files alone; a disk that
// fills up gives the recording up without harm to the game.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestMessages.h"
#include "TestFiles.h"
#include "TinyDisk.h"
#include "app/FrameLoop.h"
#include "app/GameHost.h"
#include "app/GameSettings.h"
#include "app/GameRecorder.h"
#include "app/GameRun.h"
#include "app/GameState.h"
#include "app/HeldGame.h"
#include "app/ReplayRun.h"
#include "app/Globals.h"
#include "app/ReplayShelf.h"
#include "app/SettingsFile.h"
#include "menus/BestScoresScreen.h"
#include "menus/LoadScreen.h"
#include "menus/ScoreEntryScreen.h"
#include "menus/SettingsHost.h"
#include "menus/TitleScreen.h"
#include "platform/Message.h"
#include "platform/VirtualKeys.h"
#include "play/PlayHud.h"
#include "play/PlayScreen.h"
#include "play/SaveRecord.h"
#include "play/ScoreBook.h"
#include "render/Renderer.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "screens/FadeScreen.h"
#include "screens/GameEvents.h"
#include "tools/replay/HeadlessReplay.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t frameMilliseconds = 17;
constexpr int patience = 2000;

template <class T>
T* showing()
{
    return dynamic_cast<T*>(currentScreen);
}

// The game's program without its window: the player's best scores and
// replays folder in the test's folder, the recorder of games listening to
// the screens, an optional -record recording of the whole run, and a frame
// loop on a clock of the test's own.
class GameSession {
public:
    GameSession(const std::string& kept, bool recordWholeRun)
        : home_(fs::current_path()), book_(ScoreBook::open(kept + "/scores")),
          shelf_(kept + "/replays", "."),
          games_(shelf_, {"-win"}, [this] { return now_; }, recordWholeRun ? &whole_ : nullptr),
          host_(games_, shelf_)
    {
        saveFolder = (home_ / "Save").string();
        fs::current_path(THRASK_DATA_DIR);
        resetGameGlobals(640, 480);
        useScoreBook(&book_);
        listenToGame(&host_);
        if (recordWholeRun) {
            std::string error;
            EXPECT_TRUE(whole_.start((home_ / "whole.replay").string(), {"-win"}, ".", saveFolder,
                                     settingsText(settingsHost().settings()), 4, [this] { return now_; }, error))
                << error;
        }
        send(sized(640, 480));
        startTitleScreen();
        lastTick = whole_.active() ? whole_.readTick() : now_;
    }

    ~GameSession()
    {
        games_.finish();
        if (whole_.active()) {
            std::string error;
            whole_.finish(error);
        }
        shutDownScreens();
        listenToGame(nullptr);
        useScoreBook(nullptr);
        saveFolder = "Save";
        fs::current_path(home_);
    }

    static Message sized(int width, int height)
    {
        Message m;
        m.kind = Message::Size;
        m.a = width;
        m.b = height;
        return m;
    }

    void send(const Message& message)
    {
        if (whole_.active())
            whole_.input(message);
        games_.input(message);
        dispatchMessage(message);
    }

    // One frame of the loop, then `messages` as the window would have them.
    void frame(const std::vector<Message>& messages = {})
    {
        now_ += frameMilliseconds;
        runFrame([this] { return whole_.active() ? whole_.frameTick() : games_.recording() ? games_.frameTick() : now_; },
                 [] { renderer().finish(); });
        games_.afterFrame();
        for (const Message& message : messages)
            send(message);
        if (whole_.active())
            whole_.endFrame();
        games_.endFrame();
    }

    // A key pressed on one frame and let go on the next.
    void press(int code)
    {
        frame({message(Message::KeyDown, code)});
        frame({message(Message::KeyUp, code)});
    }

    bool runUntil(const std::function<bool()>& done, const std::function<std::vector<Message>()>& each = nullptr)
    {
        for (int i = 0; i < patience && !done(); ++i)
            frame(each ? each() : std::vector<Message>());
        return done();
    }

    // The arrows that walk the player at the nearest zombie, as key messages.
    std::vector<Message> seekZombie()
    {
        std::vector<Message> messages;
        const PlayScreen* play = showing<PlayScreen>();
        unsigned char wanted[256] = {};
        if (play != nullptr && !play->dying) {
            const Sprite* nearest = nullptr;
            float best = 1e9f;
            for (const auto& entity : play->entities) {
                const float d = std::hypot(entity->sprite.x - play->player.x, entity->sprite.y - play->player.y);
                if (entity->kind() == EntityKind::Zombie && d < best) {
                    best = d;
                    nearest = &entity->sprite;
                }
            }
            if (nearest != nullptr) {
                wanted[vk::right] = nearest->x > play->player.x + 2;
                wanted[vk::left] = nearest->x < play->player.x - 2;
                wanted[vk::up] = nearest->y > play->player.y + 2;
                wanted[vk::down] = nearest->y < play->player.y - 2;
            }
        }
        for (const int arrow : {vk::left, vk::up, vk::right, vk::down}) {
            if (wanted[arrow] && !keyState[arrow])
                messages.push_back(message(Message::KeyDown, arrow));
            if (!wanted[arrow] && keyState[arrow])
                messages.push_back(message(Message::KeyUp, arrow));
        }
        return messages;
    }

    void letGoOfArrows()
    {
        std::vector<Message> messages;
        for (const int arrow : {vk::left, vk::up, vk::right, vk::down})
            if (keyState[arrow])
                messages.push_back(message(Message::KeyUp, arrow));
        frame(messages);
    }

    ScoreBook& book() { return book_; }
    ReplayShelf& shelf() { return shelf_; }
    GameRecorder& games() { return games_; }

private:
    fs::path home_;
    std::uint32_t now_ = 5000;
    ScoreBook book_;
    ReplayShelf shelf_;
    Recorder whole_;
    GameRecorder games_;
    GameHost host_;
};

bool settled(const Screen* screen)
{
    return screen != nullptr && currentScreen == screen;
}

std::vector<std::string> recordings(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class RecordingEveryGame : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.valid());
        SaveRecord weak;
        weak.level = 4; // the first level with zombies
        weak.hp = 5;
        weak.score = 700;
        ASSERT_TRUE(writeSaveRecord("Save/weak.sav", weak));
    }

    OffscreenRenderer context{RendererKind::gl1, 64, 48};
};

} // namespace

TEST_P(RecordingEveryGame, AGameLoadedAndPlayedToItsDeathPlaysBackToTheSameEnd)
{
    const bool wholeRun = GetParam();
    std::string name;
    {
        GameSession session("kept", wholeRun);
        // Load Game by keyboard, then the only saved game.
        session.press(vk::down);
        session.press(vk::down);
        session.press(vk::enter);
        ASSERT_TRUE(session.runUntil([] { return settled(showing<LoadScreen>()); }));
        EXPECT_FALSE(session.games().recording()) << "no game yet";
        session.press(vk::enter);
        ASSERT_TRUE(session.runUntil([] { return settled(showing<PlayScreen>()); }));
        session.frame();
        EXPECT_TRUE(session.games().recording()) << "the game is recorded from its first frame";
        name = session.games().name();
        EXPECT_TRUE(ReplayShelf::ownName(name)) << name;

        ASSERT_TRUE(session.runUntil([] { return showing<ScoreEntryScreen>() != nullptr; },
                                     [&session] { return session.seekZombie(); }));
        EXPECT_FALSE(session.games().recording()) << "the death ended the game's recording";
        session.letGoOfArrows();
        for (const char c : std::string("tester"))
            session.press(vk::letter(static_cast<char>(c - 'a' + 'A')));
        session.press(vk::enter);
        ASSERT_TRUE(session.runUntil([] { return settled(showing<BestScoresScreen>()); }));
        ASSERT_EQ(session.book().list().games().size(), 1u);
        const BestScore& listed = session.book().list().games()[0];
        EXPECT_GE(listed.score, 700);
        EXPECT_EQ(listed.level, 4);
        EXPECT_EQ(listed.name, "tester");
        EXPECT_EQ(listed.replay, name) << "the listed game knows its recording";
        EXPECT_EQ(session.shelf().problem(name), "") << "and it can be watched";

        // Watched from the list, as the window's viewer does it: the
        // player's game is held aside and comes back exactly as it was.
        const std::uint64_t before = gameStateHash();
        Screen* const list = currentScreen;
        const std::string saves = saveFolder;
        GameEvents* const host = &gameEvents();
        {
            Replay recorded;
            std::string error;
            ASSERT_TRUE(session.shelf().load(name, recorded, error)) << error;
            HeldGame held;
            held.hold();
            ReplayRun run(recorded);
            ASSERT_TRUE(run.begin(error)) << error;
            EXPECT_NE(&scoreBook(), &session.book()) << "the recording plays with its own list";
            EXPECT_NE(&gameEvents(), host) << "its screens ask nobody";
            EXPECT_NE(saveFolder, saves) << "it plays with its own saved games";
            while (!run.finished())
                run.frame(nullptr, [] { renderer().finish(); });
            EXPECT_EQ(run.playback().departure(), "");
            EXPECT_EQ(describeGameState(), recorded.finalState);
            run.end();
            held.giveBack();
        }
        EXPECT_EQ(currentScreen, list);
        EXPECT_EQ(gameStateHash(), before);
        EXPECT_EQ(&scoreBook(), &session.book());
        EXPECT_EQ(session.book().list().games().size(), 1u) << "the recorded death entered only its own list";
        EXPECT_EQ(saveFolder, saves);
        EXPECT_EQ(&gameEvents(), host);
        session.frame();
        EXPECT_EQ(currentScreen, list) << "the list goes on";
        session.press(vk::escape);
        ASSERT_TRUE(session.runUntil([] { return settled(showing<TitleScreen>()); }));
    }
    EXPECT_EQ(recordings("kept/replays"), std::vector<std::string>{name});
    EXPECT_NE(readFile("kept/scores").find(" 4 "), std::string::npos);

    Replay game;
    std::string error;
    ASSERT_TRUE(readReplayFile("kept/replays/" + name, game, error)) << error;
    EXPECT_TRUE(game.startsInGame);
    EXPECT_TRUE(game.keepsScores);
    EXPECT_TRUE(game.bestScores.empty()) << "the list as the game started";
    EXPECT_EQ(game.gameStart.level, 4);
    EXPECT_EQ(game.gameStart.hp, 5);
    ASSERT_TRUE(game.finished);
    EXPECT_EQ(game.finalState.rfind("screen score-entry\n", 0), 0u) << game.finalState;
    const std::string scores = readFile("kept/scores");
    const ReplayOutcome played = runReplay(game, THRASK_DATA_DIR);
    EXPECT_TRUE(played.error.empty()) << played.error;
    EXPECT_TRUE(played.matches(game)) << played.departure << "\n" << played.finalState;
    EXPECT_GT(played.hashesChecked, 10);
    EXPECT_EQ(readFile("kept/scores"), scores) << "playing it back wrote nothing into the player's list";
    EXPECT_EQ(recordings("kept/replays").size(), 1u) << "nor a recording of its own";

    if (wholeRun) {
        Replay whole;
        ASSERT_TRUE(readReplayFile("whole.replay", whole, error)) << error;
        EXPECT_FALSE(whole.startsInGame);
        const ReplayOutcome all = runReplay(whole, THRASK_DATA_DIR);
        EXPECT_TRUE(all.matches(whole)) << all.departure;
        EXPECT_EQ(all.finalState.rfind("screen main-menu\n", 0), 0u) << all.finalState;
    }
}

INSTANTIATE_TEST_SUITE_P(AloneAndInsideAWholeRunRecording, RecordingEveryGame, ::testing::Values(false, true));

namespace {

// What a player's settings did outside the game (the window, the keys, the
// file): only the changes are counted, not a host's start.
class NotedOutside : public SettingsOutside {
public:
    void apply(const Settings&, const Settings&, bool everything) override { changes += everything ? 0 : 1; }
    std::string trouble() const override { return {}; }
    int changes = 0;
};

} // namespace

TEST(RecordingEveryGameSettings, AGameKeepsTheSettingsItStartedWithAndPlaysThemUnderAnyWatchers)
{
    OffscreenRenderer context{RendererKind::gl1, 64, 48};
    ASSERT_TRUE(context.valid());
    const fs::path home = fs::current_path();
    NotedOutside playersOutside;
    GameSettings player(Settings(), &playersOutside);
    Settings started;
    std::string name;
    {
        GameSession session("kept", false);
        useSettingsHost(&player);
        session.frame({GameSession::sized(1280, 480)});
        // Changed before the game starts: its recording keeps these, not
        // those the run started with.
        started = player.settings();
        started.aspect = true;
        started.hud = false;
        player.change(started);
        session.press(vk::down);
        session.press(vk::enter);
        ASSERT_TRUE(session.runUntil([] { return settled(showing<PlayScreen>()); }));
        session.frame();
        ASSERT_TRUE(session.games().recording());
        name = session.games().name();
        // The in-game menu, the pointer where Return Game lies only in the
        // picture filling the wide window (in the 4:3 picture it is on the
        // bar beside it), and F11.
        session.press(vk::escape);
        ASSERT_TRUE(session.runUntil([] {
            const TitleScreen* menu = showing<TitleScreen>();
            return settled(menu) && menu->inGame;
        }));
        Message pointer;
        pointer.kind = Message::MouseMove;
        pointer.a = 340;
        pointer.b = 300;
        session.frame({pointer});
        session.frame();
        EXPECT_EQ(showing<TitleScreen>()->hovered, 0) << "nothing under the pointer in the 4:3 picture";
        session.press(vk::f11);
        EXPECT_FALSE(player.settings().fullScreen);
        EXPECT_EQ(playersOutside.changes, 2) << "the player's own changes reached the window";
        session.frame();
    }
    useSettingsHost(nullptr);

    Replay game;
    std::string error;
    ASSERT_TRUE(readReplayFile("kept/replays/" + name, game, error)) << error;
    EXPECT_EQ(readSettingsText(game.settings).settings, started);

    // Watched under a watcher's other settings, as the window's viewer does:
    // the recording plays with its own, which act on the game only, and the
    // watcher's are given back untouched.
    Settings watchers;
    watchers.keys.set(Action::Up, vk::letter('W'));
    NotedOutside watchersOutside;
    GameSettings watcher(watchers, &watchersOutside);
    resetGameGlobals(1280, 480);
    useSettingsHost(&watcher);
    fs::current_path(THRASK_DATA_DIR);
    {
        ReplayRun run(game);
        ASSERT_TRUE(run.begin(error)) << error;
        EXPECT_EQ(settingsHost().settings(), started);
        EXPECT_TRUE(keepAspect);
        EXPECT_FALSE(hudShown);
        while (!run.finished())
            run.frame(nullptr, [] { renderer().finish(); });
        EXPECT_EQ(run.playback().departure(), "");
        EXPECT_EQ(describeGameState(), game.finalState);
        EXPECT_TRUE(settingsHost().settings().fullScreen != started.fullScreen) << "the recorded F11 played";
        run.end();
    }
    EXPECT_EQ(&settingsHost(), &watcher);
    EXPECT_EQ(watcher.settings(), watchers);
    EXPECT_EQ(watchersOutside.changes, 0) << "nothing reached the watcher's window, keys or file";
    EXPECT_FALSE(keepAspect);
    EXPECT_TRUE(hudShown);
    shutDownScreens();
    useSettingsHost(nullptr);
    fs::current_path(home);

    // The settings it carries are what makes it play alike: with the
    // watcher's instead, the pointer lands on Return Game and the run departs.
    Replay others = game;
    others.settings = settingsText(watchers);
    EXPECT_FALSE(runReplay(others, THRASK_DATA_DIR).departure.empty());
}

TEST(RecordingShelf, TheLastGamesAndTheListedOnesStayAndForeignFilesAreLeftAlone)
{
    OffscreenRenderer context{RendererKind::gl1, 64, 48};
    ASSERT_TRUE(context.valid());
    const std::string header = "thrask-scores 1\n";
    writeFile("kept/scores", header + "500 1 2000-01-01 20000101-000000.replay listed\n");
    writeFile("kept/replays/20000101-000000.replay", "the listed game, the oldest of all");
    writeFile("kept/replays/20000101-000002.replay", "an old game of the game's own");
    writeFile("kept/replays/notes.txt", "the player's own file");
    fs::create_directories("kept/replays/20000101-000001.replay");
    {
        GameSession session("kept", false);
        const int games = static_cast<int>(ReplayShelf::kept) + 2;
        for (int i = 0; i < games; ++i) {
            if (i == 0) {
                session.press(vk::down);
            } else {
                // Esc, then New Game in the in-game menu: the game before ends.
                session.press(vk::escape);
                ASSERT_TRUE(session.runUntil([] {
                    const TitleScreen* menu = showing<TitleScreen>();
                    return settled(menu) && menu->inGame;
                }));
                session.press(vk::down);
                session.press(vk::down);
            }
            session.press(vk::enter);
            ASSERT_TRUE(session.runUntil([] { return settled(showing<PlayScreen>()); })) << "game " << i;
            session.frame();
            ASSERT_TRUE(session.games().recording()) << "game " << i;
        }
    }
    const std::vector<std::string> left = recordings("kept/replays");
    int own = 0;
    for (const std::string& name : left)
        own += ReplayShelf::ownName(name) && fs::is_regular_file("kept/replays/" + name) ? 1 : 0;
    EXPECT_EQ(own, static_cast<int>(ReplayShelf::kept) + 1) << "the last games and the listed one";
    EXPECT_TRUE(fs::exists("kept/replays/20000101-000000.replay"));
    EXPECT_FALSE(fs::exists("kept/replays/20000101-000002.replay"));
    EXPECT_EQ(readFile("kept/replays/notes.txt"), "the player's own file");
    EXPECT_TRUE(fs::is_directory("kept/replays/20000101-000001.replay"));

    // Every game kept, from New Game (its intro text showing) to the
    // in-game menu's New Game that left it for another (the last one to the
    // program's end), plays back to that end.
    int leftForAnother = 0;
    for (const std::string& name : left) {
        if (!ReplayShelf::ownName(name) || name == "20000101-000000.replay" || !fs::is_regular_file("kept/replays/" + name))
            continue;
        SCOPED_TRACE(name);
        Replay game;
        std::string error;
        ASSERT_TRUE(readReplayFile("kept/replays/" + name, game, error)) << error;
        EXPECT_TRUE(game.gameStart.introShowing);
        const ReplayOutcome played = runReplay(game, THRASK_DATA_DIR);
        EXPECT_TRUE(played.matches(game)) << played.departure;
        leftForAnother += played.finalState.rfind("screen fade in-game-menu -> play\n", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(leftForAnother, static_cast<int>(ReplayShelf::kept) - 1);
}

TEST(RecordingShelf, AListedGameThatCannotBeWatchedSaysWhy)
{
    OffscreenRenderer context{RendererKind::gl1, 64, 48};
    ASSERT_TRUE(context.valid());
    Replay other;
    other.dataFiles = {{"Levels/l1.lvl", 3, 4}};
    writeFile("replays/20240101-000000.replay", encodeReplay(other));
    writeFile("replays/20240101-000001.replay", "THRASKRP\x02");
    ReplayShelf shelf("replays", THRASK_DATA_DIR);
    EXPECT_EQ(shelf.problem("20240101-000000.replay"), "it was recorded with other game data");
    EXPECT_EQ(shelf.problem("20240101-000001.replay"), "its recording is damaged");
    EXPECT_EQ(shelf.problem("20240101-000002.replay"), "its recording is no longer kept");
    Replay read;
    std::string error;
    EXPECT_FALSE(shelf.load("20240101-000000.replay", read, error));
    EXPECT_NE(error.find("other game data (Levels/l1.lvl"), std::string::npos) << error;
    EXPECT_FALSE(shelf.load("../scores", read, error));

    // A file in the folder's place: no recording can be made, and the reason is given.
    writeFile("blocked", "a file");
    ReplayShelf blocked("blocked", THRASK_DATA_DIR);
    EXPECT_EQ(blocked.newName(error), "");
    EXPECT_NE(error.find("blocked"), std::string::npos);
    ReplayShelf none("", THRASK_DATA_DIR);
    EXPECT_EQ(none.newName(error), "");
}

TEST(RecordingShelf, ADiskThatFillsUpGivesTheRecordingUpAndTheGamePlaysOn)
{
    OffscreenRenderer context{RendererKind::gl1, 64, 48};
    ASSERT_TRUE(context.valid());
    renderer().finish();
    // The child that owns the tiny disk has no renderer's threads: it runs
    // the recorder's side of the frames (a frame's tick, its messages, its
    // end) on a game's play screen, without drawing.
    const int result = tinydisk::run("size=64k", [] {
        // The session works in the data folder: the disk is named whole.
        const fs::path disk = fs::current_path();
        GameSession session("kept", false);
        auto* play = new PlayScreen;
        play->enter();
        play->setup(1);
        gameEvents().gameStarted(play);
        delete currentScreen;
        currentScreen = play;
        session.games().afterFrame();
        if (!session.games().recording())
            return 1;
        const std::string name = session.games().name();
        // The rest of the disk goes to another file.
        {
            std::ofstream filler(disk / "filler", std::ios::binary);
            const std::string block(1024, 'x');
            while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
                ;
        }
        for (int i = 0; i < 100000 && session.games().recording(); ++i) {
            session.games().frameTick();
            session.games().input(message(Message::KeyDown, vk::right));
            session.games().endFrame();
        }
        if (session.games().recording())
            return 2;
        if (fs::exists(disk / "kept/replays" / name))
            return 3; // the cut recording takes no room
        const std::vector<std::string>& notices = session.book().notices();
        if (notices.empty() || notices.back().find("This game's replay was not kept: No space left") != 0)
            return 4;
        return showing<PlayScreen>() == play ? 0 : 5;
    });
    if (result == tinydisk::unavailable)
        GTEST_SKIP() << "no tmpfs of the test's own here: the full disk case did not run";
    EXPECT_EQ(result, 0);
}
