#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// File helpers shared by the tests. Each test runs in a fresh directory of its
// own (TestMain.cpp), so relative paths never meet the files of another test.

// The whole file as bytes; empty when it cannot be read.
inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes bytes to path, creating the directories on the way.
inline void writeFile(const std::string& path, const std::string& bytes)
{
    const std::filesystem::path p(path);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}
