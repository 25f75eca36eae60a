#include "app/ReplayWatch.h"

#include <cstdio>

#include "app/Globals.h"
#include "app/ReplayShelf.h"
#include "platform/GameWindow.h"
#include "platform/Message.h"

ReplayWatch::ReplayWatch(ReplayShelf& shelf, std::function<bool()> interrupted, FrameWaits waits)
    : shelf_(shelf), interrupted_(std::move(interrupted)), waits_(waits)
{
}

ReplayWatch::~ReplayWatch()
{
    if (viewer_ != nullptr)
        viewer_->end();
}

bool ReplayWatch::begin(const std::string& name)
{
    auto replay = std::make_unique<Replay>();
    std::string error;
    if (!shelf_.load(name, *replay, error)) {
        std::fprintf(stderr, "thrask: %s\n", error.c_str());
        return false;
    }
    held_.hold();
    auto viewer = std::make_unique<ReplayViewer>(*replay, false, interrupted_, held_.keysHeld(),
                                                 "Watching a game of the best scores: Esc returns to the list", waits_);
    if (!viewer->start(error)) {
        std::fprintf(stderr, "thrask: %s: %s\n", shelf_.path(name).c_str(), error.c_str());
        shelf_.refuse(name, "it does not start as it was recorded");
        held_.giveBack();
        return false;
    }
    replay_ = std::move(replay);
    viewer_ = std::move(viewer);
    return true;
}

void ReplayWatch::end(const GameWindow& window, const std::function<void(const Message&)>& deliver)
{
    viewer_->report();
    viewer_->end();
    held_.giveBack();

    Message message;
    for (int key = 0; key < 256; ++key) {
        if (keyState[key] != 0 && viewer_->keysHeld()[key] == 0) {
            message.kind = Message::KeyUp;
            message.a = key;
            deliver(message);
        }
    }
    int x = 0;
    int y = 0;
    if (viewer_->pointerMoved(x, y)) {
        message = Message();
        message.kind = Message::MouseMove;
        message.a = x;
        message.b = y;
        deliver(message);
    }
    // The viewport the recording drew in goes back to the player's picture.
    message = Message();
    message.kind = Message::Size;
    window.clientSize(message.a, message.b);
    deliver(message);
    if (viewer_->quitAsked()) {
        message = Message();
        message.kind = Message::Quit;
        deliver(message);
    }
    viewer_.reset();
    replay_.reset();
}
