#include "platform/SystemFolders.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

// The kernel's link to the program file of the calling process.
constexpr const char* ownProgramLink = "/proc/self/exe";
// Name of the probe file; mkstemp replaces the X's with a unique suffix.
constexpr const char* probeName = "/.thrask-write-probe-XXXXXX";

} // namespace

std::string programFile()
{
    std::error_code error;
    const std::filesystem::path file = std::filesystem::read_symlink(ownProgramLink, error);
    return error ? std::string() : file.string();
}

std::string accountHome()
{
    const passwd* account = getpwuid(getuid());
    if (account == nullptr || account->pw_dir == nullptr)
        return std::string();
    return account->pw_dir;
}

bool canCreateFilesIn(const std::string& folder)
{
    if (folder.empty())
        return false;
    const std::string probe = folder + probeName;
    std::vector<char> name(probe.begin(), probe.end());
    name.push_back('\0');
    const int file = mkstemp(name.data());
    if (file < 0)
        return false;
    close(file);
    unlink(name.data());
    return true;
}
