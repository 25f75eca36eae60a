#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/GameOptions.h"
#include "app/PageCommandLine.h"

namespace {

const PageFolders folders{"/data", "/home/web_user/.local/share/thrask/Save", "/replays"};

std::set<std::string> shipped;

bool isShipped(const std::string& file)
{
    return shipped.count(file) != 0;
}

GameOptions readLine(const std::vector<std::string>& line, std::vector<std::string>& display)
{
    std::vector<const char*> words;
    for (const std::string& word : line)
        words.push_back(word.c_str());
    return readGameOptions(static_cast<int>(words.size()), words.data(), display);
}

} // namespace

TEST(PageCommandLineTest, ThePageGivesTheFoldersAndAWindowAndTheQueryWordsFollow)
{
    shipped.clear();
    const std::vector<std::string> line =
        pageCommandLine({"-w", "800", "-nosound", "-volume", "30"}, folders, isShipped);
    std::vector<std::string> display;
    const GameOptions options = readLine(line, display);
    EXPECT_TRUE(options.errors.empty());
    EXPECT_EQ(options.dataDir, "/data");
    EXPECT_EQ(options.savesDir, "/home/web_user/.local/share/thrask/Save");
    EXPECT_TRUE(options.noSound);
    EXPECT_EQ(options.volume, 30);
    EXPECT_EQ(display, (std::vector<std::string>{"-windowed", "-w", "800"}));
}

TEST(PageCommandLineTest, AReplayNamePlaysTheShippedRecordingAndAnythingElseIsHandedOn)
{
    shipped = {"/replays/menu-flow.replay"};
    const struct {
        std::string name;
        std::string played;
    } cases[] = {
        {"menu-flow", "/replays/menu-flow.replay"},
        // Not shipped: the game is told the name and says it cannot read it.
        {"whole-game", "whole-game"},
        // No folder may be named through the query.
        {"../replays/menu-flow", "../replays/menu-flow"},
        {"..", ".."},
    };
    for (const auto& each : cases) {
        std::vector<std::string> display;
        const GameOptions options = readLine(pageCommandLine({"-replay", each.name, "-fast"}, folders, isShipped),
                                             display);
        EXPECT_EQ(options.replayPath, each.played) << each.name;
        EXPECT_TRUE(options.fast);
    }
    // A page that ships no recordings looks for none; a -replay without its
    // name is left for the game to refuse.
    const PageFolders none{"/data", "/saves", ""};
    EXPECT_EQ(pageCommandLine({"-replay", "menu-flow"}, none, isShipped).back(), "menu-flow");
    std::vector<std::string> display;
    EXPECT_FALSE(readLine(pageCommandLine({"-replay"}, folders, isShipped), display).errors.empty());
}
