#pragma once

#include <functional>
#include <string>
#include <vector>

// The command lines of the game's tools (levelcheck, levelplaytest,
// thrask-replay), read against a table of each tool's options so that every
// tool answers bad use the same way: --help prints the usage and ends well,
// an unknown option or one without its value prints the usage and ends with
// status 2 (as does a data folder without levels, GameDataFolder.h).

// One option of a tool: "--name" alone (a switch) or "--name VALUE".
struct ToolOption {
    std::string name;      // with its dashes, as typed: "--data"
    std::string valueName; // how the usage names the value ("DIR"); empty for a switch
    // Takes the option's value (empty for a switch). Returns false when the
    // value is not one the option accepts; the line is then misused.
    std::function<bool(const std::string& value)> take;
};

// The status a tool's main returns from readToolCommandLine to go on with
// its work.
constexpr int keepRunning = -1;

// Reads argv[1] to argv[argc - 1] against `options`, in order; the options'
// `take` functions run as their words are read. Words that do not start
// with '-' (and "-" itself) are operands: appended to `operands`, or a misuse
// when `operands` is null. Returns keepRunning when every word was
// understood; otherwise the status the tool ends with: 0 after printing
// usageText on standard output for --help or -h, 2 after toolMisused for an
// unknown option, a missing or unacceptable value, or an unwanted operand.
int readToolCommandLine(const char* tool, const char* usageText, int argc, const char* const* argv,
                        const std::vector<ToolOption>& options, std::vector<std::string>* operands);

// Prints "tool: error" and then usageText on standard error; returns 2.
int toolMisused(const char* tool, const char* usageText, const std::string& error);

// Reads a whole number of at least `least` from text that holds nothing else.
bool readWholeNumber(const std::string& text, int least, int& number);

// Reads a finite number of seconds, 0 or more, from text that holds nothing else.
bool readSeconds(const std::string& text, float& seconds);
