#pragma once

struct Message;

// The window procedure: acts on one message from the window system.
//   Size       -> windowWidth, windowHeight and the viewport (the picture's
//                 area, PictureArea.h)
//   KeyDown    -> currentScreen->keyDown(key), then keyState[key] = 1
//   KeyUp      -> currentScreen->keyUp(key), then keyState[key] = 0
//   MouseMove  -> mouseX, mouseY (no screen call)
//   ButtonDown -> currentScreen->mouseDown(left, right)
//   ButtonUp   -> currentScreen->mouseUp(left, right)
// Quit is the frame loop's business and is ignored here. Key and button
// messages are dropped while there is no current screen (before start-up
// has created the first one).
void windowProc(const Message& message);
