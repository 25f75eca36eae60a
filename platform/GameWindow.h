#pragma once

#include <string>
#include <vector>

#include "platform/DisplayMode.h"
#include "platform/Message.h"

struct SDL_Window;

// The game's one window and its OpenGL context, on SDL2: the only code that
// knows the window system. Start-up calls it in this order: openVideo, then
// enterFullScreen or createWindowed, createContext, show; then messages and
// swaps every frame; close at the end.
//
// The context is an OpenGL compatibility context with double buffering,
// 24 depth bits and 8 stencil bits; vsync is requested and dropped when the
// driver refuses it.
class GameWindow {
public:
    GameWindow() = default;
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Starts the window system. False when no display can be reached;
    // error() then says why in one line.
    bool openVideo();

    // The modes of the primary display in the window system's order.
    std::vector<DisplayMode> displayModes() const;

    // Creates the (hidden) window full screen in the given mode. False, with
    // no window left behind, when the display refuses the mode.
    bool enterFullScreen(const DisplayMode& mode);

    // Creates a hidden, resizable window whose client area is width x height,
    // unless enterFullScreen already created the window.
    bool createWindowed(int width, int height);

    // Creates the OpenGL context on the window and makes it current.
    bool createContext();

    // Gives the window the picture the window system shows for it (title
    // bar, task switcher): a BMP file, alpha kept, path as the game writes
    // it. False, and the window keeps the system's default, when the file
    // cannot be read or there is no window yet.
    bool setIcon(const std::string& bmpFile);

    // Shows the window.
    void show();

    // The client area's size in pixels.
    void clientSize(int& width, int& height) const;

    void swapBuffers();

    // Asks the driver to wait for the display's vertical blank before each
    // swap (on), or not to (off). False when the driver refuses; a driver
    // may also accept and not wait, which only the frame times show.
    bool setVsync(bool on);

    // The refresh rate of the display the window is on, in Hz; 0 when the
    // display does not say.
    int refreshRate() const;

    // Takes the next pending message off the queue, skipping events the game
    // does not handle. False when the queue is empty.
    bool nextMessage(Message& message);

    // Deletes the context, destroys the window (which restores the display
    // mode) and shuts the window system down. Safe to call more than once.
    void close();

    const std::string& error() const { return error_; }

private:
    bool createWindow(int width, int height, unsigned int extraFlags);

    SDL_Window* window_ = nullptr;
    void* context_ = nullptr;
    bool videoOpen_ = false;
    std::string error_;
};

// Shows a warning box with one OK button and waits for it, unless the run is
// unattended (the environment variable CI or THRASK_UNATTENDED is set); the
// text is also written to standard error, so it is never lost.
void showWarning(const char* text, const char* caption);
