#include "platform/BrowserPage.h"

#include <emscripten.h>

#include <cstdlib>
#include <utility>

// The page defines both functions (web/shell.html); a page without them
// stays in its window.
EM_JS(void, thrask_page_full_screen, (int on), {
    if (Module['thraskFullScreen']) Module['thraskFullScreen'](on !== 0);
});

EM_JS(int, thrask_page_full_screen_on, (), {
    return Module['thraskFullScreenOn'] && Module['thraskFullScreenOn']() ? 1 : 0;
});

void browserFullScreen(bool on)
{
    thrask_page_full_screen(on ? 1 : 0);
}

bool browserFullScreenOn()
{
    return thrask_page_full_screen_on() != 0;
}

namespace {

struct PageFrames {
    std::function<bool()> frame;
    std::function<int()> ended;
};

void pageFrame(void* context)
{
    PageFrames& frames = *static_cast<PageFrames*>(context);
    if (frames.frame())
        return;
    emscripten_cancel_main_loop();
    const int status = frames.ended();
    delete &frames;
    std::exit(status);
}

} // namespace

void browserRunFrames(std::function<bool()> frame, std::function<int()> ended)
{
    // Owned by the loop, freed once it ends.
    auto* frames = new PageFrames{std::move(frame), std::move(ended)};
    // 0 frames a second: the browser's animation frames pace the loop.
    // Simulating an endless loop unwinds the stack, so main never returns.
    emscripten_set_main_loop_arg(pageFrame, frames, 0, 1);
    std::abort();
}
