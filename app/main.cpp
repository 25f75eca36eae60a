// The program's entry: reads the command line, switches the display or opens
// a window, creates the title screen and runs the frame loop until the window
// is closed, the menu's Quit Game clears running, or the process is asked to
// end (SIGTERM, SIGINT). Exits with status 0 then, with 2 when an option is
// given a value it does not take (the usage line is printed), and with 1 when
// there is no display to open a window on, no game data to show, or another
// option that cannot be used.
//
// With -record FILE the run is written to FILE as it is played; with
// -replay FILE a recorded run is shown again from its own input and ticks
// (Esc ends it and the title menu takes over).
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/DisplaySwitch.h"
#include "app/Folders.h"
#include "app/FrameLoop.h"
#include "app/FramePacer.h"
#include "app/GameOptions.h"
#include "app/GameRun.h"
#include "app/GameState.h"
#include "app/PictureArea.h"
#include "app/Globals.h"
#include "app/Playback.h"
#include "app/Recorder.h"
#include "app/ReplayData.h"
#include "app/ReplayFile.h"
#include "platform/GameWindow.h"
#include "platform/LoadInterruption.h"
#include "platform/Message.h"
#include "platform/PictureDecoder.h"
#include "platform/PreciseTime.h"
#include "platform/SdlAudio.h"
#include "platform/Ticks.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "render/Renderer.h"
#include "render/RendererChoice.h"

namespace {

// A recording keeps the state hash of one frame in this many.
constexpr std::uint16_t recordHashEvery = 8;

// How long a menu at rest may spend loading pictures ahead in one frame,
// after the first picture of the frame, in microseconds.
constexpr std::int64_t preloadBudget = 8000;

// Loads pictures ahead while the screen is at rest: at least one, then more
// while the frame's budget lasts.
void preloadAtRest(PicturePreloader& preloader)
{
    if (preloader.done() || currentScreen == nullptr || !currentScreen->stillPicture())
        return;
    const std::int64_t start = monotonicMicroseconds();
    while (preloader.loadNext() && monotonicMicroseconds() - start < preloadBudget) {
    }
}

// The picture the window system shows for the game's window, in the data folder.
constexpr const char* windowIconFile = "Textures/icon.bmp";

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

// The window whose close button ends the game, for the check made between
// pictures while a screen loads.
GameWindow* gameWindow = nullptr;

bool gameEnding()
{
    return endRequested != 0 || (gameWindow != nullptr && gameWindow->quitPending());
}

int fail(const std::string& reason)
{
    std::fprintf(stderr, "thrask: %s\n", reason.c_str());
    return 1;
}

void sizeFromClientArea(const GameWindow& window)
{
    Message size;
    size.kind = Message::Size;
    window.clientSize(size.a, size.b);
    dispatchMessage(size);
}

// The words of the command line a recording keeps: all but -record and its file.
std::vector<std::string> recordedWords(int argc, char** argv)
{
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "-record" && i + 1 < argc)
            ++i;
        else
            words.emplace_back(argv[i]);
    }
    return words;
}

// Watching a recorded run in the window: the game takes its ticks and
// messages from the recording, with a save folder of its own holding the
// recording's saved games (so the player's are neither read nor written), while the player's own input is
// ignored but for Esc, which ends the replay, and closing the window.
class Watch {
public:
    // playersAspect: the player's own -aspect, for the game after the replay.
    Watch(const Replay& replay, bool fast, bool playersAspect)
        : replay_(replay), playback_(replay), fast_(fast), playersAspect_(playersAspect)
    {
    }

    bool prepare(std::string& error)
    {
        if (!folder_.create(replay_.saves, error))
            return false;
        playersSaves_ = saveFolder;
        saveFolder = folder_.path();
        playback_.begin();
        return true;
    }

    // Start-up's messages and first tick, as the recorded run had them.
    void start()
    {
        playback_.dispatchInputs(dispatchMessage);
        startTitleScreen();
        lastTick = playback_.readTick();
        realStart_ = tickCount();
        recordedStart_ = lastTick;
    }

    bool finished() const { return playback_.finished(); }

    // One recorded frame, shown no sooner than it was in the recorded run
    // (unless fast).
    void frame(GameWindow& window)
    {
        runFrame([this] { return nextFrameTick(); }, [&window] { window.swapBuffers(); });
        Message message;
        while (window.nextMessage(message)) {
            if (message.kind == Message::Quit)
                running = false;
            if (message.kind == Message::KeyDown && message.a == vk::escape)
                stopped_ = true;
        }
        if (window.takeExposed())
            renderer().forgetShownFrame();
        playback_.dispatchInputs(dispatchMessage);
        playback_.checkHash();
        // The recorded window sizes place the pointer; the picture fills
        // this window (or its 4:3 part, as the recorded run had it),
        // whatever its size.
        int width = 0;
        int height = 0;
        window.clientSize(width, height);
        const PictureArea area = pictureArea(width, height, keepAspect);
        renderer().setSurface(width, height);
        renderer().setViewport(area.x, area.y, area.width, area.height);
    }

    bool stopped() const { return stopped_; }

    // Says how the replay went, goes back to the game's own folder and
    // hands the game to the player at the title menu.
    void end(GameWindow& window)
    {
        report();
        shutDownScreens();
        std::fill(std::begin(keyState), std::end(keyState), static_cast<unsigned char>(0));
        saveFolder = playersSaves_;
        keepAspect = playersAspect_;
        sizeFromClientArea(window);
        startTitleScreen();
        lastTick = tickCount();
    }

    void report() const
    {
        if (!playback_.departure().empty())
            std::fprintf(stderr, "thrask: the replay departs from the recording at %s\n",
                         playback_.departure().c_str());
        else if (stopped_)
            std::printf("thrask: replay stopped at frame %d of %d\n", playback_.frame(),
                        playback_.frameCount());
        else if (replay_.finished && describeGameState() == replay_.finalState)
            std::printf("thrask: the replay ended as recorded, after %d frames\n", playback_.frame());
        else
            std::printf("thrask: the replay ended after %d frames\n", playback_.frame());
        // The game goes on after a replay; the line is not held back until it ends.
        std::fflush(stdout);
    }

private:
    std::uint32_t nextFrameTick()
    {
        const std::uint32_t tick = playback_.frameTick();
        while (!fast_ && !endRequested && tickCount() - realStart_ < tick - recordedStart_)
            sleepMilliseconds(1);
        return tick;
    }

    const Replay& replay_;
    Playback playback_;
    ReplayFolder folder_;
    std::string playersSaves_;
    bool fast_;
    bool playersAspect_;
    bool stopped_ = false;
    std::uint32_t realStart_ = 0;
    std::uint32_t recordedStart_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    installEndHandlers();
    std::vector<std::string> displayWords;
    GameOptions options = readGameOptions(argc, argv, displayWords);
    if (options.help) {
        std::fputs(gameOptionsHelp(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("thrask %s\n", THRASK_VERSION);
        return 0;
    }
    if (!options.recordPath.empty() && !options.replayPath.empty())
        options.errors.push_back("-record and -replay cannot be used together");
    if (!options.errors.empty()) {
        for (const std::string& error : options.errors)
            std::fprintf(stderr, "thrask: %s\n", error.c_str());
        // A word the game does not know as a value is a usage error.
        if (options.usageError)
            std::fputs(gameOptionsUsage(), stderr);
        std::fputs("thrask: -help lists the options\n", stderr);
        return options.usageError ? 2 : 1;
    }
    keepAspect = options.aspect;
    hudShown = !options.noHud;

    // The files named on the command line are where the player started the
    // game, whatever folder the game then works in.
    for (std::string* path : {&options.recordPath, &options.replayPath}) {
        std::error_code code;
        if (!path->empty())
            *path = std::filesystem::absolute(*path, code).string();
    }

    GameWindow window;
    if (!window.openVideo())
        return fail(window.error());

    // Start-up's folders: the data folder becomes the working directory
    // before anything is loaded, and saved games get their folder.
    if (!Folders::settle(options.dataDir, options.savesDir))
        return 1;

    // A replay shows the recorded run's window unless the command line asks
    // for another size.
    Replay replay;
    std::unique_ptr<Watch> watch;
    if (!options.replayPath.empty()) {
        std::string error;
        if (!readReplayFile(options.replayPath, replay, error))
            return fail(error);
        const std::string changed = compareGameData(replay.dataFiles, scanGameData("."));
        if (!changed.empty())
            return fail(options.replayPath + " was recorded with other game data (" + changed
                        + "), so it would not show the same game");
        std::vector<std::string> recordedDisplay;
        std::vector<const char*> words{argv[0]};
        for (const std::string& word : replay.commandLine)
            words.push_back(word.c_str());
        const GameOptions recorded
            = readGameOptions(static_cast<int>(words.size()), words.data(), recordedDisplay);
        parseCommandLine(joinWords(recordedDisplay).c_str());
        // The picture's shape places the recorded pointer on the picture.
        keepAspect = recorded.aspect;
        watch = std::make_unique<Watch>(replay, options.fast, options.aspect);
    }
    parseCommandLine(joinWords(displayWords).c_str());

    Recorder recorder;
    if (!options.recordPath.empty()) {
        std::string error;
        if (!recorder.start(options.recordPath, recordedWords(argc, argv), ".", saveFolder,
                            recordHashEvery, tickCount, error))
            return fail(error);
    }

    // The pixel format asks for the colour bits of the colour depth.
    window.requestColourDepth(colourDepth);
    const WindowPlan plan = planWindow(
        fullScreen ? window.displayModes() : std::vector<DisplayMode>(),
        [&window](const DisplayMode& mode) { return window.enterFullScreen(mode); },
        showWarning);
    if (!plan.fullScreen && !window.createWindowed(plan.width, plan.height))
        return fail(window.error());
    if (!window.createContext())
        return fail(window.error());
    window.setIcon(windowIconFile);
    // Everything the game draws goes through the renderer, made on the
    // window's context (gl1 unless -renderer asks for gles2).
    int surfaceWidth = 0;
    int surfaceHeight = 0;
    window.clientSize(surfaceWidth, surfaceHeight);
    std::unique_ptr<Renderer> drawing = makeRenderer(options.renderer, surfaceWidth, surfaceHeight);
    auto installed = std::make_unique<RendererInstall>(drawing.get());

    // Gamepads, plugged in now or later, play as the keys they send; the
    // window closes them. Losing the focus pauses the game unless -nopause.
    window.openGamepads();
    window.reportFocusLoss(!options.noPause);

    renderer().clear();
    renderer().flush();
    window.show();
    if (watch != nullptr) {
        std::string error;
        if (!watch->prepare(error))
            return fail(error);
    }
    initPictureDecoder();
    // SIGTERM or the close button while a screen loads its pictures ends
    // the game after that frame instead of after every picture is decoded.
    gameWindow = &window;
    setLoadInterruption(gameEnding);

    // Sound: opened once the window stands, from the data folder; without a
    // device (or with -nosound) the game plays on silently. It closes after
    // the screens and before the window (on an early return, as `sound` goes).
    SdlAudio sound;
    if (!options.noSound && sound.open(options.volume))
        useAudio(&sound);

    const auto record = [&recorder](const Message& message) {
        if (recorder.recording())
            recorder.input(message);
        dispatchMessage(message);
    };
    const auto clock = [&recorder] {
        return recorder.recording() ? recorder.frameTick() : tickCount();
    };
    const auto swap = [&window] { window.swapBuffers(); };

    // Frame pacing: vsync unless -novsync, and the game's own waits between
    // frames where the swap does not pace (-fps sets the rate). Watching a
    // replay keeps the recorded pace instead, or none at all with -fast.
    const bool fastReplay = watch != nullptr && options.fast;
    if (options.noVsync || fastReplay)
        window.setVsync(false);
    FramePacer pacer(options.fps, !options.noVsync, window.refreshRate(),
                     {monotonicMicroseconds, sleepMicroseconds, yieldProcessor});

    if (watch != nullptr) {
        watch->start();
    } else {
        Message size;
        size.kind = Message::Size;
        window.clientSize(size.a, size.b);
        record(size);
        startTitleScreen();
        lastTick = recorder.recording() ? recorder.readTick() : tickCount();
    }
    // The pictures of a game, loaded while the title menu rests: the first
    // New Game and each new background then cost no decoding.
    PicturePreloader preloader;
    preloader.add(PlayScreen::picturesOfAGame());

    while (running && !endRequested) {
        if (watch != nullptr) {
            if (watch->finished() || watch->stopped()) {
                watch->end(window);
                watch.reset();
                if (fastReplay && !options.noVsync)
                    window.setVsync(true);
                continue;
            }
            watch->frame(window);
            continue;
        }
        const bool swapped = runFrame(clock, swap);
        preloadAtRest(preloader);
        pacer.frameDone(currentScreen != nullptr && currentScreen->stillPicture(), swapped);
        // Takes every pending message off the queue and hands it on; a quit
        // message ends the run and leaves the rest of the queue unprocessed.
        Message message;
        while (window.nextMessage(message)) {
            record(message);
            if (message.kind == Message::Quit)
                break;
        }
        if (recorder.recording())
            recorder.endFrame();
        // An uncovered window lost the picture it showed.
        if (window.takeExposed())
            renderer().forgetShownFrame();
    }

    if (watch != nullptr)
        watch->report();
    if (recorder.recording()) {
        std::string error;
        if (recorder.finish(error))
            std::printf("thrask: recorded %d frames into %s\n", recorder.frames(),
                        options.recordPath.c_str());
        else
            std::fprintf(stderr, "thrask: %s\n", error.c_str());
    }
    // Screens release their textures and fonts, so they go while the context
    // is still current.
    setLoadInterruption(nullptr);
    gameWindow = nullptr;
    shutDownScreens();
    useAudio(nullptr);
    sound.close();
    installed.reset();
    drawing.reset();
    window.close();
    return 0;
}
