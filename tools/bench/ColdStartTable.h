#pragma once

#include <string>
#include <vector>

#include "tools/bench/TransitionBench.h"

// The cold start of every size and backend measured in the run, side by
// side in one table (a column each): a run's first New Game, pressed on the
// title menu's first frame, and its first change to each background, by the
// wall clock, against the frame of 16.7 ms, with the pictures decoded ahead
// as the game does and with nothing decoded ahead (each picture read on the
// game's thread when a screen loads it); then where reading the pictures of
// a game from their files goes, summed over the pictures.
class ColdStartTable {
public:
    // Adds the column headed `heading` (its size and backend).
    void add(const std::string& heading, const TransitionBench::ColdStart& cold,
             const TransitionBench::ColdStart& nothingAhead, const TransitionBench::PictureCosts& costs);

    // Prints the table; nothing when no column was added.
    void print() const;

private:
    // Where each picture the first New Game loaded was in the worker's list.
    void printNewGamePictures() const;

    struct Column {
        std::string heading;
        TransitionBench::ColdStart cold;
        TransitionBench::ColdStart nothingAhead;
        TransitionBench::PictureCosts costs;
    };
    std::vector<Column> columns_;
};
