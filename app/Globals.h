#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

class Screen;

// The process-wide state of the game. Everything the whole program shares
// lives here and nowhere else.

extern int windowWidth;     // client width in pixels (the request before the window exists)
extern int windowHeight;    // client height in pixels
extern int colourDepth;     // requested bits per pixel; only the low byte is used
extern bool fullScreen;     // full-screen requested; cleared by -win / -windowed
extern bool running;        // the frame loop runs while this is true

// The folder saved games are written to and listed from. "Save" (in the
// working directory) until start-up chooses the player's own (Folders::settle).
extern std::string saveFolder;

// The one screen that receives input, update and render. Written by start-up,
// by screens that hand over to the next screen, and by FadeScreen::update.
extern Screen* currentScreen;

// 1 while the key with that Windows virtual-key code is held.
extern unsigned char keyState[256];

// Last pointer position in client pixels, y measured from the top edge.
extern int mouseX;
extern int mouseY;

// Seconds of game time in the current frame. Every rate in the game is per
// second of game time, so a quantity with rate r grows by r * frameStep.
extern float frameStep;

// Millisecond tick count taken at the start of the previous frame.
extern std::uint32_t lastTick;

// The frame clock's queue of recent frame durations in seconds.
extern std::deque<float> frameDurations;

// Screens that have been replaced without a fade and are waiting to be freed.
// They cannot be deleted on the spot (the replacement happens inside their own
// render), so the frame loop frees them at the start of the next frame.
extern std::vector<Screen*> retiredScreens;
