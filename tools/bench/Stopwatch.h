#pragma once

#include <chrono>

// Times one stretch of the benchmark twice: by the wall clock, and by the CPU
// time of the calling thread alone. The thread's CPU time leaves out the time
// other programs on a shared machine take from it and the work Mesa's
// rasteriser threads do in parallel, so it is the steadier measure of what
// the game's own code costs; the wall time includes waiting for files and for
// those threads.
class Stopwatch {
public:
    Stopwatch() { restart(); }

    void restart();

    // Milliseconds since construction or the last restart.
    double wallMs() const;
    double cpuMs() const;

private:
    std::chrono::steady_clock::time_point wallStart_;
    double cpuStartMs_ = 0.0;
};
