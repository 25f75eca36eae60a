#pragma once

// Translation of the window system's key codes (SDL key codes) into the
// virtual-key codes of platform/VirtualKeys.h, which the game's screens and
// keyState are indexed by.

// The virtual-key code of an SDL key code, or 0 for a key the game has no
// code for (such a key is never reported to a screen).
int virtualKeyFromSdl(int sdlKey);

// True for key presses that Windows reports as system keys (Alt on its own,
// F10, anything pressed while Alt is held): the game never sees them.
bool isSystemKey(int virtualKey, bool altHeld);
