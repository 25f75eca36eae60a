#pragma once

#include <string>

class Screen;

// What the screens tell the program around them, and ask of it, beside the
// game itself: the game's program records each game the player starts and
// shows a recorded game when asked. Nothing the game computes depends on
// these calls or on their answers, so a run plays the same whoever listens;
// by default nobody does.
class GameEvents {
public:
    virtual ~GameEvents() = default;

    // The player has started a game: New Game, or a saved game loaded.
    // `game` is the play screen the fade now brings in (not owned).
    virtual void gameStarted(const Screen* game) { (void)game; }

    // The player asks to watch the recorded game `replay` (a file name in
    // the replays folder, as the best-score list holds it). It is shown
    // after this frame's messages; the screen that asked is current again
    // afterwards, as it was.
    virtual void watchReplay(const std::string& replay) { (void)replay; }

    // Why the recorded game `replay` cannot be watched, in a few words
    // ("it was recorded with other game data"); empty when it can. It only
    // reads, for drawing.
    virtual std::string replayProblem(const std::string& replay) const
    {
        (void)replay;
        return std::string();
    }
};

// The listener the screens tell: the one installed with listenToGame, or
// one that does nothing.
GameEvents& gameEvents();

// Installs events (not owned; it must outlive its use); null restores the
// listener that does nothing.
void listenToGame(GameEvents* events);
