#include "platform/GameWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/EventTranslation.h"
#include "platform/Gamepads.h"
#include "platform/Paths.h"

namespace {

constexpr const char* windowTitle = "Thrask";

// Pixel formats tried in turn: the one the game asks for, then one any
// software renderer offers, each first with the requested colour bits and
// then without, so a context is always one OpenGL can draw to.
struct BufferFormat {
    int depthBits;
    int stencilBits;
    bool colourBits;
};
constexpr BufferFormat bufferFormats[] = {{24, 8, true}, {16, 0, true}, {24, 8, false}, {16, 0, false}};
// An OpenGL ES context (the browser's WebGL) is version 2.0: WebGL 1.
constexpr int esMajorVersion = 2;

void requestBufferFormat(const BufferFormat& format, const ColourBits& colour, int profile)
{
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, profile);
    if (profile == SDL_GL_CONTEXT_PROFILE_ES) {
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, esMajorVersion);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, format.stencilBits);
    if (format.colourBits) {
        SDL_GL_SetAttribute(SDL_GL_RED_SIZE, colour.red);
        SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, colour.green);
        SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, colour.blue);
    }
}

// Bits per pixel of a colour depth's low byte, and the channels they ask for.
constexpr int depthMask = 0xFF;
constexpr int highColour555 = 15;
constexpr int highColour565 = 16;
constexpr int trueColour = 24;
constexpr int highColourBits = 5;
constexpr int highColourGreen565 = 6;
constexpr int trueColourBits = 8;

} // namespace

ColourBits colourBitsForDepth(int colourDepth)
{
    const int bits = colourDepth & depthMask;
    if (bits >= trueColour)
        return {trueColourBits, trueColourBits, trueColourBits};
    if (bits == highColour565)
        return {highColourBits, highColourGreen565, highColourBits};
    if (bits == highColour555)
        return {highColourBits, highColourBits, highColourBits};
    return {};
}

GameWindow::GameWindow() = default;

GameWindow::~GameWindow()
{
    close();
}

bool GameWindow::openVideo()
{
    if (!findDisplay())
        return false;
    // A click that activates the window is a click like any other.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error_ = std::string(missingDisplayText()) + ": " + SDL_GetError();
        return false;
    }
    videoOpen_ = true;
    return checkDisplay();
}

bool GameWindow::createWindow(int width, int height, unsigned int extraFlags)
{
    for (const BufferFormat& format : bufferFormats) {
        requestBufferFormat(format, colourBits_, contextProfile());
        window_ = SDL_CreateWindow(windowTitle, 0, 0,
                                   width, height,
                                   SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | extraFlags);
        if (window_ != nullptr)
            return true;
    }
    error_ = std::string("cannot open a window (") + SDL_GetError() + ")";
    return false;
}

bool GameWindow::createWindowed(int width, int height)
{
    if (window_ != nullptr)
        return true;
    return createWindow(width > 0 ? width : 1, height > 0 ? height : 1, SDL_WINDOW_RESIZABLE);
}

bool GameWindow::createContext()
{
    if (window_ == nullptr)
        return false;
    context_ = SDL_GL_CreateContext(window_);
    if (context_ == nullptr) {
        error_ = std::string("cannot create an OpenGL context (") + SDL_GetError() + ")";
        return false;
    }
    SDL_GL_MakeCurrent(window_, static_cast<SDL_GLContext>(context_));
    if (SDL_GL_SetSwapInterval(1) != 0)
        SDL_GL_SetSwapInterval(0);
    return true;
}

bool GameWindow::setIcon(const std::string& bmpFile)
{
    if (window_ == nullptr)
        return false;
    SDL_Surface* icon = SDL_LoadBMP(resolveGamePath(bmpFile).c_str());
    if (icon == nullptr)
        return false;
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
    return true;
}

void GameWindow::show()
{
    if (window_ != nullptr)
        SDL_ShowWindow(window_);
}

void GameWindow::clientSize(int& width, int& height) const
{
    width = 0;
    height = 0;
    if (window_ != nullptr)
        SDL_GL_GetDrawableSize(window_, &width, &height);
}

void GameWindow::swapBuffers()
{
    if (window_ != nullptr)
        SDL_GL_SwapWindow(window_);
}

bool GameWindow::setVsync(bool on)
{
    return window_ != nullptr && SDL_GL_SetSwapInterval(on ? 1 : 0) == 0;
}

int GameWindow::refreshRate() const
{
    if (window_ == nullptr)
        return 0;
    const int display = SDL_GetWindowDisplayIndex(window_);
    SDL_DisplayMode mode{};
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0)
        return 0;
    return mode.refresh_rate;
}

bool GameWindow::nextMessage(Message& message)
{
    SDL_Event event;
    while (pending_.empty() && SDL_PollEvent(&event)) {
        if (gamepads_ != nullptr && gamepads_->handle(event, pending_))
            continue;
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED)
            exposed_ = true;
        Message translated = translateEvent(event);
        if (translated.kind == Message::Size && translated.a < 0)
            clientSize(translated.a, translated.b);
        if (translated.kind == Message::KeyDown || translated.kind == Message::KeyUp) {
            const bool altHeld = (event.key.keysym.mod & KMOD_ALT) != 0;
            translated = keyMapping_.translate(translated, altHeld);
            if (translated.kind != Message::None)
                translated = keys_.keyboard(translated);
        }
        if (translated.kind == Message::FocusLost && !reportFocusLoss_)
            continue;
        if (translated.kind != Message::None)
            pending_.push_back(translated);
    }
    if (pending_.empty())
        return false;
    message = pending_.front();
    pending_.erase(pending_.begin());
    return true;
}

bool GameWindow::takeExposed()
{
    const bool exposed = exposed_;
    exposed_ = false;
    return exposed;
}

bool GameWindow::openGamepads()
{
    if (gamepads_ == nullptr)
        gamepads_ = std::make_unique<Gamepads>(keys_);
    return gamepads_->open();
}

int GameWindow::gamepadCount() const
{
    return gamepads_ != nullptr ? gamepads_->count() : 0;
}

bool GameWindow::quitPending()
{
    if (!videoOpen_)
        return false;
    SDL_PumpEvents();
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0)
        return true;
    // The close button arrives as a window event before any quit.
    SDL_Event events[64];
    const int count = SDL_PeepEvents(events, 64, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
    for (int i = 0; i < count; ++i)
        if (events[i].window.event == SDL_WINDOWEVENT_CLOSE)
            return true;
    return false;
}

void GameWindow::close()
{
    gamepads_.reset();
    if (context_ != nullptr) {
        SDL_GL_MakeCurrent(window_, nullptr);
        SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context_));
        context_ = nullptr;
    }
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
        window_ = nullptr;
    }
    if (videoOpen_) {
        SDL_Quit();
        videoOpen_ = false;
    }
}

void showWarning(const char* text, const char* caption, bool dialog)
{
    std::fprintf(stderr, "thrask: %s: %s\n", caption, text);
    if (!dialog)
        return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption, text, nullptr);
}
