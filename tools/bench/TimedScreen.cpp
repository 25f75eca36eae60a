#include "tools/bench/TimedScreen.h"

#include "tools/bench/Stopwatch.h"

void TimedScreen::update()
{
    const Stopwatch watch;
    screen_.update();
    updateMs = watch.cpuMs();
}

void TimedScreen::render()
{
    const Stopwatch watch;
    screen_.render();
    renderMs = watch.cpuMs();
}
