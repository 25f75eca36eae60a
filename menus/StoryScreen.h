#pragma once

#include <memory>

#include "render/Sprite.h"
#include "screens/Camera.h"
#include "screens/Screen.h"

class PlayScreen;

// The game's story as one full-screen picture. A click in its lower-left
// corner or holding Backspace or Esc goes back to the menu it came from.
class StoryScreen : public Screen {
public:
    StoryScreen() = default;
    // Releases the picture; a suspended game that was never handed back to a
    // menu goes with it.
    ~StoryScreen() override;

    void mouseUp(bool left, bool right) override;
    void mouseMove(float x, float y) override;
    void enter() override;
    void keysHeld(const unsigned char* keys) override;
    void render() override;
    // At rest until it starts fading away.
    bool stillPicture() const override { return !leaving; }

    bool inGame = false;
    // The in-game menu's suspended game, handed back to the menu.
    std::unique_ptr<PlayScreen> suspended;
    float pointerY = 0.0f;
    float pointerX = 0.0f;
    Camera camera;
    Sprite picture;
    // The fade back to the menu has started; a second click or Backspace
    // still held starts nothing.
    bool leaving = false;

private:
    void backToMenu();
};
