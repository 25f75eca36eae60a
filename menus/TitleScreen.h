#pragma once

#include <memory>
#include <string>
#include <vector>

#include "menus/ArmedKey.h"
#include "menus/MenuPointer.h"
#include "render/BitmapFont.h"
#include "render/Sprite.h"
#include "render/Texture.h"
#include "screens/Camera.h"
#include "screens/Screen.h"

class PlayScreen;

// The title menu (setup(menuMode::title): New Game, Load Game, Game Story,
// Quit Game) and the in-game menu (setup(menuMode::inGame): the same plus
// Return Game and Save Game, with the save-name prompt), and in both modes
// the signs beside them: Options and Best Scores, each opening a screen that
// comes back to the menu it was opened from (with the suspended game).
// Driven by the mouse: hovering an entry shows the marker under it,
// releasing the left button over it performs its action.
//
// And by the keyboard (gamepads send the same keys): Up/Down and
// Tab/Shift+Tab move the marker through the entries in the order of the
// screen, the signs after Quit Game, wrapping (nothing is marked at first;
// the first Down or Tab marks the first entry, the first Up or Shift+Tab the
// last); Enter or Space
// performs the marked entry as a click on it does; Esc in the in-game menu
// performs Return Game. Like a click, those keys act when released, and only
// when they were pressed on this menu: a key held across a fade, or still
// held when the next screen shows, acts nowhere twice. Held keys repeat the
// marker's moves. The pointer re-picks the marked entry only when it moves,
// and a click acts on the entry under the pointer, whatever the keyboard
// marked. While the save prompt is open every key goes to the prompt.
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

    void keyUp(int key) override;
    void keyDown(int key) override;
    void keyRepeat(int key) override;
    void mouseUp(bool left, bool right) override;
    void mouseMove(float x, float y) override;
    void enter() override;
    void keysHeld(const unsigned char* keys) override;
    // Counts down the moment the "Saved" notice shows (drawing only).
    void update() override;
    void render() override;
    void setup(int mode) override;
    // True while the save-name prompt is open: letters are the name's.
    bool typing() const override;
    // At rest until it starts fading away.
    bool stillPicture() const override { return !leaving; }

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
    // The marked entry by menuPlaces::Entry: 0 none, 1 New Game, 2 Load Game,
    // 3 Game Story, 4 Quit Game, 5 Return Game, 6 Save Game, then the signs
    // from 7 on: 7 Options, 8 Best Scores.
    int hovered = 0;
    Sprite marker;
    Sprite loadGameItem;
    Sprite newGameItem;
    Camera camera;
    Sprite background;
    // The signs beside the menu's own entries, in their keyboard order; each
    // opens a screen that comes back to the menu in the mode it came from.
    std::vector<Sprite> signs;
    // The board behind the save prompt's text, in in-game mode.
    Sprite promptPanel;
    // An entry has started the fade away from this menu; further clicks are
    // ignored so the menu is never handed to two fades.
    bool leaving = false;

    // The line the open prompt shows under the name: why the last Enter
    // saved nothing ("Type a name first", "Could not save: ..."); empty
    // when there is nothing to say.
    std::string promptMessage;
    // Seconds of game time the "Saved" notice still shows after a good save.
    float savedNoticeLeft = 0.0f;
    // How long the notice shows.
    static constexpr float savedNoticeDuration = 1.5f;

private:
    // Enter in the prompt: a blank name is refused, otherwise the suspended
    // game is written; a failure keeps the prompt open with its reason.
    void confirmSave();
    // The one place a save has been written: the prompt closes and the
    // "Saved" notice starts.
    void saveWritten();
    // Draws promptMessage under the prompt's line, with the prompt's font.
    void drawPromptMessage();
    // Draws "Saved" under the Save Game entry while the notice lasts.
    void drawSavedNotice();
    // Fades from this menu to next and ignores every later click.
    void leaveFor(Screen* next);

    // ---- choosing and performing entries (pointer and keyboard) ----
    // The entry under a point of the view (hovered's numbers), 0 for none;
    // neighbouring entries overlap and the first in the screen's order wins.
    int entryAt(float viewX, float viewY) const;
    // The marker moves to entry and shows under it; 0 hides it.
    void markEntry(int entry);
    // The marker moves one entry on (step 1) or back (step -1) in the
    // keyboard order of this mode, wrapping round.
    void stepMarker(int step);
    // Performs entry as a click on it does.
    void performEntry(int entry);
    // A key going down while the menu is browsed; a repeat only moves the
    // marker.
    void browseKey(int key, bool repeat);
    // A key pressed while the menu was browsed is released: Enter or Space
    // performs the marked entry, Esc Return Game.
    void chooseByKey(int key);
    // A key while the save prompt is open.
    void promptKey(int key);
    void noteShift(int key, bool down);

    // The pointer as mouseMove last gave it.
    MenuPointer pointer_;
    bool shiftHeld_ = false;
    // Enter, Space or Esc, pressed while the menu was browsed: its release
    // chooses.
    ArmedKey armedKey_;
};

// The title picture shared by every title menu: loaded by the first menu that
// finds it empty, released once at shut-down. It belongs to the menus, so it
// is declared here rather than with the app's globals (menus/ may not include
// app/).
extern Texture titleTexture;
