// The shipped levels teach one enemy at a time: each kind arrives alone in
// the first level that holds it, whose intro names it; no intro names a kind
// the player has not met; level 1 holds nothing that comes for a player who
// stands still to look at the field; and the last level brings every kind
// and pays more.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "play/LevelFile.h"

namespace {

const std::string dataDir = THRASK_DATA_DIR;
constexpr int levelCount = 15;

struct Kind {
    const char* word; // how an intro names it
    int LevelFile::*count;
};

const Kind kinds[] = {
    {"pirate", &LevelFile::pirates}, {"ninja", &LevelFile::ninjas},     {"robot", &LevelFile::robots},
    {"zombie", &LevelFile::zombies}, {"cabbage", &LevelFile::cabbages},
};

LevelFile level(int n)
{
    return readLevelFile(dataDir + "/" + levelFileName(n));
}

int kindsIn(const LevelFile& file)
{
    int found = 0;
    for (const Kind& kind : kinds)
        found += file.*kind.count > 0;
    return found;
}

// The level's intro in lower case, without the story's villain: the Cabbage
// Baron is named from the first intro on, and is no cabbage on the field.
std::string introWords(const LevelFile& file)
{
    std::string text;
    if (!file.hasIntro || !readIntroText(dataDir + "/" + file.introFile, text))
        return "";
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (std::size_t at = text.find("cabbage baron"); at != std::string::npos; at = text.find("cabbage baron"))
        text.erase(at, std::string("cabbage baron").size());
    return text;
}

TEST(LevelTeaching, EachKindArrivesAloneAndItsIntroNamesIt)
{
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.word);
        int first = 0;
        for (int n = 1; n <= levelCount && first == 0; ++n)
            if (level(n).*kind.count > 0)
                first = n;
        ASSERT_NE(first, 0) << "no level holds it";
        const LevelFile arrival = level(first);
        EXPECT_EQ(kindsIn(arrival), 1) << "level " << first << " brings it beside other kinds";
        EXPECT_NE(introWords(arrival).find(kind.word), std::string::npos)
            << "level " << first << " brings it without an intro that names it";
        for (int n = 1; n < first; ++n)
            EXPECT_EQ(introWords(level(n)).find(kind.word), std::string::npos)
                << "level " << n << "'s intro names it before level " << first << " brings it";
    }
}

TEST(LevelTeaching, TheFirstLevelLetsANewcomerLookBeforeMoving)
{
    // Zombies and ninjas walk up to a player who stands still, and pirates'
    // knives fly at one; cabbages and robots bite or burn only after a few
    // seconds, and only where they stand.
    const LevelFile first = level(1);
    EXPECT_EQ(first.zombies, 0);
    EXPECT_EQ(first.ninjas, 0);
    EXPECT_EQ(first.pirates, 0);
    EXPECT_GT(first.peppers, 0);
}

TEST(LevelTeaching, TheLastLevelBringsEveryKindAndPointsNeverDrop)
{
    int lastPoints = 0;
    for (int n = 1; n <= levelCount; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        const LevelFile file = level(n);
        ASSERT_TRUE(file.opened);
        EXPECT_GE(file.pointsPerPepper, lastPoints) << "points per pepper never drop";
        lastPoints = file.pointsPerPepper;
    }
    EXPECT_EQ(kindsIn(level(levelCount)), 5);
    EXPECT_GT(level(levelCount).pointsPerPepper, level(1).pointsPerPepper);
}

} // namespace
