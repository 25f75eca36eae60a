// levelcheck: reads Thrask level files the way the game does and reports what
// would silently break them.
//
//   levelcheck [--data DIR] [LEVEL_FILE...]
//
// DIR is the game's working directory (default: the current directory). With
// no level files, levels 1 to 15 of DIR/Levels are checked. Exits 1 when any
// level has a problem, 2 on a usage error, 0 otherwise; notes alone do not fail.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "play/LevelFile.h"
#include "tools/levelcheck/LevelCheck.h"

namespace {

constexpr int lastLevel = 15;

int usage()
{
    std::fprintf(stderr, "usage: levelcheck [--data DIR] [LEVEL_FILE...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string dataDir = ".";
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc)
            dataDir = argv[++i];
        else if (std::strcmp(argv[i], "--help") == 0 || argv[i][0] == '-')
            return usage();
        else
            files.push_back(argv[i]);
    }
    if (files.empty())
        for (int n = 1; n <= lastLevel; ++n)
        {
            std::string name = levelFileName(n);
            for (char& c : name)
                if (c == '\\')
                    c = '/';
            files.push_back(dataDir + "/" + name);
        }

    int broken = 0;
    for (const std::string& file : files) {
        const LevelReport report = checkLevel(file, dataDir);
        for (const std::string& problem : report.problems)
            std::printf("%s: problem: %s\n", file.c_str(), problem.c_str());
        for (const std::string& note : report.notes)
            std::printf("%s: note: %s\n", file.c_str(), note.c_str());
        if (!report.problems.empty())
            ++broken;
    }
    std::printf("%zu level file(s) checked, %d with problems\n", files.size(), broken);
    return broken == 0 ? 0 : 1;
}
