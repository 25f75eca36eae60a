#pragma once

#include <memory>

#include "menus/ArmedKey.h"
#include "menus/MenuPointer.h"
#include "render/Sprite.h"
#include "screens/Camera.h"
#include "screens/Screen.h"

class PlayScreen;

// A list opened from the title or the in-game menu that goes back to the
// menu it came from (the load list, the best scores): it learns the menu's
// mode and holds the suspended game meanwhile. Enter does the list's own
// action and Esc goes back, each when released and only when it was pressed
// on this list (a key held across a fade acts nowhere twice); the keys that
// move the selection repeat.
class ListScreen : public Screen {
public:
    // Releases the backdrop's and the underline's textures; a suspended
    // game never handed back to a menu goes with the list.
    ~ListScreen() override;

    void keyDown(int key) override;
    void keyUp(int key) override;
    void keyRepeat(int key) override;
    // At rest until it starts fading away.
    bool stillPicture() const override { return !leaving; }

    bool inGame = false;
    // The in-game menu's suspended game, handed back to the menu on Return Game.
    std::unique_ptr<PlayScreen> suspended;
    // What the pointer is over, by ListButtons::Hovered: 0 none, 1 the
    // action's button, 2 Return Game.
    int hovered = 0;
    // The list has started fading away; further clicks and keys are ignored
    // so it is never handed to two fades.
    bool leaving = false;

    Camera camera;
    // The picture behind everything.
    Sprite backdrop;
    // The line under the button the pointer is over.
    Sprite underline;

protected:
    // A key that moves the selection: moves it and returns true; false for
    // any other key.
    virtual bool moveKey(int key) = 0;
    // Enter: the list's own action (load the game, watch it).
    virtual void act() = 0;
    // Return Game: back to the menu the list was opened from.
    void goBack();
    // A left click on the button under the pointer: the action's button
    // acts, Return Game goes back. False when the pointer is over neither.
    bool pressHoveredButton();
    // Fades from this list to next for `duration` and ignores later clicks.
    void leaveFor(Screen* next, float duration);

    // The pointer as mouseMove last gave it.
    MenuPointer pointer_;

private:
    // Enter or Esc, pressed on this list: its release acts.
    ArmedKey armedKey_;
};
