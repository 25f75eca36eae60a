#include "app/ReplayShelf.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/ReplayData.h"
#include "play/BestScores.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* ending = ".replay";
// "YYYYMMDD-HHMMSS"
constexpr std::size_t stampLength = 15;
// Names tried for recordings started in the same second.
constexpr int namesPerSecond = 1000;

bool digits(const std::string& text, std::size_t from, std::size_t count)
{
    if (from + count > text.size() || count == 0)
        return false;
    for (std::size_t i = from; i < from + count; ++i)
        if (std::isdigit(static_cast<unsigned char>(text[i])) == 0)
            return false;
    return true;
}

// The order recordings were made in: the time, then the number after it.
std::pair<std::string, int> age(const std::string& name)
{
    const std::string stamp = name.substr(0, stampLength);
    const std::size_t dot = name.size() - std::string(ending).size();
    const int second = dot > stampLength ? std::atoi(name.c_str() + stampLength + 1) : 1;
    return {stamp, second};
}

std::string stampNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    char text[32] = {};
    if (localtime_r(&now, &local) == nullptr
        || std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local) != stampLength)
        return "19700101-000000";
    return text;
}

} // namespace

ReplayShelf::ReplayShelf(std::string folder, std::string dataDir)
    : folder_(std::move(folder)), dataDir_(std::move(dataDir))
{
    // The folder stays where it is named now, whatever folder the game works in later.
    std::error_code code;
    if (!folder_.empty())
        folder_ = fs::absolute(folder_, code).string();
}

bool ReplayShelf::ownName(const std::string& name)
{
    const std::string end = ending;
    if (name.size() < stampLength + end.size()
        || name.compare(name.size() - end.size(), end.size(), end) != 0)
        return false;
    if (!digits(name, 0, 8) || name[8] != '-' || !digits(name, 9, 6))
        return false;
    const std::size_t dot = name.size() - end.size();
    if (dot == stampLength)
        return true;
    return name[stampLength] == '-' && digits(name, stampLength + 1, dot - stampLength - 1);
}

std::string ReplayShelf::newName(std::string& error)
{
    if (folder_.empty()) {
        error = "there is no folder for them (no home folder)";
        return std::string();
    }
    std::error_code code;
    fs::create_directories(folder_, code);
    if (!code && !fs::is_directory(folder_, code))
        code = std::make_error_code(std::errc::not_a_directory);
    if (code) {
        error = folder_ + ": " + code.message();
        return std::string();
    }
    // After every recording of the same second, so that names keep the
    // order the games were played in, also when older ones were removed.
    const std::string stamp = stampNow();
    int after = 0;
    for (fs::directory_iterator it(folder_, code), end; !code && it != end; it.increment(code)) {
        const std::string name = it->path().filename().string();
        if (ownName(name) && name.compare(0, stampLength, stamp) == 0)
            after = std::max(after, age(name).second);
    }
    for (int n = after + 1; n <= namesPerSecond; ++n) {
        const std::string name = stamp + (n == 1 ? "" : "-" + std::to_string(n)) + ending;
        std::error_code taken;
        if (!fs::exists(fs::symlink_status(path(name), taken)))
            return name;
    }
    error = folder_ + ": no free name for a recording";
    return std::string();
}

std::string ReplayShelf::path(const std::string& name) const
{
    return (fs::path(folder_) / name).string();
}

void ReplayShelf::prune(const std::vector<std::string>& keep) const
{
    if (folder_.empty())
        return;
    std::vector<std::string> own;
    std::error_code code;
    for (fs::directory_iterator it(folder_, code), end; !code && it != end; it.increment(code)) {
        const std::string name = it->path().filename().string();
        std::error_code kind;
        if (ownName(name) && it->symlink_status(kind).type() == fs::file_type::regular)
            own.push_back(name);
    }
    std::sort(own.begin(), own.end(),
              [](const std::string& a, const std::string& b) { return age(a) > age(b); });
    for (std::size_t i = kept; i < own.size(); ++i) {
        if (std::find(keep.begin(), keep.end(), own[i]) != keep.end())
            continue;
        std::error_code ignored;
        fs::remove(path(own[i]), ignored);
    }
}

const std::vector<ReplayDataFile>& ReplayShelf::data()
{
    if (!dataScanned_) {
        data_ = scanGameData(dataDir_);
        dataScanned_ = true;
    }
    return data_;
}

std::string ReplayShelf::problem(const std::string& name)
{
    const auto known = problems_.find(name);
    if (known != problems_.end())
        return known->second;
    std::string problem;
    Replay header;
    std::string error;
    std::error_code code;
    if (folder_.empty() || !BestScores::validReplay(name) || !fs::exists(path(name), code))
        problem = "its recording is no longer kept";
    else if (!readReplayHeader(path(name), header, error))
        problem = "its recording is damaged";
    else if (!compareGameData(header.dataFiles, data()).empty())
        problem = "it was recorded with other game data";
    problems_[name] = problem;
    return problem;
}

void ReplayShelf::forget(const std::string& name)
{
    problems_.erase(name);
}

bool ReplayShelf::load(const std::string& name, Replay& replay, std::string& error)
{
    if (folder_.empty() || !BestScores::validReplay(name)) {
        error = "the recording " + name + " is not one the game keeps";
        return false;
    }
    if (!readReplayFile(path(name), replay, error))
        return false;
    const std::string changed = compareGameData(replay.dataFiles, data());
    if (!changed.empty()) {
        error = path(name) + " was recorded with other game data (" + changed
            + "), so it would not show the same game";
        problems_[name] = "it was recorded with other game data";
        return false;
    }
    return true;
}
