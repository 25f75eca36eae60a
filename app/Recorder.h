#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/ReplayFile.h"

struct Message;

// Records a run as it is played (-record FILE): every tick count the game
// reads and every message before it reaches the window procedure, with the
// state hash every hashEvery frames, so that Playback can run the same game
// again. While a recorder is recording, the play screen's tick reads (the
// level's random seed) go through it.
class Recorder {
public:
    Recorder() = default;
    // Ends a recording that was not finished without writing its end, as a
    // crash would leave it, and gives the tick reads back to the platform.
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Writes the header of a recording from the program's start: the
    // game's version, the random generator's state, the command line, the
    // checksums of the data in dataDir, the saved games in savesDir, the
    // run's settings (as the settings file writes them), the day and the
    // best scores (scoreBook()). `clock` is the tick source being recorded.
    // False, with the reason in `error`, when the file cannot be created.
    bool start(const std::string& path, const std::vector<std::string>& commandLine,
               const std::string& dataDir, const std::string& savesDir, const std::string& settings,
               std::uint16_t hashEvery, std::function<std::uint32_t()> clock, std::string& error);

    // The same with a header made by the caller (its events are not
    // written). Without a clock the recorder records the ticks another
    // recorder reads and hands it (echoTicksTo), and leaves the play
    // screen's tick reads to that one.
    bool start(const std::string& path, const Replay& header, std::uint16_t hashEvery,
               std::function<std::uint32_t()> clock, std::string& error);

    // The header start() writes for a run from the program's start.
    static Replay programHeader(const std::vector<std::string>& commandLine, const std::string& dataDir,
                                const std::string& savesDir, const std::string& settings);

    // A tick read by the frame clock: starts a frame.
    std::uint32_t frameTick();
    // Any other tick read: before the first frame and the levels' seeds.
    std::uint32_t readTick();

    // Every tick this recorder reads from now on is recorded by `follower`
    // too (null: by nobody): a recording of one game inside a recording of
    // the whole run. The follower must stay until it is handed null.
    void echoTicksTo(Recorder* follower) { follower_ = follower; }
    // A frame or tick read by the recorder that echoes its ticks here.
    void echoedFrame(std::uint32_t tick);
    void echoedTick(std::uint32_t tick);
    // A message, just before the window procedure acts on it.
    void input(const Message& message);
    // After the frame's messages: writes the state hash on every
    // hashEvery-th frame.
    void endFrame();

    // Writes the final state and closes the file. False, with the reason in
    // `error`, when the recording could not be written completely.
    bool finish(std::string& error);

    bool recording() const { return writer_.ok(); }
    // Started and not yet finished, whether or not writing has failed
    // since: the ticks still go through it.
    bool active() const { return active_; }
    const std::string& error() const { return writer_.error(); }
    int frames() const { return frames_; }

private:
    static std::uint32_t playTick();
    void writeTick(ReplayEvent::Type type, std::uint32_t tick);

    ReplayWriter writer_;
    std::function<std::uint32_t()> clock_;
    Recorder* follower_ = nullptr;
    bool active_ = false;
    std::uint16_t hashEvery_ = 0;
    int frames_ = 0;
};
