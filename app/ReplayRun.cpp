#include "app/ReplayRun.h"

#include "app/FrameLoop.h"
#include "app/GameRun.h"
#include "app/GameStart.h"
#include "app/Globals.h"
#include "screens/GameEvents.h"

ReplayRun::ReplayRun(const Replay& replay)
    : replay_(replay), playback_(replay), book_(replay.keepsScores ? ScoreBook(replay.bestScores) : ScoreBook()),
      settings_(recordedSettings(replay))
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
    playersSettings_ = &settingsHost();
    playersBook_ = &scoreBook();
    useScoreBook(&book_);
    playersEvents_ = &gameEvents();
    listenToGame(nullptr);
    playersTicks_ = playTickSource();

    resetGameGlobals(windowWidth, windowHeight);
    // The recorded run's settings: its picture's shape decides where its
    // pointer was, and its Options screen shows and changes them. They act
    // on the game only, never on the window, the keys or the settings file.
    useSettingsHost(&settings_);
    playback_.begin();
    if (replay_.startsInGame) {
        if (!rebuildGameStart(replay_.gameStart, replay_.seed, error)) {
            end();
            return false;
        }
        // The messages of the frame the recording started in.
        handOverInputs();
        return true;
    }
    handOverInputs();
    startTitleScreen();
    lastTick = playback_.readTick();
    return true;
}

void ReplayRun::handOverInputs()
{
    playback_.dispatchInputs(dispatchMessage);
    if (afterInputs_)
        afterInputs_();
}

void ReplayRun::frame(const std::function<void(std::uint32_t)>& pace, const std::function<void()>& swap,
                      const std::function<void()>& drawOver)
{
    runFrame(
        [this, &pace] {
            const std::uint32_t tick = playback_.frameTick();
            if (pace)
                pace(tick);
            return tick;
        },
        swap, drawOver);
    handOverInputs();
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
    useSettingsHost(playersSettings_);
    useScoreBook(playersBook_);
    listenToGame(playersEvents_);
    playback_.release();
    setPlayTickSource(playersTicks_);
}
