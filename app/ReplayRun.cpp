#include "app/ReplayRun.h"

#include "app/FrameLoop.h"
#include "app/GameOptions.h"
#include "app/GameRun.h"
#include "app/GameStart.h"
#include "app/Globals.h"
#include "screens/GameEvents.h"

namespace {

// The picture shape the recorded run had: from its game start, or from
// its command line (-aspect).
bool recordedAspect(const Replay& replay)
{
    if (replay.startsInGame)
        return replay.gameStart.keepAspect;
    std::vector<const char*> words{"thrask"};
    for (const std::string& word : replay.commandLine)
        words.push_back(word.c_str());
    std::vector<std::string> display;
    return readGameOptions(static_cast<int>(words.size()), words.data(), display).aspect;
}

} // namespace

ReplayRun::ReplayRun(const Replay& replay)
    : replay_(replay), playback_(replay), book_(replay.keepsScores ? ScoreBook(replay.bestScores) : ScoreBook())
{
    book_.startGame(replay.date, std::string());
}

ReplayRun::~ReplayRun()
{
    end();
}

bool ReplayRun::begin(std::string& error)
{
    if (!folder_.create(replay_.saves, error))
        return false;
    begun_ = true;
    playersSaves_ = saveFolder;
    saveFolder = folder_.path();
    playersAspect_ = keepAspect;
    playersBook_ = &scoreBook();
    useScoreBook(&book_);
    playersEvents_ = &gameEvents();
    listenToGame(nullptr);
    playersTicks_ = playTickSource();

    resetGameGlobals(windowWidth, windowHeight);
    keepAspect = recordedAspect(replay_);
    playback_.begin();
    if (replay_.startsInGame) {
        if (!rebuildGameStart(replay_.gameStart, replay_.seed, error)) {
            end();
            return false;
        }
        // The messages of the frame the recording started in.
        playback_.dispatchInputs(dispatchMessage);
        return true;
    }
    playback_.dispatchInputs(dispatchMessage);
    startTitleScreen();
    lastTick = playback_.readTick();
    return true;
}

void ReplayRun::frame(const std::function<void(std::uint32_t)>& pace, const std::function<void()>& swap)
{
    runFrame(
        [this, &pace] {
            const std::uint32_t tick = playback_.frameTick();
            if (pace)
                pace(tick);
            return tick;
        },
        swap);
    playback_.dispatchInputs(dispatchMessage);
    playback_.checkHash();
}

void ReplayRun::end()
{
    if (!begun_)
        return;
    begun_ = false;
    delete currentScreen;
    currentScreen = nullptr;
    freeRetiredScreens();
    saveFolder = playersSaves_;
    keepAspect = playersAspect_;
    useScoreBook(playersBook_);
    listenToGame(playersEvents_);
    playback_.release();
    setPlayTickSource(playersTicks_);
}
