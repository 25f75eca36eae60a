#include "tools/bench/BenchData.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The shipped levels the heaviest is chosen from.
constexpr int shippedLevels = 15;

int objectCount(const LevelFile& level)
{
    return level.pirates + level.ninjas + level.robots + level.zombies + level.cabbages
        + level.healthPickups + level.peppers;
}

} // namespace

BenchData::BenchData(const std::string& dataDir)
{
    std::string pattern = (fs::temp_directory_path() / "thrask-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return;
    std::error_code error;
    for (const char* part : {"Textures", "Levels", "Intro"}) {
        fs::copy(fs::path(dataDir) / part, fs::path(pattern) / part, fs::copy_options::recursive, error);
        if (error) {
            fs::remove_all(pattern, error);
            return;
        }
    }
    fs::create_directories(fs::path(pattern) / "Save", error);
    folder_ = pattern;

    int most = -1;
    for (int n = 1; n <= shippedLevels; ++n) {
        const LevelFile level = readLevelFile((fs::path(folder_) / "Levels" / ("l" + std::to_string(n) + ".lvl")).string());
        const int kinds[5] = {level.pirates, level.ninjas, level.robots, level.zombies, level.cabbages};
        for (int k = 0; k < 5; ++k)
            kindTotals_[k] += std::max(kinds[k], 0);
        if (objectCount(level) >= most) {
            most = objectCount(level);
            heaviestLevel_ = n;
            heaviest_ = level;
        }
    }
}

BenchData::~BenchData()
{
    if (folder_.empty())
        return;
    std::error_code error;
    fs::remove_all(folder_, error);
}

bool BenchData::writeStressLevel(int number, int enemies) const
{
    // Largest remainders: the counts add up to exactly `enemies`.
    int total = 0;
    for (const int kind : kindTotals_)
        total += kind;
    if (total == 0)
        total = 1;
    int counts[5];
    double remainders[5];
    int given = 0;
    for (int k = 0; k < 5; ++k) {
        const double share = static_cast<double>(enemies) * kindTotals_[k] / total;
        counts[k] = static_cast<int>(share);
        remainders[k] = share - counts[k];
        given += counts[k];
    }
    while (given < enemies) {
        const int k = static_cast<int>(std::max_element(remainders, remainders + 5) - remainders);
        ++counts[k];
        remainders[k] = -1.0;
        ++given;
    }

    std::ofstream out(fs::path(folder_) / "Levels" / ("l" + std::to_string(number) + ".lvl"));
    for (const int count : counts)
        out << count << "\n";
    out << heaviest_.healthPickups << "\n"
        << heaviest_.peppers << "\n"
        << heaviest_.pointsPerPepper << "\n"
        << heaviest_.background << "\n"
        << "none\n";
    return static_cast<bool>(out);
}
