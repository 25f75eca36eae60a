#pragma once

#include <string>

#include "play/LevelFile.h"

// The benchmark's own copy of the game's data, in a temporary folder removed
// again when the copy is destroyed: the pictures, levels and intro texts,
// plus a stress level written into it and a folder of saved games for the
// load list. The game's own data folder is never written.
class BenchData {
public:
    // Copies dataDir; valid() says whether it worked.
    explicit BenchData(const std::string& dataDir);
    ~BenchData();
    BenchData(const BenchData&) = delete;
    BenchData& operator=(const BenchData&) = delete;

    bool valid() const { return !folder_.empty(); }

    // The copy, an absolute path.
    const std::string& folder() const { return folder_; }

    // The saved games' folder inside the copy.
    std::string saves() const { return folder_ + "/Save"; }

    // The shipped level with the most objects (enemies, pickups and peppers);
    // of equal ones the later.
    int heaviestLevel() const { return heaviestLevel_; }

    // Writes the stress level as level `number` of the copy: `enemies`
    // enemies, shared among the five kinds in the proportions all shipped
    // levels together use them, with the pickups, peppers and background of
    // the heaviest shipped level. Returns false when the file cannot be written.
    bool writeStressLevel(int number, int enemies) const;

private:
    std::string folder_;
    int heaviestLevel_ = 1;
    LevelFile heaviest_;
    int kindTotals_[5] = {0, 0, 0, 0, 0}; // pirates, ninjas, robots, zombies, cabbages
};
