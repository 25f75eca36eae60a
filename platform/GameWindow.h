#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/DisplayMode.h"
#include "platform/KeyMapping.h"
#include "platform/KeySources.h"
#include "platform/Message.h"
#include "platform/MessageQueue.h"

class Gamepads;
struct SDL_Window;

// The colour bits of each channel the window's pixel format asks for.
struct ColourBits {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The colour bits asked for with a colour depth (-depth): only its low byte
// counts; 16 asks for 5/6/5, 15 for 5/5/5, 24 and more for 8/8/8; any other
// depth asks for nothing in particular (all 0).
ColourBits colourBitsForDepth(int colourDepth);

// The game's one window and its OpenGL context, on SDL2: the only code that
// knows the window system. On the desktop that is X11 or Wayland
// (GameWindowDesktop.cpp); in the browser the window is the page's canvas,
// its context WebGL 1 and its full screen the page's (GameWindowBrowser.cpp).
// Start-up calls it in this order: openVideo, then enterFullScreen or
// createWindowed, createContext, show; then messages and swaps every frame;
// close at the end.
//
// The context is an OpenGL compatibility context (OpenGL ES 2.0, WebGL 1, in
// the browser) with double buffering, 24 depth bits and 8 stencil bits and
// the colour bits of the requested colour depth; a display that refuses that
// gets 16 depth bits without stencil, then the same without colour bits.
// Vsync is requested and dropped when the driver refuses it.
//
// Messages come from the keyboard, the mouse, the window and, once
// openGamepads has been called, the gamepads, whose buttons and sticks
// arrive as key messages (KeySources).
class GameWindow : public MessageQueue {
public:
    GameWindow();
    ~GameWindow() override;
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Starts the window system. False when no display can be reached;
    // error() then says why in one line.
    bool openVideo();

    // The modes of the primary display in the window system's order.
    std::vector<DisplayMode> displayModes() const;

    // The colour depth (bits per pixel) the window's pixel format asks for
    // (colourBitsForDepth); call before the window is created.
    void requestColourDepth(int colourDepth) { colourBits_ = colourBitsForDepth(colourDepth); }

    // Creates the (hidden) window full screen in the given mode. False, with
    // no window left behind, when the display refuses the mode. In the
    // browser the canvas takes the mode's size and the page is asked for full
    // screen, which it enters at the player's next key or click.
    bool enterFullScreen(const DisplayMode& mode);

    // Creates a hidden, resizable window whose client area is width x height,
    // unless enterFullScreen already created the window.
    bool createWindowed(int width, int height);

    // While the game runs: switches the window to full screen in the given
    // mode (true when the display now shows it), or back to a resizable
    // window whose client area is width x height (true when it is one).
    // Either way the new client size arrives as a Size message. A failed
    // switch to full screen leaves the window as it was. In the browser
    // full screen is the page's (browserFullScreen): the mode is not used,
    // and the page enters it at the player's next key or click.
    bool switchToFullScreen(const DisplayMode& mode);
    bool switchToWindow(int width, int height);
    // True while the window covers the display in a full-screen mode.
    bool fullScreen() const;

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
    bool nextMessage(Message& message) override;

    // Gamepads plugged in now or later control the game from the next
    // message on (Gamepads, KeySources). False when SDL cannot watch them;
    // the game then goes on without. close() lets go of them.
    bool openGamepads();
    int gamepadCount() const;

    // What each key of the keyboard sends the game from its next press on
    // (KeyMapping; by default every key sends itself).
    void useKeyTable(const std::array<unsigned char, 256>& sends) { keyMapping_.useTable(sends); }
    // How keys pressed from now on reach the game (KeyMapping::Mode): the
    // game asks for the mode its screen takes keys in.
    void keyMode(KeyMapping::Mode mode) override { keyMapping_.useMode(mode); }

    // Whether the loss of the keyboard focus reaches the game as a FocusLost
    // message (the game pauses on it); on unless the player asked otherwise.
    void reportFocusLoss(bool report) { reportFocusLoss_ = report; }

    // True once after the window system showed a part of the window that
    // was covered (its picture there is lost and must be drawn again).
    bool takeExposed();

    // True when a quit (the window's close button, the session ending) waits
    // in the queue. Fetches what the window system has sent but takes
    // nothing off the queue, so the messages keep their order.
    bool quitPending();

    // Deletes the context, destroys the window (which restores the display
    // mode) and shuts the window system down. Safe to call more than once.
    void close();

    const std::string& error() const { return error_; }

private:
    bool createWindow(int width, int height, unsigned int extraFlags);
    // Where the platforms differ: the words for a display that cannot be
    // reached, the OpenGL profile asked for (an SDL_GLprofile), the search
    // for a display before the window system starts (false, with error()
    // set, when there is none) and the check of what it found after (false,
    // and closed, when it draws nowhere).
    static const char* missingDisplayText();
    static int contextProfile();
    bool findDisplay();
    bool checkDisplay();

    SDL_Window* window_ = nullptr;
    ColourBits colourBits_;
    KeyMapping keyMapping_;
    KeySources keys_;
    std::unique_ptr<Gamepads> gamepads_;
    // Messages taken from one event that are still to be handed out.
    std::vector<Message> pending_;
    bool reportFocusLoss_ = true;
    bool exposed_ = false;
    void* context_ = nullptr;
    bool videoOpen_ = false;
    std::string error_;
};

// Writes the warning on standard error, so it is never lost, and with
// `dialog` also shows it in a box with one OK button and waits for it (a
// run nobody watches, -nodialogs, must not wait).
void showWarning(const char* text, const char* caption, bool dialog);
