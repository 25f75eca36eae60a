#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// Writes the input to a file of the scratch folder and returns its path.
inline std::string writeScratch(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path path = scratch() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path.string();
}

// Stops the run with a message when a contract does not hold.
inline void require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: contract broken: %s\n", what);
    std::abort();
}

} // namespace fuzz
