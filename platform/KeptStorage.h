#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Storage.h"

class StorageBackend;

// The storage of a platform whose file system forgets the player's files
// when the program ends (the browser's): each folder restored is kept by a
// backend (IndexedDB in the browser), read in once before the game lists it
// and written through after every file written in it. One operation runs on
// a folder at a time; files written while one runs are written through by
// another right after it.
//
// A folder whose read failed is never written through: writing it would
// replace what the store holds, the player's files of earlier runs that
// could not be read, with this run's. The game plays on with that folder as
// it is, and problem() says that its files will not last.
class KeptStorage : public Storage {
public:
    // backend must outlive this storage. An operation the backend finishes
    // after this storage is gone is ignored.
    explicit KeptStorage(StorageBackend& backend);
    ~KeptStorage() override;

    // Keeps folder and starts reading it in. A folder inside one kept
    // already is restored with it; a folder holding one kept already cannot
    // be kept (restore the outer folder first) and says so in problem().
    void restore(const std::string& folder) override;

    // True once no folder restored is still being read (read in, or its read
    // failed).
    bool ready() const override;

    // Writes the kept folder holding folder through, now or right after the
    // operation running on it. A folder no kept folder holds is a problem.
    void written(const std::string& folder) override;

    // The last failure among the folders that are still not kept as they
    // are; empty when every folder is. Each change is also reported through
    // the backend.
    std::string problem() const override;

private:
    enum class Phase { reading, read, unread };
    struct Folder {
        std::string path;
        Phase phase = Phase::reading;
        bool running = false;       // an operation of the backend runs on it
        bool writeWanted = false;   // a file was written since the last write began
        std::string problem;        // why it is not kept as it is; empty when it is
        unsigned long failedAt = 0; // when its problem arose, to tell the latest
    };

    Folder* holding(const std::string& path);
    void start(Folder& folder, bool read);
    void finished(const std::string& path, bool read, const std::string& why);
    void setProblem(Folder* folder, const std::string& text);
    void announce();

    StorageBackend& backend_;
    std::vector<std::unique_ptr<Folder>> folders_;
    std::string ownProblem_;        // a folder that could not be kept at all
    unsigned long ownFailedAt_ = 0;
    unsigned long failures_ = 0;
    std::string announced_;         // the problem the backend was last told
    // Operations still running hold a weak copy: once this storage is gone,
    // their ends are ignored.
    std::shared_ptr<KeptStorage*> self_;
};
