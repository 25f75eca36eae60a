#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/ReplayFile.h"

// The folder the game keeps its recordings of games in (by default
// $XDG_DATA_HOME/thrask/replays): the name of each new recording, which
// recordings stay (the last `kept` games and every game on the best
// scores), and whether a listed game can be watched. Only plain files named
// as the game names its recordings (YYYYMMDD-HHMMSS.replay, or with -N
// before ".replay" for a second game in the same second) are ever
// removed; anything else in the folder is left alone.
class ReplayShelf {
public:
    static constexpr std::size_t kept = 20;

    // `folder` may not exist yet (a relative one is taken from the working
    // folder now); empty for none (no recordings are made).
    // `dataDir` holds the game's data the recordings are compared with.
    ReplayShelf(std::string folder, std::string dataDir);

    const std::string& folder() const { return folder_; }

    // The file name for a recording started at the local time now, free in
    // the folder and after every other recording of the same second, so
    // that the names keep the games' order; the folder is made when missing. Empty, with the reason in
    // `error`, when the folder cannot be made (no folder given, a file in
    // its way, a read-only disk).
    std::string newName(std::string& error);

    // The path of the recording `name`.
    std::string path(const std::string& name) const;

    // Removes the game's own recordings older than the newest `kept`, but
    // never one named in `keep` (the best scores, the game being
    // recorded). A file that cannot be removed stays.
    void prune(const std::vector<std::string>& keep) const;

    // Why the recording `name` cannot be watched, in a few words ("it was
    // recorded with other game data"); empty when it can. Each file is
    // looked at once (its header only) until forget(name).
    std::string problem(const std::string& name);
    // The recording `name` was written or removed: its answer is asked again.
    void forget(const std::string& name);
    // The recording `name` turned out not to play (`problem`, as problem()
    // words it): the list says so from now on.
    void refuse(const std::string& name, const std::string& problem) { problems_[name] = problem; }

    // Reads the recording `name` to watch it. False, with the reason in
    // `error`, when it is missing, damaged or was recorded with other data.
    bool load(const std::string& name, Replay& replay, std::string& error);

    // True for a name the game gives its recordings.
    static bool ownName(const std::string& name);

    // The game's data as recordings list it (scanGameData of dataDir),
    // looked at once: the data a game's program runs with does not change
    // under it, and reading every file anew would hold the frame a game
    // starts in.
    const std::vector<ReplayDataFile>& data();

private:
    std::string folder_;
    std::string dataDir_;
    std::map<std::string, std::string> problems_;
    bool dataScanned_ = false;
    std::vector<ReplayDataFile> data_;
};
