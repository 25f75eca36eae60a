// The saved-game file: its exact bytes, reading odd files, and saving safely.
#include "menus/SaveRecord.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <climits>
#include <csignal>
#include <filesystem>

#include "MenuTestSupport.h"

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

bool sameRecord(const SaveRecord& a, const SaveRecord& b)
{
    return a.level == b.level && a.hp == b.hp && a.score == b.score
        && a.introShowing == b.introShowing;
}

struct StoredCase {
    const char* what;
    SaveRecord record;
    std::string stored;
};

const StoredCase storedCases[] = {
    {"plain values",
     {3, 25, 1200, 0},
     bytes({3, 0, 0, 0, 25, 0, 0, 0, 0xB0, 0x04, 0, 0, 0})},
    {"hp 10 is a line feed: 14 bytes",
     {1, 10, 0, 0},
     bytes({1, 0, 0, 0, 0x0D, 0x0A, 0, 0, 0, 0, 0, 0, 0, 0})},
    {"score 26 is plain data: 13 bytes",
     {2, 30, 26, 1},
     bytes({2, 0, 0, 0, 30, 0, 0, 0, 0x1A, 0, 0, 0, 1})},
    {"negative values",
     {-1, -10, -300, 0},
     bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xF6, 0xFF, 0xFF, 0xFF, 0xD4, 0xFE, 0xFF, 0xFF, 0})},
    {"largest and smallest values",
     {INT_MAX, INT_MIN, 0x0A0B0C0D, 1},
     bytes({0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0x80, 0x0D, 0x0C, 0x0B, 0x0D, 0x0A, 1})},
    {"every byte a line feed",
     {0x0A0A0A0A, 0x0A0A0A0A, 0x0A0A0A0A, 0x0A},
     bytes({0x0D, 0x0A, 0x0D, 0x0A, 0x0D, 0x0A, 0x0D, 0x0A, 0x0D, 0x0A, 0x0D, 0x0A,
                0x0D, 0x0A, 0x0D, 0x0A, 0x0D, 0x0A, 0x0D, 0x0A, 0x0D, 0x0A, 0x0D, 0x0A,
                0x0D, 0x0A})},
    {"a carriage return before a line feed",
     {0x0A0D, 0, 0, 0},
     bytes({0x0D, 0x0D, 0x0A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
};

class SaveRecordFile : public ScratchDirTest {};

} // namespace

TEST(SaveRecordBytes, StoredFormIsExactAndReadsBack)
{
    for (const StoredCase& c : storedCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(encodeSaveRecord(c.record), c.stored);
        EXPECT_TRUE(sameRecord(decodeSaveRecord(c.stored), c.record));
    }
}

TEST(SaveRecordBytes, OddStoredFormsReadWithZerosForMissingBytes)
{
    struct Case {
        const char* what;
        std::string stored;
        SaveRecord expected;
    };
    const Case cases[] = {
        {"empty", "", {0, 0, 0, 0}},
        {"level only, short", bytes({5, 0}), {5, 0, 0, 0}},
        {"hp cut after two bytes", bytes({7, 0, 0, 0, 0x34, 0x12}), {7, 0x1234, 0, 0}},
        {"no flag", bytes({1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}), {1, 2, 3, 0}},
        {"lone carriage return is data", bytes({0x0D, 0, 0, 0, 0x0D}), {0x0D, 0x0D, 0, 0}},
        {"end-of-file byte is data", bytes({0x1A, 0x1A, 0x1A, 0x1A, 0x1A}), {0x1A1A1A1A, 0x1A, 0, 0}},
        {"bare line feed is data", bytes({0x0A, 0, 0, 0}), {0x0A, 0, 0, 0}},
        {"trailing garbage ignored",
         bytes({1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 1, 0xEE, 0xEE, 0xEE}), {1, 2, 3, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(sameRecord(decodeSaveRecord(c.stored), c.expected));
    }
}

TEST_F(SaveRecordFile, WritesTheStoredFormAndCreatesTheSaveDirectory)
{
    ASSERT_FALSE(std::filesystem::exists("Save"));
    const SaveRecord record{4, 10, 26, 1};
    ASSERT_TRUE(writeSaveRecord("Save/bob.sav", record));
    const std::string onDisk = readFile("Save/bob.sav");
    EXPECT_EQ(onDisk.size(), 14u);
    EXPECT_EQ(onDisk, encodeSaveRecord(record));
    EXPECT_TRUE(sameRecord(readSaveRecord("Save/bob.sav"), record));
    // Nothing but the save itself is left behind.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator("Save")) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(SaveRecordFile, OverwritesAnEarlierSave)
{
    ASSERT_TRUE(writeSaveRecord("Save/a.sav", {1, 30, 0, 1}));
    ASSERT_TRUE(writeSaveRecord("Save/a.sav", {9, 12, 500, 0}));
    EXPECT_TRUE(sameRecord(readSaveRecord("Save/a.sav"), {9, 12, 500, 0}));
}

TEST_F(SaveRecordFile, UnreadableFilesReadAsZeros)
{
    writeFile("Save/empty.sav", "");
    writeFile("Save/short.sav", bytes({3, 0, 0}));
    std::filesystem::create_directories("Save/folder.sav");
    EXPECT_TRUE(sameRecord(readSaveRecord("Save/missing.sav"), {0, 0, 0, 0}));
    EXPECT_TRUE(sameRecord(readSaveRecord("Save/empty.sav"), {0, 0, 0, 0}));
    EXPECT_TRUE(sameRecord(readSaveRecord("Save/short.sav"), {3, 0, 0, 0}));
    EXPECT_TRUE(sameRecord(readSaveRecord("Save/folder.sav"), {0, 0, 0, 0}));
}

// A disk that fills up in the middle of a save must leave the game saved
// earlier under that name as it was.
TEST_F(SaveRecordFile, AFailedWriteKeepsTheOldSave)
{
    const SaveRecord old{7, 21, 3300, 0};
    ASSERT_TRUE(writeSaveRecord("Save/keep.sav", old));
    const std::string before = readFile("Save/keep.sav");

    // Files may grow to 4 bytes only: the new record cannot be written whole.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool written = writeSaveRecord("Save/keep.sav", {8, 30, 9999, 1});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readFile("Save/keep.sav"), before);
    EXPECT_FALSE(std::filesystem::exists("Save/keep.sav.tmp"));
}

TEST_F(SaveRecordFile, ASaveDirectoryThatCannotBeMadeFailsQuietly)
{
    writeFile("Save", "not a directory");
    EXPECT_FALSE(writeSaveRecord("Save/x.sav", {1, 2, 3, 0}));
    EXPECT_EQ(readFile("Save"), "not a directory");
}
