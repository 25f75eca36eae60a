#pragma once

#include <array>

#include "platform/Message.h"

// The keyboard's keys as the game hears them: the keys the player gave the
// game's actions (KeyBindings) become the keys the screens know those
// actions by, before anything is recorded, so a recording holds the keys the
// game heard and plays back alike with any bindings. Gamepads do not pass
// through here: their buttons always send the game's own keys.
//
// Enter pressed with Alt never follows the table: it is the full-screen key
// (F11). A key-up always sends what its key-down sent, whatever changed
// meanwhile, so no key stays held in the game.
class KeyMapping {
public:
    // How the keys pressed reach the screen.
    enum class Mode {
        // Through the table: the menus, play.
        Mapped,
        // A name being typed (the save prompt, the name prompt): the keys
        // that type or edit a name (letters, digits, Space, Backspace, Left,
        // Right) and every key given no action send themselves, as printed
        // on them; a key given Enter or Esc that types nothing (F5, say)
        // confirms or cancels as it does everywhere else.
        Text,
        // Every key itself: the Options screen waiting for a key to bind.
        AsPrinted,
    };

    // Every key sends itself.
    KeyMapping();

    // What each key sends from its next press on; 0 sends nothing.
    void useTable(const std::array<unsigned char, 256>& sends) { table_ = sends; }

    // How keys pressed from now on reach the screen.
    void useMode(Mode mode) { mode_ = mode; }

    // True for the keys a name prompt types or edits with.
    static bool editsText(int key);

    // A key message from the keyboard, with whether an Alt key is held.
    // Other messages pass unchanged; a key that sends nothing gives a
    // message of kind None.
    Message translate(const Message& message, bool altHeld);

private:
    std::array<unsigned char, 256> table_;
    // What each held key's press sent (0: nothing, or the key is not held).
    std::array<unsigned char, 256> sent_{};
    std::array<bool, 256> held_{};
    Mode mode_ = Mode::Mapped;

    // What `key` sends when it is pressed now.
    unsigned char sends(std::size_t key) const;
};
