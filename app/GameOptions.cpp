#include "app/GameOptions.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// Reads a whole word as a decimal number within [low, high].
bool readNumber(const char* word, int low, int high, int& value)
{
    if (word == nullptr || *word == '\0')
        return false;
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(word, &end, 10);
    if (errno != 0 || *end != '\0' || number < low || number > high)
        return false;
    value = static_cast<int>(number);
    return true;
}

struct Flag {
    const char* name;
    bool GameOptions::*field;
};
const Flag flags[] = {
    {"-fast", &GameOptions::fast},       {"-novsync", &GameOptions::noVsync},
    {"-nopause", &GameOptions::noPause}, {"-nohud", &GameOptions::noHud},
    {"-aspect", &GameOptions::aspect},   {"-nosound", &GameOptions::noSound},
    {"-help", &GameOptions::help},       {"--help", &GameOptions::help},
    {"-version", &GameOptions::version}, {"--version", &GameOptions::version},
    {"-nodialogs", &GameOptions::noDialogs},
};

struct Text {
    const char* name;
    std::string GameOptions::*field;
    const char* what;
};
const Text texts[] = {
    {"-record", &GameOptions::recordPath, "a file name"},
    {"-replay", &GameOptions::replayPath, "a file name"},
    {"-data", &GameOptions::dataDir, "a folder"},
    {"-saves", &GameOptions::savesDir, "a folder"},
};

struct Number {
    const char* name;
    int GameOptions::*field;
    int low, high;
    const char* error;
    bool GameOptions::*given; // set when the value was used; may be null
};
const Number numbers[] = {
    {"-fps", &GameOptions::fps, 0, 1000, "-fps needs a number from 0 (unlimited) to 1000", nullptr},
    {"-volume", &GameOptions::volume, 0, 100, "-volume needs a number from 0 to 100", &GameOptions::volumeGiven},
};

// Takes the option `word` (with `next`, the word after it, or null) into
// options. Returns how many words it used: 0 when the word is not one of
// the added options, 2 when it took its value from `next`.
int takeOption(const char* word, const char* next, GameOptions& options)
{
    for (const Flag& flag : flags) {
        if (std::strcmp(word, flag.name) == 0) {
            options.*flag.field = true;
            return 1;
        }
    }
    for (const Text& text : texts) {
        if (std::strcmp(word, text.name) != 0)
            continue;
        if (next == nullptr || *next == '\0') {
            options.errors.push_back(std::string(text.name) + " needs " + text.what);
            return 1;
        }
        options.*text.field = next;
        return 2;
    }
    for (const Number& number : numbers) {
        if (std::strcmp(word, number.name) != 0)
            continue;
        if (readNumber(next, number.low, number.high, options.*number.field)) {
            if (number.given != nullptr)
                options.*number.given = true;
            return 2;
        }
        options.errors.push_back(number.error);
        // A bad value is used up with its option, unless it is another option.
        return next != nullptr && next[0] != '-' ? 2 : 1;
    }
    if (std::strcmp(word, "-renderer") == 0) {
        // The game draws with gl1 or gles2; null shows nothing and is for tools.
        RendererKind kind = RendererKind::gl1;
        if (next != nullptr && parseRendererKind(next, kind) && kind != RendererKind::null) {
            options.renderer = kind;
            return 2;
        }
        options.errors.push_back("-renderer needs gl1 or gles2");
        options.usageError = true;
        return next != nullptr && next[0] != '-' ? 2 : 1;
    }
    return 0;
}

} // namespace

GameOptions readGameOptions(int argc, const char* const* argv, std::vector<std::string>& rest)
{
    GameOptions options;
    rest.clear();
    for (int i = 1; i < argc;) {
        const int used = takeOption(argv[i], i + 1 < argc ? argv[i + 1] : nullptr, options);
        if (used == 0)
            rest.emplace_back(argv[i]);
        i += used == 0 ? 1 : used;
    }
    return options;
}

std::string joinWords(const std::vector<std::string>& words)
{
    std::string line;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            line += ' ';
        line += words[i];
    }
    return line;
}

const char* gameOptionsUsage()
{
    return "Usage: thrask [options]\n";
}

const char* gameOptionsHelp()
{
    return "Usage: thrask [options]\n"
           "\n"
           "Display:\n"
           "  -width N, -w N      window or display width in pixels (640)\n"
           "  -height N, -h N     window or display height in pixels (480)\n"
           "  -depth N, -d N      colour depth in bits per pixel (32)\n"
           "  -windowed, -win     play in a window instead of full screen\n"
           "  -aspect             keep the 4:3 picture with black bars\n"
           "  -fps N              at most N frames per second, vsync or not (0 = no limit);\n"
           "                      by default the display's rate when vsync does not pace\n"
           "  -novsync            do not ask for vsync\n"
           "  -renderer NAME      gl1 (fixed-function, the default) or gles2 (shaders, batched)\n"
           "\n"
           "Game:\n"
           "  -nohud              show only the health bar over play\n"
           "  -nopause            keep playing when the window loses focus\n"
           "  -nosound            no sound and no music\n"
           "  -volume N           volume of effects and music, 0 to 100 (100)\n"
           "  -nodialogs          warnings only on standard error, in no box waiting for OK\n"
           "                      (for runs nobody watches)\n"

           "\n"
           "Folders:\n"
           "  -data DIR           where the pictures, levels and intro texts are\n"
           "  -saves DIR          where saved games are kept\n"
           "\n"
           "Replays:\n"
           "  -record FILE        record this run into FILE\n"
           "  -replay FILE        watch a recorded run (Esc ends it)\n"
           "  -fast               with -replay: as fast as the machine can\n"
           "\n"
           "  -help, -version\n"
           "\n"
           "The Options screen's settings are kept in $XDG_CONFIG_HOME/thrask/settings.ini\n"
           "(~/.config/thrask/settings.ini); -win, -aspect, -nohud, -nopause and -volume\n"
           "win over them for one run and are not written back.\n";
}
