// The best-score list: its order, ties, bound of ten, and the file it is
// written to and read from, whatever that file holds; and the book that
// keeps it: a file that is missing, damaged, huge, a folder, or on a
// read-only disk never costs the player a listed game or a crash.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "TinyDisk.h"
#include "play/BestScores.h"
#include "play/ScoreBook.h"

namespace fs = std::filesystem;

namespace {

BestScore game(int score, const std::string& name = "", int level = 1)
{
    return BestScore{score, level, "2024-05-01", name, ""};
}

std::vector<int> scores(const BestScores& list)
{
    std::vector<int> out;
    for (const BestScore& g : list.games())
        out.push_back(g.score);
    return out;
}

std::vector<std::string> names(const BestScores& list)
{
    std::vector<std::string> out;
    for (const BestScore& g : list.games())
        out.push_back(g.name);
    return out;
}

} // namespace

TEST(BestScores, GamesGoInBestFirstAndAnEqualScoreRanksAfterTheEarlierGame)
{
    BestScores list;
    EXPECT_EQ(list.enter(game(500, "a")), 1);
    EXPECT_EQ(list.enter(game(900, "b")), 1);
    EXPECT_EQ(list.enter(game(500, "c")), 3) << "after the 500 already listed";
    EXPECT_EQ(list.enter(game(700, "d")), 2);
    EXPECT_EQ(scores(list), (std::vector<int>{900, 700, 500, 500}));
    EXPECT_EQ(names(list), (std::vector<std::string>{"b", "d", "a", "c"}));
    EXPECT_EQ(list.placeFor(500), 5);
    EXPECT_EQ(list.placeFor(501), 3);
}

TEST(BestScores, TenAreKeptAndAGameNoBetterThanTheTenthDoesNotEnter)
{
    BestScores list;
    for (int score = 100; score <= 1000; score += 100)
        list.enter(game(score));
    ASSERT_EQ(list.games().size(), BestScores::kept);
    EXPECT_EQ(list.placeFor(100), 0) << "equal to the tenth: the earlier game keeps its place";
    EXPECT_EQ(list.enter(game(100, "late")), 0);
    EXPECT_EQ(list.placeFor(50), 0);
    EXPECT_EQ(list.enter(game(150, "new")), 10);
    EXPECT_EQ(list.games().size(), BestScores::kept);
    EXPECT_EQ(list.games().back().name, "new") << "the old tenth dropped off";
    EXPECT_EQ(list.enter(game(2000, "top")), 1);
    EXPECT_EQ(list.games().back().score, 200);

    // A game without points never enters, even an empty list.
    BestScores empty;
    EXPECT_EQ(empty.placeFor(0), 0);
    EXPECT_EQ(empty.placeFor(-30), 0);
    EXPECT_EQ(empty.enter(game(0)), 0);
    EXPECT_TRUE(empty.empty());
}

TEST(BestScores, TheFileReadsBackAsWrittenNamesWithSpacesAndEmptyOnesIncluded)
{
    BestScores list;
    list.enter(BestScore{2147483647, 15, "2024-12-31", "the  best one", "20241231-235959.replay"});
    list.enter(BestScore{1200, 4, "2024-05-01", "", "20240501-101010-2.replay"});
    list.enter(BestScore{700, 2, "2024-05-02", " anna ", ""});
    const std::string text = list.text();
    EXPECT_EQ(text.rfind("thrask-scores 1\n", 0), 0u) << text;
    EXPECT_NE(text.find("700 2 2024-05-02 -  anna \n"), std::string::npos) << text;

    BestScores read;
    EXPECT_EQ(read.read(text), 0);
    EXPECT_EQ(read.games(), list.games());
    // Windows line ends and comments are no damage.
    std::string crlf;
    for (const char c : "# mine\n" + text + "\n")
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(read.read(crlf), 0);
    EXPECT_EQ(read.games(), list.games());
}

TEST(BestScores, ALineThatIsNotAGameCountsAsDamageAndTheGoodLinesStay)
{
    const std::string good = "900 3 2024-05-01 - zed\n";
    const struct {
        const char* line;
        const char* why;
    } bad[] = {
        {"abc 3 2024-05-01 - x", "a score that is not a number"},
        {"-5 3 2024-05-01 - x", "a score below 1"},
        {"0 3 2024-05-01 - x", "no points"},
        {"99999999999 3 2024-05-01 - x", "a score larger than the game counts"},
        {"900 0 2024-05-01 - x", "level 0"},
        {"900 3 2024-13-01 - x", "month 13"},
        {"900 3 yesterday - x", "not a date"},
        {"900 3 2024-05-01 ../../saves.replay x", "a replay outside its folder"},
        {"900 3 2024-05-01 notes.txt x", "a replay that is not one"},
        {"900 3 2024-05-01 - ANNA", "a name the prompt cannot type"},
        {"900 3 2024-05-01 - abcdefghijklmnopqrstuvwxyz0123", "a name longer than the prompt takes"},
        {"900 3 2024-05-01", "fields missing"},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.why);
        BestScores list;
        EXPECT_EQ(list.read("thrask-scores 1\n" + good + b.line + "\n"), 1);
        EXPECT_EQ(scores(list), std::vector<int>{900});
    }
    BestScores list;
    EXPECT_EQ(list.read("thrask-scores 2\n" + good), 1) << "another format";
    EXPECT_EQ(list.read(good), 1) << "no format line";
    EXPECT_EQ(list.read(std::string("\0\xff\x01garbage", 10)), 1);
    EXPECT_EQ(list.read(""), 0) << "an empty file is an empty list";
    EXPECT_TRUE(list.empty());

    // More than ten good games: the best ten, in order, whatever the file's order.
    std::string many = "thrask-scores 1\n";
    for (int score = 1; score <= 12; ++score)
        many += std::to_string(score * 10) + " 1 2024-05-01 -\n";
    EXPECT_EQ(list.read(many), 0);
    EXPECT_EQ(list.games().size(), BestScores::kept);
    EXPECT_EQ(list.games().front().score, 120);
    EXPECT_EQ(list.games().back().score, 30);
}

// ---- the book and its file ----

TEST(ScoreBook, ABookThatKeepsNoScoresEntersNothing)
{
    ScoreBook none;
    EXPECT_FALSE(none.keeps());
    EXPECT_EQ(none.placeFor(100000), 0);
    EXPECT_EQ(none.enterGame(100000, 3), 0);
    EXPECT_TRUE(none.list().empty());
}

TEST(ScoreBook, TheFirstGameWritesTheFileWithItsDayReplayAndThenItsName)
{
    ScoreBook book = ScoreBook::open("kept/thrask/scores");
    EXPECT_TRUE(book.keeps());
    EXPECT_TRUE(book.notices().empty());
    EXPECT_FALSE(fs::exists("kept")) << "nothing is written before a game enters";
    book.startGame("2024-06-01", "20240601-120000.replay");
    EXPECT_EQ(book.placeFor(300), 1);
    EXPECT_EQ(book.enterGame(300, 2), 1);
    EXPECT_EQ(readFile("kept/thrask/scores"),
              "thrask-scores 1\n# score level date replay name\n300 2 2024-06-01 20240601-120000.replay \n");
    book.nameGame(1, "anna");
    book.nameGame(1, "ANNA!");  // not a name the list stores
    book.nameGame(4, "ghost"); // no game there
    ScoreBook again = ScoreBook::open("kept/thrask/scores");
    ASSERT_EQ(again.list().games().size(), 1u);
    EXPECT_EQ(again.list().games()[0].name, "anna");
    EXPECT_FALSE(fs::exists("kept/thrask/scores.tmp"));

    // A recording that could not be kept leaves the listed game without it.
    again.forgetReplay("20240601-120000.replay");
    EXPECT_EQ(ScoreBook::open("kept/thrask/scores").list().games()[0].replay, "");
}

TEST(ScoreBook, ADamagedFileIsKeptAsideItsGoodGamesWrittenBackAndSaid)
{
    writeFile("scores", "thrask-scores 1\n900 3 2024-05-01 - zed\nthis is not a game\n400 1 2024-05-02 -\n");
    writeFile("scores.damaged", "an older damaged list");
    const std::string damaged = readFile("scores");
    ScoreBook book = ScoreBook::open("scores");
    EXPECT_EQ(scores(book.list()), (std::vector<int>{900, 400}));
    ASSERT_EQ(book.notices().size(), 1u);
    EXPECT_NE(book.notices()[0].find("kept aside as scores.damaged-2"), std::string::npos) << book.notices()[0];
    EXPECT_EQ(readFile("scores.damaged-2"), damaged) << "the damaged file is kept as it was";
    EXPECT_EQ(readFile("scores.damaged"), "an older damaged list") << "an earlier one is not overwritten";
    BestScores written;
    EXPECT_EQ(written.read(readFile("scores")), 0);
    EXPECT_EQ(written.games(), book.list().games());
    EXPECT_EQ(book.enterGame(500, 2), 2) << "the book goes on as usual";
}

TEST(ScoreBook, AHugeFileIsNotReadButKeptAside)
{
    std::string huge = "thrask-scores 1\n";
    while (huge.size() <= ScoreBook::maxFileSize)
        huge += "900 3 2024-05-01 - zed\n";
    writeFile("scores", huge);
    ScoreBook book = ScoreBook::open("scores");
    EXPECT_TRUE(book.list().empty());
    EXPECT_EQ(book.notices().size(), 1u);
    EXPECT_EQ(fs::file_size("scores.damaged"), huge.size());
    EXPECT_FALSE(fs::exists("scores")) << "no games were taken from it, so none is written back";
    EXPECT_EQ(book.enterGame(10, 1), 1);
    EXPECT_TRUE(fs::exists("scores"));
}

TEST(ScoreBook, AFolderOrAPipeInTheFilesPlaceIsLeftAloneAndTheRunKeepsScoresInMemory)
{
    fs::create_directories("scores/inside");
    ScoreBook book = ScoreBook::open("scores");
    EXPECT_TRUE(book.keeps());
    ASSERT_EQ(book.notices().size(), 1u);
    EXPECT_NE(book.notices()[0].find("folder"), std::string::npos);
    EXPECT_EQ(book.enterGame(300, 1), 1);
    EXPECT_EQ(book.list().games().size(), 1u) << "the game is listed for this run";
    EXPECT_TRUE(book.writeProblem().empty()) << "nothing was tried, so nothing failed";
    EXPECT_TRUE(fs::is_directory("scores/inside"));

    ASSERT_EQ(mkfifo("pipe", 0600), 0);
    ScoreBook piped = ScoreBook::open("pipe"); // must not block on the pipe
    EXPECT_EQ(piped.notices().size(), 1u);
    EXPECT_EQ(piped.enterGame(300, 1), 1);
    EXPECT_EQ(fs::status("pipe").type(), fs::file_type::fifo);
}

TEST(ScoreBook, AFileTheAccountCannotReadIsNeverOverwritten)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    writeFile("scores", "thrask-scores 1\n900 3 2024-05-01 - zed\n");
    fs::permissions("scores", fs::perms::none);
    ScoreBook book = ScoreBook::open("scores");
    fs::permissions("scores", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(book.notices().size(), 1u);
    EXPECT_EQ(book.enterGame(2000, 5), 1);
    EXPECT_EQ(readFile("scores"), "thrask-scores 1\n900 3 2024-05-01 - zed\n");
}

TEST(ScoreBook, OnAReadOnlyDiskTheListReadsAndANewGameStaysForTheRunWithTheReasonShown)
{
    const int result = tinydisk::run("size=64k", [] {
        writeFile("scores", "thrask-scores 1\n900 3 2024-05-01 - zed\n");
        writeFile("damaged/scores", "not a list\n");
        if (!tinydisk::makeReadOnly())
            return int(tinydisk::unavailable);
        ScoreBook book = ScoreBook::open("scores");
        if (book.list().games().size() != 1 || !book.notices().empty())
            return 1;
        if (book.enterGame(1000, 4) != 1 || book.list().games().size() != 2)
            return 2;
        if (book.writeProblem().find("Could not keep the best scores: read-only") != 0)
            return 3;
        if (readFile("scores") != "thrask-scores 1\n900 3 2024-05-01 - zed\n")
            return 4;
        // A damaged file that cannot be moved aside is shown and kept as it is.
        ScoreBook stuck = ScoreBook::open("damaged/scores");
        if (stuck.notices().size() != 1 || stuck.notices()[0].find("not kept") == std::string::npos)
            return 5;
        stuck.enterGame(10, 1);
        return readFile("damaged/scores") == "not a list\n" ? 0 : 6;
    });
    if (result == tinydisk::unavailable)
        GTEST_SKIP() << "no tmpfs of the test's own here: the read-only disk case did not run";
    EXPECT_EQ(result, 0);
}

TEST(ScoreBook, AFullDiskLeavesTheOldFileWhole)
{
    const int result = tinydisk::run("size=8k", [] {
        ScoreBook book = ScoreBook::open("scores");
        book.startGame("2024-05-01", "");
        if (book.enterGame(100, 1) != 1 || !book.writeProblem().empty())
            return 1;
        const std::string before = readFile("scores");
        // Fill the disk, then enter another game.
        std::string block(4096, 'x');
        for (int i = 0; i < 64; ++i)
            writeFile("filler" + std::to_string(i), block);
        if (book.enterGame(200, 2) != 1)
            return 2;
        if (book.writeProblem().find("no space") == std::string::npos)
            return 3;
        return readFile("scores") == before && !fs::exists("scores.tmp") ? 0 : 4;
    });
    if (result == tinydisk::unavailable)
        GTEST_SKIP() << "no tmpfs of the test's own here: the full disk case did not run";
    EXPECT_EQ(result, 0);
}
