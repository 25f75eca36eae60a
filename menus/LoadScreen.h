#pragma once

#include <vector>

#include "menus/ListScreen.h"
#include "menus/SaveList.h"
#include "render/BitmapFont.h"
#include "render/Sprite.h"

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
class LoadScreen : public ListScreen {
public:
    LoadScreen() = default;
    // Releases the textures the list loaded; a suspended game that was never
    // handed back to a menu (the player loaded another game) goes with it.
    ~LoadScreen() override;

    void mouseUp(bool left, bool right) override;
    void mouseWheel(int notches) override;
    void mouseMove(float x, float y) override;
    void enter() override;
    void render() override;

    // hovered: 1 Load Game, 2 Return Game; the backdrop is the board the list
    // is printed on and the scroll bar's track.
    bool hasEntries = false;
    BitmapFont font;
    std::vector<SaveEntry> entries;
    int selected = 0;
    Sprite upArrow;
    Sprite downArrow;
    Sprite scrollBar;
    Sprite returnGameButton;
    Sprite loadGameButton;

private:
    // Load Game: the selected game in a new play screen (nothing without one).
    void act() override;
    bool moveKey(int key) override;
    // A left click away from the buttons: the scroll arrows and the lines.
    void clickList(float viewX, float viewY);
    // The entry whose line is at view height viewY (between the list's left
    // edge and the scroll bar), or -1.
    int entryAtLine(float viewX, float viewY) const;
};
