// The level checker flags what silently breaks a level and passes what the
// game reads correctly.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tools/levelcheck/LevelCheck.h"

namespace fs = std::filesystem;

namespace {

const std::string scratch = "levelcheck-data";

void write(const std::string& path, const std::string& text)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class LevelCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(scratch);
        fs::create_directories(scratch + "/Textures");
        fs::copy_file(std::string(THRASK_DATA_DIR) + "/Textures/meadow.png",
                      scratch + "/Textures/meadow.png");
        write(scratch + "/Textures/broken.png", "this is not a picture");
        write(scratch + "/Intro/ok.txt", "A short intro.\nPress Enter to start.\n");
        write(scratch + "/Intro/long.txt", std::string(75, 'x') + "\nPress Enter to start.\n");
    }

    LevelReport check(const std::string& levelText)
    {
        write(scratch + "/Levels/test.lvl", levelText);
        return checkLevel(scratch + "/Levels/test.lvl", scratch);
    }
};

bool mentions(const std::vector<std::string>& lines, const std::string& word)
{
    for (const std::string& line : lines)
        if (line.find(word) != std::string::npos)
            return true;
    return false;
}

TEST_F(LevelCheck, PassesLevelsTheGameReadsAsMeant)
{
    const struct {
        const char* what;
        const char* text;
    } good[] = {
        {"with intro", "0\n0\n0\n2\n0\n0\n8\n10\nmeadow.png\nIntro/ok.txt\n24 40 90\n"},
        {"without intro", "1\n0\n0\n0\n0\n0\n5\n10\nmeadow.png\nnone\n"},
        {"CR LF line ends", "0\r\n0\r\n0\r\n2\r\n0\r\n0\r\n8\r\n10\r\nmeadow.png\r\nIntro/ok.txt\r\n1 2 3\r\n"},
        {"names in another case", "0\n0\n0\n2\n0\n0\n8\n10\nMEADOW.PNG\nintro/OK.txt\n0 0 0\n"},
        {"backslash path", "0\n0\n0\n2\n0\n0\n8\n10\nmeadow.png\nIntro\\ok.txt\n0 0 0\n"},
    };
    for (const auto& g : good) {
        SCOPED_TRACE(g.what);
        const LevelReport report = check(g.text);
        EXPECT_TRUE(report.opened);
        EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    }
}

TEST_F(LevelCheck, FlagsWhatSilentlyBreaksALevel)
{
    const struct {
        const char* what;
        const char* text;
        const char* expected; // a word of the problem reported
    } bad[] = {
        {"capital None", "0\n0\n0\n2\n0\n0\n8\n10\nmeadow.png\nNone\n", "not exactly none"},
        {"none with a blank", "0\n0\n0\n2\n0\n0\n8\n10\nmeadow.png\nnone \n", "not exactly none"},
        {"empty intro line", "0\n0\n0\n2\n0\n0\n8\n10\nmeadow.png\n\n1 1 1\n", "line 10 is empty"},
        {"file ends after the background", "0\n0\n0\n2\n0\n0\n8\n10\nmeadow.png\n", "line 10 is empty"},
        {"negative peppers", "0\n0\n0\n2\n0\n0\n-3\n10\nmeadow.png\nnone\n", "never be completed"},
        {"no peppers", "0\n0\n0\n2\n0\n0\n0\n10\nmeadow.png\nnone\n", "no peppers"},
        {"peppers as a word", "0\n0\n0\n2\n0\n0\nten\n10\nmeadow.png\nnone\n", "no peppers"},
        {"negative zombies", "0\n0\n0\n-2\n0\n0\n5\n10\nmeadow.png\nnone\n", "negative zombie"},
        {"missing background", "0\n0\n0\n2\n0\n0\n8\n10\nfield.png\nnone\n", "not found"},
        {"background with a blank", "0\n0\n0\n2\n0\n0\n8\n10\nmeadow.png \nnone\n", "not found"},
        {"undecodable background", "0\n0\n0\n2\n0\n0\n8\n10\nbroken.png\nnone\n", "cannot be decoded"},
        {"missing intro file", "0\n0\n0\n2\n0\n0\n8\n10\nmeadow.png\nIntro/l9.txt\n1 1 1\n", "not found"},
        {"missing colour line", "0\n0\n0\n2\n0\n0\n8\n10\nmeadow.png\nIntro/ok.txt", "colour line"},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.what);
        const LevelReport report = check(b.text);
        ASSERT_FALSE(report.problems.empty());
        EXPECT_TRUE(mentions(report.problems, b.expected)) << report.problems.front();
    }
}

TEST_F(LevelCheck, AMissingLevelFileIsAProblem)
{
    const LevelReport report = checkLevel(scratch + "/Levels/l99.lvl", scratch);
    EXPECT_FALSE(report.opened);
    EXPECT_FALSE(report.problems.empty());
}

TEST_F(LevelCheck, ALongIntroLineIsOnlyANote)
{
    const LevelReport report = check("0\n0\n0\n2\n0\n0\n8\n10\nmeadow.png\nIntro/long.txt\n0 0 0\n");
    EXPECT_TRUE(report.problems.empty());
    EXPECT_TRUE(mentions(report.notes, "75 characters"));
}

} // namespace
