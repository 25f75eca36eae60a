#include "tools/bench/FrameSampler.h"

#include <algorithm>
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
        // The renderer plays the frame's drawing when the frame ends, so the
        // drawing's time is the frame's, on this thread, less the update's.
        double drawnMs = 0.0;
        runFrame(nextTick, [&watch, &drawnMs] {
            drawnMs = watch.cpuMs();
            renderer().finish();
        });
        const double cpuMs = drawnMs > 0.0 ? drawnMs : watch.cpuMs();
        const double frameMs = watch.wallMs();
        if (currentScreen != &timed)
            return false;
        if (i < warmUp_)
            continue;
        const double renderMs = std::max(timed.renderMs, cpuMs - timed.updateMs);
        update.add(timed.updateMs);
        render.add(renderMs);
        updateAndRender.add(timed.updateMs + renderMs);
        frame.add(frameMs);
    }
    currentScreen = nullptr;
    return true;
}
