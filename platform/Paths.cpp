#include "platform/Paths.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

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
        bool matched = false;
        for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (strcasecmp(name.c_str(), part.string().c_str()) == 0) {
                found /= name;
                matched = true;
                break;
            }
        }
        if (!matched)
            return slashed;
    }
    return found.string();
}
