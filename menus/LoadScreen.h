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
class LoadScreen : public Screen {
public:
    LoadScreen() = default;
    // Releases the textures the list loaded; a suspended game that was never
    // handed back to a menu (the player loaded another game) goes with it.
    ~LoadScreen() override;

    void keyDown(int key) override;
    void mouseUp(bool left, bool right) override;
    void mouseMove(float x, float y) override;
    void enter() override;
    void render() override;

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
};
