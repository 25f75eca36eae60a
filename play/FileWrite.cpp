#include "play/FileWrite.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace {

// The reason of the last failed system call, or a general I/O error when the
// library did not say.
std::error_code lastError()
{
    const int code = errno != 0 ? errno : EIO;
    return std::error_code(code, std::generic_category());
}

} // namespace

bool writeAndSync(const std::string& path, const std::string& bytes, std::error_code& why)
{
    why.clear();
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        why = lastError();
        return false;
    }
    // Each step keeps the first reason; a full disk may show only at the
    // flush, the sync or the close.
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

bool replaceFile(const std::string& path, const std::string& pending, const std::string& bytes,
                 std::error_code& why)
{
    std::error_code ignored;
    if (!writeAndSync(pending, bytes, why)) {
        std::filesystem::remove(pending, ignored);
        return false;
    }
    std::filesystem::rename(pending, path, why);
    if (why) {
        std::filesystem::remove(pending, ignored);
        return false;
    }
    return true;
}
