#include "app/ReplayData.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

const char* const dataFolders[] = {"Textures", "Levels", "Intro"};

// A saved game is read only this far; the rest of a longer file is never used.
constexpr std::size_t saveBytesKept = 4096;

std::uint64_t hashBytes(const std::string& bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string readAll(const fs::path& path, std::size_t limit = std::string::npos)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() > limit)
        bytes.resize(limit);
    return bytes;
}

} // namespace

std::vector<ReplayDataFile> scanGameData(const std::string& dataDir)
{
    std::vector<ReplayDataFile> files;
    for (const char* folder : dataFolders) {
        std::error_code error;
        for (fs::directory_iterator it(fs::path(dataDir) / folder, error), end; !error && it != end;
             it.increment(error)) {
            if (!it->is_regular_file(error))
                continue;
            const std::string bytes = readAll(it->path());
            files.push_back({std::string(folder) + "/" + it->path().filename().string(), bytes.size(),
                             hashBytes(bytes)});
        }
    }
    std::sort(files.begin(), files.end(),
              [](const ReplayDataFile& a, const ReplayDataFile& b) { return a.name < b.name; });
    return files;
}

std::string compareGameData(const std::vector<ReplayDataFile>& recorded,
                            const std::vector<ReplayDataFile>& now)
{
    const auto find = [](const std::vector<ReplayDataFile>& files, const std::string& name) {
        return std::find_if(files.begin(), files.end(),
                            [&name](const ReplayDataFile& file) { return file.name == name; });
    };
    for (const ReplayDataFile& file : recorded) {
        const auto current = find(now, file.name);
        if (current == now.end())
            return file.name + " is missing";
        if (!(*current == file))
            return file.name + " has changed";
    }
    for (const ReplayDataFile& file : now)
        if (find(recorded, file.name) == recorded.end())
            return file.name + " is new";
    return {};
}

std::vector<ReplaySave> scanSaves(const std::string& savesDir)
{
    std::vector<ReplaySave> saves;
    std::error_code error;
    for (fs::directory_iterator it(savesDir, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".sav") != 0)
            continue;
        std::error_code kind;
        saves.push_back({name, it->is_regular_file(kind) ? readAll(it->path(), saveBytesKept) : ""});
    }
    return saves;
}

ReplayFolder::~ReplayFolder()
{
    if (path_.empty())
        return;
    std::error_code error;
    // Removes the links, never what they point to.
    fs::remove_all(path_, error);
}

bool ReplayFolder::create(const std::vector<ReplaySave>& saves, std::string& error)
{
    std::error_code code;
    std::string pattern = (fs::temp_directory_path(code) / "thrask-replay-XXXXXX").string();
    if (code || mkdtemp(pattern.data()) == nullptr) {
        error = "cannot create a folder for the replay's saved games in "
            + fs::temp_directory_path(code).string();
        return false;
    }
    path_ = pattern;
    for (const ReplaySave& save : saves) {
        // Only a plain name: a recording cannot write outside its folder.
        if (save.name.empty() || save.name.find('/') != std::string::npos || save.name == "."
            || save.name == "..") {
            error = "the recording names a saved game \"" + save.name + "\" that is not a file name";
            return false;
        }
        std::ofstream out(fs::path(path_) / save.name, std::ios::binary);
        out.write(save.bytes.data(), static_cast<std::streamsize>(save.bytes.size()));
        if (!out) {
            error = "cannot write the recording's saved game " + save.name;
            return false;
        }
    }
    return true;
}
