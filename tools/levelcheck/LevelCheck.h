#pragma once

#include <string>
#include <vector>

// What the level checker found in one level file.
//
// problems: things that silently break the level in the game (a missing
// picture or intro file, an intro name that is almost "none", no peppers, a
// negative count). notes: things that still work but are probably not meant
// (an intro line too long for the window, a very long intro).
struct LevelReport {
    bool opened = false;
    std::vector<std::string> problems;
    std::vector<std::string> notes;
};

// Reads the level file at levelPath the way the game reads it and checks what
// it names. dataDir is the game's working directory: the background is looked
// up under dataDir/Textures and the intro text file relative to dataDir, with
// the game's own path rules (backslashes, case-insensitive match).
LevelReport checkLevel(const std::string& levelPath, const std::string& dataDir);

// The longest intro line, in characters, that fits the window at the game's
// smallest size when printed from the intro's left margin.
constexpr std::size_t introLineWidthLimit = 60;

// The most intro lines that fit between the intro's first line and the bottom
// of the field.
constexpr std::size_t introLineCountLimit = 15;
