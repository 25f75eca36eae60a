#pragma once

#include <string>
#include <vector>

#include "render/BitmapFont.h"
#include "render/Sprite.h"
#include "screens/Camera.h"
#include "screens/Screen.h"

class PlayScreen;

// One saved game as the load list shows it.
struct SaveEntry {
    std::string fileName; // as the directory scan reports it, ".sav" included
    std::string line;     // the text shown in the list
    int hp = 0;
    int level = 0;
    int score = 0;
    bool introShowing = false;
};

// The list of saved games found in "Save": the arrow keys move the selection,
// Load Game resumes the selected game, Return Game goes back to the menu it
// came from (with the same suspended game).
class LoadScreen : public Screen {
public:
    LoadScreen() = default;
    ~LoadScreen() override;

    void keyDown(int key) override;
    void mouseUp(bool left, bool right) override;
    void mouseMove(float x, float y) override;
    void enter() override;
    void render() override;

    int hovered = 0; // 0 none, 1 Load Game, 2 Return Game
    bool inGame = false;
    bool hasEntries = false;
    PlayScreen* suspended = nullptr; // handed back on Return Game; not owned
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
};
