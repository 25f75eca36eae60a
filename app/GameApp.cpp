#include "app/GameApp.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>

#include "app/CommandLine.h"
#include "app/DisplaySwitch.h"
#include "app/Folders.h"
#include "app/FrameLoop.h"
#include "app/GameHost.h"
#include "app/GameRecorder.h"
#include "app/GameRun.h"
#include "app/GameSettings.h"
#include "app/Globals.h"
#include "app/MessageDrain.h"
#include "app/PictureArea.h"
#include "app/PlayerSettings.h"
#include "app/ReplayShelf.h"
#include "app/ScreenFactories.h"
#include "app/ReplayWatch.h"
#include "app/SettingsFile.h"
#include "app/StartupReplay.h"
#include "platform/LoadInterruption.h"
#include "platform/Message.h"
#include "platform/PictureDecoder.h"
#include "platform/PreciseTime.h"
#include "platform/Ticks.h"
#include "play/PlayScreen.h"
#include "play/ScoreBook.h"
#include "render/Renderer.h"
#include "render/RendererChoice.h"
#include "screens/GameEvents.h"

namespace {

// A recording keeps the state hash of one frame in this many.
constexpr std::uint16_t recordHashEvery = 8;

// How long a menu at rest may spend loading pictures ahead in one frame,
// after the first picture of the frame, in microseconds.
constexpr std::int64_t preloadBudget = 8000;

// The picture the window system shows for the game's window, in the data folder.
constexpr const char* windowIconFile = "Textures/icon.bmp";

// Where the best scores and the recordings of games are, in the player's folder.
constexpr const char* scoresFile = "/scores";
constexpr const char* replaysFolder = "/replays";

// Set by SIGTERM and SIGINT; the frame loop ends after the frame.
volatile std::sig_atomic_t endRequested = 0;

void requestEnd(int)
{
    endRequested = 1;
}

void installEndHandlers()
{
    endRequested = 0;
    struct sigaction action = {};
    action.sa_handler = requestEnd;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

// The window whose close button ends the game, for the check made between
// pictures while a screen loads (a plain function, LoadInterruption.h).
GameWindow* endingWindow = nullptr;

bool gameEnding()
{
    return endRequested != 0 || (endingWindow != nullptr && endingWindow->quitPending());
}

int fail(const std::string& reason)
{
    std::fprintf(stderr, "thrask: %s\n", reason.c_str());
    return 1;
}

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

// A Size message with the window's client area now.
Message clientSizeMessage(const GameWindow& window)
{
    Message size;
    size.kind = Message::Size;
    window.clientSize(size.a, size.b);
    return size;
}

} // namespace

GameApp::GameApp(FrameWaits waits) : waits_(waits) {}

GameApp::~GameApp()
{
    release();
}

int GameApp::start(int argc, char** argv)
{
    installEndHandlers();
    installScreenFactories();
    const int status = readOptions(argc, argv);
    if (status != runFrames)
        return status;
    opened_ = true;
    if (!window_.openVideo()) {
        fail(window_.error());
        release();
        return 1;
    }
    const bool ready = openFolders(argv[0]) && openWindow() && openRecordings(argc, argv);
    if (ready)
        openServices();
    if (!ready || !startFirstScreen()) {
        release();
        return 1;
    }
    return runFrames;
}

int GameApp::readOptions(int argc, char** argv)
{
    options_ = readGameOptions(argc, argv, displayWords_);
    if (options_.help) {
        std::fputs(gameOptionsHelp(), stdout);
        return 0;
    }
    if (options_.version) {
        std::printf("thrask %s\n", THRASK_VERSION);
        return 0;
    }
    if (!options_.recordPath.empty() && !options_.replayPath.empty())
        options_.errors.push_back("-record and -replay cannot be used together");
    if (!options_.errors.empty()) {
        for (const std::string& error : options_.errors)
            std::fprintf(stderr, "thrask: %s\n", error.c_str());
        // A word the game does not know as a value is a usage error.
        if (options_.usageError)
            std::fputs(gameOptionsUsage(), stderr);
        std::fputs("thrask: -help lists the options\n", stderr);
        return options_.usageError ? 2 : 1;
    }
    // The files named on the command line are where the player started the
    // game, whatever folder the game then works in.
    for (std::string* path : {&options_.recordPath, &options_.replayPath}) {
        std::error_code code;
        if (!path->empty())
            *path = std::filesystem::absolute(*path, code).string();
    }
    return runFrames;
}

bool GameApp::openFolders(const char* program)
{
    // The data folder becomes the working directory before anything is
    // loaded, and saved games get their folder.
    if (!Folders::settle(options_.dataDir, options_.savesDir, [this](const char* text, const char* caption) {
            warn(text, caption);
        }))
        return false;
    // The player's best scores and the recordings of the player's games.
    const std::string kept = Folders::keptFolder();
    book_ = std::make_unique<ScoreBook>(openScoreBook(kept));
    useScoreBook(book_.get());
    shelf_ = std::make_unique<ReplayShelf>(kept.empty() ? std::string() : kept + replaysFolder, ".");
    // A replay shows the recorded run's window unless the command line asks
    // for another size.
    if (!options_.replayPath.empty()) {
        replay_ = std::make_unique<StartupReplay>();
        std::string error;
        if (!replay_->load(options_.replayPath, program, options_.fast, gameEnding, waits_, error)) {
            replay_.reset();
            fail(error);
            return false;
        }
    }
    parseCommandLine(joinWords(displayWords_).c_str());
    return true;
}

bool GameApp::openWindow()
{
    // The player's settings: the file's, with the command line's over them
    // for this run; they decide between full screen and a window.
    player_ = std::make_unique<PlayerSettings>(Folders::settingsFile());
    playerSettings_ = player_->start(options_, !fullScreen);
    fullScreen = playerSettings_.fullScreen;
    const int requestedWidth = windowWidth;
    const int requestedHeight = windowHeight;
    // The pixel format asks for the colour bits of the colour depth.
    window_.requestColourDepth(colourDepth);
    const WindowPlan plan = planWindow(
        fullScreen ? window_.displayModes() : std::vector<DisplayMode>(),
        [this](const DisplayMode& mode) { return window_.enterFullScreen(mode); },
        [this](const char* text, const char* caption) { warn(text, caption); });
    if ((!plan.fullScreen && !window_.createWindowed(plan.width, plan.height)) || !window_.createContext()) {
        fail(window_.error());
        return false;
    }
    window_.setIcon(windowIconFile);
    // Everything the game draws goes through the renderer, made on the
    // window's context (gl1 unless -renderer asks for gles2).
    int surfaceWidth = 0;
    int surfaceHeight = 0;
    window_.clientSize(surfaceWidth, surfaceHeight);
    drawing_ = makeRenderer(options_.renderer, surfaceWidth, surfaceHeight);
    installed_ = std::make_unique<RendererInstall>(drawing_.get());
    // The pictures of a game, decoded from now on for the renderer just
    // installed and uploaded while the title menu rests: the first New Game
    // and each new background cost no decoding.
    preloader_ = std::make_unique<PicturePreloader>();
    preloader_->add(PlayScreen::picturesOfAGame());
    // A display that refused full screen left a window: the run says so.
    playerSettings_.fullScreen = plan.fullScreen;
    player_->attach(window_, requestedWidth, requestedHeight, colourDepth);
    settings_ = std::make_unique<GameSettings>(playerSettings_, player_.get());
    return true;
}

bool GameApp::openRecordings(int argc, char** argv)
{
    if (!options_.recordPath.empty()) {
        std::string error;
        if (!recorder_.start(options_.recordPath, recordedWords(argc, argv), ".", saveFolder,
                             settingsText(playerSettings_), recordHashEvery, tickCount, error)) {
            fail(error);
            return false;
        }
    }
    // Every game the player plays is recorded on the shelf (within a -record
    // run too); a game chosen on the best-score list is watched in the window.
    games_ = std::make_unique<GameRecorder>(*shelf_, recordedWords(argc, argv), tickCount,
                                            options_.recordPath.empty() ? nullptr : &recorder_);
    games_->prune();
    host_ = std::make_unique<GameHost>(*games_, *shelf_);
    listenToGame(host_.get());
    watch_ = std::make_unique<ReplayWatch>(*shelf_, gameEnding, waits_);
    drain_ = std::make_unique<MessageDrain>(window_, [this](const Message& message) { deliver(message); });
    return true;
}

void GameApp::openServices()
{
    // Gamepads, plugged in now or later, play as the keys they send; the
    // window closes them.
    window_.openGamepads();
    renderer().clear();
    renderer().flush();
    window_.show();
    initPictureDecoder();
    // SIGTERM or the close button while a screen loads its pictures ends
    // the game after that frame instead of after every picture is decoded.
    endingWindow = &window_;
    setLoadInterruption(gameEnding);
    // Sound: opened once the window stands, from the data folder; without a
    // device (or with -nosound) the game plays on silently.
    if (!options_.noSound && sound_.open(Settings::fullVolume))
        useAudio(&sound_);
    // The settings reach the window, the keyboard, the focus and the sound.
    // A replay shown in the window brings its own for the game while it
    // plays, and gives these back after it.
    useSettingsHost(settings_.get());
    // Frame pacing: vsync unless -novsync, and the game's own waits between
    // frames where the swap does not pace (-fps sets the rate). Watching a
    // replay keeps the recorded pace instead, or none at all with -fast.
    // Where the caller paces the frames, the game neither waits nor asks
    // the driver for anything.
    if (waits_ == FrameWaits::byCaller)
        return;
    if (options_.noVsync || (replay_ != nullptr && options_.fast))
        window_.setVsync(false);
    pacer_ = std::make_unique<FramePacer>(options_.fps, !options_.noVsync, window_.refreshRate(),
                                          FramePacer::Clock{monotonicMicroseconds, sleepMicroseconds, yieldProcessor});
}

bool GameApp::startFirstScreen()
{
    if (replay_ != nullptr) {
        std::string error;
        if (!replay_->start(error)) {
            replay_.reset();
            fail(options_.replayPath + ": " + error);
            return false;
        }
    } else {
        deliver(clientSizeMessage(window_));
        startTitleScreen();
        lastTick = recorder_.active() ? recorder_.readTick() : tickCount();
    }
    return true;
}

bool GameApp::frame()
{
    if (!opened_ || released_ || !running || endRequested)
        return false;
    if (replay_ != nullptr)
        replayFrame();
    else if (watch_->watching())
        watchFrame();
    else
        gameFrame();
    return running && !endRequested;
}

void GameApp::replayFrame()
{
    // -replay FILE: the recorded run, then the title menu for the player.
    if (!replay_->done()) {
        replay_->frame(window_);
        fitPicture(window_);
        return;
    }
    const bool quit = replay_->end();
    const bool fast = replay_->fast();
    replay_.reset();
    std::fill(std::begin(keyState), std::end(keyState), static_cast<unsigned char>(0));
    dispatchMessage(clientSizeMessage(window_));
    startTitleScreen();
    lastTick = tickCount();
    running = !quit;
    if (fast && !options_.noVsync && waits_ == FrameWaits::inGame)
        window_.setVsync(true);
}

void GameApp::watchFrame()
{
    // A game chosen on the best-score list, inside the player's game.
    if (watch_->done()) {
        watch_->end(window_, [this](const Message& message) { deliver(message); });
        return;
    }
    watch_->frame(window_);
    fitPicture(window_);
}

void GameApp::gameFrame()
{
    const bool swapped = runFrame([this] { return frameTick(); }, [this] { window_.swapBuffers(); });
    games_->afterFrame();
    preloadAtRest(*preloader_);
    if (pacer_ != nullptr)
        pacer_->frameDone(currentScreen != nullptr && currentScreen->stillPicture(), swapped);
    drain_->drain();
    if (recorder_.active())
        recorder_.endFrame();
    // An uncovered window lost the picture it showed.
    if (window_.takeExposed())
        renderer().forgetShownFrame();
    games_->endFrame();
    const std::string asked = host_->takeWatchRequest();
    if (!asked.empty() && running)
        watch_->begin(asked);
}

void GameApp::deliver(const Message& message)
{
    // Every message reaches the recordings before the window procedure.
    if (recorder_.active())
        recorder_.input(message);
    games_->input(message);
    dispatchMessage(message);
}

void GameApp::warn(const char* text, const char* caption) const
{
    showWarning(text, caption, !options_.noDialogs);
}

std::uint32_t GameApp::frameTick()
{
    if (recorder_.active())
        return recorder_.frameTick();
    return games_->recording() ? games_->frameTick() : tickCount();
}

int GameApp::finish()
{
    if (!opened_ || released_)
        return 0;
    if (replay_ != nullptr) {
        replay_->end();
        replay_.reset();
    }
    if (watch_->watching())
        watch_->end(window_, [this](const Message& message) { deliver(message); });
    games_->finish();
    // A -record file that could not be written whole (a full disk) is a
    // failure of the run, whatever the game did.
    int status = 0;
    if (recorder_.active()) {
        std::string error;
        if (recorder_.finish(error))
            std::printf("thrask: recorded %d frames into %s\n", recorder_.frames(), options_.recordPath.c_str());
        else
            status = fail(error);
    }
    release();
    return status;
}

void GameApp::release()
{
    if (!opened_ || released_)
        return;
    released_ = true;
    // Screens release their textures and fonts, so they go while the context
    // is still current.
    replay_.reset();
    watch_.reset();
    listenToGame(nullptr);
    setLoadInterruption(nullptr);
    endingWindow = nullptr;
    // The worker stops before the screens and the renderer go; what it
    // uploaded stays with the picture cache until then.
    preloader_.reset();
    shutDownScreens();
    useScoreBook(nullptr);
    useSettingsHost(nullptr);
    useAudio(nullptr);
    sound_.close();
    drain_.reset();
    host_.reset();
    games_.reset();
    settings_.reset();
    installed_.reset();
    drawing_.reset();
    player_.reset();
    window_.close();
}
