#pragma once

#include <string>

// The settings file's half of the kill test (tools/soak/kill-during-save.sh
// settings): a saver that replaces the settings file as fast as it can until
// it is killed, and a check that the file a kill left is whole.
//
// Save number n holds effects volume n % 101, music volume n / 101 % 101
// and the five switches as the bits of n / 10201, so a file can be told
// apart from a damaged one; after each save that returned, the saver adds n
// to the folder's journal ("journal.txt").

// Saves DIR/thrask/settings.ini until killed (or 300,000 saves). Returns 1
// when a save fails.
int runSettingsSaver(const std::string& folder);

// Checks DIR/thrask/settings.ini after a kill: it reads with no line the
// game could not use, holds the pattern of one save, and that save is the
// newest the journal confirmed or the one after (a kill after the file was
// in place, before the journal heard of it). Prints one line; returns 0 when
// all held.
int checkSettings(const std::string& folder);
