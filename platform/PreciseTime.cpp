#include "platform/PreciseTime.h"

#include <sched.h>
#include <time.h>

namespace {

constexpr std::int64_t microsecondsPerSecond = 1000000;
constexpr long nanosecondsPerMicrosecond = 1000;

} // namespace

std::int64_t monotonicMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * microsecondsPerSecond
        + now.tv_nsec / nanosecondsPerMicrosecond;
}

void sleepMicroseconds(std::int64_t microseconds)
{
    if (microseconds <= 0)
        return;
    timespec wanted{};
    wanted.tv_sec = static_cast<time_t>(microseconds / microsecondsPerSecond);
    wanted.tv_nsec = static_cast<long>(microseconds % microsecondsPerSecond) * nanosecondsPerMicrosecond;
    // A signal (SIGTERM ends the game) wakes the sleep early; the caller
    // looks at the clock again anyway, so the rest is not slept.
    timespec rest{};
    nanosleep(&wanted, &rest);
}

void yieldProcessor()
{
    sched_yield();
}
