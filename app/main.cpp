// The program's entry: reads the command line, switches the display or opens
// a window, creates the title screen and runs the frame loop until the window
// is closed, the menu's Quit Game clears running, or the process is asked to
// end (SIGTERM, SIGINT). Exits with status 0 then, with 2 when an option is
// given a value it does not take (the usage line is printed), and with 1 when
// there is no display to open a window on, no game data to show, or another
// option that cannot be used.
//
// The player's settings come from the settings file with the command line
// over them (PlayerSettings). Every game the player plays is recorded into
// the player's replays folder (GameRecorder), beside the best scores
// (ScoreBook); a game on the best-score list can be watched again in the
// window (ReplayWatch). With
// -record FILE the whole run is written to FILE as it is played; with
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
#include "app/GameSettings.h"
#include "app/GameState.h"
#include "app/PictureArea.h"
#include "app/Globals.h"
#include "app/GameHost.h"
#include "app/GameRecorder.h"
#include "app/PlayerSettings.h"
#include "app/Recorder.h"
#include "app/ReplayData.h"
#include "app/ReplayFile.h"
#include "app/ReplayShelf.h"
#include "app/ReplayViewer.h"
#include "app/ReplayWatch.h"
#include "app/WindowProc.h"
#include "app/SettingsFile.h"
#include "platform/GameWindow.h"
#include "platform/LoadInterruption.h"
#include "platform/Message.h"
#include "platform/PictureDecoder.h"
#include "platform/PreciseTime.h"
#include "platform/SdlAudio.h"
#include "platform/Ticks.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "play/ScoreBook.h"
#include "render/PicturePreloader.h"
#include "render/Renderer.h"
#include "render/RendererChoice.h"
#include "screens/GameEvents.h"

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

// Where the best scores and the recordings of games are, in the player's folder.
constexpr const char* scoresFile = "/scores";
constexpr const char* replaysFolder = "/replays";

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

// Fits the picture to the window: the recorded window sizes of a replay
// place its pointer, while the picture fills this window (or its 4:3 part,
// as the recorded run had it), whatever its size.
void fitPicture(const GameWindow& window)
{
    int width = 0;
    int height = 0;
    window.clientSize(width, height);
    const PictureArea area = pictureArea(width, height, keepAspect);
    renderer().setSurface(width, height);
    renderer().setViewport(area.x, area.y, area.width, area.height);
}

// The player's best scores, kept in `folder` ("" with no home: in memory).
ScoreBook openScoreBook(const std::string& folder)
{
    if (!folder.empty())
        return ScoreBook::open(folder + scoresFile);
    ScoreBook book{BestScores()};
    book.notice("The best scores cannot be kept: there is no home folder");
    return book;
}

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

    // The player's best scores and the recordings of the player's games.
    const std::string kept = Folders::keptFolder();
    ScoreBook book = openScoreBook(kept);
    useScoreBook(&book);
    ReplayShelf shelf(kept.empty() ? std::string() : kept + replaysFolder, ".");

    // A replay shows the recorded run's window unless the command line asks
    // for another size.
    Replay replay;
    std::unique_ptr<ReplayViewer> viewer;
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
        readGameOptions(static_cast<int>(words.size()), words.data(), recordedDisplay);
        parseCommandLine(joinWords(recordedDisplay).c_str());
        if (replay.startsInGame) {
            windowWidth = replay.gameStart.windowWidth;
            windowHeight = replay.gameStart.windowHeight;
        }
        viewer = std::make_unique<ReplayViewer>(replay, options.fast, gameEnding, nullptr,
                                                "Watching a recording: Esc ends it");
    }
    parseCommandLine(joinWords(displayWords).c_str());

    // The player's settings: the file's, with the command line's over them
    // for this run; they decide between full screen and a window.
    PlayerSettings player(Folders::settingsFile());
    Settings playerSettings = player.start(options, !fullScreen);
    fullScreen = playerSettings.fullScreen;
    const int requestedWidth = windowWidth;
    const int requestedHeight = windowHeight;

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
    // The pictures of a game, decoded from now on and uploaded while the title
    // menu rests: the first New Game and each new background cost no decoding.
    PicturePreloader preloader;
    preloader.add(PlayScreen::picturesOfAGame());
    // A display that refused full screen left a window: the run says so.
    playerSettings.fullScreen = plan.fullScreen;
    player.attach(window, requestedWidth, requestedHeight, colourDepth);
    GameSettings settings(playerSettings, &player);

    Recorder recorder;
    if (!options.recordPath.empty()) {
        std::string error;
        if (!recorder.start(options.recordPath, recordedWords(argc, argv), ".", saveFolder,
                            settingsText(playerSettings), recordHashEvery, tickCount, error))
            return fail(error);
    }
    // Every game the player plays is recorded on the shelf (within a -record
    // run too); a game chosen on the best-score list is watched in the window.
    GameRecorder games(shelf, recordedWords(argc, argv), tickCount,
                       options.recordPath.empty() ? nullptr : &recorder);
    games.prune();
    GameHost host(games, shelf);
    listenToGame(&host);
    ReplayWatch watch(shelf, gameEnding);

    // Gamepads, plugged in now or later, play as the keys they send; the
    // window closes them.
    window.openGamepads();

    renderer().clear();
    renderer().flush();
    window.show();
    initPictureDecoder();
    // SIGTERM or the close button while a screen loads its pictures ends
    // the game after that frame instead of after every picture is decoded.
    gameWindow = &window;
    setLoadInterruption(gameEnding);

    // Sound: opened once the window stands, from the data folder; without a
    // device (or with -nosound) the game plays on silently. It closes after
    // the screens and before the window (on an early return, as `sound` goes).
    SdlAudio sound;
    if (!options.noSound && sound.open(Settings::fullVolume))
        useAudio(&sound);
    // The settings reach the window, the keyboard, the focus and the sound.
    // A replay shown in the window brings its own for the game while it
    // plays, and gives these back after it.
    useSettingsHost(&settings);

    // Every message reaches the recordings before the window procedure.
    const auto record = [&recorder, &games](const Message& message) {
        if (recorder.active())
            recorder.input(message);
        games.input(message);
        dispatchMessage(message);
    };
    const auto clock = [&recorder, &games] {
        if (recorder.active())
            return recorder.frameTick();
        return games.recording() ? games.frameTick() : tickCount();
    };
    const auto swap = [&window] { window.swapBuffers(); };

    // Frame pacing: vsync unless -novsync, and the game's own waits between
    // frames where the swap does not pace (-fps sets the rate). Watching a
    // replay keeps the recorded pace instead, or none at all with -fast.
    const bool fastReplay = viewer != nullptr && options.fast;
    if (options.noVsync || fastReplay)
        window.setVsync(false);
    FramePacer pacer(options.fps, !options.noVsync, window.refreshRate(),
                     {monotonicMicroseconds, sleepMicroseconds, yieldProcessor});

    if (viewer != nullptr) {
        std::string error;
        if (!viewer->start(error))
            return fail(options.replayPath + ": " + error);
    } else {
        Message size;
        size.kind = Message::Size;
        window.clientSize(size.a, size.b);
        record(size);
        startTitleScreen();
        lastTick = recorder.active() ? recorder.readTick() : tickCount();
    }

    while (running && !endRequested) {
        // -replay FILE: the recorded run, then the title menu for the player.
        if (viewer != nullptr) {
            if (viewer->done()) {
                viewer->report();
                const bool quit = viewer->quitAsked();
                viewer->end();
                viewer.reset();
                std::fill(std::begin(keyState), std::end(keyState), static_cast<unsigned char>(0));
                sizeFromClientArea(window);
                startTitleScreen();
                lastTick = tickCount();
                running = !quit;
                if (fastReplay && !options.noVsync)
                    window.setVsync(true);
                continue;
            }
            viewer->frame(window);
            fitPicture(window);
            continue;
        }
        // A game chosen on the best-score list, inside the player's game.
        if (watch.watching()) {
            if (watch.done())
                watch.end(window, record);
            else {
                watch.frame(window);
                fitPicture(window);
            }
            continue;
        }
        const bool swapped = runFrame(clock, swap);
        games.afterFrame();
        preloadAtRest(preloader);
        pacer.frameDone(currentScreen != nullptr && currentScreen->stillPicture(), swapped);
        // Takes every pending message off the queue and hands it on; a quit
        // message ends the run and leaves the rest of the queue unprocessed.
        // A screen taking a name, or waiting for a key to bind, gets the
        // keys as printed on them (keyModeFor).
        Message message;
        while (window.keyMode(keyModeFor(currentScreen)), window.nextMessage(message)) {
            record(message);
            if (message.kind == Message::Quit)
                break;
        }
        if (recorder.active())
            recorder.endFrame();
        // An uncovered window lost the picture it showed.
        if (window.takeExposed())
            renderer().forgetShownFrame();
        games.endFrame();
        const std::string asked = host.takeWatchRequest();
        if (!asked.empty() && running)
            watch.begin(asked);
    }

    if (viewer != nullptr) {
        viewer->report();
        viewer->end();
        viewer.reset();
    }
    if (watch.watching())
        watch.end(window, record);
    games.finish();
    if (recorder.active()) {
        std::string error;
        if (recorder.finish(error))
            std::printf("thrask: recorded %d frames into %s\n", recorder.frames(),
                        options.recordPath.c_str());
        else
            std::fprintf(stderr, "thrask: %s\n", error.c_str());
    }
    // Screens release their textures and fonts, so they go while the context
    // is still current.
    listenToGame(nullptr);
    setLoadInterruption(nullptr);
    gameWindow = nullptr;
    shutDownScreens();
    useScoreBook(nullptr);
    useSettingsHost(nullptr);
    useAudio(nullptr);
    sound.close();
    installed.reset();
    drawing.reset();
    window.close();
    return 0;
}
