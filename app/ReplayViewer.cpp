#include "app/ReplayViewer.h"

#include <algorithm>
#include <cstdio>

#include "app/GameState.h"
#include "app/ReplayVerdict.h"
#include "app/Globals.h"
#include "platform/GameWindow.h"
#include "platform/Message.h"
#include "platform/PreciseTime.h"
#include "platform/Ticks.h"
#include "platform/VirtualKeys.h"
#include "render/Renderer.h"

namespace {

// How long one call of a fast replay whose caller paces the frames may play
// recorded frames, in microseconds: about a frame of a 60 Hz display.
constexpr std::int64_t fastCallBudget = 12000;

} // namespace

ReplayViewer::ReplayViewer(const Replay& replay, bool fast, std::function<bool()> interrupted,
                           const unsigned char* keysHeld, const std::string& banner, FrameWaits waits)
    : replay_(replay), run_(replay), fast_(fast), waits_(waits), interrupted_(std::move(interrupted)),
      bannerText_(banner)
{
    if (keysHeld != nullptr)
        std::copy(keysHeld, keysHeld + 256, keysHeld_);
}

bool ReplayViewer::start(std::string& error)
{
    if (!run_.begin(error))
        return false;
    banner_ = std::make_unique<ReplayBanner>(bannerText_);
    realStart_ = tickCount();
    recordedStart_ = lastTick;
    return true;
}

bool ReplayViewer::due(std::uint32_t tick) const
{
    return fast_ || tickCount() - realStart_ >= tick - recordedStart_;
}

void ReplayViewer::waitFor(std::uint32_t tick) const
{
    if (waits_ == FrameWaits::byCaller)
        return;
    while (!due(tick) && !(interrupted_ && interrupted_()))
        sleepMilliseconds(1);
}

void ReplayViewer::frame(GameWindow& window)
{
    if (fast_ && waits_ == FrameWaits::byCaller)
        fastFrames(window);
    else if (waits_ == FrameWaits::inGame || due(run_.playback().nextFrameTick()))
        playFrame(window);
    takeMessages(window);
}

void ReplayViewer::playFrame(GameWindow& window)
{
    run_.frame([this](std::uint32_t tick) { waitFor(tick); }, [&window] { window.swapBuffers(); },
               [this] { banner_->draw(); });
}

void ReplayViewer::fastFrames(GameWindow& window)
{
    const std::int64_t start = monotonicMicroseconds();
    std::int64_t longest = 0;
    for (;;) {
        const std::int64_t before = monotonicMicroseconds();
        const bool last = run_.playback().frameCount() - run_.playback().frame() <= 1
                          || before - start + longest > fastCallBudget;
        renderer().setFramesPlayed(last);
        playFrame(window);
        longest = std::max(longest, monotonicMicroseconds() - before);
        if (last || done())
            break;
    }
    renderer().setFramesPlayed(true);
}

void ReplayViewer::takeMessages(GameWindow& window)
{
    // The watcher's own keys: the key they gave Esc stops the replay,
    // whatever screen the recording shows.
    Message message;
    while (window.keyMode(KeyMapping::Mode::Mapped), window.nextMessage(message)) {
        if (message.kind == Message::Quit)
            quit_ = true;
        if (message.kind == Message::KeyDown) {
            if (message.a == vk::escape)
                stopped_ = true;
            keysHeld_[message.a & 0xFF] = 1;
        }
        if (message.kind == Message::KeyUp)
            keysHeld_[message.a & 0xFF] = 0;
        if (message.kind == Message::MouseMove) {
            pointerMoved_ = true;
            pointerX_ = message.a;
            pointerY_ = message.b;
        }
    }
    // An uncovered window lost the picture it showed.
    if (window.takeExposed())
        renderer().forgetShownFrame();
}

bool ReplayViewer::pointerMoved(int& x, int& y) const
{
    x = pointerX_;
    y = pointerY_;
    return pointerMoved_;
}

bool ReplayViewer::done() const
{
    return run_.finished() || !running || stopped_ || quit_;
}

void ReplayViewer::report() const
{
    const Playback& playback = run_.playback();
    if (!playback.departure().empty())
        std::fprintf(stderr, "thrask: the replay departs from the recording at %s\n",
                     playback.departure().c_str());
    else if (stopped_ || quit_)
        std::printf("thrask: replay stopped at frame %d of %d\n", playback.frame(), playback.frameCount());
    else if (replay_.finished && describeGameState() == replay_.finalState)
        std::printf("thrask: the replay ended as recorded, after %d frames\n", playback.frame());
    else
        std::printf("thrask: the replay ended after %d frames\n", playback.frame());
    // A replay played to its end also says how, in the replay tool's lines
    // (thrask-replay --expect), which must be the same on every machine.
    if (!stopped_ && !quit_) {
        const ReplayVerdict verdict = verdictOf(playback);
        std::fputs(replayVerdictLines(verdict, replay_, true).c_str(), stdout);
    }
    // The game goes on after a replay; the lines are not held back until it ends.
    std::fflush(stdout);
}
