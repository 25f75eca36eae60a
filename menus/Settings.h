#pragma once

#include <array>
#include <string>

// What a player may change about the game, on the Options screen, in the
// settings file and (some of it) on the command line. The defaults are the
// game as it was made: full screen, the picture filling the window, the HUD
// shown, play pausing when the window loses the focus, effects and music at
// full volume, and the arrows, Enter and Esc.

// The actions a player may give other keys: the four moves, Enter
// (confirm, end an intro text) and Esc (back, the in-game menu).
enum class Action : int { Up, Down, Left, Right, Enter, Escape };
constexpr int actionCount = static_cast<int>(Action::Escape) + 1;

// The key the game's screens know an action by (platform/VirtualKeys.h):
// the arrows, Enter and Esc. A key given to an action reaches the screens
// as this key.
int actionKey(Action action);

// What the Options screen calls an action: "Move up", ..., "Enter (choose)",
// "Esc (back)".
const char* actionName(Action action);

// The physical key (virtual-key code) each action is played with.
struct KeyBindings {
    // The game's own keys: the arrows, Enter and Esc.
    KeyBindings();

    int key(Action action) const { return keys[static_cast<std::size_t>(action)]; }
    void set(Action action, int key) { keys[static_cast<std::size_t>(action)] = key; }
    // The action played with `key`; false when none is.
    bool actionOf(int key, Action& action) const;

    // What each key of the keyboard sends the screens under these bindings:
    // a key given to an action sends the action's key; an arrow, Enter or
    // Esc whose action went to another key sends nothing (0); every other
    // key sends itself.
    std::array<unsigned char, 256> keyTable() const;

    bool operator==(const KeyBindings& other) const { return keys == other.keys; }
    bool operator!=(const KeyBindings& other) const { return !(*this == other); }

    std::array<int, actionCount> keys;
};

// The keys that mean the same on every screen and so never play an action:
// F11 (full screen) and M (music). Alt and F10 never reach the game.
bool keyReserved(int key);

// Why `key` cannot play `action` under `bindings`, in one line for the
// Options screen ("F11 switches full screen", "Left is already used for
// Move right"); empty when it can (its own key included).
std::string keyRefusal(const KeyBindings& bindings, Action action, int key);

struct Settings {
    static constexpr int fullVolume = 100;

    int effectsVolume = fullVolume; // 0 to 100, as -volume takes it
    int musicVolume = fullVolume;   // 0 to 100
    bool music = true;              // M and the Options screen turn it off and on
    bool fullScreen = true;         // false: a window (-win)
    bool aspect = false;            // keep the 4:3 picture with black bars (-aspect)
    bool hud = true;                // false: only the health bar over play (-nohud)
    bool pauseOnFocusLoss = true;   // false: play goes on in the background (-nopause)
    KeyBindings keys;

    bool operator==(const Settings& other) const;
    bool operator!=(const Settings& other) const { return !(*this == other); }
};
