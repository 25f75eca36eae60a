#pragma once

#include <string>

#include "render/BitmapFont.h"
#include "render/Sprite.h"
#include "screens/Camera.h"
#include "screens/Screen.h"

// Asks for the name of the game that has just entered the best scores (it
// is on the list already, without a name): its place, score and level, and
// the name typed with the save prompt's keys (SavePrompt::edit: a-z, 0-9
// and spaces, Backspace, Left and Right). Enter keeps the name typed (none
// when it is blank), Esc leaves the game without one, a left click does as
// Enter; either way the best-score list follows with the game marked, and
// it comes back to the main menu. The game is kept on the list whether or
// not a name is typed, also when the program ends here.
class ScoreEntryScreen : public Screen {
public:
    ScoreEntryScreen() = default;
    ~ScoreEntryScreen() override;

    void keyDown(int key) override;
    void keyRepeat(int key) override;
    void mouseUp(bool left, bool right) override;
    void enter() override;
    void render() override;
    // Letters are the name's.
    bool typing() const override { return true; }
    bool stillPicture() const override { return !leaving; }

    // The game's place on the list (1 ... 10); set by the creator before enter().
    int place = 0;
    std::string name;
    int caret = 0;
    // The name was given (or left out) and the fade to the list has started.
    bool leaving = false;

    Camera camera;
    Sprite backdrop;
    BitmapFont titleFont;
    BitmapFont font;
    BitmapFont promptFont;

private:
    // Gives the game the name typed (keepName) or none, and shows the list.
    void finish(bool keepName);
    // Prints text centred on the view's middle.
    void printCentred(BitmapFont& with, const std::string& text, float y);
};
