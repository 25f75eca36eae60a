#pragma once

#include <cstdint>
#include <functional>

struct Message;

// The pieces of a run of the game that the program, the replay tool and the
// benchmark share, so that all of them start, step and end the game alike.

// Puts every global of the game back to its value at program start (window
// size as given), so a tool that runs many games in one process starts each
// one exactly as the game starts.
void resetGameGlobals(int width, int height);

// Start-up's last step: the title screen in main-menu mode becomes the
// current screen (constructor, enter, setup(1)). From here on the run keeps
// every picture it loads until shutDownScreens, so later screens share them
// instead of reading their files again (render/PictureCache.h).
void startTitleScreen();

// Frees the current screen, the retired screens, the shared title picture
// and every picture the run kept. The OpenGL context must still be current.
void shutDownScreens();

// What the window procedure does with one message, plus the end of the
// program on a quit message (which the window procedure never sees).
void dispatchMessage(const Message& message);
