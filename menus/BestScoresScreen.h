#pragma once

#include <string>

#include "menus/ListScreen.h"
#include "render/BitmapFont.h"
#include "render/Sprite.h"

// The best-score list (scoreBook()): the ten best games, best first, with
// their place, score, name, the level they reached and the day they were
// played; one game is marked, and can be watched again from its recording
// (gameEvents().watchReplay). Under the list: whether the marked game can
// be watched, and what the game could not keep (the book's notices).
//
// Keys (gamepads send the same): Up and Down move the mark, wrapping round;
// Home and End jump to the first and last game; Enter watches the marked
// game; Esc goes back to the menu the list was opened from, with the same
// suspended game. Like a click, Enter and Esc act when released, and only
// when they were pressed on this list. The pointer: a click on a game marks
// it, a click on the marked game watches it; the wheel moves the mark; the
// Watch Game and Return Game buttons do what Enter and Esc do.
class BestScoresScreen : public ListScreen {
public:
    BestScoresScreen() = default;
    // Releases the textures the list loaded; a suspended game never handed
    // back to a menu goes with it.
    ~BestScoresScreen() override;

    void mouseUp(bool left, bool right) override;
    void mouseWheel(int notches) override;
    void mouseMove(float x, float y) override;
    void enter() override;
    void render() override;

    // The marked game, from 0 (the best); 0 while the list is empty. Its
    // creator may set it before enter() to mark a game just entered.
    int selected = 0;
    // hovered: 1 Watch Game, 2 Return Game.
    Sprite watchButton;
    Sprite returnButton;
    BitmapFont titleFont;
    BitmapFont font;     // the games
    BitmapFont noteFont; // the lines under them

private:
    int gameCount() const;
    // Watch Game: asks to see the marked game again (nothing without one).
    void act() override;
    bool moveKey(int key) override;
    // The game whose line is at the point, or -1.
    int gameAt(float viewX, float viewY) const;

    void drawGames();
    void drawNotes();
    // Prints text ending at x (right-aligned).
    void printRight(const std::string& text, float x, float y);
};
