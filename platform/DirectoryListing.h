#pragma once

#include <string>
#include <vector>

// The names of the entries in directory whose names end in suffix, in the
// directory's own order. The suffix is compared exactly, case included: the
// game writes every name it lists itself (saves end in ".sav"). Entries of
// every kind are listed, so a folder named like a save shows up and reads as
// an empty one. A missing or unreadable directory lists nothing.
std::vector<std::string> listFiles(const std::string& directory, const std::string& suffix);
