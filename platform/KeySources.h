#pragma once

#include <utility>
#include <vector>

#include "platform/Message.h"

// The keyboard and the gamepads as the game sees them: every press of a key
// or of a gamepad control becomes a key message of a virtual key, so the
// game, its recordings and its replays know only keys. A key reads held
// from its first holder's press to its last holder's release: a gamepad that
// lets go of Up while the keyboard still holds it releases nothing, and two
// gamepads both control the game.
//
// Gamepad controls (the mapping the README's Controls table gives):
//   d-pad and left stick  the arrow keys (the stick past its dead zone)
//   A                     Enter
//   B, Start              Esc
// Every other button and axis is ignored. Gamepads are told apart by a
// number of their own (SDL's instance id); the keyboard is none of them.
class KeySources {
public:
    enum class PadButton { A, B, Start, DpadUp, DpadDown, DpadLeft, DpadRight, Other };
    enum class PadAxis { LeftX, LeftY, Other };

    // The stick counts as an arrow key once it is pushed at least this far
    // (of 32767) in one direction, and lets go of it once it is back within
    // releaseBelow: the gap keeps a stick resting near the edge from
    // flickering between pressed and released.
    static constexpr int pressAt = 16384;
    static constexpr int releaseBelow = 8000;

    // A key message from the keyboard (KeyDown or KeyUp; other messages pass
    // unchanged). A key-down always passes (auto-repeat included); a key-up
    // becomes a message of kind None while a gamepad still holds the key.
    Message keyboard(const Message& message);

    // A button of gamepad `pad` went down or up: the key messages it gives
    // are appended to out (none for a button without a key).
    void padButton(int pad, PadButton button, bool down, std::vector<Message>& out);

    // An axis of gamepad `pad` moved to value (-32768 ... 32767; the left
    // stick's y grows downwards): the arrow keys it presses and lets go of
    // are appended to out.
    void padAxis(int pad, PadAxis axis, int value, std::vector<Message>& out);

    // Gamepad `pad` was unplugged: every key it held and nothing else holds
    // is released (appended to out), and its stick starts afresh.
    void padUnplugged(int pad, std::vector<Message>& out);

private:
    // A holder is a source (keyboardSource or a gamepad's number + 1) and
    // one of its controls.
    using Holder = std::pair<int, int>;
    static constexpr int keyboardSource = 0;

    void press(const Holder& holder, int key, std::vector<Message>& out);
    void release(const Holder& holder, int key, std::vector<Message>& out);
    bool heldByOthers(const Holder& holder, int key) const;

    // The holders of each virtual key.
    std::vector<Holder> holders_[256];
    // The direction each gamepad's stick axes point in: -1, 0 or 1, by
    // (gamepad, axis).
    std::vector<std::pair<Holder, int>> stick_;
};
