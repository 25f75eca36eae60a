#include "tools/bench/FrameSampler.h"

#include <cstdint>

#include "app/FrameLoop.h"
#include "app/Globals.h"
#include "render/Renderer.h"
#include "tools/bench/Stopwatch.h"
#include "tools/bench/TimedScreen.h"

namespace {

constexpr std::uint32_t ticksPerFrame = 16;
std::uint32_t benchTicks = 0;

std::uint32_t nextTick()
{
    benchTicks += ticksPerFrame;
    return benchTicks;
}

} // namespace

bool FrameSampler::run(Screen& screen, const std::function<void()>& beforeFrame)
{
    TimedScreen timed(screen);
    currentScreen = &timed;
    lastTick = benchTicks;
    for (int i = 0; i < warmUp_ + frames_; ++i) {
        if (beforeFrame)
            beforeFrame();
        const Stopwatch watch;
        runFrame(nextTick, [] { renderer().finish(); });
        const double frameMs = watch.wallMs();
        if (currentScreen != &timed)
            return false;
        if (i < warmUp_)
            continue;
        update.add(timed.updateMs);
        render.add(timed.renderMs);
        updateAndRender.add(timed.updateMs + timed.renderMs);
        frame.add(frameMs);
    }
    currentScreen = nullptr;
    return true;
}
