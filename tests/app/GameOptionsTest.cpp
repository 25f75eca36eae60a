#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/GameOptions.h"
#include "app/Globals.h"

namespace {

struct Read {
    GameOptions options;
    std::vector<std::string> rest;
};

Read read(std::vector<const char*> words)
{
    words.insert(words.begin(), "thrask");
    Read result;
    result.options = readGameOptions(static_cast<int>(words.size()), words.data(), result.rest);
    return result;
}

} // namespace

TEST(GameOptionsTest, AddedOptionsAreTakenOutAndTheDisplayOptionsStay)
{
    const Read got = read({"-w", "800", "-record", "/tmp/run-w-1024.thrr", "-fast", "-win",
                           "-volume", "40", "-fps", "0", "-data", "my data", "-nohud", "-nodialogs"});
    EXPECT_EQ(got.options.recordPath, "/tmp/run-w-1024.thrr");
    EXPECT_TRUE(got.options.fast);
    EXPECT_EQ(got.options.volume, 40);
    EXPECT_EQ(got.options.fps, 0);
    EXPECT_EQ(got.options.dataDir, "my data");
    EXPECT_TRUE(got.options.noHud);
    EXPECT_TRUE(got.options.noDialogs);
    EXPECT_FALSE(got.options.noSound);
    EXPECT_TRUE(got.options.errors.empty());
    EXPECT_EQ(got.rest, (std::vector<std::string>{"-w", "800", "-win"}));

    // The dashes inside the file name never reach the display options.
    windowWidth = 640;
    fullScreen = true;
    parseCommandLine(joinWords(got.rest).c_str());
    EXPECT_EQ(windowWidth, 800);
    EXPECT_FALSE(fullScreen);
}

TEST(GameOptionsTest, MissingOrBadValuesAreReportedNotGuessed)
{
    const Read noFile = read({"-win", "-record"});
    ASSERT_EQ(noFile.options.errors.size(), 1u);
    EXPECT_NE(noFile.options.errors[0].find("-record"), std::string::npos);
    EXPECT_TRUE(noFile.options.recordPath.empty());

    for (const char* bad : {"101", "-1", "loud", "50%", ""}) {
        const Read got = read({"-volume", bad, "-win"});
        EXPECT_EQ(got.options.errors.size(), 1u) << bad;
        EXPECT_EQ(got.options.volume, 100) << bad;
        EXPECT_EQ(got.rest.back(), "-win") << bad;
    }
    EXPECT_EQ(read({"-fps"}).options.errors.size(), 1u);
    EXPECT_EQ(read({"-fps", "1001"}).options.errors.size(), 1u);
    EXPECT_EQ(read({"-fps", "1000"}).options.fps, 1000);
}

TEST(GameOptionsTest, UnknownWordsAreLeftForTheDisplayOptions)
{
    // The display options ignore what they do not know.
    const Read got = read({"-Width", "800", "-wid", "-fastest"});
    EXPECT_TRUE(got.options.errors.empty());
    EXPECT_FALSE(got.options.fast);
    EXPECT_EQ(got.rest.size(), 4u);
    EXPECT_EQ(joinWords({}), "");
}

// The renderer is gl1 unless -renderer names gles2; any other word (null,
// which shows nothing, included) is a usage error: the game prints the usage
// line and ends with status 2.
TEST(GameOptionsTest, TheRendererIsGl1OrGles2AndAnyOtherWordIsAUsageError)
{
    EXPECT_EQ(read({"-win"}).options.renderer, RendererKind::gl1);
    EXPECT_FALSE(read({"-win"}).options.usageError);
    const Read gles2 = read({"-renderer", "gles2", "-win"});
    EXPECT_EQ(gles2.options.renderer, RendererKind::gles2);
    EXPECT_TRUE(gles2.options.errors.empty());
    EXPECT_EQ(gles2.rest, (std::vector<std::string>{"-win"}));
    EXPECT_EQ(read({"-renderer", "gl1"}).options.renderer, RendererKind::gl1);

    for (const std::vector<const char*>& words : std::vector<std::vector<const char*>>{
             {"-renderer", "null", "-win"}, {"-renderer", "GLES2", "-win"}, {"-renderer", "gl3", "-win"},
             {"-renderer"}, {"-renderer", "-win"}}) {
        const Read got = read(words);
        SCOPED_TRACE(words.size() > 1 ? words[1] : "(nothing)");
        ASSERT_EQ(got.options.errors.size(), 1u);
        EXPECT_NE(got.options.errors[0].find("-renderer"), std::string::npos);
        EXPECT_TRUE(got.options.usageError);
        EXPECT_EQ(got.options.renderer, RendererKind::gl1);
        if (words.size() > 2 || (words.size() == 2 && words[1][0] == '-')) {
            EXPECT_EQ(got.rest, (std::vector<std::string>{"-win"})) << "the word after is not taken as the value";
        }
    }
    EXPECT_NE(std::string(gameOptionsHelp()).find("-renderer"), std::string::npos);
    EXPECT_EQ(std::string(gameOptionsUsage()).rfind("Usage: thrask", 0), 0u);
}
