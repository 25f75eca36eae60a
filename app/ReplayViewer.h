#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/FramePacer.h"
#include "app/ReplayRun.h"
#include "menus/ReplayBanner.h"

class GameWindow;

// Watching a recorded run in the game's window (-replay FILE, or a game
// chosen on the best-score list): the run takes its ticks and messages
// from the recording (ReplayRun), each frame shown no sooner than it was in
// the recorded run unless fast, while the player's own input is ignored
// but for Esc, which stops the replay, and closing the window, which stops
// it and asks the program to end. The keys the player presses and lets go
// meanwhile are followed, so that the game the player comes back to can be
// told which keys are no longer held.
class ReplayViewer {
public:
    // Keeps a reference to replay, which must outlive the viewer.
    // `interrupted` is asked while a frame waits for its time (the program
    // is asked to end). `keysHeld` are the keys held when watching starts.
    // `banner` is the line shown along the picture's foot while it plays.
    // With FrameWaits::byCaller the viewer never waits: a call to frame()
    // before the next recorded frame is due only takes the window's messages,
    // and a fast one plays as many recorded frames as a display's frame time
    // allows, drawing only the last (what is drawn never changes what the
    // game computes).
    ReplayViewer(const Replay& replay, bool fast, std::function<bool()> interrupted,
                 const unsigned char* keysHeld, const std::string& banner,
                 FrameWaits waits = FrameWaits::inGame);

    // Begins the run (ReplayRun::begin); false with the reason in `error`.
    bool start(std::string& error);

    // One recorded frame (once it is due, with FrameWaits::byCaller; fast,
    // as many as fit in a display's frame), then the window's own messages.
    void frame(GameWindow& window);

    // The replay is over: no frame is left, the recorded run ended (its
    // Quit Game), Esc stopped it or the window was closed.
    bool done() const;
    // The window was closed while the replay ran.
    bool quitAsked() const { return quit_; }

    // Says how the replay went: one line on standard output, or on standard
    // error for a replay that departed from the recording.
    void report() const;

    // Ends the run (ReplayRun::end).
    void end() { run_.end(); }

    // The keys held on the keyboard and the pads now, 256 entries.
    const unsigned char* keysHeld() const { return keysHeld_; }
    // The pointer moved while the replay ran; it is now at (x, y), client
    // pixels.
    bool pointerMoved(int& x, int& y) const;

private:
    void waitFor(std::uint32_t tick) const;
    // One recorded frame, drawn and shown.
    void playFrame(GameWindow& window);
    // Fast on the caller's frames: recorded frames for fastCallBudget, the
    // last of them drawn.
    void fastFrames(GameWindow& window);
    // The recorded time of `tick` has come, counted from the start.
    bool due(std::uint32_t tick) const;
    // Takes the watcher's messages off the window's queue.
    void takeMessages(GameWindow& window);

    const Replay& replay_;
    ReplayRun run_;
    bool fast_;
    FrameWaits waits_;
    std::function<bool()> interrupted_;
    // Built at start, once the window's context stands.
    std::unique_ptr<ReplayBanner> banner_;
    std::string bannerText_;
    bool stopped_ = false;
    bool quit_ = false;
    std::uint32_t realStart_ = 0;
    std::uint32_t recordedStart_ = 0;
    unsigned char keysHeld_[256] = {};
    bool pointerMoved_ = false;
    int pointerX_ = 0;
    int pointerY_ = 0;
};
