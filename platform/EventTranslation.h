#pragma once

#include <SDL_events.h>

#include "platform/Message.h"

// Turns one SDL event into the message the game's window procedure acts on:
// keys as Windows virtual-key codes (auto-repeat included, system keys and
// keys without a code dropped, but Enter with Alt, the full-screen chord,
// passes; letters and digits by virtualKeyOfKey, so on every layout), left
// and right buttons (the middle button dropped), pointer
// motion, wheel notches (a sideways turn dropped), size changes (a minimised
// window has a 0 x 0 client area), the loss of the keyboard focus, and quit
// or window close. Events the game does not handle give a message of kind
// None.
//
// A window that is shown or restored gives a Size message with a and b
// set to -1: the window fills in its client size.
Message translateEvent(const SDL_Event& event);
