#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/GameSettings.h"
#include "app/Playback.h"
#include "app/ReplayData.h"
#include "app/ReplayFile.h"
#include "play/ScoreBook.h"
#include "play/Ticks.h"

class GameEvents;

// A recorded run played in this process, frame by frame, exactly as the
// game ran it: the same start (the title screen after start-up's messages,
// or the game a recording of one game starts in), frame loop and message
// dispatch. The window's viewer, the replay tool and the benchmark share it.
//
// While it runs it has taken the game over: its own save folder holding
// the recording's saved games, the recording's best scores in memory
// (none for a recording made without them), the recording's settings
// (acting on the game only: the watcher's window, keys and settings file
// stay as they are), the ticks and the random generator; the screens' requests (a game
// started, a replay to watch) go to nobody. Whatever screens the player had
// must have been put aside by the caller before begin, since the run
// frees every screen it leaves behind.
class ReplayRun {
public:
    // Keeps a reference to replay, which must outlive the run.
    explicit ReplayRun(const Replay& replay);
    // Ends the run if it was begun and not ended.
    ~ReplayRun();
    ReplayRun(const ReplayRun&) = delete;
    ReplayRun& operator=(const ReplayRun&) = delete;

    // Takes the game over and makes the recorded start. False, with the
    // reason in `error`, when the save folder cannot be made or the game
    // the recording starts in does not rebuild; the run is then already
    // ended.
    bool begin(std::string& error);

    // No recorded frame is left.
    bool finished() const { return playback_.finished(); }

    // Called after every hand-over of the recording's messages (the start's
    // included), where it may change what only the drawing sees: the
    // viewport a tool fills with the picture whatever size was recorded.
    // Set before begin.
    void afterInputs(std::function<void()> hook) { afterInputs_ = std::move(hook); }

    // One recorded frame: its tick is handed to `pace` (which may wait
    // until it is due) before the frame runs; then the messages recorded
    // after it are dispatched and the recorded hash is compared. `drawOver`
    // draws over the screen's picture before the frame ends (the watcher's
    // banner); `swap` shows the frame, when it drew anything new.
    void frame(const std::function<void(std::uint32_t tick)>& pace, const std::function<void()>& swap,
               const std::function<void()>& drawOver = nullptr);

    // Frees every screen the run left, and gives back what begin took over.
    void end();

    const Playback& playback() const { return playback_; }

private:
    // Dispatches the messages recorded after the frame, then afterInputs.
    void handOverInputs();

    const Replay& replay_;
    Playback playback_;
    ReplayFolder folder_;
    ScoreBook book_;
    bool begun_ = false;
    std::string playersSaves_;
    GameSettings settings_;
    SettingsHost* playersSettings_ = nullptr;
    ScoreBook* playersBook_ = nullptr;
    GameEvents* playersEvents_ = nullptr;
    PlayTickSource playersTicks_ = nullptr;
    std::function<void()> afterInputs_;
};
