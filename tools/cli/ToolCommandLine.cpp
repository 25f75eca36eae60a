#include "tools/cli/ToolCommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

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

} // namespace

int readToolCommandLine(const char* tool, const char* usageText, int argc, const char* const* argv,
                        const std::vector<ToolOption>& options, std::vector<std::string>* operands)
{
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            std::fputs(usageText, stdout);
            return 0;
        }
        if (!isOptionWord(word)) {
            if (operands == nullptr)
                return toolMisused(tool, usageText, "unexpected word " + word);
            operands->push_back(word);
            continue;
        }
        const ToolOption* option = findOption(options, word);
        if (option == nullptr)
            return toolMisused(tool, usageText, "unknown option " + word);
        std::string value;
        if (!option->valueName.empty()) {
            if (i + 1 >= argc)
                return toolMisused(tool, usageText, word + " needs a value (" + option->valueName + ")");
            value = argv[++i];
        }
        if (!option->take(value))
            return toolMisused(tool, usageText,
                               word + " does not take " + (value.empty() ? "an empty value" : "\"" + value + "\""));
    }
    return keepRunning;
}

int toolMisused(const char* tool, const char* usageText, const std::string& error)
{
    std::fprintf(stderr, "%s: %s\n%s", tool, error.c_str(), usageText);
    return 2;
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
