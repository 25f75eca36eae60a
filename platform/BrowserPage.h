#pragma once

#include <functional>

// The web page the browser build runs on (web/shell.html). Only the browser
// build has it.

// Asks the browser to show the page full screen (on) or in its window. A
// browser grants full screen only shortly after a key or a click; a request
// made outside that time is kept by the page for the next one.
void browserFullScreen(bool on);

// True while the page is shown full screen.
bool browserFullScreenOn();

// Runs the program on the page's animation frames: `frame` once for each
// frame the browser shows (the browser paces it; nothing waits or sleeps)
// until it returns false; then the frames stop, `ended` runs once and the
// program ends with the status it returns. Never returns: the page calls
// back into the program from then on.
[[noreturn]] void browserRunFrames(std::function<bool()> frame, std::function<int()> ended);
