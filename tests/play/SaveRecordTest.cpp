// The saved-game file: its exact bytes, reading odd files, and saving safely.
#include "play/SaveRecord.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "TinyDisk.h"
#include "platform/Storage.h"

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

void expectRecord(const SaveRecord& got, const SaveRecord& want)
{
    EXPECT_EQ(got.level, want.level);
    EXPECT_EQ(got.hp, want.hp);
    EXPECT_EQ(got.score, want.score);
    EXPECT_EQ(got.introShowing, want.introShowing);
}

} // namespace

TEST(SaveRecordBytes, StoredFormIsExactAndReadsBack)
{
    const std::string lf = bytes({0x0D, 0x0A});
    const struct {
        const char* what;
        SaveRecord record;
        std::string stored;
    } cases[] = {
        {"hp 10 is a line feed: 14 bytes", {1, 10, 0, 0},
         bytes({1, 0, 0, 0}) + lf + bytes({0, 0, 0, 0, 0, 0, 0, 0})},
        {"score 26 is plain data: 13 bytes", {2, 30, 26, 1},
         bytes({2, 0, 0, 0, 30, 0, 0, 0, 0x1A, 0, 0, 0, 1})},
        {"negative values", {-1, -10, -300, 0},
         bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xF6, 0xFF, 0xFF, 0xFF, 0xD4, 0xFE, 0xFF, 0xFF, 0})},
        {"extreme values", {INT_MAX, INT_MIN, 0x0A0B0C0D, 1},
         bytes({0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0x80, 0x0D, 0x0C, 0x0B}) + lf + bytes({1})},
        {"every byte a line feed", {0x0A0A0A0A, 0x0A0A0A0A, 0x0A0A0A0A, 0x0A},
         [&] { std::string s; for (int i = 0; i < 13; ++i) s += lf; return s; }()},
        {"a carriage return before a line feed", {0x0A0D, 0, 0, 0},
         bytes({0x0D}) + lf + bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(encodeSaveRecord(c.record), c.stored);
        expectRecord(decodeSaveRecord(c.stored), c.record);
    }
}

TEST(SaveRecordBytes, OddStoredFormsReadWithZerosForMissingBytes)
{
    const struct {
        const char* what;
        std::string stored;
        SaveRecord expected;
    } cases[] = {
        {"empty", "", {0, 0, 0, 0}},
        {"hp cut after two bytes", bytes({7, 0, 0, 0, 0x34, 0x12}), {7, 0x1234, 0, 0}},
        {"no flag", bytes({1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}), {1, 2, 3, 0}},
        {"lone carriage return is data", bytes({0x0D, 0, 0, 0, 0x0D}), {0x0D, 0x0D, 0, 0}},
        {"end-of-file byte is data", bytes({0x1A, 0x1A, 0x1A, 0x1A, 0x1A}), {0x1A1A1A1A, 0x1A, 0, 0}},
        {"trailing garbage ignored", bytes({1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 1, 0xEE, 0xEE}),
         {1, 2, 3, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        expectRecord(decodeSaveRecord(c.stored), c.expected);
    }
}

TEST(SaveRecordFile, WritesIntoANewSaveDirectoryAndReadsOddFilesAsZeros)
{
    ASSERT_TRUE(writeSaveRecord("Save/bob.sav", {4, 10, 26, 1}));
    EXPECT_EQ(readFile("Save/bob.sav"), encodeSaveRecord({4, 10, 26, 1}));
    ASSERT_TRUE(writeSaveRecord("Save/bob.sav", {9, 12, 500, 0}));
    expectRecord(readSaveRecord("Save/bob.sav"), {9, 12, 500, 0});
    // Nothing but the save itself is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("Save"),
                            std::filesystem::directory_iterator()), 1);

    writeFile("Save/short.sav", bytes({3, 0, 0}));
    std::filesystem::create_directories("Save/folder.sav");
    expectRecord(readSaveRecord("Save/short.sav"), {3, 0, 0, 0});
    expectRecord(readSaveRecord("Save/folder.sav"), {0, 0, 0, 0});
    expectRecord(readSaveRecord("Save/missing.sav"), {0, 0, 0, 0});
    // A pipe with a save's name must not block the load list.
    ASSERT_EQ(mkfifo("Save/pipe.sav", 0600), 0);
    expectRecord(readSaveRecord("Save/pipe.sav"), {0, 0, 0, 0});
}

// A disk that fills up in the middle of a save must leave the game saved
// earlier under that name as it was.
TEST(SaveRecordFile, AFailedWriteKeepsTheOldSave)
{
    ASSERT_TRUE(writeSaveRecord("Save/keep.sav", {7, 21, 3300, 0}));
    const std::string before = readFile("Save/keep.sav");

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 4; // files may grow to 4 bytes only
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool written = writeSaveRecord("Save/keep.sav", {8, 30, 9999, 1});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readFile("Save/keep.sav"), before);
    EXPECT_FALSE(std::filesystem::exists("Save/keep.sav.tmp"));

    // A "Save" that is a file cannot hold saves; it is left alone.
    std::filesystem::remove_all("Save");
    writeFile("Save", "x");
    EXPECT_FALSE(writeSaveRecord("Save/x.sav", {1, 2, 3, 0}));
    EXPECT_EQ(readFile("Save"), "x");
}

// Every failed save says why, in the system's terms, and leaves nothing of
// itself behind. Each way of failing is one that stops root too: a file in
// the way, a folder under the save's name, a file size limit, and (on a
// tmpfs of the test's own, when mounts are allowed) a read-only and a full disk.
TEST(SaveRecordFile, AFailedWriteSaysWhy)
{
    std::error_code why;
    writeFile("Save", "x"); // a file where the folder should be
    EXPECT_FALSE(writeSaveRecord("Save/a.sav", {1, 2, 3, 0}, why));
    EXPECT_EQ(why.value(), ENOTDIR) << why.message();
    EXPECT_EQ(readFile("Save"), "x");
    std::filesystem::remove("Save");

    std::filesystem::create_directories("Save/taken.sav"); // a folder under the save's name
    EXPECT_FALSE(writeSaveRecord("Save/taken.sav", {1, 2, 3, 0}, why));
    EXPECT_EQ(why.value(), EISDIR) << why.message();
    EXPECT_FALSE(std::filesystem::exists("Save/taken.sav.tmp"));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool written = writeSaveRecord("Save/big.sav", {8, 30, 9999, 1}, why);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(why.value(), EFBIG) << why.message();

    EXPECT_TRUE(writeSaveRecord("Save/good.sav", {1, 2, 3, 0}, why));
    EXPECT_FALSE(why) << "a good save clears the reason";

    // A read-only disk holding the save folder, and a full one.
    const int readOnly = tinydisk::run("size=64k", [] {
        std::filesystem::create_directory("Save");
        if (!tinydisk::makeReadOnly())
            return int(tinydisk::unavailable);
        std::error_code reason;
        return writeSaveRecord("Save/ro.sav", {1, 2, 3, 0}, reason) ? 0 : reason.value();
    });
    const int full = tinydisk::run("size=8k", [] {
        std::ofstream filler("filler", std::ios::binary);
        const std::string block(1024, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
            filler.flush();
        std::error_code reason;
        const bool done = writeSaveRecord("Save/full.sav", {1, 2, 3, 0}, reason);
        // Nothing of the save may stay on the disk.
        if (std::filesystem::exists("Save/full.sav.tmp") || std::filesystem::exists("Save/full.sav"))
            return 254;
        return done ? 0 : reason.value();
    });
    if (readOnly == tinydisk::unavailable || full == tinydisk::unavailable)
        GTEST_SKIP() << "no tmpfs of the test's own here (needs root and mount namespaces): "
                        "the read-only and full disk cases did not run";
    EXPECT_EQ(readOnly, EROFS);
    EXPECT_EQ(full, ENOSPC);
}

// A save killed between writing its pending file and moving it over the
// final name leaves "<name>.sav.tmp"; the next save in that folder removes
// every such plain file and nothing else.
TEST(SaveRecordFile, TheNextSaveRemovesWhatACrashLeft)
{
    writeFile("Save/a.sav.tmp", "half");
    writeFile("Save/b.sav.tmp", "");
    std::filesystem::create_directories("Save/folder.sav.tmp");
    writeFile("Save/keep.tmp", "not a save's");
    writeFile("Save/old.sav", encodeSaveRecord({2, 3, 4, 0}));
    ASSERT_TRUE(writeSaveRecord("Save/new.sav", {1, 2, 3, 0}));
    EXPECT_FALSE(std::filesystem::exists("Save/a.sav.tmp"));
    EXPECT_FALSE(std::filesystem::exists("Save/b.sav.tmp"));
    EXPECT_TRUE(std::filesystem::is_directory("Save/folder.sav.tmp"));
    EXPECT_EQ(readFile("Save/keep.tmp"), "not a save's");
    EXPECT_EQ(readFile("Save/old.sav"), encodeSaveRecord({2, 3, 4, 0}));
    EXPECT_EQ(readFile("Save/new.sav"), encodeSaveRecord({1, 2, 3, 0}));
}

namespace {

// Notes every folder the saves hand over to be kept, and what the folder
// held at that moment.
class KeepingStorage : public Storage {
public:
    void written(const std::string& folder) override
    {
        folders.push_back(folder);
        std::string names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names += entry.path().filename().string() + " ";
        contents.push_back(names);
    }
    std::vector<std::string> folders;
    std::vector<std::string> contents;
};

struct Keeping {
    Keeping() { useStorage(&kept); }
    ~Keeping() { useStorage(nullptr); }
    KeepingStorage kept;
};

} // namespace

// Where the platform keeps folders itself (the browser's storage), a save is
// handed over once it stands whole under its name, never while it is a
// pending file, and a failed save hands over nothing.
TEST(SaveRecordFile, ASaveInPlaceIsHandedToTheStorageToKeep)
{
    Keeping keeping;
    ASSERT_TRUE(writeSaveRecord("Save/first.sav", {2, 40, 100, 0}));
    ASSERT_TRUE(writeSaveRecord("Save/deep/second.sav", {3, 41, 200, 1}));
    EXPECT_EQ(keeping.kept.folders, (std::vector<std::string>{"Save", "Save/deep"}));
    EXPECT_EQ(keeping.kept.contents, (std::vector<std::string>{"first.sav ", "second.sav "}));

    std::filesystem::create_directories("Save/taken.sav");
    EXPECT_FALSE(writeSaveRecord("Save/taken.sav", {1, 2, 3, 0}));
    writeFile("Blocked", "x");
    EXPECT_FALSE(writeSaveRecord("Blocked/a.sav", {1, 2, 3, 0}));
    EXPECT_EQ(keeping.kept.folders.size(), 2u) << "a failed save is not kept";
}
