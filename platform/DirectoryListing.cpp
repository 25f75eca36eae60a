#include "platform/DirectoryListing.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

#include "platform/Paths.h"

std::vector<std::string> listFiles(const std::string& directory, const std::string& suffix)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    const fs::path folder(resolveGamePath(directory.empty() ? "." : directory));
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        const std::string name = it->path().filename().string();
        if (name.size() < suffix.size())
            continue;
        if (strcasecmp(name.c_str() + (name.size() - suffix.size()), suffix.c_str()) == 0)
            names.push_back(name);
    }
    return names;
}
