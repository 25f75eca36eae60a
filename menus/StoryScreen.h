#pragma once

#include "render/Sprite.h"
#include "screens/Camera.h"
#include "screens/Screen.h"

class PlayScreen;

// The game's story as one full-screen picture. A click in its lower-left
// corner or holding Backspace goes back to the menu it came from.
class StoryScreen : public Screen {
public:
    StoryScreen() = default;
    ~StoryScreen() override;

    void mouseUp(bool left, bool right) override;
    void mouseMove(float x, float y) override;
    void enter() override;
    void keysHeld(const unsigned char* keys) override;
    void render() override;

    bool inGame = false;
    PlayScreen* suspended = nullptr; // handed back to the menu; not owned
    float pointerY = 0.0f;
    float pointerX = 0.0f;
    Camera camera;
    Sprite picture;
};
