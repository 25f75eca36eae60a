#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// What the fuzz targets share: a scratch folder of the process's own for the
// files a target must hand to a reader by name, and a check that stops the
// run (as a crash, which the fuzzer keeps) when a reader broke its contract.
namespace fuzz {

// The process's scratch folder, made on first use (in memory when /dev/shm
// exists) and removed when the process ends.
inline const std::filesystem::path& scratch()
{
    static const std::filesystem::path folder = [] {
        namespace fs = std::filesystem;
        std::error_code code;
        const fs::path base = fs::is_directory("/dev/shm", code) ? fs::path("/dev/shm") : fs::temp_directory_path(code);
        fs::path made = base / ("thrask-fuzz-" + std::to_string(getpid()));
        fs::remove_all(made, code);
        fs::create_directories(made, code);
        return made;
    }();
    // Registered once the path is made, so the removal runs at exit before
    // the path itself is destroyed (exit undoes both in reverse order).
    static const bool removedAtExit = std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(scratch(), ignored);
    }) == 0;
    (void)removedAtExit;
    return folder;
}

// Stops the run with a message when a contract does not hold.
inline void require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: contract broken: %s\n", what);
    std::abort();
}

// Writes the input to a file of the scratch folder and returns its path.
// Written with the system's own calls: a stream's buffer and locale would
// cost more than the reader the file is for.
inline std::string writeScratch(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    const std::string path = (scratch() / name).string();
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    require(file >= 0, "the scratch file opens");
    std::size_t written = 0;
    while (written < size) {
        const ssize_t now = ::write(file, data + written, size - written);
        require(now > 0, "the scratch file takes the input");
        written += static_cast<std::size_t>(now);
    }
    ::close(file);
    return path;
}

} // namespace fuzz
