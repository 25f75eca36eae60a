#pragma once

#include "render/BitmapFont.h"
#include "render/Sprite.h"
#include "screens/Screen.h"

// Shown once the last level is completed: the win picture, the final score
// with a prompt, and the credits. Releasing any key returns to the main menu,
// or, for a game that entered the best scores (it says at which place), to
// the prompt for its name.
class EndingScreen : public Screen {
public:
    EndingScreen() = default;
    ~EndingScreen() override;

    void keyUp(int key) override;
    void enter() override;
    void render() override;
    // The ending's own loop.
    MusicCue musicCue() const override;
    // At rest until it starts fading away.
    bool stillPicture() const override { return !leaving; }

    Sprite picture;
    BitmapFont scoreFont;
    BitmapFont creditsFont;
    int finalScore = 0; // set by the creator before enter()
    int place = 0;      // the game's place on the best scores, 0 for none; set before enter()
    BitmapFont placeFont;
    // The fade to the main menu has started; later key releases start nothing.
    bool leaving = false;
};
