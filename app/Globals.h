#pragma once

#include <cstdint>
#include <deque>

// The process-wide state of the game, listed in one place.
//
// The state that only app/ uses is declared below. The state that the layers
// under app/ read is declared in their own headers, because no folder below
// app/ may include app/ (docs/architecture.md); those headers are included
// here, so app/ reaches every global through this one:
//   frameStep                      platform/FrameStep.h  entities, screens and play advance by it
//   currentScreen, retiredScreens  screens/Screen.h      every screen hands over through them
//   running                        screens/ScreenFlow.h  the title menu's Quit Game clears it
// A few more belong to the one class that uses them and live beside it:
//   titleTexture                   menus/TitleScreen.h   the picture every title menu shares
//   pictureCache                   render/PictureCache.h the pictures loaded, shared by every Texture
//   Ninja::nextNinjaHorizontal     entities/Ninja.h      the first leg of the next ninja spawned
//   the random generator's state   entities/Random.h     thrask::srand, thrask::rand
//   saveFolder                     play/SaveRecord.h     the save prompt and the load list share it
//   hudShown                       play/PlayHud.h        cleared by -nohud; the HUD over play reads it
#include "app/KeyLatch.h"
#include "platform/FrameStep.h"
#include "play/PlayHud.h"
#include "play/SaveRecord.h"
#include "screens/Screen.h"
#include "screens/ScreenFlow.h"

extern int windowWidth;     // client width in pixels (the request before the window exists)
extern int windowHeight;    // client height in pixels
extern int colourDepth;     // requested bits per pixel; only the low byte is used
extern bool fullScreen;     // full-screen requested; cleared by -win / -windowed
// The picture keeps its 4:3 shape with black bars (-aspect) instead of filling
// the client area. It places the pointer on the picture, so a replay takes it
// from the recorded command line.
extern bool keepAspect;

// 1 while the key with that virtual-key code (platform/VirtualKeys.h) is held.
extern unsigned char keyState[256];

// The keys tapped between two frames, which the next frame's keysHeld sees
// as held once (KeyLatch).
extern KeyLatch keyLatch;

// Last pointer position in client pixels, y measured from the top edge.
extern int mouseX;
extern int mouseY;

// The pointer as the current screen last received it in mouseMove: fractions
// of the client area, (0, 0) bottom-left. While the client area has no size
// (a minimised window) the frame loop passes these again.
extern float pointerX;
extern float pointerY;

// Millisecond tick count taken at the start of the previous frame.
extern std::uint32_t lastTick;

// The frame clock's queue of recent frame durations in seconds.
extern std::deque<float> frameDurations;
