#include "app/PageCommandLine.h"

#include <algorithm>

namespace {

constexpr const char* programName = "thrask";
constexpr const char* replayOption = "-replay";
constexpr const char* replayExtension = ".replay";

bool bareName(const std::string& word)
{
    const auto nameCharacter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_'
               || c == '-';
    };
    return !word.empty() && word != "." && word != ".." && std::all_of(word.begin(), word.end(), nameCharacter);
}

} // namespace

std::vector<std::string> pageCommandLine(const std::vector<std::string>& words, const PageFolders& folders,
                                         bool (*exists)(const std::string& file))
{
    std::vector<std::string> line{programName, "-data", folders.data, "-saves", folders.saves, "-windowed"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        line.push_back(words[i]);
        if (words[i] != replayOption || i + 1 == words.size())
            continue;
        const std::string& name = words[++i];
        const std::string shipped = folders.replays + "/" + name + replayExtension;
        const bool found = !folders.replays.empty() && bareName(name) && exists(shipped);
        line.push_back(found ? shipped : name);
    }
    return line;
}
