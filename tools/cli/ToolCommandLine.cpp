#include "tools/cli/ToolCommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Paths.h"
#include "play/LevelFile.h"

namespace fs = std::filesystem;

namespace {

constexpr int firstLevel = 1;
constexpr int lastLevel = 15;

const ToolOption* findOption(const std::vector<ToolOption>& options, const std::string& name)
{
    for (const ToolOption& option : options)
        if (option.name == name)
            return &option;
    return nullptr;
}

bool isOptionWord(const std::string& word)
{
    return word.size() > 1 && word[0] == '-';
}

// The folder as the user gave it, with where that is when it was relative.
std::string named(const std::string& dataDir)
{
    const fs::path given(dataDir);
    if (given.is_absolute())
        return "\"" + dataDir + "\"";
    std::error_code error;
    const fs::path absolute = fs::absolute(given, error);
    if (error)
        return "\"" + dataDir + "\"";
    std::string where = absolute.lexically_normal().string();
    if (where.size() > 1 && where.back() == '/')
        where.pop_back();
    return "\"" + dataDir + "\" (" + where + ")";
}

bool isDirectory(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(resolveGamePath(path), error);
}

bool isLevelFile(const std::string& dataDir, int n)
{
    std::error_code error;
    return fs::is_regular_file(resolveGamePath(dataDir + "/" + levelFileName(n)), error);
}

} // namespace

ToolCommand readToolCommandLine(int argc, const char* const* argv, const std::vector<ToolOption>& options,
                                std::vector<std::string>* operands, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h")
            return ToolCommand::Help;
        if (!isOptionWord(word)) {
            if (operands == nullptr) {
                error = "unexpected word " + word;
                return ToolCommand::Misused;
            }
            operands->push_back(word);
            continue;
        }
        const ToolOption* option = findOption(options, word);
        if (option == nullptr) {
            error = "unknown option " + word;
            return ToolCommand::Misused;
        }
        std::string value;
        if (!option->valueName.empty()) {
            if (i + 1 >= argc) {
                error = word + " needs a value (" + option->valueName + ")";
                return ToolCommand::Misused;
            }
            value = argv[++i];
        }
        if (!option->take(value)) {
            error = word + " does not take " + (value.empty() ? "an empty value" : "\"" + value + "\"");
            return ToolCommand::Misused;
        }
    }
    return ToolCommand::Run;
}

bool readWholeNumber(const std::string& text, int least, int& number)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < least || value > 1000000000L)
        return false;
    number = static_cast<int>(value);
    return true;
}

bool readSeconds(const std::string& text, float& seconds)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const float value = std::strtof(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(value) || value < 0.0f)
        return false;
    seconds = value;
    return true;
}

std::string dataFolderProblem(const std::string& dataDir)
{
    std::error_code error;
    if (!fs::exists(dataDir, error))
        return "the data folder " + named(dataDir) + " does not exist";
    if (!fs::is_directory(dataDir, error))
        return "the data folder " + named(dataDir) + " is not a folder";
    return "";
}

std::string gameDataProblem(const std::string& dataDir)
{
    const std::string folder = dataFolderProblem(dataDir);
    if (!folder.empty())
        return folder;
    if (!isDirectory(dataDir + "/Levels"))
        return "the data folder " + named(dataDir) +
               " holds no Levels folder; give the game's data folder with --data DIR";
    if (static_cast<int>(missingLevelFiles(dataDir, firstLevel, lastLevel).size()) == lastLevel - firstLevel + 1)
        return "the data folder " + named(dataDir) + " holds no level files (Levels/l1.lvl to Levels/l" +
               std::to_string(lastLevel) + ".lvl)";
    return "";
}

std::vector<int> missingLevelFiles(const std::string& dataDir, int first, int last)
{
    std::vector<int> missing;
    for (int n = first; n <= last; ++n)
        if (!isLevelFile(dataDir, n))
            missing.push_back(n);
    return missing;
}
