#include "app/Playback.h"

#include "app/GameState.h"
#include "entities/Random.h"
#include "platform/Message.h"
#include "play/Ticks.h"

namespace {

Playback* activePlayback = nullptr;

} // namespace

Playback::Playback(const Replay& replay) : replay_(replay)
{
    for (const ReplayEvent& event : replay.events)
        frameCount_ += event.type == ReplayEvent::Frame ? 1 : 0;
}

Playback::~Playback()
{
    release();
}

void Playback::release()
{
    if (activePlayback == this) {
        activePlayback = nullptr;
        setPlayTickSource(nullptr);
    }
}

void Playback::begin()
{
    thrask::srand(replay_.seed);
    activePlayback = this;
    setPlayTickSource(&Playback::playTick);
}

bool Playback::finished() const
{
    for (std::size_t i = next_; i < replay_.events.size(); ++i)
        if (replay_.events[i].type == ReplayEvent::Frame)
            return false;
    return true;
}

std::uint32_t Playback::frameTick()
{
    skipStrayTicks();
    // The game writes nothing between a frame's state hash and the next
    // frame. A message or hash found there is out of order (a damaged or
    // hand-made recording): it is skipped, so that every frame run is one
    // the recording holds.
    while (next_ < replay_.events.size() && replay_.events[next_].type != ReplayEvent::Frame) {
        depart("the recording holds a message or state hash out of order");
        ++next_;
        skipStrayTicks();
    }
    ++frame_;
    if (next_ < replay_.events.size() && replay_.events[next_].type == ReplayEvent::Frame)
        lastTick_ = replay_.events[next_++].tick;
    return lastTick_;
}

std::uint32_t Playback::nextFrameTick() const
{
    for (std::size_t i = next_; i < replay_.events.size(); ++i)
        if (replay_.events[i].type == ReplayEvent::Frame)
            return replay_.events[i].tick;
    return lastTick_;
}

std::uint32_t Playback::readTick()
{
    if (next_ < replay_.events.size() && replay_.events[next_].type == ReplayEvent::Tick) {
        lastTick_ = replay_.events[next_++].tick;
        return lastTick_;
    }
    depart("the game read the clock where the recorded run did not");
    return lastTick_;
}

void Playback::dispatchInputs(const std::function<void(const Message&)>& dispatch)
{
    // A tick read between two messages is taken by readTick while the
    // message before it is dispatched; one still waiting here was not read
    // by the game, and frameTick or checkHash will say so.
    for (;;) {
        if (next_ >= replay_.events.size() || replay_.events[next_].type != ReplayEvent::Input)
            return;
        const Message message = replay_.events[next_++].message;
        dispatch(message);
    }
}

void Playback::checkHash()
{
    skipStrayTicks();
    if (next_ >= replay_.events.size() || replay_.events[next_].type != ReplayEvent::Hash)
        return;
    const std::uint64_t recorded = replay_.events[next_++].hash;
    ++hashesChecked_;
    if (recorded != gameStateHash())
        depart("the state differs from the recorded run's");
}

void Playback::skipStrayTicks()
{
    while (next_ < replay_.events.size() && replay_.events[next_].type == ReplayEvent::Tick) {
        depart("the recorded run read the clock where the game did not");
        lastTick_ = replay_.events[next_++].tick;
    }
}

void Playback::depart(const std::string& what)
{
    if (departure_.empty())
        departure_ = "frame " + std::to_string(frame_) + ": " + what;
}

std::uint32_t Playback::playTick()
{
    return activePlayback != nullptr ? activePlayback->readTick() : 0;
}
