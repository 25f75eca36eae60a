#pragma once

#include <string>

#include "platform/StorageBackend.h"

// The browser's store of the player's folders: each kept folder is mounted
// on emscripten's IDBFS and copied to and from IndexedDB by
// platform/BrowserStore.js, which the page links (--js-library). Problems go
// to the page's message line (Module.thraskStorageProblem) and the console.
// Only the browser build has it.
class BrowserStore : public StorageBackend {
public:
    std::string keep(const std::string& folder) override;
    void sync(const std::string& folder, bool read, Done done) override;
    void report(const std::string& problem) override;
};
