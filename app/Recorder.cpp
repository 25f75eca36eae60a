#include "app/Recorder.h"

#include "app/GameState.h"
#include "app/ReplayData.h"
#include "entities/Random.h"
#include "platform/Message.h"
#include "play/Ticks.h"

namespace {

// The recorder the play screen's tick reads go to; one records at a time.
Recorder* activeRecorder = nullptr;

} // namespace

Recorder::~Recorder()
{
    if (activeRecorder == this) {
        activeRecorder = nullptr;
        setPlayTickSource(nullptr);
    }
}

bool Recorder::start(const std::string& path, const std::vector<std::string>& commandLine,
                     const std::string& dataDir, const std::string& savesDir,
                     const std::string& settings, std::uint16_t hashEvery,
                     std::function<std::uint32_t()> clock, std::string& error)
{
    Replay header;
    header.gameVersion = THRASK_VERSION;
    header.seed = thrask::randState();
    header.hashEvery = hashEvery;
    header.commandLine = commandLine;
    header.dataFiles = scanGameData(dataDir);
    header.saves = scanSaves(savesDir);
    header.settings = settings;
    if (!writer_.open(path, header)) {
        error = writer_.error();
        return false;
    }
    clock_ = std::move(clock);
    hashEvery_ = hashEvery;
    frames_ = 0;
    activeRecorder = this;
    setPlayTickSource(&Recorder::playTick);
    return true;
}

std::uint32_t Recorder::frameTick()
{
    const std::uint32_t now = clock_();
    ++frames_;
    ReplayEvent event;
    event.type = ReplayEvent::Frame;
    event.tick = now;
    writer_.event(event);
    return now;
}

std::uint32_t Recorder::readTick()
{
    const std::uint32_t now = clock_();
    ReplayEvent event;
    event.type = ReplayEvent::Tick;
    event.tick = now;
    writer_.event(event);
    return now;
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
    if (hashEvery_ == 0 || frames_ % hashEvery_ != 0)
        return;
    ReplayEvent event;
    event.type = ReplayEvent::Hash;
    event.hash = gameStateHash();
    writer_.event(event);
}

bool Recorder::finish(std::string& error)
{
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
