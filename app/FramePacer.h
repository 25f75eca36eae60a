#pragma once

#include <array>
#include <cstdint>
#include <functional>

// Who waits between frames: the game itself (on the desktop it sleeps until
// the next frame is due, FramePacer), or whoever calls each frame (the
// browser, whose animation frames come at the display's pace): the game then
// never sleeps or spins between frames, and a recorded frame not yet due is
// left for a later call.
enum class FrameWaits { inGame, byCaller };

// Decides when the next frame may start, so the game draws no more frames
// than the player can see. It only ever waits between two frames: the frame
// clock, frameStep and every rule go on measuring the real time between
// frames, so a paced game plays exactly as an unpaced one with the same
// frame times.
//
// The target is `-fps N` frames a second when N > 0 (always, vsync or not);
// none with -fps 0 (the buffer swap alone paces, as vsync allows); by
// default the display's refresh rate (60 Hz when the display does not say),
// but only once the swap is seen not to pace: with -novsync at once, with
// vsync asked for as soon as most of the last watchedFrames frames came
// faster than the display can show them (drivers and X servers that accept
// vsync without honouring it). Once it paces, it keeps pacing.
//
// Frames that already take longer than the target are never delayed, and a
// late frame does not make the next ones hurry to catch up.
class FramePacer {
public:
    // The clock and the waits, in microseconds: the platform's in the game
    // (platform/PreciseTime.h), fakes in the tests.
    struct Clock {
        std::function<std::int64_t()> now;        // a monotonic clock
        std::function<void(std::int64_t)> sleep;  // sleeps about that long, often a little longer
        std::function<void()> yield;              // gives the processor away for a moment
    };

    // The frames looked at when vsync is asked for, and how many of them must
    // be too fast for the display before the pacer takes over.
    static constexpr int watchedFrames = 16;
    static constexpr int fastFramesToPace = 12;

    // fps: the -fps option (below 0: follow the display, 0: unlimited).
    // vsyncAsked: vsync was requested (no -novsync). displayHz: the display's
    // refresh rate, 0 when unknown.
    FramePacer(int fps, bool vsyncAsked, int displayHz, Clock clock);

    // Called once a frame, after the buffer swap: notes when the frame ended
    // and, when the game paces itself, waits until the next frame is due
    // (sleeping most of the time, yielding through the last moment, whose
    // length follows how late the sleeps have woken up). A still picture (a
    // menu at rest, Screen::stillPicture) paced to the display waits one
    // display interval more: nothing on it moves but with the player's
    // input, and half the frames cost half the processor time. -fps N and
    // -fps 0 hold their rate whatever the picture.
    //
    // swapped is false for a frame that drew nothing new and so had no swap
    // (the picture shown was already the frame's): where vsync paces the
    // game, such a frame waits one display interval from the last frame's
    // end instead, as the swap would have, and is not taken as a frame the
    // display came too fast for.
    void frameDone(bool stillPicture = false, bool swapped = true);

    // Whether the game waits between frames now.
    bool pacing() const { return pacing_; }

    // The time between frame starts the pacer holds, in microseconds; 0 with
    // -fps 0.
    std::int64_t interval() const { return interval_; }

private:
    // Notes a frame while the swap is still trusted to pace.
    void watch(std::int64_t now);
    // Sleeps and yields until the clock reads `deadline`.
    void waitUntil(std::int64_t deadline);

    Clock clock_;
    std::int64_t interval_ = 0;
    // The display's interval, for frames without a swap while vsync paces;
    // 0 when vsync was not asked for.
    std::int64_t swapInterval_ = 0;
    std::int64_t lastEnd_ = -1;       // when the last frame ended; -1 before the first
    bool pacing_ = false;
    bool followsDisplay_ = false;     // the rate is the display's, not -fps N
    bool watching_ = false;
    std::int64_t next_ = 0;           // when the next frame may start, while pacing
    std::int64_t lastFrameEnd_ = -1;  // while watching; -1 before the first frame
    std::array<bool, watchedFrames> fast_{};
    int watched_ = 0;
    std::int64_t margin_;             // the last stretch of a wait spent yielding
    std::int64_t worstOversleep_ = 0; // how late sleeps have woken up, fading
};
