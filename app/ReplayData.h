#pragma once

#include <string>
#include <vector>

#include "app/ReplayFile.h"

// The game's data and saved games as a recording sees them.

// Every file directly in the data folder's Textures, Levels and Intro, by
// name, with its size and a 64-bit hash of its bytes: the pictures, levels
// and intro texts a run depends on.
std::vector<ReplayDataFile> scanGameData(const std::string& dataDir);

// Empty when `now` holds exactly the files of `recorded`; otherwise one
// line naming the first file that was changed, added or removed.
std::string compareGameData(const std::vector<ReplayDataFile>& recorded,
                            const std::vector<ReplayDataFile>& now);

// The saved games in savesDir (files ending in ".sav"), in the order the
// folder lists them, each cut to the bytes the game could read of it.
std::vector<ReplaySave> scanSaves(const std::string& savesDir);

// A private save folder for a replay, holding the recording's saved games,
// so that a replay never reads or writes the player's own saves. Removed
// with everything in it when the object goes.
class ReplayFolder {
public:
    ReplayFolder() = default;
    ~ReplayFolder();
    ReplayFolder(const ReplayFolder&) = delete;
    ReplayFolder& operator=(const ReplayFolder&) = delete;

    // Creates the folder with the saves in it. False with the reason in `error`.
    bool create(const std::vector<ReplaySave>& saves, std::string& error);

    const std::string& path() const { return path_; }

private:
    std::string path_;
};
