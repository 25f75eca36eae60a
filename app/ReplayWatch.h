#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/HeldGame.h"
#include "app/ReplayFile.h"
#include "app/ReplayViewer.h"

class GameWindow;
class ReplayShelf;
struct Message;

// Watching a recorded game chosen on the best-score list, inside the
// running game and its window: the player's game is held aside (HeldGame),
// the recording plays (ReplayViewer), and afterwards the player's game is
// given back as it was and told, as messages handed to `deliver` (so the
// player's own recordings keep them), what changed meanwhile: the keys let
// go, where the pointer went, the window's size, and a quit when the window
// was closed.
class ReplayWatch {
public:
    // `interrupted` is asked while a frame waits for its time; `waits` says
    // who waits between the recording's frames (ReplayViewer).
    ReplayWatch(ReplayShelf& shelf, std::function<bool()> interrupted, FrameWaits waits = FrameWaits::inGame);
    ~ReplayWatch();
    ReplayWatch(const ReplayWatch&) = delete;
    ReplayWatch& operator=(const ReplayWatch&) = delete;

    // Starts watching the recording `name` of the shelf. False, with one
    // line on standard error and the list told why (ReplayShelf::refuse),
    // when it cannot be played; the player's game is then as it was.
    bool begin(const std::string& name);

    bool watching() const { return viewer_ != nullptr; }
    // One frame of the recording.
    void frame(GameWindow& window) { viewer_->frame(window); }
    // The recording is over or was stopped (ReplayViewer::done).
    bool done() const { return viewer_->done(); }

    // Says how it went and gives the player's game back.
    void end(const GameWindow& window, const std::function<void(const Message&)>& deliver);

private:
    ReplayShelf& shelf_;
    std::function<bool()> interrupted_;
    FrameWaits waits_;
    std::unique_ptr<Replay> replay_;
    std::unique_ptr<ReplayViewer> viewer_;
    HeldGame held_;
};
