#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/ReplayFile.h"

struct Message;

// Runs a recording back: hands the game the recorded tick counts and
// messages in the order it read them, and compares the state hashes the
// recording holds. While a playback runs, the play screen's tick reads (the
// level's random seed) come from it.
//
// The game departs from the recording when it reads the clock where the
// recorded run did not (or the other way round), or when a state hash
// differs; the first departure is kept with its frame number, and the
// playback goes on as well as it can.
class Playback {
public:
    // Keeps a reference to replay, which must outlive the playback.
    explicit Playback(const Replay& replay);
    ~Playback();
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // Sets the random generator to the recorded state and takes over the
    // play screen's tick reads.
    void begin();
    // Gives the play screen's tick reads back to the platform's clock (the
    // destructor does too).
    void release();

    // No frame is left to run.
    bool finished() const;

    // The next frame's tick: starts a frame.
    std::uint32_t frameTick();
    // The tick the next frame will start with, without starting it (the
    // last tick handed out when no frame is left).
    std::uint32_t nextFrameTick() const;
    // The next tick read that is not the frame clock's.
    std::uint32_t readTick();
    // Hands every message recorded up to the next frame to dispatch, in order.
    void dispatchInputs(const std::function<void(const Message&)>& dispatch);
    // After the frame's messages: compares the recorded state hash, if the
    // recording holds one for this frame.
    void checkHash();

    // Frames started so far.
    int frame() const { return frame_; }
    // Frames the recording holds.
    int frameCount() const { return frameCount_; }
    // The first departure ("frame 120: the state hash differs"), or empty.
    const std::string& departure() const { return departure_; }
    // Hashes compared so far.
    int hashesChecked() const { return hashesChecked_; }

private:
    static std::uint32_t playTick();
    // Skips tick reads the game did not make, noting the departure.
    void skipStrayTicks();
    void depart(const std::string& what);

    const Replay& replay_;
    std::size_t next_ = 0;
    int frame_ = 0;
    int frameCount_ = 0;
    int hashesChecked_ = 0;
    std::uint32_t lastTick_ = 0;
    std::string departure_;
};
