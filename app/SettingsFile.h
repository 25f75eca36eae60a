#pragma once

#include <string>
#include <vector>

#include "menus/Settings.h"

// The player's settings as the settings file keeps them: one "key = value"
// a line, in any order, blank lines and lines starting with # or ; left
// alone. The keys, with what they take:
//
//   effects-volume       0 to 100, as -volume takes it
//   music-volume         0 to 100
//   music                true or false (yes/no and on/off are read too)
//   fullscreen           true or false
//   aspect               true or false: keep the 4:3 picture with black bars
//   hud                  true or false
//   pause-on-focus-loss  true or false
//   key-up, key-down, key-left, key-right, key-enter, key-escape
//                        a key's name as the Options screen shows it
//                        ("Up", "W", "Space", "Num 8", "F5", "Key 193")
//
// A line the game cannot use (no "=", an unknown key, a value out of range,
// a key used twice among the key- settings) is named and ignored; the rest
// of the file counts. Such lines are written back as they were when the game
// rewrites the file, so nothing typed by hand is lost.

// What a settings text says.
struct SettingsReading {
    Settings settings;                 // the defaults where the text says nothing usable
    std::vector<std::string> problems; // "line 3: ...", one for each line not used
    std::vector<std::string> kept;     // those lines as they were
};

// Reads settings from text (the whole file, or a recording's settings).
SettingsReading readSettingsText(const std::string& text);

// The text of settings: every key in the order above, then the lines kept.
std::string settingsText(const Settings& settings, const std::vector<std::string>& kept = {});

// Where the settings file is: $XDG_CONFIG_HOME/thrask/settings.ini when that
// variable holds an absolute path, else <home>/.config/thrask/settings.ini;
// empty when there is no home either.
std::string settingsFilePath(const std::string& xdgConfigHome, const std::string& home);

// The settings file of the player: read once at start-up, replaced whole
// (written beside it, then moved over it) each time the player changes a
// setting. Whatever is wrong with the file, the game starts: with the
// defaults where the file could not be read, and saying so.
class SettingsFile {
public:
    // A file too large to be a settings file (a few hundred bytes) is not
    // read at all.
    static constexpr std::size_t largestFile = 64 * 1024;

    explicit SettingsFile(std::string path) : path_(std::move(path)) {}

    // Reads the file. A missing file reads as the defaults and says nothing.
    // Every line the game could not use, and anything that kept the whole
    // file from being read (a folder in its place, no permission, a file too
    // large or holding binary bytes), goes into `problems`, one line each.
    Settings load(std::vector<std::string>& problems);

    // Replaces the file with `settings`. A file that could not be read as
    // settings text (too large, binary) is first moved aside as
    // settings.ini.damaged, once; a file that exists but could not be read,
    // or a folder in its place, is never replaced. False, with one line why
    // in `why`, when the settings were not written.
    bool save(const Settings& settings, std::string& why);

    const std::string& path() const { return path_; }
    // One short line for the Options screen on what the last load or save
    // could not do; empty when all went well.
    const std::string& notice() const { return notice_; }
    // Where the last save moved a damaged file; empty when it moved none.
    const std::string& movedAside() const { return movedAside_; }

private:
    std::string path_;
    std::vector<std::string> kept_;
    // Why the file must not be replaced; empty when it may.
    std::string untouchable_;
    bool moveAside_ = false;
    std::string movedAside_;
    std::string notice_;
};
