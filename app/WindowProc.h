#pragma once

#include "platform/KeyMapping.h"

class Screen;
struct Message;

// How the window hands the keys to `screen`: each key as printed while it
// waits for any key (takesAnyKey), as a name's keys while it takes text
// (typing: the keys given Enter and Esc still confirm and cancel), and
// through the player's bindings otherwise.
KeyMapping::Mode keyModeFor(const Screen* screen);

// The window procedure: acts on one message from the window system.
//   Size       -> windowWidth, windowHeight and the viewport (the picture's
//                 area, PictureArea.h)
//   KeyDown    -> currentScreen->keyDown(key), or keyRepeat(key) when the
//                 key is already held; then keyState[key] = 1; M also turns
//                 the music setting off or on, unless the screen is taking
//                 letters as text (the save prompt, the Options screen
//                 waiting for a key)
//   KeyUp      -> currentScreen->keyUp(key), then keyState[key] = 0
//   F11        -> (down) the full-screen setting switches, on every screen;
//                 no screen hears the key, keyState follows it
//   MouseMove  -> mouseX, mouseY (no screen call)
//   ButtonDown -> currentScreen->mouseDown(left, right)
//   ButtonUp   -> currentScreen->mouseUp(left, right)
//   Wheel      -> currentScreen->mouseWheel(notches)
//   FocusLost  -> currentScreen->focusLost()
// Before a button reaches the screen, a pointer that moved since the last
// frame reaches it through mouseMove, so a click acts where it lands. Key
// messages also feed keyLatch. Quit is the frame loop's business and is
// ignored here. Key and button messages are dropped while there is no
// current screen (before start-up has created the first one).
void windowProc(const Message& message);
