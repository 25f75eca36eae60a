#include "platform/KeptStorage.h"

#include <filesystem>
#include <system_error>

#include "platform/StorageBackend.h"

namespace fs = std::filesystem;

namespace {

// A folder as one text: absolute, without "." and ".." parts or a slash at the end.
std::string folderText(const std::string& folder)
{
    std::error_code error;
    fs::path path = fs::absolute(folder.empty() ? fs::path(".") : fs::path(folder), error);
    if (error)
        path = folder;
    std::string text = path.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

// True when inner is outer or lies inside it.
bool within(const std::string& inner, const std::string& outer)
{
    if (inner == outer)
        return true;
    const std::string prefix = outer == "/" ? outer : outer + "/";
    return inner.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

KeptStorage::KeptStorage(StorageBackend& backend)
    : backend_(backend), self_(std::make_shared<KeptStorage*>(this))
{
}

KeptStorage::~KeptStorage() = default;

KeptStorage::Folder* KeptStorage::holding(const std::string& path)
{
    for (const std::unique_ptr<Folder>& folder : folders_) {
        if (within(path, folder->path))
            return folder.get();
    }
    return nullptr;
}

void KeptStorage::restore(const std::string& folder)
{
    const std::string path = folderText(folder);
    if (holding(path) != nullptr)
        return;
    for (const std::unique_ptr<Folder>& kept : folders_) {
        if (within(kept->path, path)) {
            setProblem(nullptr, "cannot keep " + path + ": it holds " + kept->path
                                    + ", which is kept already");
            return;
        }
    }
    const std::string why = backend_.keep(path);
    if (!why.empty()) {
        setProblem(nullptr, "cannot keep " + path + " in the browser's storage (" + why + ")");
        return;
    }
    folders_.push_back(std::make_unique<Folder>());
    folders_.back()->path = path;
    start(*folders_.back(), true);
}

bool KeptStorage::ready() const
{
    for (const std::unique_ptr<Folder>& folder : folders_) {
        if (folder->phase == Phase::reading)
            return false;
    }
    return true;
}

void KeptStorage::written(const std::string& folder)
{
    const std::string path = folderText(folder);
    Folder* kept = holding(path);
    if (kept == nullptr) {
        setProblem(nullptr, path + " is not kept in the browser's storage: its files last only until the page closes");
        return;
    }
    if (kept->phase == Phase::unread)
        return; // its problem says its files will not last
    kept->writeWanted = true;
    if (!kept->running && kept->phase == Phase::read)
        start(*kept, false);
}

std::string KeptStorage::problem() const
{
    std::string latest = ownProblem_;
    unsigned long latestAt = ownFailedAt_;
    for (const std::unique_ptr<Folder>& folder : folders_) {
        if (!folder->problem.empty() && folder->failedAt >= latestAt) {
            latest = folder->problem;
            latestAt = folder->failedAt;
        }
    }
    return latest;
}

void KeptStorage::start(Folder& folder, bool read)
{
    folder.running = true;
    if (!read)
        folder.writeWanted = false; // what is written from here on needs another write
    std::weak_ptr<KeptStorage*> owner = self_;
    const std::string path = folder.path;
    backend_.sync(path, read, [owner, path, read](const std::string& why) {
        if (const std::shared_ptr<KeptStorage*> alive = owner.lock())
            (*alive)->finished(path, read, why);
    });
}

void KeptStorage::finished(const std::string& path, bool read, const std::string& why)
{
    Folder* folder = holding(path);
    if (folder == nullptr || folder->path != path)
        return;
    folder->running = false;
    if (read) {
        if (why.empty()) {
            folder->phase = Phase::read;
        } else {
            folder->phase = Phase::unread;
            folder->writeWanted = false;
            setProblem(folder, "the browser's storage could not be read (" + why + "): the files of earlier visits"
                                   " in " + path + " are not shown, and what is saved there now is lost when the"
                                   " page closes");
            return;
        }
    } else if (why.empty()) {
        setProblem(folder, "");
    } else {
        setProblem(folder, "the browser did not keep the files in " + path + " (" + why
                               + "): they are lost when the page closes");
    }
    if (folder->writeWanted)
        start(*folder, false);
}

void KeptStorage::setProblem(Folder* folder, const std::string& text)
{
    std::string& problem = folder != nullptr ? folder->problem : ownProblem_;
    unsigned long& failedAt = folder != nullptr ? folder->failedAt : ownFailedAt_;
    problem = text;
    if (!text.empty())
        failedAt = ++failures_;
    announce();
}

void KeptStorage::announce()
{
    const std::string now = problem();
    if (now == announced_)
        return;
    announced_ = now;
    backend_.report(now);
}
