#pragma once

#include <memory>
#include <string>

#include "render/BitmapFont.h"
#include "render/Sprite.h"
#include "screens/Camera.h"
#include "screens/Screen.h"

class PlayScreen;

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
class BestScoresScreen : public Screen {
public:
    BestScoresScreen() = default;
    // Releases the textures the list loaded; a suspended game never handed
    // back to a menu goes with it.
    ~BestScoresScreen() override;

    void keyUp(int key) override;
    void keyDown(int key) override;
    void keyRepeat(int key) override;
    void mouseUp(bool left, bool right) override;
    void mouseWheel(int notches) override;
    void mouseMove(float x, float y) override;
    void enter() override;
    void render() override;
    // At rest until it starts fading away.
    bool stillPicture() const override { return !leaving; }

    bool inGame = false;
    // The in-game menu's suspended game, handed back to the menu on Return Game.
    std::unique_ptr<PlayScreen> suspended;
    // The marked game, from 0 (the best); 0 while the list is empty. Its
    // creator may set it before enter() to mark a game just entered.
    int selected = 0;
    int hovered = 0; // 0 none, 1 Watch Game, 2 Return Game
    // A button has started the fade away from this list; further clicks are
    // ignored so the list is never handed to two fades.
    bool leaving = false;

    Camera camera;
    Sprite backdrop;
    Sprite watchButton;
    Sprite returnButton;
    Sprite underline;
    BitmapFont titleFont;
    BitmapFont font;     // the games
    BitmapFont noteFont; // the lines under them

private:
    int gameCount() const;
    // Watch Game: asks to see the marked game again (nothing without one).
    void watchMarked();
    // Return Game: back to the menu the list was opened from.
    void goBack();
    // Keys that move the mark; false for any other key.
    bool moveKey(int key);
    // The game whose line is at the point, or -1.
    int gameAt(float viewX, float viewY) const;

    void drawGames();
    void drawNotes();
    // Prints text ending at x (right-aligned).
    void printRight(const std::string& text, float x, float y);

    float pointerViewX_ = 0.0f;
    float pointerViewY_ = 0.0f;
    // Enter or Esc, pressed on this list and not yet released (0 for none).
    int armedKey_ = 0;
};
