// levelcheck: reads Thrask level files the way the game does and reports what
// would silently break them.
//
//   levelcheck [--data DIR] [LEVEL_FILE...]
//
// DIR is the game's data folder (default: the working directory): the
// pictures and intro texts the levels name are looked up there. With no
// level files, levels 1 to 15 of DIR/Levels are checked; a level file
// missing among them is a problem of that level (the game skips it).
//
// Exit status: 0 when every level checked is sound (notes alone do not fail).
// 1 when a level has a problem (each is printed on standard output). 2 when
// nothing was checked because the tool was asked wrongly: an unknown option,
// an option without its value (the usage follows on standard error), or a
// data folder that does not exist or, with no level files named, holds no
// level files (named on standard error). --help prints the usage on standard
// output and exits 0.

#include <cstdio>
#include <string>
#include <vector>

#include "play/LevelFile.h"
#include "tools/cli/GameDataFolder.h"
#include "tools/cli/ToolCommandLine.h"
#include "tools/levelcheck/LevelCheck.h"

namespace {

constexpr int lastLevel = 15;

const char* const usageText =
    "usage: levelcheck [--data DIR] [LEVEL_FILE...]\n"
    "  --data DIR   the game's data folder (default: the working directory)\n"
    "  LEVEL_FILE   level files to check (default: DIR/Levels/l1.lvl to l15.lvl)\n"
    "Exit status: 0 sound, 1 a level has a problem, 2 asked wrongly (options, data folder).\n";

} // namespace

int main(int argc, char** argv)
{
    std::string dataDir = ".";
    std::vector<std::string> files;
    const std::vector<ToolOption> options = {
        {"--data", "DIR", [&dataDir](const std::string& v) { dataDir = v; return !v.empty(); }},
    };
    const int answered = readToolCommandLine("levelcheck", usageText, argc, argv, options, &files);
    if (answered != keepRunning)
        return answered;

    // Named level files may lie anywhere, but what they name is looked up in
    // the data folder, so that must exist; the shipped levels must be in it.
    const std::string problem = files.empty() ? gameDataProblem(dataDir) : dataFolderProblem(dataDir);
    if (!problem.empty()) {
        std::fprintf(stderr, "levelcheck: %s\n", problem.c_str());
        return 2;
    }

    if (files.empty())
        for (int n = 1; n <= lastLevel; ++n) {
            std::string name = levelFileName(n);
            for (char& c : name)
                if (c == '\\')
                    c = '/';
            files.push_back(dataDir + "/" + name);
        }

    int broken = 0;
    for (const std::string& file : files) {
        const LevelReport report = checkLevel(file, dataDir);
        for (const std::string& found : report.problems)
            std::printf("%s: problem: %s\n", file.c_str(), found.c_str());
        for (const std::string& note : report.notes)
            std::printf("%s: note: %s\n", file.c_str(), note.c_str());
        if (!report.problems.empty())
            ++broken;
    }
    std::printf("%zu level file(s) checked, %d with problems\n", files.size(), broken);
    return broken == 0 ? 0 : 1;
}
