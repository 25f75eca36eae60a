#include "tools/cli/GameDataFolder.h"

#include <filesystem>
#include <system_error>

#include "platform/Paths.h"
#include "play/LevelFile.h"

namespace fs = std::filesystem;

namespace {

constexpr int firstLevel = 1;
constexpr int lastLevel = 15;

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
