#pragma once

#include <string>

#include "tools/bench/TimingSeries.h"

// Times the hand-overs between screens as the game makes them, each from the
// player's action to the frame in which the next screen has taken over: the
// handler of the click or key (which builds the next screen) plus the fade's
// last update (which destroys the screen left). The level change is the
// loader's setup(n + 1), which the level fade calls at its darkest point.
//
// Needs a current OpenGL context and the data folder as the working
// directory; the load list reads its saved game from `saves`.
class TransitionBench {
public:
    struct Times {
        TimingSeries wall; // milliseconds by the wall clock
        TimingSeries cpu;  // milliseconds of the game thread's CPU time
    };

    TransitionBench(int repeats, std::string saves) : repeats_(repeats), saves_(std::move(saves)) {}

    // The main menu's New Game: a new play screen at level 1.
    Times newGame() const;
    // Level n to n + 1, for n = 1, 2, ... 14, 1, 2 ...
    Times levelChange() const;
    // Esc in play at `level`: the copy of the game and the in-game menu holding it.
    Times escCopy(int level) const;
    // The in-game menu's set-up alone (constructor, enter, setup(2)).
    Times inGameMenu() const;
    // The in-game menu's Return Game: the suspended game back, the menu destroyed.
    Times returnGame(int level) const;
    // The load list's Load Game on a game saved at `level`.
    Times loadGame(int level) const;

    // Forgets every picture kept and nobody holds, then loads every
    // picture of a game ahead as a menu at rest does (the game's
    // PicturePreloader, all of it: a menu that rested long enough). Returns
    // how many pictures it loaded; the transitions timed after it find them.
    static int restAtTheMenu();

private:
    int repeats_;
    std::string saves_;
};
