#include "platform/BrowserStore.h"

#include <memory>

extern "C" {
// platform/BrowserStore.js
int thrask_store_keep(const char* folder, char* why, int size);
void thrask_store_sync(const char* folder, int read, void (*finished)(void* context, const char* why),
                       void* context);
void thrask_store_report(const char* problem);
}

namespace {

// Room for the reason a folder cannot be kept.
constexpr int reasonSize = 256;

// Ends one operation: context is the Done it was started with, owned here.
void syncFinished(void* context, const char* why)
{
    const std::unique_ptr<StorageBackend::Done> done(static_cast<StorageBackend::Done*>(context));
    (*done)(why != nullptr ? why : "");
}

} // namespace

std::string BrowserStore::keep(const std::string& folder)
{
    char why[reasonSize] = "";
    if (thrask_store_keep(folder.c_str(), why, reasonSize) != 0)
        return {};
    return why[0] != '\0' ? why : "the folder cannot be mounted";
}

void BrowserStore::sync(const std::string& folder, bool read, Done done)
{
    // The script calls syncFinished exactly once, which frees it.
    thrask_store_sync(folder.c_str(), read ? 1 : 0, syncFinished, new Done(std::move(done)));
}

void BrowserStore::report(const std::string& problem)
{
    thrask_store_report(problem.c_str());
}
