// The parts of the game's window that stand on the browser's page: the
// window is the page's canvas, its context WebGL 1, and full screen is the
// page's (platform/BrowserPage.h), which the browser grants only just after
// a key or a click.
#include "platform/GameWindow.h"

#include <SDL.h>

#include "platform/BrowserPage.h"

namespace {

constexpr const char* noCanvas = "the page offers no canvas to draw the game on";

} // namespace

const char* GameWindow::missingDisplayText()
{
    return noCanvas;
}

int GameWindow::contextProfile()
{
    return SDL_GL_CONTEXT_PROFILE_ES;
}

bool GameWindow::findDisplay()
{
    return true;
}

bool GameWindow::checkDisplay()
{
    return true;
}

// The page's one "mode": the screen the browser shows full screen on.
std::vector<DisplayMode> GameWindow::displayModes() const
{
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.w <= 0 || mode.h <= 0)
        return {};
    return {{static_cast<unsigned int>(mode.w), static_cast<unsigned int>(mode.h), SDL_BITSPERPIXEL(mode.format)}};
}

bool GameWindow::enterFullScreen(const DisplayMode& mode)
{
    if (window_ != nullptr || !createWindow(static_cast<int>(mode.width), static_cast<int>(mode.height),
                                            SDL_WINDOW_RESIZABLE))
        return false;
    browserFullScreen(true);
    return true;
}

bool GameWindow::switchToFullScreen(const DisplayMode&)
{
    if (window_ == nullptr)
        return false;
    browserFullScreen(true);
    return true;
}

bool GameWindow::switchToWindow(int, int)
{
    if (window_ == nullptr)
        return false;
    browserFullScreen(false);
    return true;
}

bool GameWindow::fullScreen() const
{
    return window_ != nullptr && browserFullScreenOn();
}
