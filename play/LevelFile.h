#pragma once

#include <string>

#include "platform/Colour.h"

// The contents of one level file, read the way the game reads it: eleven text
// lines, at most 254 characters taken per line, CR LF read as LF, integers as
// atoi reads them, missing lines read as empty.
//
//   1 pirates  2 ninjas  3 robots  4 zombies  5 cabbages  6 health pickups
//   7 peppers  8 points per pepper
//   9 background picture, relative to Textures
//  10 intro text file, relative to the working directory, or "none"
//  11 intro text colour "r g b" (only read when line 10 is not "none")
struct LevelFile {
    bool opened = false; // the file could be opened
    int pirates = 0;
    int ninjas = 0;
    int robots = 0;
    int zombies = 0;
    int cabbages = 0;
    int healthPickups = 0;
    int peppers = 0;
    int pointsPerPepper = 0;
    std::string background;     // line 9 as written
    std::string introFile;      // line 10 as written
    bool hasIntro = false;      // line 10 is not exactly "none"
    bool colourLinePresent = false; // line 11 exists in the file (only read when hasIntro)
    Colour introColour{255, 255, 255, 255}; // line 11, clamped to 0..255; white when empty
};

// "Levels\l<n>.lvl": the name the game opens for level n.
std::string levelFileName(int n);

// Reads a level file. A file that cannot be opened reads as eleven empty lines.
LevelFile readLevelFile(const std::string& path);

// Reads an intro text file into one string, each of its lines followed by a
// line feed (at most 1255 characters taken per line). Returns false, leaving
// text empty, when the file cannot be opened.
bool readIntroText(const std::string& path, std::string& text);
