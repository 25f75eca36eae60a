#pragma once

#include <string>
#include <vector>

#include "render/RendererChoice.h"

// The options Thrask adds to the display options of the command line (-w,
// -h, -d, -win, read by parseCommandLine). Each is a word of its own; those
// that take a value take the next word, so a file name may hold dashes and
// spaces. They are taken out of the command line before the display options
// are read, so a value can never be mistaken for a display option.
struct GameOptions {
    // Replays.
    std::string recordPath;  // -record FILE: write the run to FILE
    std::string replayPath;  // -replay FILE: watch FILE; input comes only from it
    bool fast = false;       // -fast: a replay runs as fast as it can

    // Folders.
    std::string dataDir;     // -data DIR: pictures, levels, intro texts, sounds
    std::string savesDir;    // -saves DIR: saved games

    // Frame pacing (app/FramePacer.h): fps > 0 caps the frame rate, 0 leaves
    // it to vsync alone, < 0 follows the display when vsync does not pace.
    int fps = -1;            // -fps N
    bool noVsync = false;    // -novsync

    // Input, display and sound.
    bool noPause = false;    // -nopause: losing focus does not open the menu
    bool noHud = false;      // -nohud: only the health bar over play
    bool aspect = false;     // -aspect: keep the 4:3 picture with black bars
    bool noSound = false;    // -nosound
    bool noDialogs = false;  // -nodialogs: warnings on standard error only, no box waiting for OK
    int volume = 100;        // -volume N, 0 to 100, effects and music together
    // -renderer gl1|gles2: what draws the game (render/Renderer.h); gl1 is
    // the game's own fixed-function look.
    RendererKind renderer = RendererKind::gl1;
    bool volumeGiven = false; // -volume was on the command line (and could be used)

    bool help = false;       // -help, --help: print the options and end
    bool version = false;    // -version, --version

    // One line for each word that could not be used (a value missing or out
    // of range); the game prints them and ends with status 1, or with
    // status 2 and the usage line when usageError is set (a value that is
    // not one of an option's words).
    std::vector<std::string> errors;
    bool usageError = false;
};

// Takes the added options out of argv[1..]. Returns the options and leaves
// in `rest` the words that remain, in order, for parseCommandLine.
GameOptions readGameOptions(int argc, const char* const* argv, std::vector<std::string>& rest);

// The words joined by single spaces, as parseCommandLine reads them.
std::string joinWords(const std::vector<std::string>& words);

// The text -help prints: every option, display options included.
const char* gameOptionsHelp();

// The usage line a usage error prints, ending in a line feed.
const char* gameOptionsUsage();
