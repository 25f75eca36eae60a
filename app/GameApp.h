#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/FramePacer.h"
#include "app/GameOptions.h"
#include "app/Recorder.h"
#include "menus/Settings.h"
#include "platform/GameWindow.h"
#include "platform/SdlAudio.h"
#include "render/PicturePreloader.h"

class GameHost;
class GameRecorder;
class GameSettings;
class MessageDrain;
class PlayerSettings;
class Renderer;
class RendererInstall;
class ReplayShelf;
class ReplayWatch;
class ScoreBook;
class StartupReplay;
struct Message;

// The program: reads the command line, switches the display or opens a
// window, creates the title screen and runs the game one frame at a time
// until the window is closed, the menu's Quit Game clears running, or the
// process is asked to end (SIGTERM, SIGINT).
//
// The player's settings come from the settings file with the command line
// over them (PlayerSettings). Every game the player plays is recorded into
// the player's replays folder (GameRecorder), beside the best scores
// (ScoreBook); a game on the best-score list can be watched again in the
// window (ReplayWatch). With -record FILE the whole run is written to FILE
// as it is played; with -replay FILE a recorded run is shown again from its
// own input and ticks (StartupReplay; Esc ends it and the title menu takes
// over).
//
// Use: start(); while it returns runFrames, frame() until it returns false;
// then finish(). One GameApp runs at a time (it installs the game's
// services and the signal handlers).
class GameApp {
public:
    // What start returns when the game runs.
    static constexpr int runFrames = -1;

    // `waits`: whether the game sleeps between frames itself (the desktop's
    // loop) or its caller paces the frames (the browser's animation frames;
    // frame() then never sleeps or spins).
    explicit GameApp(FrameWaits waits = FrameWaits::inGame);
    // Releases what start opened, if finish has not.
    ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    // Start-up: reads the options, settles the folders, opens the window,
    // the renderer, the sound and the recordings, and makes the title
    // screen (or begins the -replay recording) current. Returns runFrames
    // when the game is to run frames; otherwise the exit status, with
    // everything opened released: 0 after -help or -version, 2 for a word an
    // option does not take (the usage line printed), 1 when there is no
    // display, no game data, a recording that cannot be read or written, or
    // another option that cannot be used. The reasons go to standard error.
    int start(int argc, char** argv);

    // One pass of the frame loop: a frame of the recording being watched,
    // or the game's frame (runFrame), the pictures loaded ahead while the
    // title menu rests, the wait until the next frame is due (inGame only),
    // then every pending message to the recordings and the window
    // procedure, and a game chosen on the best-score list starts being
    // watched. Returns false once the game has ended (Quit Game, the
    // window closed, SIGTERM or SIGINT); nothing runs then.
    bool frame();

    // Ends the recordings (saying how -record and -replay went) and
    // releases the screens, the sound, the renderer and the window, each
    // once. Returns the exit status: 0, or 1 when the -record file could not
    // be written whole (the reason on standard error). Later calls do
    // nothing and return 0.
    int finish();

private:
    // The steps of start, each false (or an exit status) when the game
    // cannot go on.
    int readOptions(int argc, char** argv);
    bool openFolders(const char* program);
    bool openWindow();
    bool openRecordings(int argc, char** argv);
    void openServices();
    bool startFirstScreen();

    // The steps of frame.
    void replayFrame();
    void watchFrame();
    void gameFrame();
    // Hands a message to the recordings, then to the window procedure.
    void deliver(const Message& message);
    // A warning the player must see: on standard error, and in a box
    // waiting for OK unless -nodialogs.
    void warn(const char* text, const char* caption) const;
    // The frame clock's tick: the recording's while one is written.
    std::uint32_t frameTick();

    // Everything start opened, in the reverse order.
    void release();

    FrameWaits waits_;
    GameOptions options_;
    std::vector<std::string> displayWords_;
    GameWindow window_;
    std::unique_ptr<ScoreBook> book_;
    std::unique_ptr<ReplayShelf> shelf_;
    std::unique_ptr<StartupReplay> replay_;
    std::unique_ptr<PlayerSettings> player_;
    Settings playerSettings_;
    std::unique_ptr<Renderer> drawing_;
    std::unique_ptr<RendererInstall> installed_;
    std::unique_ptr<GameSettings> settings_;
    Recorder recorder_;
    std::unique_ptr<GameRecorder> games_;
    std::unique_ptr<GameHost> host_;
    std::unique_ptr<ReplayWatch> watch_;
    SdlAudio sound_;
    std::unique_ptr<FramePacer> pacer_;
    std::unique_ptr<MessageDrain> drain_;
    std::unique_ptr<PicturePreloader> preloader_;
    bool opened_ = false;
    bool released_ = false;
};
