#pragma once

// Whether the game is ending while it loads pictures. A screen may load
// dozens of pictures in one frame, and the frame loop acts on SIGTERM and
// on the window's close button only between frames; start-up hands over a
// check of both, and a picture asked for after it answers true is not loaded
// (the game ends with that frame, so nothing is ever drawn without it).
using LoadInterruptionCheck = bool (*)();

// Sets the check; null (the default, and what tests and tools have) means
// loading is never interrupted.
void setLoadInterruption(LoadInterruptionCheck check);

// True when the check says the game is ending.
bool loadInterrupted();
