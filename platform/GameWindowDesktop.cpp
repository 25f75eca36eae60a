// The parts of the game's window that stand on the desktop's window system
// (X11 or Wayland): finding the display, its modes, and full screen as a
// display mode.
#include "platform/GameWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr const char* noDisplay =
    "no display available: no X server or Wayland compositor to open a window on "
    "(set DISPLAY or WAYLAND_DISPLAY)";

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

} // namespace

const char* GameWindow::missingDisplayText()
{
    return noDisplay;
}

int GameWindow::contextProfile()
{
    return SDL_GL_CONTEXT_PROFILE_COMPATIBILITY;
}

bool GameWindow::findDisplay()
{
    // Nowhere to look for a display: say so before the window system's own
    // probes write messages of their own.
    if (!isSet("SDL_VIDEODRIVER") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !isSet("XDG_RUNTIME_DIR")) {
        error_ = noDisplay;
        return false;
    }
    // With only an X display named, only X is tried.
    if (!isSet("SDL_VIDEODRIVER") && isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY"))
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    // The window's class (X11) and app id (Wayland) name the game's desktop
    // entry, so the desktop shows the entry's name and icon for the window;
    // a class the player set is kept.
    setenv("SDL_VIDEO_X11_WMCLASS", THRASK_APP_ID, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", THRASK_APP_ID, 0);
    // The program handles SIGINT and SIGTERM itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return true;
}

bool GameWindow::checkDisplay()
{
    // Without an X server or Wayland compositor SDL falls back to drivers
    // that draw nowhere; the game is then unplayable, so it says so, unless
    // such a driver was asked for by name.
    const std::string driver = SDL_GetCurrentVideoDriver() != nullptr ? SDL_GetCurrentVideoDriver() : "";
    if (!isSet("SDL_VIDEODRIVER") && (driver == "offscreen" || driver == "dummy" || driver == "evdev")) {
        error_ = noDisplay;
        close();
        return false;
    }
    return true;
}

std::vector<DisplayMode> GameWindow::displayModes() const
{
    std::vector<DisplayMode> modes;
    const int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0)
            continue;
        modes.push_back({static_cast<unsigned int>(mode.w), static_cast<unsigned int>(mode.h),
                         SDL_BITSPERPIXEL(mode.format)});
    }
    return modes;
}

bool GameWindow::enterFullScreen(const DisplayMode& mode)
{
    if (window_ != nullptr)
        return false;
    const int width = static_cast<int>(mode.width);
    const int height = static_cast<int>(mode.height);
    if (!createWindow(width, height, SDL_WINDOW_FULLSCREEN))
        return false;

    SDL_DisplayMode wanted{};
    SDL_DisplayMode closest{};
    wanted.w = width;
    wanted.h = height;
    bool switched = SDL_GetClosestDisplayMode(0, &wanted, &closest) != nullptr
                    && closest.w == width && closest.h == height
                    && SDL_BITSPERPIXEL(closest.format) == mode.bits;
    switched = switched && SDL_SetWindowDisplayMode(window_, &closest) == 0
               && SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) == 0;
    if (!switched) {
        SDL_DestroyWindow(window_);
        window_ = nullptr;
    }
    return switched;
}

bool GameWindow::switchToFullScreen(const DisplayMode& mode)
{
    if (window_ == nullptr)
        return false;
    SDL_DisplayMode wanted{};
    SDL_DisplayMode closest{};
    wanted.w = static_cast<int>(mode.width);
    wanted.h = static_cast<int>(mode.height);
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
    // The window takes the mode's size over the display first, as a window
    // created full screen has it: without a window manager nothing else
    // would resize it.
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(display, &bounds) == 0)
        SDL_SetWindowPosition(window_, bounds.x, bounds.y);
    SDL_SetWindowSize(window_, wanted.w, wanted.h);
    if (SDL_GetClosestDisplayMode(display, &wanted, &closest) == nullptr
        || SDL_SetWindowDisplayMode(window_, &closest) != 0
        || SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) != 0) {
        error_ = std::string("cannot switch to full screen (") + SDL_GetError() + ")";
        SDL_SetWindowFullscreen(window_, 0);
        return false;
    }
    return true;
}

bool GameWindow::switchToWindow(int width, int height)
{
    if (window_ == nullptr)
        return false;
    if (SDL_SetWindowFullscreen(window_, 0) != 0) {
        error_ = std::string("cannot leave full screen (") + SDL_GetError() + ")";
        return false;
    }
    SDL_SetWindowResizable(window_, SDL_TRUE);
    SDL_SetWindowSize(window_, width > 0 ? width : 1, height > 0 ? height : 1);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    return true;
}

bool GameWindow::fullScreen() const
{
    return window_ != nullptr && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
}
