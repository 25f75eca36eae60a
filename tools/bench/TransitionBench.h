#pragma once

#include <string>
#include <vector>

#include "render/PictureWorker.h"
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

    // A picture the first New Game loaded from the worker: its place in the
    // worker's list and how far it was when New Game was pressed (in the
    // last run).
    struct TakenPicture {
        std::string key; // the picture cache's name for it
        int place = 0;   // 1 for the first of the list
        PictureWorker::State state = PictureWorker::State::waiting;
    };
    // coldStartFrames(): each run's longest frame, and every frame's wall time.
    struct FadeFrames {
        Times longest;
        TimingSeries every;
    };
    struct ColdStart {
        Times newGame;
        Times levelChange;
        std::vector<TakenPicture> newGamePictures;
        TimingSeries workerHeadStart; // ms from the worker's start to the press
        TimingSeries newGameWaited;   // ms New Game waited for pictures in the worker's hands
        FadeFrames newGameFrames;     // filled by the caller from coldStartFrames()
    };
    // A run's first New Game and its first change to each background: the
    // pictures kept are forgotten, the title menu is made and its first
    // frame drawn and finished, the game's PicturePreloader starts with the
    // pictures of a game (the game starts it before its title menu: here
    // the worker has no head start), New Game is pressed at once, then,
    // once the worker has decoded the rest (as while level 1 is played),
    // the new game goes through every level change in turn, each with the
    // frame drawn after it (14 changes a run; no menu rests in between).
    // With ownThread false the preloader decodes nothing ahead: each
    // picture is read on the game's thread when a screen loads it.
    ColdStart coldStart(bool ownThread) const;

    // The frames of a run's first New Game as the game runs them: from the
    // title menu's first frame, the preloader started as coldStart() starts
    // it, New Game pressed, each frame of the fade at 60 a second (update,
    // drawing, the drawing finished, then the rest of the frame slept) up to
    // the play screen's first frame of its own.
    FadeFrames coldStartFrames(bool ownThread) const;

    // Where reading the pictures of a game goes, per picture, from its
    // file: decoding it (with its header check and colour key), building
    // its levels, uploading them. Each picture is read afresh and its name
    // released at once.
    struct PictureCosts {
        TimingSeries decode;
        TimingSeries levels;
        TimingSeries upload;
        // Decoding and levels of each picture by the picture cache's name.
        std::vector<std::pair<std::string, double>> prepareByPicture;
    };
    static PictureCosts pictureCosts();

    // Forgets every picture kept and nobody holds, then loads every
    // picture of a game ahead as a menu at rest does (the game's
    // PicturePreloader, all of it: a menu that rested long enough). Returns
    // how many pictures it loaded; the transitions timed after it find them.
    static int restAtTheMenu();

private:
    int repeats_;
    std::string saves_;
};
