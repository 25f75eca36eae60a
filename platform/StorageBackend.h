#pragma once

#include <functional>
#include <string>

// What keeps folders for a platform whose file system forgets them when the
// program ends (the browser's, in the page's memory): a store outside the
// program (the browser's IndexedDB) that a folder's files are copied from
// and to. KeptStorage (platform/KeptStorage.h) decides when; a backend only
// does what it is told.
class StorageBackend {
public:
    // Called once an operation has finished: an empty text when it
    // succeeded, otherwise why it failed, in words the player can read.
    using Done = std::function<void(const std::string& why)>;

    StorageBackend() = default;
    StorageBackend(const StorageBackend&) = delete;
    StorageBackend& operator=(const StorageBackend&) = delete;
    virtual ~StorageBackend() = default;

    // Makes folder (absolute, and the folders above it) and from now on lets
    // sync copy it. Empty on success, otherwise why the folder cannot be kept.
    virtual std::string keep(const std::string& folder) = 0;

    // Starts copying a kept folder: from the store into the folder when
    // read is true (files the store lacks are removed from the folder),
    // otherwise from the folder into the store (likewise). Calls done exactly
    // once, after this call has returned, also when the store never answers.
    virtual void sync(const std::string& folder, bool read, Done done) = 0;

    // Shows the player why the files are not being kept, outside the game's
    // screens (the page's message line); an empty text takes it away.
    virtual void report(const std::string& problem) = 0;
};
