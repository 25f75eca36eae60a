#pragma once

#include <functional>
#include <string>
#include <vector>

// The command lines of the game's tools (levelcheck, levelplaytest,
// thrask-replay), read against a table of each tool's options so that every
// tool answers bad use the same way: --help prints the usage and ends well,
// an unknown option or one without its value prints the usage and ends with
// status 2, and a data folder that holds no levels is named as the error.

// One option of a tool: "--name" alone (a switch) or "--name VALUE".
struct ToolOption {
    std::string name;      // with its dashes, as typed: "--data"
    std::string valueName; // how the usage names the value ("DIR"); empty for a switch
    // Takes the option's value (empty for a switch). Returns false when the
    // value is not one the option accepts; the line is then misused.
    std::function<bool(const std::string& value)> take;
};

enum class ToolCommand {
    Run,     // every word was understood
    Help,    // --help or -h was given: print the usage, do nothing else
    Misused, // an unknown option, a missing or unacceptable value, or an operand where none is taken
};

// Reads argv[1] to argv[argc - 1] against `options`, in order; the options'
// `take` functions run as their words are read. Words that do not start
// with '-' (and "-" itself) are operands: appended to `operands`, or a misuse
// when `operands` is null. On Misused, `error` holds one line saying what
// was wrong, without the tool's name.
ToolCommand readToolCommandLine(int argc, const char* const* argv, const std::vector<ToolOption>& options,
                                std::vector<std::string>* operands, std::string& error);

// Reads a whole number of at least `least` from text that holds nothing else.
bool readWholeNumber(const std::string& text, int least, int& number);

// Reads a finite number of seconds, 0 or more, from text that holds nothing else.
bool readSeconds(const std::string& text, float& seconds);

// Why dataDir cannot be a data folder at all, or an empty string when it can:
// it must exist and be a folder. The reason names the folder.
std::string dataFolderProblem(const std::string& dataDir);

// Why dataDir is not a game data folder the tools can use, or an empty string
// when it is one: it must be an existing folder whose Levels folder holds at
// least one of the level files the game opens (l1.lvl to l15.lvl, found by
// the game's own path rules). The reason names the folder.
std::string gameDataProblem(const std::string& dataDir);

// The level numbers from `first` to `last` whose level file is missing from
// dataDir/Levels (the game would skip such a level as if it had no peppers).
std::vector<int> missingLevelFiles(const std::string& dataDir, int first, int last);
