#include "app/Recorder.h"

#include "app/GameState.h"
#include "app/ReplayData.h"
#include "entities/Random.h"
#include "platform/Message.h"
#include "play/ScoreBook.h"
#include "play/Ticks.h"

namespace {

// The recorder the play screen's tick reads go to; one records at a time.
Recorder* activeRecorder = nullptr;

} // namespace

Recorder::~Recorder()
{
    active_ = false;
    if (activeRecorder == this) {
        activeRecorder = nullptr;
        setPlayTickSource(nullptr);
    }
}

Replay Recorder::programHeader(const std::vector<std::string>& commandLine, const std::string& dataDir,
                               const std::string& savesDir, const std::string& settings)
{
    Replay header;
    header.gameVersion = THRASK_VERSION;
    header.seed = thrask::randState();
    header.commandLine = commandLine;
    header.dataFiles = scanGameData(dataDir);
    header.saves = scanSaves(savesDir);
    header.settings = settings;
    header.date = BestScores::today();
    header.keepsScores = scoreBook().keeps();
    header.bestScores = scoreBook().list();
    return header;
}

bool Recorder::start(const std::string& path, const std::vector<std::string>& commandLine,
                     const std::string& dataDir, const std::string& savesDir,
                     const std::string& settings, std::uint16_t hashEvery,
                     std::function<std::uint32_t()> clock, std::string& error)
{
    return start(path, programHeader(commandLine, dataDir, savesDir, settings), hashEvery, std::move(clock),
                 error);
}

bool Recorder::start(const std::string& path, const Replay& header, std::uint16_t hashEvery,
                     std::function<std::uint32_t()> clock, std::string& error)
{
    Replay written = header;
    written.hashEvery = hashEvery;
    if (!writer_.open(path, written)) {
        error = writer_.error();
        return false;
    }
    clock_ = std::move(clock);
    hashEvery_ = hashEvery;
    frames_ = 0;
    active_ = true;
    if (clock_) {
        activeRecorder = this;
        setPlayTickSource(&Recorder::playTick);
    }
    return true;
}

std::uint32_t Recorder::frameTick()
{
    const std::uint32_t now = clock_();
    echoedFrame(now);
    if (follower_ != nullptr)
        follower_->echoedFrame(now);
    return now;
}

std::uint32_t Recorder::readTick()
{
    const std::uint32_t now = clock_();
    echoedTick(now);
    if (follower_ != nullptr)
        follower_->echoedTick(now);
    return now;
}

void Recorder::echoedFrame(std::uint32_t tick)
{
    ++frames_;
    writeTick(ReplayEvent::Frame, tick);
}

void Recorder::echoedTick(std::uint32_t tick)
{
    writeTick(ReplayEvent::Tick, tick);
}

void Recorder::writeTick(ReplayEvent::Type type, std::uint32_t tick)
{
    ReplayEvent event;
    event.type = type;
    event.tick = tick;
    writer_.event(event);
}

void Recorder::input(const Message& message)
{
    ReplayEvent event;
    event.type = ReplayEvent::Input;
    event.message = message;
    writer_.event(event);
}

void Recorder::endFrame()
{
    // Nothing is hashed before the first frame: a recording of one game
    // starts between a frame and its messages.
    if (hashEvery_ == 0 || frames_ == 0 || frames_ % hashEvery_ != 0)
        return;
    ReplayEvent event;
    event.type = ReplayEvent::Hash;
    event.hash = gameStateHash();
    writer_.event(event);
}

bool Recorder::finish(std::string& error)
{
    active_ = false;
    if (activeRecorder == this) {
        activeRecorder = nullptr;
        setPlayTickSource(nullptr);
    }
    if (!writer_.finish(describeGameState(), gameStateHash())) {
        error = writer_.error();
        return false;
    }
    return true;
}

std::uint32_t Recorder::playTick()
{
    return activeRecorder != nullptr ? activeRecorder->readTick() : 0;
}
