#include "tools/bench/RecordingBench.h"

#include <climits>
#include <cstdint>

#include "app/FrameLoop.h"
#include "app/GameRecorder.h"
#include "app/GameRun.h"
#include "app/Globals.h"
#include "app/ReplayShelf.h"
#include "platform/Message.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "play/ScoreBook.h"
#include "render/Renderer.h"
#include "tools/bench/Stopwatch.h"

namespace {

// Frames of each kind in a row before the other kind runs.
constexpr int blockFrames = 10;
// Recordings started for the start's times.
constexpr int startsTimed = 5;
constexpr std::uint32_t ticksPerFrame = 16;
// A key the play screen leaves alone, pressed and let go every frame.
constexpr int idleKey = vk::letter('X');
// Health given before every frame, so the level never ends in the death
// sequence (which would end its recording).
constexpr int benchHealth = INT_MAX / 2;

Message keyMessage(Message::Kind kind)
{
    Message message;
    message.kind = kind;
    message.a = idleKey;
    return message;
}

} // namespace

RecordingBench::Times RecordingBench::run(PlayScreen& play) const
{
    Times times;
    std::uint32_t now = 100000;
    const auto clock = [&now] { return now; };
    ScoreBook book{BestScores()};
    useScoreBook(&book);
    ReplayShelf shelf(folder_, ".");
    GameRecorder games(shelf, {"-win"}, clock, nullptr);
    currentScreen = &play;
    lastTick = now;
    shelf.data(); // once per run of the game, before its first game

    for (int i = 0; i < startsTimed; ++i) {
        games.gameStarted(&play);
        games.endFrame(); // the game before ends
        const Stopwatch watch;
        games.afterFrame();
        times.start.add(watch.wallMs());
    }

    const Message down = keyMessage(Message::KeyDown);
    const Message up = keyMessage(Message::KeyUp);
    for (int frame = 0; frame < 2 * frames_; ++frame) {
        const bool recorded = (frame / blockFrames) % 2 == 1;
        play.hp = benchHealth;
        now += ticksPerFrame;
        const Stopwatch watch;
        if (recorded) {
            runFrame([&games] { return games.frameTick(); }, [] { renderer().finish(); });
            games.afterFrame();
            games.input(down);
            dispatchMessage(down);
            games.input(up);
            dispatchMessage(up);
            games.endFrame();
        } else {
            runFrame(clock, [] { renderer().finish(); });
            dispatchMessage(down);
            dispatchMessage(up);
        }
        (recorded ? times.recorded : times.plain).add(watch.cpuMs());
        if (currentScreen != &play || !games.recording())
            break; // the level handed the game over
    }
    games.finish();
    currentScreen = nullptr;
    freeRetiredScreens();
    useScoreBook(nullptr);
    return times;
}
