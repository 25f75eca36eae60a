#pragma once

#include <memory>
#include <vector>

#include "menus/SaveList.h"
#include "render/BitmapFont.h"
#include "render/Sprite.h"
#include "screens/Camera.h"
#include "screens/Screen.h"

class PlayScreen;

// The list of saved games found in saveFolder ("Save" unless start-up chose
// another): the arrow keys move the selection, Load Game resumes the selected
// game, Return Game goes back to the menu it came from (with the same
// suspended game).
//
// Besides: a click on a line selects it and a click on the selected line
// (so a double click too) loads it; the scroll arrows and the mouse wheel
// move the selection a line without wrapping round; Page Up and Page Down
// move it a window of lines, Home and End to the first and last game; Enter
// loads the selected game and Esc goes back as Return Game does. Like a
// click, Enter and Esc act when released, and only when they were pressed
// on this list (a key held across a fade acts nowhere twice).
class LoadScreen : public Screen {
public:
    LoadScreen() = default;
    // Releases the textures the list loaded; a suspended game that was never
    // handed back to a menu (the player loaded another game) goes with it.
    ~LoadScreen() override;

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

    int hovered = 0; // 0 none, 1 Load Game, 2 Return Game
    bool inGame = false;
    bool hasEntries = false;
    // The in-game menu's suspended game, handed back to the menu on Return Game.
    std::unique_ptr<PlayScreen> suspended;
    BitmapFont font;
    std::vector<SaveEntry> entries;
    int selected = 0;
    Camera camera;
    Sprite upArrow;
    Sprite downArrow;
    Sprite scrollBar;
    Sprite returnGameButton;
    Sprite loadGameButton;
    Sprite underline;
    // The picture behind everything: the board the list is printed on and
    // the scroll bar's track.
    Sprite backdrop;
    // A button has started the fade away from this list; further clicks are
    // ignored so the list is never handed to two fades.
    bool leaving = false;

private:
    // Fades from this list to next for `duration` and ignores later clicks.
    void leaveFor(Screen* next, float duration);
    // Load Game: the selected game in a new play screen (nothing without one).
    void loadSelected();
    // Return Game: back to the menu the list was opened from.
    void goBack();
    // Keys that move the selection; false for any other key.
    bool moveKey(int key);
    // A left click away from the buttons: the scroll arrows and the lines.
    void clickList(float viewX, float viewY);
    // The entry whose line is at view height viewY (between the list's left
    // edge and the scroll bar), or -1.
    int entryAtLine(float viewX, float viewY) const;

    // The pointer in view units as mouseMove last gave it.
    float pointerViewX_ = 0.0f;
    float pointerViewY_ = 0.0f;
    // Enter or Esc, pressed on this list and not yet released (0 for none).
    int armedKey_ = 0;
};
