#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/Recorder.h"

class PlayScreen;
class ReplayShelf;
class Screen;
struct Message;

// Records every game the player plays into a file of its own on the shelf
// (ReplayShelf): from the frame in which the game's play screen first
// becomes the current screen after New Game or Load Game, to the game's
// end: the death's hand-over, the ending screen, the program's end, or
// another game started. The recording starts with the state of that frame
// (ReplayGameStart), the settings then, the saved games and the best
// scores, so it plays back from there on its own.
//
// The frame loop tells it where it is (afterFrame, input, endFrame); the
// best scores learn each game's day and recording (ScoreBook::startGame).
// A recording that cannot be made or written through (a full disk) is
// given up with one notice, its file removed, and the game plays on. After
// each recording the shelf keeps the last games and the listed ones, and
// the platform's storage is told the folder changed (storage().written).
class GameRecorder {
public:
    // `commandLine` goes into every recording. Without a `leader` the
    // recorder reads `clock` itself and takes the play screen's tick reads
    // while it records; with one (a -record recording of the whole run) it
    // records the ticks the leader reads, and the frame loop reads the
    // leader's clock instead.
    GameRecorder(ReplayShelf& shelf, std::vector<std::string> commandLine,
                 std::function<std::uint32_t()> clock, Recorder* leader);
    // Finishes a recording still running.
    ~GameRecorder();
    GameRecorder(const GameRecorder&) = delete;
    GameRecorder& operator=(const GameRecorder&) = delete;

    // The player has started a game with `game` as its play screen.
    void gameStarted(const Screen* game);

    // After the frame loop's runFrame: a game started earlier whose play
    // screen is current now begins its recording.
    void afterFrame();
    // A message, just before the window procedure acts on it.
    void input(const Message& message);
    // After the frame's messages: the state hash, and the end of the
    // recording when its game has ended or another has started.
    void endFrame();
    // The program ends: the recording running, if any, is finished.
    void finish();

    bool recording() const { return recorder_.active(); }
    // The frame clock's tick while recording without a leader.
    std::uint32_t frameTick() { return recorder_.frameTick(); }

    // The file name of the recording running (empty for none).
    const std::string& name() const { return name_; }

    // Removes the shelf's recordings of games that are neither among the
    // last it keeps nor on the best scores (nor the one running).
    void prune() const;

    static constexpr std::uint16_t hashEvery = 8;

private:
    void start(const PlayScreen& play);
    // Ends the recording running; its file stays only when it was written
    // completely.
    void stop();
    // The recording could not be made or written: said once, file removed.
    void giveUp(const std::string& why);

    ReplayShelf& shelf_;
    std::vector<std::string> commandLine_;
    std::function<std::uint32_t()> clock_;
    Recorder* leader_;
    Recorder recorder_;
    std::string name_;
    std::string date_;
    // The play screen of a game started and not yet recorded; compared,
    // never followed.
    const Screen* pending_ = nullptr;
};
