#pragma once

#include <string>

// The two halves of the kill test (tools/soak/kill-during-save.sh): a saver
// that writes saved games as fast as it can until it is killed, and a check
// of what a kill left.
//
// The saver cycles through a few names; save number n holds level
// n % 15 + 1, hp n % 31, score n and the intro flag n % 2, so any file can be
// told apart from a damaged one, and after each save that returned it adds
// "<slot> <n>" to the folder's journal ("journal.txt"), so the check knows the
// newest save each name must hold at least.

// Saves into folder until killed (or a million saves). Returns 1 when a save
// fails.
int runSaver(const std::string& folder);

// Checks folder after a kill: every name the journal confirmed is there,
// as new as the journal's or newer (no save lost), and every saved game in
// the folder holds a well-formed record of the pattern above (none damaged;
// a save the kill cut off after its file was in place counts as saved). Then,
// unless keepStrays, builds the load list of the folder, which must list
// exactly the saved games and leave no pending file. Prints one line;
// returns 0 when all held.
int checkSaves(const std::string& folder, bool keepStrays);
