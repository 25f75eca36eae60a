// The program's entry: reads the command line, switches the display or opens
// a window, creates the title screen and runs the frame loop until the window
// is closed, the menu's Quit Game clears running, or the process is asked to
// end (SIGTERM, SIGINT). Exits with status 0 then, and with 1 when there is
// no display to open a window on.
#include <GL/gl.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/DisplaySwitch.h"
#include "app/FrameLoop.h"
#include "app/GameOptions.h"
#include "app/Globals.h"
#include "app/WindowProc.h"
#include "menus/TitleScreen.h"
#include "platform/GameWindow.h"
#include "platform/Message.h"
#include "platform/PictureDecoder.h"
#include "platform/Ticks.h"
#include "render/Texture.h"
#include "screens/Screen.h"

namespace {

volatile std::sig_atomic_t endRequested = 0;

void requestEnd(int)
{
    endRequested = 1;
}

void installEndHandlers()
{
    struct sigaction action = {};
    action.sa_handler = requestEnd;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

int fail(const std::string& reason)
{
    std::fprintf(stderr, "thrask: %s\n", reason.c_str());
    return 1;
}

// Takes every pending message off the queue and hands it to the window
// procedure. False when the quit message arrived: the rest of the queue is
// then left unprocessed.
bool drainMessages(GameWindow& window)
{
    Message message;
    while (window.nextMessage(message)) {
        if (message.kind == Message::Quit)
            return false;
        windowProc(message);
    }
    return endRequested == 0;
}

void sizeFromClientArea(const GameWindow& window)
{
    Message size;
    size.kind = Message::Size;
    window.clientSize(size.a, size.b);
    windowProc(size);
}

} // namespace

int main(int argc, char** argv)
{
    installEndHandlers();
    std::vector<std::string> displayWords;
    const GameOptions options = readGameOptions(argc, argv, displayWords);
    if (options.help) {
        std::fputs(gameOptionsHelp(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("thrask %s\n", THRASK_VERSION);
        return 0;
    }
    if (!options.errors.empty()) {
        for (const std::string& error : options.errors)
            std::fprintf(stderr, "thrask: %s\n", error.c_str());
        std::fputs("thrask: -help lists the options\n", stderr);
        return 1;
    }
    parseCommandLine(joinWords(displayWords).c_str());

    GameWindow window;
    if (!window.openVideo())
        return fail(window.error());

    const WindowPlan plan = planWindow(
        fullScreen ? window.displayModes() : std::vector<DisplayMode>(),
        [&window](const DisplayMode& mode) { return window.enterFullScreen(mode); },
        showWarning);
    if (!plan.fullScreen && !window.createWindowed(plan.width, plan.height))
        return fail(window.error());
    if (!window.createContext())
        return fail(window.error());

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    window.show();
    sizeFromClientArea(window);
    initPictureDecoder();
    glEnable(GL_DEPTH_TEST);

    TitleScreen* title = new TitleScreen;
    currentScreen = title;
    title->enter();
    title->setup(1);

    lastTick = tickCount();
    const auto swap = [&window] { window.swapBuffers(); };
    while (running) {
        runFrame(tickCount, swap);
        if (!drainMessages(window))
            running = false;
    }

    // Screens release their textures and fonts, so they go while the context
    // is still current.
    delete currentScreen;
    currentScreen = nullptr;
    freeRetiredScreens();
    titleTexture.release();
    window.close();
    return 0;
}
