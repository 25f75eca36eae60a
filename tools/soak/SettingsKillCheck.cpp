#include "tools/soak/SettingsKillCheck.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "app/SettingsFile.h"

namespace {

constexpr long long saverLimit = 300000;
constexpr int volumes = Settings::fullVolume + 1;
const char* const journalName = "journal.txt";

Settings settingsOf(long long n)
{
    Settings settings;
    settings.effectsVolume = static_cast<int>(n % volumes);
    settings.musicVolume = static_cast<int>(n / volumes % volumes);
    const long long bits = n / (volumes * volumes);
    settings.music = (bits & 1) != 0;
    settings.fullScreen = (bits & 2) != 0;
    settings.aspect = (bits & 4) != 0;
    settings.hud = (bits & 8) != 0;
    settings.pauseOnFocusLoss = (bits & 16) != 0;
    return settings;
}

long long numberOf(const Settings& settings)
{
    const long long bits = (settings.music ? 1 : 0) | (settings.fullScreen ? 2 : 0) | (settings.aspect ? 4 : 0)
        | (settings.hud ? 8 : 0) | (settings.pauseOnFocusLoss ? 16 : 0);
    return settings.effectsVolume + volumes * (settings.musicVolume + volumes * bits);
}

std::string filePath(const std::string& folder)
{
    return folder + "/thrask/settings.ini";
}

// The newest save the journal confirmed; -1 for none.
long long newestConfirmed(const std::string& folder)
{
    std::ifstream journal(folder + "/" + journalName);
    long long newest = -1;
    long long saved = 0;
    while (journal >> saved)
        newest = std::max(newest, saved);
    return newest;
}

} // namespace

int runSettingsSaver(const std::string& folder)
{
    long long n = newestConfirmed(folder) + 1;
    std::FILE* journal = std::fopen((folder + "/" + journalName).c_str(), "a");
    if (journal == nullptr)
        return 1;
    SettingsFile file(filePath(folder));
    std::vector<std::string> problems;
    file.load(problems);
    for (const long long end = n + saverLimit; n < end; ++n) {
        std::string why;
        if (!file.save(settingsOf(n), why)) {
            std::fprintf(stderr, "saver: settings %lld: %s\n", n, why.c_str());
            return 1;
        }
        std::fprintf(journal, "%lld\n", n);
        std::fflush(journal);
    }
    std::fclose(journal);
    return 0;
}

int checkSettings(const std::string& folder)
{
    const long long confirmed = newestConfirmed(folder);
    SettingsFile file(filePath(folder));
    std::vector<std::string> problems;
    const Settings read = file.load(problems);
    const long long n = numberOf(read);
    const bool whole = problems.empty() && settingsOf(n) == read;
    const bool newEnough = confirmed < 0 || n == confirmed || n == confirmed + 1;
    std::printf("check: settings %lld confirmed, the file holds %lld: %s\n", confirmed, n,
                !whole ? "damaged" : newEnough ? "whole" : "an older save");
    for (const std::string& problem : problems)
        std::printf("check: %s\n", problem.c_str());
    return whole && newEnough ? 0 : 1;
}
