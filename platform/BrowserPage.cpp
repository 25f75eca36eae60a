#include "platform/BrowserPage.h"

#include <emscripten.h>

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
