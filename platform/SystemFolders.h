#pragma once

#include <string>

// What the operating system tells about the running program and its user,
// for choosing the game's folders at start-up.

// The running program's own file, links resolved (so a moved install tree
// is found where it now is). Empty when the system does not say.
std::string programFile();

// The home folder of the account the game runs as, from the account
// database; empty when it has none. (The HOME variable comes first; the
// caller reads it.)
std::string accountHome();

// True when a file can be created in folder right now. It is tried, not
// guessed from permission bits: a probe file is created and removed at once,
// so a read-only mount, a missing folder, a path that is a file and a folder
// the account may not write to all say no, also for root.
bool canCreateFilesIn(const std::string& folder);
