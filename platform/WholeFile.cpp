#include "platform/WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// What the file being written is called beside the one it replaces.
constexpr const char* pendingSuffix = ".tmp";

// The reason of the last failed system call, or a general I/O error when the
// library did not say.
std::error_code lastError()
{
    const int code = errno != 0 ? errno : EIO;
    return std::error_code(code, std::generic_category());
}

// The move into place reaches the disk too: the folder's own entry is
// synced. A folder that cannot be opened for that is left as it is (the
// move itself has happened).
void syncFolderOf(const std::filesystem::path& path)
{
#if defined(__unix__) || defined(__APPLE__)
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        ::close(descriptor);
    }
#else
    (void)path;
#endif
}

} // namespace

bool writeWholeFile(const std::string& path, const std::string& bytes, std::error_code& why)
{
    why.clear();
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        why = lastError();
        return false;
    }
    const auto step = [&why](bool ok) {
        if (!ok && !why)
            why = lastError();
    };
    errno = 0;
    step(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    errno = 0;
    step(std::fflush(file) == 0);
#if defined(__unix__) || defined(__APPLE__)
    errno = 0;
    step(!why && fsync(fileno(file)) == 0);
#endif
    errno = 0;
    step(std::fclose(file) == 0);
    return !why;
}

bool replaceWholeFile(const std::string& path, const std::string& bytes, std::error_code& why)
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    const std::string pending = path + pendingSuffix;
    if (!writeWholeFile(pending, bytes, why)) {
        fs::remove(pending, ignored);
        return false;
    }
    fs::rename(pending, path, why);
    if (why) {
        fs::remove(pending, ignored);
        return false;
    }
    syncFolderOf(path);
    return true;
}
