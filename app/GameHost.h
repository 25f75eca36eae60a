#pragma once

#include <string>

#include "screens/GameEvents.h"

class GameRecorder;
class ReplayShelf;

// What the game's program answers the screens (GameEvents): a game started
// goes to the recorder of games, a replay asked for waits until the frame
// loop shows it, and whether a listed game can be watched comes from the
// shelf of recordings.
class GameHost : public GameEvents {
public:
    GameHost(GameRecorder& recorder, ReplayShelf& shelf) : recorder_(recorder), shelf_(shelf) {}

    void gameStarted(const Screen* game) override;
    void watchReplay(const std::string& replay) override;
    std::string replayProblem(const std::string& replay) const override;

    // The replay asked for since the last call (empty for none), forgotten
    // once taken.
    std::string takeWatchRequest();

private:
    GameRecorder& recorder_;
    ReplayShelf& shelf_;
    std::string watch_;
};
