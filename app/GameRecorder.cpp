#include "app/GameRecorder.h"

#include <filesystem>
#include <system_error>

#include "app/GameStart.h"
#include "app/GameState.h"
#include "app/ReplayData.h"
#include "app/ReplayShelf.h"
#include "app/SettingsFile.h"
#include "entities/Random.h"
#include "menus/SettingsHost.h"
#include "platform/Storage.h"
#include "play/PlayScreen.h"
#include "play/SaveRecord.h"
#include "play/ScoreBook.h"
#include "screens/Screen.h"

namespace {

constexpr const char* notRecorded = "Games are not being recorded: ";
constexpr const char* notKept = "This game's replay was not kept: ";

} // namespace

GameRecorder::GameRecorder(ReplayShelf& shelf, std::vector<std::string> commandLine,
                           std::function<std::uint32_t()> clock, Recorder* leader)
    : shelf_(shelf), commandLine_(std::move(commandLine)), clock_(std::move(clock)), leader_(leader)
{
}

GameRecorder::~GameRecorder()
{
    finish();
}

void GameRecorder::gameStarted(const Screen* game)
{
    pending_ = game;
    date_ = BestScores::today();
    // Until its recording starts the game has none.
    scoreBook().startGame(date_, std::string());
}

void GameRecorder::afterFrame()
{
    if (pending_ == nullptr)
        return;
    if (currentScreen == pending_) {
        pending_ = nullptr;
        if (const auto* play = dynamic_cast<const PlayScreen*>(currentScreen))
            start(*play);
    } else if (!gameInProgress()) {
        pending_ = nullptr; // the game ended while it faded in
    }
}

void GameRecorder::start(const PlayScreen& play)
{
    std::string error;
    const std::string name = shelf_.newName(error);
    if (name.empty()) {
        scoreBook().notice(std::string(notRecorded) + "their folder cannot be made", error);
        return;
    }
    Replay header;
    header.gameVersion = THRASK_VERSION;
    header.seed = thrask::randState();
    header.commandLine = commandLine_;
    header.dataFiles = shelf_.data();
    header.saves = scanSaves(saveFolder);
    // The settings the game starts with play it back alike under any
    // watcher's own.
    header.settings = settingsText(settingsHost().settings());
    header.date = date_;
    header.keepsScores = scoreBook().keeps();
    header.bestScores = scoreBook().list();
    header.startsInGame = true;
    header.gameStart = captureGameStart(play);
    const bool led = leader_ != nullptr && leader_->active();
    if (!recorder_.start(shelf_.path(name), header, hashEvery, led ? nullptr : clock_, error)) {
        scoreBook().notice(std::string(notRecorded) + "a file cannot be made in their folder", error);
        std::error_code ignored;
        std::filesystem::remove(shelf_.path(name), ignored);
        return;
    }
    if (led)
        leader_->echoTicksTo(&recorder_);
    name_ = name;
    shelf_.forget(name_);
    scoreBook().startGame(date_, name_);
}

void GameRecorder::input(const Message& message)
{
    if (recorder_.active())
        recorder_.input(message);
}

void GameRecorder::endFrame()
{
    if (!recorder_.active())
        return;
    recorder_.endFrame();
    if (!recorder_.recording()) {
        giveUp(recorder_.error());
        return;
    }
    if (!gameInProgress() || pending_ != nullptr)
        stop();
}

void GameRecorder::finish()
{
    if (recorder_.active())
        stop();
}

void GameRecorder::stop()
{
    if (leader_ != nullptr)
        leader_->echoTicksTo(nullptr);
    std::string error;
    if (!recorder_.finish(error)) {
        giveUp(error);
        return;
    }
    shelf_.forget(name_);
    name_.clear();
    prune();
    // The finished recording, and the folder as pruned, are the player's to keep.
    storage().written(shelf_.folder());
}

void GameRecorder::giveUp(const std::string& why)
{
    if (leader_ != nullptr)
        leader_->echoTicksTo(nullptr);
    if (recorder_.active()) {
        std::string ignored;
        recorder_.finish(ignored);
    }
    // What was written is of no use and takes the space a saved game may need.
    std::error_code ignored;
    std::filesystem::remove(shelf_.path(name_), ignored);
    scoreBook().forgetReplay(name_);
    shelf_.forget(name_);
    // The screen's line takes the system's reason alone; standard error has all of it.
    const std::size_t last = why.rfind(": ");
    const std::string reason = last == std::string::npos ? why : why.substr(last + 2);
    scoreBook().notice(std::string(notKept) + reason, shelf_.path(name_) + ": " + why);
    name_.clear();
    prune();
}

void GameRecorder::prune() const
{
    std::vector<std::string> keep;
    for (const BestScore& game : scoreBook().list().games())
        keep.push_back(game.replay);
    if (!name_.empty())
        keep.push_back(name_);
    shelf_.prune(keep);
}
