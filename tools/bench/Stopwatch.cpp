#include "tools/bench/Stopwatch.h"

#include <ctime>

namespace {

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
}

} // namespace

void Stopwatch::restart()
{
    wallStart_ = std::chrono::steady_clock::now();
    cpuStartMs_ = threadCpuMs();
}

double Stopwatch::wallMs() const
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart_).count();
}

double Stopwatch::cpuMs() const
{
    return threadCpuMs() - cpuStartMs_;
}
