#pragma once

#include <memory>
#include <string>

#include "render/BitmapFont.h"
#include "render/Sprite.h"
#include "render/Texture.h"
#include "screens/Camera.h"
#include "screens/Screen.h"

class PlayScreen;

// The title menu (setup(menuMode::title): New Game, Load Game, Game Story,
// Quit Game) and the in-game menu (setup(menuMode::inGame): the same plus
// Return Game and Save Game, with the save-name prompt). Driven by the mouse:
// hovering an entry shows the marker under it, releasing the left button over
// it performs its action.
//
// Created with the constructor, enter() and setup(mode); in in-game mode the
// creator also hands it the suspended game (makeInGameMenu in ScreenFlow.h).
class TitleScreen : public Screen {
public:
    // Loads titleTexture from "Textures/title.png" if no menu has yet.
    TitleScreen();
    // Releases the textures the menu loaded (never titleTexture); a suspended
    // game the menu still holds (one the player abandoned by starting a new
    // game or quitting) goes with it.
    ~TitleScreen() override;

    void keyDown(int key) override;
    void mouseUp(bool left, bool right) override;
    void mouseMove(float x, float y) override;
    void enter() override;
    void render() override;
    void setup(int mode) override;

    // The suspended game in in-game mode; empty in main-menu mode. Return Game
    // hands it back to the screen flow, Load Game and Game Story pass it on.
    std::unique_ptr<PlayScreen> suspended;
    int caret = 0;
    std::string saveName;
    BitmapFont font;
    bool prompting = false;
    bool inGame = false;
    Sprite saveGameItem;
    Sprite returnGameItem;
    Sprite gameStoryItem;
    Sprite quitGameItem;
    int hovered = 0; // 0 none, 1 New Game, 2 Load Game, 3 Game Story, 4 Quit Game, 5 Return Game, 6 Save Game
    Sprite marker;
    Sprite loadGameItem;
    Sprite newGameItem;
    Camera camera;
    Sprite background;
    // The board behind the save prompt's text, in in-game mode.
    Sprite promptPanel;
    // An entry has started the fade away from this menu; further clicks are
    // ignored so the menu is never handed to two fades.
    bool leaving = false;

private:
    // Fades from this menu to next and ignores every later click.
    void leaveFor(Screen* next);
};

// The title picture shared by every title menu: loaded by the first menu that
// finds it empty, released once at shut-down. It belongs to the menus, so it
// is declared here rather than with the app's globals (menus/ may not include
// app/).
extern Texture titleTexture;
