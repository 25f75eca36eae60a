#pragma once

#include <string>
#include <vector>

// The names of the regular files in a directory (path as the game writes it,
// "Save\" or "Save/") whose names end in suffix, compared without regard to
// case as the original file search did. Names come in the directory's own
// order; a missing directory lists nothing.
std::vector<std::string> listFiles(const std::string& directory, const std::string& suffix);
