#pragma once

#include <memory>
#include <string>

#include "menus/ArmedKey.h"
#include "menus/MenuPointer.h"
#include "menus/Settings.h"
#include "render/BitmapFont.h"
#include "render/Sprite.h"
#include "screens/Camera.h"
#include "screens/Screen.h"

class PlayScreen;

// The Options screen, opened from the title and the in-game menu: the
// volumes of the effects and the music, the music on or off, full screen or
// a window, the 4:3 picture, the HUD, pausing when the window loses the
// focus, the keys of the four moves, Enter and Esc, and a row that puts
// every setting but the display back to the game's own. A change takes effect at once: the
// screen hands it to the settings host (menus/SettingsHost.h), which keeps it.
//
// Keyboard (gamepads send the same keys): Up/Down, Tab and Shift+Tab move
// the selection through the rows, wrapping; Left/Right turn a volume down or
// up and switch the other settings; Enter or Space switches a setting, waits
// for a key on a key's row, and performs Reset and Back; Esc goes back to
// the menu the screen came from. As in the menus, Enter, Space and Esc act
// when released, and only when they were pressed here. Mouse: pointing at a
// row selects it, a click does what Enter does (on a volume's "<" or ">" it
// turns it down or up), the wheel over a volume turns it.
//
// Waiting for a key, the screen takes any key (takesAnyKey, and typing, so
// M is not the music key), so keys arrive as printed on them: the next key
// pressed plays the row's action, unless it
// is already used for another action or means the same on every screen
// (F11, M): then the screen says why and goes on waiting. The key that plays
// Esc (for Esc's own row: any key already its), or a click, stops waiting
// and keeps the key as it was. So every action always has a key of its own,
// Reset brings back the arrows, Enter and Esc, and the mouse works whatever
// the keys.
//
// Created like the load list: the constructor, inGame and suspended set by
// the menu, then enter().
class OptionsScreen : public Screen {
public:
    enum Row {
        EffectsVolume,
        MusicVolume,
        Music,
        Display,
        Aspect,
        Hud,
        PauseOnFocusLoss,
        KeyUp,
        KeyDown,
        KeyLeft,
        KeyRight,
        KeyEnter,
        KeyEscape,
        Reset,
        Back,
        rowCount
    };
    // How far Left, Right, a click on "<" or ">" and one notch of the wheel
    // turn a volume.
    static constexpr int volumeStep = 10;

    OptionsScreen() = default;
    // Releases the screen's pictures (never the shared title picture); a
    // suspended game never handed back to a menu goes with it.
    ~OptionsScreen() override;

    void keyDown(int key) override;
    void keyRepeat(int key) override;
    void keyUp(int key) override;
    void mouseUp(bool left, bool right) override;
    void mouseMove(float x, float y) override;
    void mouseWheel(int notches) override;
    void keysHeld(const unsigned char* keys) override;
    void enter() override;
    void render() override;
    // True while the screen waits for a key to bind: keys come as printed.
    bool typing() const override { return waitingForKey; }
    bool takesAnyKey() const override { return waitingForKey; }
    bool stillPicture() const override { return !leaving; }

    // The text a row shows beside its name ("80", "On", "Full screen", "W",
    // "Press a key"); empty for Reset and Back.
    std::string valueText(int row) const;
    // The name a row shows.
    static const char* rowName(int row);
    // The row under a point of the view; -1 for none.
    static int rowAt(float viewX, float viewY);

    bool inGame = false;
    // The in-game menu's suspended game, handed back to the menu.
    std::unique_ptr<PlayScreen> suspended;
    int selected = EffectsVolume;
    bool waitingForKey = false;
    // Why the last key pressed for a key's row was not taken, or what the
    // screen waits for; empty otherwise.
    std::string keyLine;
    // The fade back to the menu has started: nothing more is done.
    bool leaving = false;
    Camera camera;
    Sprite background;
    BitmapFont font;
    BitmapFont titleFont;

private:
    // Performs what Enter does on the selected row.
    void choose();
    // Turns the selected row's setting by one step left (-1) or right (1).
    void turn(int direction);
    // Takes `key` for the key's row being waited on, or says why not.
    void takeKey(int key);
    void select(int row);
    void change(const Settings& next);
    void backToMenu();
    void browseKey(int key, bool repeat);
    // The row's y in the view (its text's baseline).
    static float rowY(int row);

    MenuPointer pointer_;
    bool shiftHeld_ = false;
    // Enter, Space or Esc, pressed on this screen: its release acts.
    ArmedKey armedKey_;
};
