#include "app/FramePacer.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::int64_t microsecondsPerSecond = 1000000;
// The refresh rate assumed when the display does not give one.
constexpr int fallbackDisplayHz = 60;
// A frame counts as faster than the display shows when it took less than
// this share of a refresh interval (vsync never lets one through that fast).
constexpr std::int64_t fastShareNumerator = 3;
constexpr std::int64_t fastShareDenominator = 4;
// The stretch before a frame is due that is spent yielding instead of
// sleeping: it starts at a millisecond and then follows the worst recent
// oversleep of the system's sleep, with some room, within these bounds.
constexpr std::int64_t firstMargin = 1000;
constexpr std::int64_t smallestMargin = 200;
constexpr std::int64_t largestMargin = 2000;
constexpr std::int64_t marginRoom = 100;
// Each wait lets the worst oversleep remembered fade by this share.
constexpr std::int64_t oversleepFadeNumerator = 15;
constexpr std::int64_t oversleepFadeDenominator = 16;

} // namespace

FramePacer::FramePacer(int fps, bool vsyncAsked, int displayHz, Clock clock)
    : clock_(std::move(clock)), margin_(firstMargin)
{
    if (vsyncAsked)
        swapInterval_ = microsecondsPerSecond / (displayHz > 0 ? displayHz : fallbackDisplayHz);
    if (fps == 0)
        return;
    const int rate = fps > 0 ? fps : (displayHz > 0 ? displayHz : fallbackDisplayHz);
    interval_ = microsecondsPerSecond / rate;
    followsDisplay_ = fps < 0;
    pacing_ = fps > 0 || !vsyncAsked;
    watching_ = !pacing_;
    next_ = clock_.now() + interval_;
}

void FramePacer::frameDone(bool stillPicture, bool swapped)
{
    std::int64_t now = clock_.now();
    if (!swapped && !pacing_ && swapInterval_ > 0) {
        // No swap waited for the display: the wait is the pacer's.
        if (lastEnd_ >= 0 && now < lastEnd_ + swapInterval_) {
            waitUntil(lastEnd_ + swapInterval_);
            now = clock_.now();
        }
        lastEnd_ = now;
        if (watching_)
            lastFrameEnd_ = now;
        return;
    }
    lastEnd_ = now;
    if (interval_ == 0)
        return;
    if (watching_) {
        watch(now);
        return;
    }
    const std::int64_t due = stillPicture && followsDisplay_ ? next_ + interval_ : next_;
    if (now < due) {
        waitUntil(due);
        next_ = due + interval_;
    } else if (now - due >= interval_) {
        // A whole frame late or more: the schedule starts again from here
        // rather than letting the next frames come early.
        next_ = now + interval_;
    } else {
        next_ = due + interval_;
    }
}

void FramePacer::watch(std::int64_t now)
{
    if (lastFrameEnd_ >= 0) {
        const bool fast = (now - lastFrameEnd_) * fastShareDenominator < interval_ * fastShareNumerator;
        fast_[static_cast<std::size_t>(watched_ % watchedFrames)] = fast;
        ++watched_;
    }
    lastFrameEnd_ = now;
    const int fastCount = static_cast<int>(std::count(fast_.begin(), fast_.end(), true));
    if (fastCount < fastFramesToPace)
        return;
    watching_ = false;
    pacing_ = true;
    next_ = now + interval_;
}

void FramePacer::waitUntil(std::int64_t deadline)
{
    worstOversleep_ = worstOversleep_ * oversleepFadeNumerator / oversleepFadeDenominator;
    std::int64_t now = clock_.now();
    while (deadline - now > margin_) {
        const std::int64_t asked = deadline - now - margin_;
        clock_.sleep(asked);
        const std::int64_t woke = clock_.now();
        worstOversleep_ = std::max(worstOversleep_, woke - now - asked);
        now = woke;
    }
    while (now < deadline) {
        clock_.yield();
        now = clock_.now();
    }
    margin_ = std::clamp(worstOversleep_ + marginRoom, smallestMargin, largestMargin);
}
