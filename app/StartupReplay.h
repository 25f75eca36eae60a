#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/FramePacer.h"
#include "app/ReplayFile.h"

class GameWindow;
class ReplayViewer;

// The recording named by -replay FILE, shown in the window before the
// player gets the title menu: read and checked at start-up, before the
// window opens (it decides the window's size), then played frame by frame
// (ReplayViewer) until it ends, Esc stops it or the window is closed.
class StartupReplay {
public:
    StartupReplay();
    ~StartupReplay();
    StartupReplay(const StartupReplay&) = delete;
    StartupReplay& operator=(const StartupReplay&) = delete;

    // Reads the recording at `path` and checks that it was made with the
    // game data in the working folder; then the display options it was
    // recorded with are read (parseCommandLine) and a recording that starts
    // in a game sets the window size it was recorded in (the command line's
    // own display options, read afterwards, go over both). `program` is the
    // program's name (argv[0]). False, with the reason in `error`, when the
    // file cannot be read or the data differ.
    bool load(const std::string& path, const char* program, bool fast, std::function<bool()> interrupted,
              FrameWaits waits, std::string& error);

    // Begins playing, once the window, its renderer and the sound stand.
    // False with the reason in `error` (ReplayViewer::start).
    bool start(std::string& error);

    // One recorded frame in the window (ReplayViewer::frame).
    void frame(GameWindow& window);

    // The recording is over or was stopped (ReplayViewer::done).
    bool done() const;

    // Says how it went (one line) and gives the game back. Returns whether
    // the window was closed while it played (the game then ends).
    bool end();

    // Whether it is played as fast as it goes (-fast).
    bool fast() const { return fast_; }

private:
    Replay replay_;
    std::unique_ptr<ReplayViewer> viewer_;
    bool fast_ = false;
};
