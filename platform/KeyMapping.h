#pragma once

#include <array>

#include "platform/Message.h"

// The keyboard's keys as the game hears them: the keys the player gave the
// game's actions (KeyBindings) become the keys the screens know those
// actions by, before anything is recorded, so a recording holds the keys the
// game heard and plays back alike with any bindings. Gamepads do not pass
// through here: their buttons always send the game's own keys.
//
// Two keys never follow the table: Enter pressed with Alt is the full-screen
// key (F11), and while the screen takes keys as printed on them (the save
// prompt, the Options screen waiting for a key to bind) every key is itself.
// A key-up always sends what its key-down sent, whatever changed meanwhile,
// so no key stays held in the game.
class KeyMapping {
public:
    // Every key sends itself.
    KeyMapping();

    // What each key sends from its next press on; 0 sends nothing.
    void useTable(const std::array<unsigned char, 256>& sends) { table_ = sends; }

    // On: keys pressed from now on send themselves, as printed on them.
    void keysAsPrinted(bool on) { asPrinted_ = on; }

    // A key message from the keyboard, with whether an Alt key is held.
    // Other messages pass unchanged; a key that sends nothing gives a
    // message of kind None.
    Message translate(const Message& message, bool altHeld);

private:
    std::array<unsigned char, 256> table_;
    // What each held key's press sent (0: nothing, or the key is not held).
    std::array<unsigned char, 256> sent_{};
    std::array<bool, 256> held_{};
    bool asPrinted_ = false;
};
