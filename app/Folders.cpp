#include "app/Folders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/Globals.h"
#include "app/SettingsFile.h"
#include "platform/GameWindow.h"
#include "platform/Paths.h"
#include "platform/SystemFolders.h"

namespace fs = std::filesystem;

namespace {

// What the data folder must hold, and the picture the first screen shows.
const char* const dataParts[] = {"Textures", "Levels", "Intro"};
constexpr const char* titlePicture = "/Textures/title.png";

// The saved-games folder inside a data folder, and under the player's data home.
constexpr const char* ownSaves = "/Save";
constexpr const char* xdgSaves = "/thrask/Save";
constexpr const char* homeSaves = "/.local/share/thrask/Save";
constexpr const char* xdgKept = "/thrask";
constexpr const char* homeKept = "/.local/share/thrask";

constexpr const char* installedFolder = "share/thrask";
constexpr const char* problemCaption = "No game data";
constexpr const char* howToName =
    "; start the game with -data DIR or set THRASK_DATA to the folder that holds them";

// path made absolute against base, without "." and ".." parts or a slash at the end.
std::string absoluteFrom(const std::string& base, const std::string& path)
{
    fs::path full(path);
    if (full.is_relative() && !base.empty())
        full = fs::path(base) / full;
    std::string text = full.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

bool isAbsolute(const std::string& path)
{
    return !path.empty() && fs::path(path).is_absolute();
}

bool sameFolder(const std::string& a, const std::string& b)
{
    std::error_code error;
    return !a.empty() && !b.empty() && fs::equivalent(a, b, error) && !error;
}

bool isReadableFile(const std::string& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error) && std::ifstream(path, std::ios::binary).is_open();
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

} // namespace

std::string Folders::installedData(const std::string& programFile)
{
    if (programFile.empty())
        return std::string();
    const fs::path prefix = fs::path(programFile).parent_path().parent_path();
    return (prefix / installedFolder).lexically_normal().string();
}

bool Folders::holdsData(const std::string& folder)
{
    for (const char* part : dataParts) {
        std::error_code error;
        if (!fs::is_directory(resolveGamePath(folder + "/" + part), error))
            return false;
    }
    return true;
}

DataChoice Folders::findData(const FolderFacts& facts)
{
    struct Candidate {
        std::string folder;
        const char* from;
    };
    std::vector<Candidate> candidates;
    // A folder the player names is the only one tried.
    const bool named = !facts.dataOption.empty() || !facts.dataVariable.empty();
    if (!facts.dataOption.empty()) {
        candidates.push_back({absoluteFrom(facts.workingFolder, facts.dataOption), "-data"});
    } else if (!facts.dataVariable.empty()) {
        candidates.push_back({absoluteFrom(facts.workingFolder, facts.dataVariable), "THRASK_DATA"});
    } else {
        if (!facts.workingFolder.empty())
            candidates.push_back({absoluteFrom("", facts.workingFolder), "working directory"});
        const std::string installed = installedData(facts.programFile);
        if (!installed.empty())
            candidates.push_back({installed, "installed beside the program"});
    }

    DataChoice choice;
    std::string found;
    for (const Candidate& candidate : candidates) {
        choice.tried.push_back(candidate.folder + " (" + candidate.from + ")");
        if (holdsData(candidate.folder)) {
            found = candidate.folder;
            break;
        }
    }
    if (found.empty()) {
        choice.problem = std::string("found no pictures, levels and intro texts (folders Textures, Levels and Intro) ")
                         + (named ? "in " : "in any of ") + joined(choice.tried) + howToName;
        return choice;
    }
    if (!isReadableFile(resolveGamePath(found + titlePicture))) {
        choice.problem = "the data folder " + found + " has no readable Textures/title.png (looked in "
                         + joined(choice.tried) + ")" + howToName;
        return choice;
    }
    choice.folder = found;
    choice.installed = sameFolder(found, installedData(facts.programFile));
    return choice;
}

std::string Folders::chooseSaves(const FolderFacts& facts, const DataChoice& data)
{
    if (!facts.savesOption.empty())
        return absoluteFrom(facts.workingFolder, facts.savesOption);
    const std::string own = data.folder + ownSaves;
    if (!data.installed) {
        std::error_code error;
        const std::string probed = fs::is_directory(own, error) ? own : data.folder;
        if (canCreateFilesIn(probed))
            return own;
    }
    if (isAbsolute(facts.xdgDataHome))
        return absoluteFrom("", facts.xdgDataHome) + xdgSaves;
    if (isAbsolute(facts.home))
        return absoluteFrom("", facts.home) + homeSaves;
    return own;
}

std::string Folders::keptFolder(const FolderFacts& facts)
{
    if (isAbsolute(facts.xdgDataHome))
        return absoluteFrom("", facts.xdgDataHome) + xdgKept;
    if (isAbsolute(facts.home))
        return absoluteFrom("", facts.home) + homeKept;
    return std::string();
}

std::string Folders::keptFolder()
{
    FolderFacts facts;
    facts.xdgDataHome = variable("XDG_DATA_HOME");
    facts.home = variable("HOME");
    if (facts.home.empty())
        facts.home = accountHome();
    return keptFolder(facts);
}

std::string Folders::settingsFile()
{
    std::string home = variable("HOME");
    if (home.empty())
        home = accountHome();
    return settingsFilePath(variable("XDG_CONFIG_HOME"), home);
}

bool Folders::settle(const std::string& dataOption, const std::string& savesOption,
                     const std::function<void(const char* text, const char* caption)>& warn)
{
    FolderFacts facts;
    facts.dataOption = dataOption;
    facts.savesOption = savesOption;
    facts.dataVariable = variable("THRASK_DATA");
    std::error_code error;
    facts.workingFolder = fs::current_path(error).string();
    facts.programFile = programFile();
    facts.xdgDataHome = variable("XDG_DATA_HOME");
    facts.home = variable("HOME");
    if (facts.home.empty())
        facts.home = accountHome();

    DataChoice data = findData(facts);
    if (data.problem.empty()) {
        fs::current_path(data.folder, error);
        if (error)
            data.problem = "cannot open the data folder " + data.folder + " (" + error.message() + ")";
    }
    if (!data.problem.empty()) {
        warn(data.problem.c_str(), problemCaption);
        return false;
    }
    saveFolder = chooseSaves(facts, data);
    return true;
}
