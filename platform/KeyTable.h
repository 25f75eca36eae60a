#pragma once

// Translation of the window system's key codes (SDL key codes) into the
// Windows virtual-key codes the game's screens and keyState are indexed by:
// letters 0x41-0x5A, digits 0x30-0x39, Enter 0x0D, Esc 0x1B, Backspace 0x08,
// Space 0x20, Home 0x24, arrows 0x25-0x28, and the other usual codes.

// The virtual-key code of an SDL key code, or 0 for a key the game has no
// code for (such a key is never reported to a screen).
int virtualKeyFromSdl(int sdlKey);

// True for key presses that Windows reports as system keys (Alt on its own,
// F10, anything pressed while Alt is held): the game never sees them.
bool isSystemKey(int virtualKey, bool altHeld);
