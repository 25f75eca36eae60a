#pragma once

#include <utility>
#include <vector>

#include <SDL_events.h>

#include "platform/KeySources.h"
#include "platform/Message.h"

// The game controllers, through SDL's game-controller interface and the
// button mappings SDL knows (its own, and SDL_GAMECONTROLLERCONFIG or
// SDL_GAMECONTROLLERCONFIG_FILE when the player sets them): pads are opened
// as they are plugged in and closed as they are pulled out, and their
// buttons and sticks become key messages through KeySources. A pad SDL has
// no mapping for is ignored, with one line on standard error.
//
// Used by GameWindow, which hands it every event before translating the rest.
class Gamepads {
public:
    explicit Gamepads(KeySources& keys) : keys_(keys) {}
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Starts SDL's game-controller subsystem; the pads already plugged in
    // then arrive as plug-in events. False, with SDL's reason on standard
    // error, when it cannot start: the game then plays without gamepads.
    bool open();

    // Closes every pad and stops the subsystem. Safe to call more than once.
    void close();

    // Acts on a controller or joystick event and returns true (other events:
    // false, nothing done): a pad plugged in is opened (or named on standard
    // error when SDL has no mapping for it), a pad pulled out releases every
    // key it held, and buttons and the left stick append their key messages
    // to out. Events of pads that were never opened count too, so that tests
    // can push them without a device.
    bool handle(const SDL_Event& event, std::vector<Message>& out);

    // Pads open now.
    int count() const { return static_cast<int>(pads_.size()); }

private:
    void plugIn(int deviceIndex);
    void pullOut(int instanceId, std::vector<Message>& out);

    KeySources& keys_;
    bool open_ = false;
    // (SDL instance id, SDL_GameController*) of every open pad.
    std::vector<std::pair<int, void*>> pads_;
};
