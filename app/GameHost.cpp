#include "app/GameHost.h"

#include "app/GameRecorder.h"
#include "app/ReplayShelf.h"

void GameHost::gameStarted(const Screen* game)
{
    recorder_.gameStarted(game);
}

void GameHost::watchReplay(const std::string& replay)
{
    watch_ = replay;
}

std::string GameHost::replayProblem(const std::string& replay) const
{
    return shelf_.problem(replay);
}

std::string GameHost::takeWatchRequest()
{
    std::string taken;
    taken.swap(watch_);
    return taken;
}
