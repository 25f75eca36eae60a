#pragma once

#include <string>

// Where the files the player keeps between runs live: saved games, and
// every other file the game writes for the player to find again (settings,
// best scores). The game writes and reads them as plain files; this service
// is told when a folder of them must be read in and when a file in one has
// been written, for a platform whose file system does not keep files by
// itself.
//
// This base class is the desktop's: the folders are folders on disk, a file
// written there stays, and every operation does nothing. In the browser the
// file system lives in the page's memory: there the folders are kept in the
// browser's own storage (IndexedDB) and written through after each file.
class Storage {
public:
    Storage() = default;
    Storage(const Storage&) = delete;
    Storage& operator=(const Storage&) = delete;
    virtual ~Storage() = default;

    // Before anything in folder is read (the title menu lists the saved
    // games): makes the files kept for it readable there. Where they arrive
    // later, ready() is false until they are in.
    virtual void restore(const std::string& folder) { (void)folder; }

    // True once every folder restored so far holds its kept files.
    virtual bool ready() const { return true; }

    // After a file in folder has been written whole and moved to its name
    // (writeSaveRecord's order: write, then keep): keeps the folder as it now
    // is past the program's end. A failure shows in problem(), not here.
    virtual void written(const std::string& folder) { (void)folder; }

    // Why the last attempt to keep a folder failed (storage full, or refused
    // as in private browsing); empty while every one succeeded. The game
    // shows it where the player saved.
    virtual std::string problem() const { return {}; }
};

// The storage the game keeps its files through: the one installed with
// useStorage, or the desktop's when none is.
Storage& storage();

// Installs the storage the game keeps its files through (not owned; it must
// stay alive until it is replaced). nullptr goes back to the desktop's.
void useStorage(Storage* storage);
