#include <gtest/gtest.h>

#include <string>

#include "app/CommandLine.h"
#include "app/Globals.h"

namespace {

struct Options {
    int width;
    int height;
    int depth;
    bool fullScreen;
};

Options parsed(const char* line)
{
    windowWidth = 640;
    windowHeight = 480;
    colourDepth = 32;
    fullScreen = true;
    parseCommandLine(line);
    return {windowWidth, windowHeight, colourDepth, fullScreen};
}

} // namespace

TEST(CommandLineTest, OptionsAsTheGameReadsThem)
{
    struct Case {
        const char* line;
        Options expected;
    };
    const Case cases[] = {
        {"", {640, 480, 32, true}},
        {"-width 800 -height 600 -depth 16", {800, 600, 16, true}},
        {"-w 1024 -h 768 -win", {1024, 768, 32, false}},
        {"-w 800", {800, 480, 32, true}},
        {"-wid 800", {640, 480, 32, true}},
        {"-Width 800", {640, 480, 32, true}},
        {"-width=800", {640, 480, 32, true}},
        {"-width", {640, 480, 32, true}},
        {"-width 0", {640, 480, 32, true}},
        {"-width abc", {640, 480, 32, true}},
        {"-width -5", {640, 480, 32, true}},
        {"-width 800px", {800, 480, 32, true}},
        {"-win 640", {640, 480, 32, false}},
        {"-w 1000 -windowed -h 700", {1000, 700, 32, false}},
        {"- w 800", {640, 480, 32, true}},
        {"--w 800", {800, 480, 32, true}},
        {"junk -h 600", {640, 600, 32, true}},
        {"-w 800 -w 1024", {1024, 480, 32, true}},
        {"-d 272", {640, 480, 272, true}},
        {"-depth 24 -d 0", {640, 480, 24, true}},
        {"-height 1200 -hh 5 -deep 3", {640, 1200, 32, true}},
        {"-window", {640, 480, 32, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const Options got = parsed(c.line);
        EXPECT_EQ(got.width, c.expected.width);
        EXPECT_EQ(got.height, c.expected.height);
        EXPECT_EQ(got.depth, c.expected.depth);
        EXPECT_EQ(got.fullScreen, c.expected.fullScreen);
    }
}

TEST(CommandLineTest, ALongCommandLineIsCutAt255Characters)
{
    // The width option lies inside the first 255 characters, the height
    // option beyond them.
    std::string line = "-w 800 ";
    line += std::string(260, 'x');
    line += " -h 600";
    ASSERT_GT(line.size(), 255u);
    const Options got = parsed(line.c_str());
    EXPECT_EQ(got.width, 800);
    EXPECT_EQ(got.height, 480);

    // A number cut by the limit is read as far as it goes.
    std::string cut = std::string(250, ' ') + "-w 12345";
    EXPECT_EQ(parsed(cut.c_str()).width, 12);

    // Thousands of characters of one word, with no dash at all.
    std::string huge(10000, 'w');
    EXPECT_EQ(parsed(huge.c_str()).width, 640);
    EXPECT_EQ(parsed(nullptr).width, 640);
}
