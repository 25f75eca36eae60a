#include "platform/Paths.h"

#include <dirent.h>
#include <strings.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The first entry of directory whose name equals part without regard to
// case, in the order the directory lists them; empty when none does. The
// names are compared where the system lists them, so a long directory costs
// no copies.
std::string caseInsensitiveEntry(const std::string& directory, const std::string& part)
{
    DIR* const listing = ::opendir(directory.c_str());
    if (listing == nullptr)
        return std::string();
    std::string match;
    while (const dirent* entry = ::readdir(listing)) {
        const char* const name = entry->d_name;
        if ((name[0] == '.' && name[1] == '\0') || (name[0] == '.' && name[1] == '.' && name[2] == '\0'))
            continue;
        if (strcasecmp(name, part.c_str()) == 0) {
            match = name;
            break;
        }
    }
    ::closedir(listing);
    return match;
}

} // namespace

std::string resolveGamePath(const std::string& path)
{
    std::string slashed = path;
    for (char& c : slashed)
        if (c == '\\')
            c = '/';

    std::error_code error;
    if (fs::exists(slashed, error))
        return slashed;

    // Walk the path one part at a time, taking the exact name when it exists
    // and otherwise the first entry of the directory that matches it without
    // regard to case.
    const fs::path wanted(slashed);
    fs::path found = wanted.is_absolute() ? wanted.root_path() : fs::path();
    for (const fs::path& part : wanted.relative_path()) {
        const fs::path exact = found / part;
        if (fs::exists(exact, error)) {
            found = exact;
            continue;
        }
        const fs::path directory = found.empty() ? fs::path(".") : found;
        const std::string name = caseInsensitiveEntry(directory.string(), part.string());
        if (name.empty())
            return slashed;
        found /= name;
    }
    return found.string();
}
