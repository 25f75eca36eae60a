#pragma once

#include <functional>
#include <string>
#include <vector>

// What start-up knows when it chooses the game's folders: the options, the
// environment, where it was started and which program file runs. Paths are
// as given; empty means unset (an empty variable counts as unset).
struct FolderFacts {
    std::string dataOption;    // -data DIR
    std::string savesOption;   // -saves DIR
    std::string dataVariable;  // THRASK_DATA
    std::string workingFolder; // the working directory at start, absolute
    std::string programFile;   // the running program, absolute; empty when unknown
    std::string xdgDataHome;   // XDG_DATA_HOME (used only when absolute)
    std::string home;          // HOME, else the account's home (used only when absolute)
};

// The data folder start-up settled on, or why there is none.
struct DataChoice {
    std::string folder;  // absolute; empty when no candidate holds the data
    bool installed = false; // the folder installed beside the program
    // Every folder looked at, in order, each followed by where it came from:
    // "/usr/share/thrask (installed beside the program)".
    std::vector<std::string> tried;
    // Empty when folder holds the data; otherwise one line for the player
    // that names every folder tried.
    std::string problem;
};

// Chooses the game's data folder and its saved-games folder, and sets the
// process up to use them.
class Folders {
public:
    // The folder installed beside the program: <prefix>/share/thrask for a
    // program in <prefix>/bin. Empty when the program file is unknown.
    static std::string installedData(const std::string& programFile);

    // True when folder holds the game's data: the folders Textures, Levels
    // and Intro (any case, as the game opens its files).
    static bool holdsData(const std::string& folder);

    // The data folder, trying in turn: -data, THRASK_DATA, the working
    // directory, the folder installed beside the program. A folder named by
    // -data or THRASK_DATA is the only one tried: when it does not hold the
    // data that is the problem, rather than some other data being used. The
    // working directory and the installed folder count only when they hold
    // the data. The folder chosen must hold a readable Textures/title.png.
    static DataChoice findData(const FolderFacts& facts);

    // The folder saved games go to, absolute: -saves when given; else the
    // data folder's own Save when the game is not installed and a file can
    // be created there (in Save, or in the data folder while Save is
    // missing); else $XDG_DATA_HOME/thrask/Save, else
    // $HOME/.local/share/thrask/Save. With no home at all, the data folder's
    // Save, so a save never lands anywhere else.
    static std::string chooseSaves(const FolderFacts& facts, const DataChoice& data);

    // The folder the player's best scores and recordings of games are kept
    // in, absolute: $XDG_DATA_HOME/thrask, else $HOME/.local/share/thrask;
    // empty with no home at all.
    static std::string keptFolder(const FolderFacts& facts);
    // The same from the environment.
    static std::string keptFolder();

    // Start-up: reads the facts from the options and the system, chooses
    // both folders, makes the data folder the working directory (the game
    // opens its files relative to it) and sets saveFolder. When there is no
    // data folder, hands the problem to `warn` (the game's warning: one line
    // on standard error and a box, unless -nodialogs) and returns false: the
    // game then ends with status 1 before any window opens.
    static bool settle(const std::string& dataOption, const std::string& savesOption,
                       const std::function<void(const char* text, const char* caption)>& warn);

    // The player's settings file (settingsFilePath, app/SettingsFile.h) from
    // XDG_CONFIG_HOME and the home folder (HOME, else the account's); empty
    // when there is neither.
    static std::string settingsFile();
};
