#pragma once

#include <string>

// Reads the display options from the command line (the text after the
// program name) into windowWidth, windowHeight, colourDepth and fullScreen:
// "-width N"/"-w N", "-height N"/"-h N", "-depth N"/"-d N", "-windowed"/"-win".
// Option names are case-sensitive; malformed, unknown, zero or negative
// values are ignored; a later option overrides an earlier one. Only the
// first 255 characters are read.
void parseCommandLine(const char* text);
