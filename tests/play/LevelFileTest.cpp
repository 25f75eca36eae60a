// Reading level files and intro text files, line by line, the way the game
// reads them.
#include <climits>

#include "PlayTestSupport.h"
#include "play/LevelFile.h"

namespace {

std::string join(const std::vector<std::string>& lines, const std::string& end = "\n")
{
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

} // namespace

TEST(LevelFileTest, LevelNOpensLevelsLnWithoutLeadingZeros)
{
    // Each file holds its own number of pirates.
    writeFile("Levels/l1.lvl", "101\n");
    writeFile("Levels/l01.lvl", "99\n");
    writeFile("Levels/l10.lvl", "110\n");
    writeFile("Levels/l15.lvl", "115\n");
    writeFile("Levels/L2.LVL", "102\n");
    EXPECT_EQ(readLevelFile(levelFileName(1)).pirates, 101);
    EXPECT_EQ(readLevelFile(levelFileName(10)).pirates, 110);
    EXPECT_EQ(readLevelFile(levelFileName(15)).pirates, 115);
    EXPECT_EQ(readLevelFile(levelFileName(2)).pirates, 102) << "names match whatever their case";
    EXPECT_FALSE(readLevelFile(levelFileName(3)).opened);
}

TEST(LevelFileTest, LinesGoToTheirCountsInFileOrder)
{
    writeFile("Levels/l3.lvl", join({"1", "2", "3", "4", "5", "6", "7", "8", "back.png", "none"}));
    const LevelFile file = readLevelFile(levelFileName(3));
    EXPECT_TRUE(file.opened);
    EXPECT_EQ(file.pirates, 1);
    EXPECT_EQ(file.ninjas, 2);
    EXPECT_EQ(file.robots, 3);
    EXPECT_EQ(file.zombies, 4);
    EXPECT_EQ(file.cabbages, 5);
    EXPECT_EQ(file.healthPickups, 6);
    EXPECT_EQ(file.peppers, 7);
    EXPECT_EQ(file.pointsPerPepper, 8);
    EXPECT_EQ(file.background, "back.png");
    EXPECT_FALSE(file.hasIntro);
}

TEST(LevelFileTest, IntegersReadAsAtoiReadsThem)
{
    struct Case {
        std::string line;
        int value;
    };
    const Case cases[] = {
        {"12 peppers", 12}, {"  \t-3", -3}, {"+7", 7}, {"abc", 0}, {"", 0}, {"-", 0},
        {"- 4", 0}, {"0x10", 0}, {"007", 7}, {"2147483647", INT_MAX},
        {"99999999999999999999", INT_MAX}, {"-99999999999999999999", INT_MIN},
    };
    for (const Case& c : cases) {
        writeFile("Levels/l1.lvl", join({c.line, "", "", "", "", "", "", c.line, "", "none"}));
        const LevelFile file = readLevelFile(levelFileName(1));
        EXPECT_EQ(file.pirates, c.value) << '"' << c.line << '"';
        EXPECT_EQ(file.pointsPerPepper, c.value) << '"' << c.line << '"';
    }
}

TEST(LevelFileTest, IntroColourIsClampedAndMissingValuesAreZero)
{
    struct Case {
        std::string line;
        Colour colour;
    };
    const Case cases[] = {
        {"300 -5", {255, 0, 0, 255}},
        {"10 20 30", {10, 20, 30, 255}},
        {"  10   20\t30 40", {10, 20, 30, 255}},
        {"10 20", {10, 20, 0, 255}},
        {"12x 40 50", {12, 0, 0, 255}},
        {"red", {0, 0, 0, 255}},
        {" ", {0, 0, 0, 255}},
        {"", {255, 255, 255, 255}},
        {"-1 256 255", {0, 255, 255, 255}},
        {"99999999999 1 1", {255, 1, 1, 255}},
    };
    for (const Case& c : cases) {
        writeFile("Levels/l1.lvl", join({"0", "0", "0", "0", "0", "0", "1", "1", "bg.png", "intro.txt", c.line}));
        const LevelFile file = readLevelFile(levelFileName(1));
        EXPECT_TRUE(file.hasIntro);
        EXPECT_EQ(file.introFile, "intro.txt");
        EXPECT_EQ(file.introColour, c.colour) << '"' << c.line << '"';
    }
}

TEST(LevelFileTest, OnlyTheExactWordNoneMeansNoIntro)
{
    struct Case {
        std::string line;
        bool hasIntro;
    };
    const Case cases[] = {
        {"none", false}, {"None", true}, {"NONE", true}, {"none ", true},
        {" none", true}, {"", true}, {"nonexistent.txt", true},
    };
    for (const Case& c : cases) {
        writeFile("Levels/l1.lvl", join({"0", "0", "0", "0", "0", "0", "1", "1", "bg.png", c.line}));
        const LevelFile file = readLevelFile(levelFileName(1));
        EXPECT_EQ(file.hasIntro, c.hasIntro) << '"' << c.line << '"';
        EXPECT_EQ(file.introFile, c.line);
        // Line 11 is missing: an intro text is white.
        EXPECT_EQ(file.introColour, (Colour{255, 255, 255, 255}));
    }
}

TEST(LevelFileTest, CrLfFilesReadLikeLfFiles)
{
    const std::vector<std::string> lines = {"3", "0", "0", "2", "0", "1", "4", "25", "bg.png", "none"};
    writeFile("Levels/l1.lvl", join(lines, "\r\n"));
    writeFile("Levels/l2.lvl", join({"0", "0", "0", "0", "0", "0", "1", "1", "bg.png", "intro.txt", "1 2 3"}, "\r\n"));
    const LevelFile file = readLevelFile(levelFileName(1));
    EXPECT_EQ(file.pirates, 3);
    EXPECT_EQ(file.zombies, 2);
    EXPECT_EQ(file.pointsPerPepper, 25);
    EXPECT_EQ(file.background, "bg.png");
    EXPECT_FALSE(file.hasIntro);
    const LevelFile second = readLevelFile(levelFileName(2));
    EXPECT_EQ(second.introFile, "intro.txt");
    EXPECT_EQ(second.introColour, (Colour{1, 2, 3, 255}));
}

TEST(LevelFileTest, LongLinesAreCutAfter254CharactersAndTheRestIsTheNextLine)
{
    const std::string head(254, 'a');
    // 300 characters on line 9: its last 46 become line 10.
    writeFile("Levels/l1.lvl", join({"0", "0", "0", "0", "0", "0", "1", "1", head + std::string(46, 'b'), "none"}));
    LevelFile file = readLevelFile(levelFileName(1));
    EXPECT_EQ(file.background, head);
    EXPECT_EQ(file.introFile, std::string(46, 'b'));
    EXPECT_TRUE(file.hasIntro);
    // Line 11, the intro colour, is then the "none" line: no numbers, black.
    EXPECT_EQ(file.introColour, (Colour{0, 0, 0, 255}));

    // Exactly 254 characters: the line end alone is read as the next line.
    writeFile("Levels/l1.lvl", join({"0", "0", "0", "0", "0", "0", "1", "1", head, "none"}));
    file = readLevelFile(levelFileName(1));
    EXPECT_EQ(file.background, head);
    EXPECT_EQ(file.introFile, "");
    EXPECT_TRUE(file.hasIntro);

    // 253 characters fit with their line end.
    writeFile("Levels/l1.lvl", join({"0", "0", "0", "0", "0", "0", "1", "1", std::string(253, 'c'), "none"}));
    file = readLevelFile(levelFileName(1));
    EXPECT_EQ(file.background, std::string(253, 'c'));
    EXPECT_FALSE(file.hasIntro);

    // A CR LF line end does not count towards the 254 characters.
    writeFile("Levels/l1.lvl", join({"0", "0", "0", "0", "0", "0", "1", "1", std::string(253, 'c'), "none"}, "\r\n"));
    file = readLevelFile(levelFileName(1));
    EXPECT_FALSE(file.hasIntro);

    // An overlong number line shifts every following line.
    writeFile("Levels/l1.lvl", join({std::string(254, '9') + "5", "6"}));
    file = readLevelFile(levelFileName(1));
    EXPECT_EQ(file.pirates, INT_MAX);
    EXPECT_EQ(file.ninjas, 5);
    EXPECT_EQ(file.robots, 6);
}

TEST(LevelFileTest, MissingAndShortFilesReadAsEmptyLines)
{
    const LevelFile missing = readLevelFile(levelFileName(7));
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.peppers, 0);
    EXPECT_EQ(missing.pointsPerPepper, 0);
    EXPECT_EQ(missing.background, "");
    EXPECT_TRUE(missing.hasIntro);
    EXPECT_EQ(missing.introFile, "");
    EXPECT_EQ(missing.introColour, (Colour{255, 255, 255, 255}));

    // A file that stops after line 9 (without a final line end).
    writeFile("Levels/l1.lvl", "1\n2\n3\n4\n5\n6\n7\n8\nbg.png");
    const LevelFile shortFile = readLevelFile(levelFileName(1));
    EXPECT_TRUE(shortFile.opened);
    EXPECT_EQ(shortFile.pointsPerPepper, 8);
    EXPECT_EQ(shortFile.background, "bg.png");
    EXPECT_TRUE(shortFile.hasIntro);
    EXPECT_FALSE(shortFile.colourLinePresent);
    EXPECT_EQ(shortFile.introColour, (Colour{255, 255, 255, 255}));

    writeFile("Levels/l2.lvl", "");
    const LevelFile empty = readLevelFile(levelFileName(2));
    EXPECT_TRUE(empty.opened);
    EXPECT_EQ(empty.pirates, 0);
    EXPECT_TRUE(empty.hasIntro);
}

TEST(LevelFileTest, IntroTextKeepsItsLinesAndCutsThemAt1255Characters)
{
    std::string text;
    writeFile("intro.txt", "First line\r\nSecond line\n\nlast without end");
    ASSERT_TRUE(readIntroText("intro.txt", text));
    EXPECT_EQ(text, "First line\nSecond line\n\nlast without end\n");

    writeFile("Intro/long.txt", std::string(1300, 'x') + "\n" + std::string(1255, 'y') + "\nz\n");
    ASSERT_TRUE(readIntroText("Intro\\long.txt", text));
    const std::string expected = std::string(1255, 'x') + "\n" + std::string(45, 'x') + "\n"
        + std::string(1255, 'y') + "\n" + "\n" + "z\n";
    EXPECT_EQ(text, expected);

    // A name that leads to an endless device reads a bounded amount.
    ASSERT_TRUE(readIntroText("/dev/zero", text));
    EXPECT_LT(text.size(), 1000u);

    text = "left over";
    EXPECT_FALSE(readIntroText("Intro/missing.txt", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(readIntroText("", text));
    EXPECT_EQ(text, "");
}
