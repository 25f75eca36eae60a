#include "platform/DirectoryListing.h"

#include <filesystem>
#include <system_error>

namespace {

bool endsWith(const std::string& name, const std::string& suffix)
{
    return name.size() >= suffix.size()
        && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

std::vector<std::string> listFiles(const std::string& directory, const std::string& suffix)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(directory, error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (endsWith(name, suffix))
            names.push_back(name);
    }
    return names;
}
