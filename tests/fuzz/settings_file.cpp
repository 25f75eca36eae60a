// The settings file's reader: any bytes as the player's settings.ini, read
// as the game reads it at start-up and written back as the next change does.
#include <cstdio>

#include "FuzzSupport.h"
#include "app/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::writeScratch("settings.ini", data, size);
    SettingsFile file(path);
    std::vector<std::string> problems;
    const Settings read = file.load(problems);
    fuzz::require(read.effectsVolume >= 0 && read.effectsVolume <= 100, "the effects volume is within 0 to 100");
    fuzz::require(read.musicVolume >= 0 && read.musicVolume <= 100, "the music volume is within 0 to 100");
    for (int i = 0; i < actionCount; ++i)
        for (int j = i + 1; j < actionCount; ++j)
            fuzz::require(read.keys.keys[static_cast<std::size_t>(i)] != read.keys.keys[static_cast<std::size_t>(j)],
                          "no key plays two actions");
    for (const int key : read.keys.keys)
        fuzz::require(!keyReserved(key) && key > 0 && key < 256, "every action has a key of its own");
    // Written back and read again: the same settings, and no new problem.
    std::string why;
    fuzz::require(file.save(read, why), "the settings are written back");
    SettingsFile again(path);
    std::vector<std::string> later;
    fuzz::require(again.load(later) == read, "what was written reads back as it was");
    fuzz::require(later.size() <= problems.size(), "writing back adds no problem");
    // A damaged file was kept aside whole; the next input starts without it.
    if (!file.movedAside().empty())
        std::remove(file.movedAside().c_str());
    return 0;
}
