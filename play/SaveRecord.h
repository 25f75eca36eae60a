#pragma once

#include <cstdint>
#include <string>
#include <system_error>

// A saved game: 13 bytes, little-endian, in the order level, hp, score, flag.
// Positions are not saved: a loaded game restarts its level from the level
// file with the saved health, score and intro state.
struct SaveRecord {
    std::int32_t level = 0;
    std::int32_t hp = 0;
    std::int32_t score = 0;
    std::uint8_t introShowing = 0; // 1 while the level's intro text holds play
};

// The folder saved games are written to and listed from: "Save" in the
// working directory until start-up chooses the player's own (Folders::settle
// in app/), or a replay gives itself a private one.
extern std::string saveFolder;

// The bytes stored on disk: the 13-byte record with every 0x0A byte written
// as 0x0D 0x0A (the form every Thrask save file has, on every platform).
std::string encodeSaveRecord(const SaveRecord& record);

// Reads the stored form back: each 0x0D 0x0A pair is one 0x0A byte, every
// other byte (0x1A included) is data. Bytes the data does not supply stay 0.
SaveRecord decodeSaveRecord(const std::string& stored);

// Writes the record to path, creating the "Save" directory when it is
// missing. The file is written beside its final name ("<path>.tmp"), made to
// reach the disk and then moved over the final name, so a crash or a full
// disk never destroys a game saved earlier under that name. Pending files a
// crash left in the folder are removed first. Returns true when the new file
// is in place; otherwise false with `why` set to the system's reason for the
// step that failed (read-only, no space left, not a folder...), and no file
// of this save left behind. A save in place is handed to the platform's
// storage to keep (storage().written with the save's folder).
bool writeSaveRecord(const std::string& path, const SaveRecord& record, std::error_code& why);

// The same, for callers that need no reason.
bool writeSaveRecord(const std::string& path, const SaveRecord& record);

// Removes every pending save file ("<name>.sav.tmp", a plain file) that a
// save cut short by a crash or kill left in directory. Directories and every
// other name are left alone. A missing directory is no error.
void removePendingSaves(const std::string& directory);

// Reads one saved game; a missing, unreadable, empty or short file reads as
// zeros for every byte it does not supply.
SaveRecord readSaveRecord(const std::string& path);
