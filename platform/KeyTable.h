#pragma once

// Translation of the window system's key codes (SDL key codes) into the
// virtual-key codes of platform/VirtualKeys.h, which the game's screens and
// keyState are indexed by.

// The virtual-key code of an SDL key code, or 0 for a key the game has no
// code for (such a key is never reported to a screen).
int virtualKeyFromSdl(int sdlKey);

// The virtual-key code of a key event, from its SDL key code (what the
// keyboard layout puts on the key) and its SDL scancode (where the key sits).
// Letters reach the game as 'A'-'Z' on every layout: the layout's Latin
// letter where it gives one (so an AZERTY A is an A), otherwise the letter
// at the key's place on a US keyboard (a Cyrillic or Greek letter key). The
// keys of the main keyboard's number row are always their digits, whatever
// the layout prints on them unshifted (AZERTY's & é " ...). 0 for a key the
// game has no code for.
int virtualKeyOfKey(int sdlKey, int scancode);

// True for key presses that Windows reports as system keys (Alt on its own,
// F10, anything pressed while the left Alt is held): the game never sees
// them. The right Alt (AltGr, which types characters on many layouts) held
// with a key is no system key; callers pass the left Alt's state only.
bool isSystemKey(int virtualKey, bool leftAltHeld);
