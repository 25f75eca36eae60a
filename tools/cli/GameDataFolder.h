#pragma once

#include <string>
#include <vector>

// The check that a data folder given to one of the game's tools holds the
// game's levels: the tools refuse (status 2, the folder named) a folder that
// does not exist or holds none, rather than report play that never happened.

// Why dataDir cannot be a data folder at all, or an empty string when it can:
// it must exist and be a folder. The reason names the folder.
std::string dataFolderProblem(const std::string& dataDir);

// Why dataDir is not a game data folder the tools can use, or an empty string
// when it is one: it must be an existing folder whose Levels folder holds at
// least one of the level files the game opens (l1.lvl to l15.lvl, found by
// the game's own path rules). The reason names the folder.
std::string gameDataProblem(const std::string& dataDir);

// The level numbers from `first` to `last` whose level file is missing from
// dataDir/Levels (the game would skip such a level as if it had no peppers).
std::vector<int> missingLevelFiles(const std::string& dataDir, int first, int last);
