#pragma once

#include <functional>
#include <vector>

#include "platform/DisplayMode.h"

// The cost of showing a request of width x height x bits in mode: a larger
// mode costs its excess, a smaller one twice (width), one and a half times
// (height) or twice (bits) its shortfall; each bit of depth weighs 50 pixels.
float displayModeCost(const DisplayMode& mode, unsigned int width, unsigned int height,
                      unsigned char bits);

// The index of the mode with the smallest cost, the earliest listed among
// equal costs; -1 when the list is empty.
int chooseDisplayMode(const std::vector<DisplayMode>& modes, unsigned int width,
                      unsigned int height, unsigned char bits);

// Chooses the best of the listed modes, writes its width, height and bits
// into windowWidth, windowHeight and colourDepth, and asks change to switch
// the display to it. True when the display now runs the chosen mode; false
// when the switch fails or there is no mode at all (the globals then keep
// their values).
bool switchDisplayMode(unsigned int width, unsigned int height, unsigned char bits,
                       const std::vector<DisplayMode>& modes,
                       const std::function<bool(const DisplayMode&)>& change);

// How start-up opens the window after the full-screen attempt.
struct WindowPlan {
    bool fullScreen = false; // the display runs the chosen mode
    int width = 0;
    int height = 0;
};

// Start-up's display step: when fullScreen is set, switch the display
// (switchDisplayMode with the low byte of colourDepth); when that fails, warn
// with "Could not change the display settings\nFalling back to windowed
// mode." and caption "Error" and fall back to a window. The window size is
// whatever windowWidth and windowHeight hold afterwards: the chosen mode's
// size when a mode was chosen.
WindowPlan planWindow(const std::vector<DisplayMode>& modes,
                      const std::function<bool(const DisplayMode&)>& change,
                      const std::function<void(const char* text, const char* caption)>& warn);
