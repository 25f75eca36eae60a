// The browser's keeping of the player's files, with the store played by the
// test: when the game may list the folders, that a write never overtakes the
// read (which would wipe the files of earlier visits), that files written
// while a write runs are written again after it, and what the player is told
// when the store fails.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/KeptStorage.h"
#include "platform/StorageBackend.h"

namespace {

struct Operation {
    std::string folder;
    bool read;
    StorageBackend::Done done;
};

// A store that does what it is told when the test says so.
class HeldBackend : public StorageBackend {
public:
    std::string keep(const std::string& folder) override
    {
        kept.push_back(folder);
        return refuseKeep;
    }
    void sync(const std::string& folder, bool read, Done done) override
    {
        running.push_back({folder, read, std::move(done)});
    }
    void report(const std::string& problem) override { reports.push_back(problem); }

    // Finishes the oldest running operation; returns what it was.
    Operation finish(const std::string& why = "")
    {
        Operation operation = std::move(running.front());
        running.erase(running.begin());
        operation.done(why);
        return operation;
    }

    std::vector<std::string> kept;
    std::string refuseKeep;
    std::vector<Operation> running;
    std::vector<std::string> reports;
};

const std::string saves = "/home/web_user/.local/share/thrask/Save";
const std::string home = "/home/web_user/.local/share/thrask";

} // namespace

TEST(KeptStorageTest, TheFoldersAreReadBeforeAnyWriteAndWritesRunOneAtATime)
{
    HeldBackend backend;
    KeptStorage storage(backend);
    EXPECT_TRUE(storage.ready()) << "nothing restored, nothing to wait for";

    storage.restore(home + "/");
    storage.restore("/home/web_user/.config/thrask");
    EXPECT_EQ(backend.kept, (std::vector<std::string>{home, "/home/web_user/.config/thrask"}));
    ASSERT_EQ(backend.running.size(), 2u);
    EXPECT_TRUE(backend.running[0].read && backend.running[1].read);
    EXPECT_FALSE(storage.ready());

    // A save made while its folder is read waits for the read.
    storage.written(saves);
    EXPECT_EQ(backend.running.size(), 2u);
    backend.finish();
    EXPECT_FALSE(storage.ready()) << "the settings folder is still being read";
    ASSERT_EQ(backend.running.size(), 2u);
    EXPECT_EQ(backend.running[1].folder, home);
    EXPECT_FALSE(backend.running[1].read) << "the save is written through once its folder is in";
    backend.finish();
    EXPECT_TRUE(storage.ready());

    // Three files written while one write runs make one more write, after it.
    storage.written(saves);
    storage.written(home + "/Replays");
    storage.written(home);
    ASSERT_EQ(backend.running.size(), 1u);
    backend.finish();
    ASSERT_EQ(backend.running.size(), 1u);
    EXPECT_FALSE(backend.finish().read);
    EXPECT_TRUE(backend.running.empty()) << "nothing was written since the second write began";
    EXPECT_EQ(storage.problem(), "");
    EXPECT_TRUE(backend.reports.empty()) << "nothing went wrong, nothing to show";

    // A folder inside one kept is kept with it.
    storage.restore(saves);
    EXPECT_EQ(backend.kept.size(), 2u);
    EXPECT_TRUE(storage.ready());
}

TEST(KeptStorageTest, AFailedReadLetsTheGamePlayOnAndNeverWritesOverTheStore)
{
    HeldBackend backend;
    KeptStorage storage(backend);
    storage.restore(home);
    storage.written(saves);
    backend.finish("the database could not be opened");
    EXPECT_TRUE(storage.ready()) << "the title menu comes, with the folder as it is";
    EXPECT_NE(storage.problem().find("the database could not be opened"), std::string::npos) << storage.problem();
    ASSERT_EQ(backend.reports.size(), 1u);
    EXPECT_EQ(backend.reports[0], storage.problem());

    storage.written(saves);
    EXPECT_TRUE(backend.running.empty()) << "a write would replace the player's stored files with this run's";
    EXPECT_EQ(backend.reports.size(), 1u);
}

TEST(KeptStorageTest, AFailedWriteIsShownUntilAWriteSucceeds)
{
    HeldBackend backend;
    KeptStorage storage(backend);
    storage.restore(home);
    storage.restore("/settings");
    backend.finish();
    backend.finish();

    storage.written(saves);
    backend.finish("QuotaExceededError");
    EXPECT_NE(storage.problem().find("QuotaExceededError"), std::string::npos);
    EXPECT_NE(storage.problem().find(home), std::string::npos);

    // Another folder's failure is the latest; its success shows the first again.
    storage.written("/settings");
    backend.finish("refused");
    EXPECT_NE(storage.problem().find("refused"), std::string::npos);
    storage.written("/settings");
    backend.finish();
    EXPECT_NE(storage.problem().find("QuotaExceededError"), std::string::npos);

    storage.written(home);
    backend.finish();
    EXPECT_EQ(storage.problem(), "");
    ASSERT_EQ(backend.reports.size(), 4u);
    EXPECT_NE(backend.reports[1].find("refused"), std::string::npos);
    EXPECT_EQ(backend.reports[2], backend.reports[0]);
    EXPECT_EQ(backend.reports[3], "") << "the page's message goes away";
}

TEST(KeptStorageTest, FoldersThatCannotBeKeptSaySo)
{
    HeldBackend backend;
    KeptStorage storage(backend);
    storage.written("/elsewhere");
    EXPECT_NE(storage.problem().find("/elsewhere is not kept"), std::string::npos) << storage.problem();

    storage.restore(saves);
    storage.restore(home); // would hide the folder kept inside it
    EXPECT_EQ(backend.kept, std::vector<std::string>{saves});
    EXPECT_NE(storage.problem().find("it holds " + saves), std::string::npos) << storage.problem();

    backend.refuseKeep = "no such device";
    storage.restore("/other");
    EXPECT_NE(storage.problem().find("no such device"), std::string::npos);
    backend.finish();
    EXPECT_TRUE(storage.ready()) << "a folder that could not be kept is not waited for";
    EXPECT_EQ(backend.reports.size(), 3u);
}

TEST(KeptStorageTest, AnOperationEndingAfterTheStorageIsGoneIsIgnored)
{
    HeldBackend backend;
    auto storage = std::make_unique<KeptStorage>(backend);
    storage->restore(home);
    storage.reset();
    backend.finish("late");
    EXPECT_TRUE(backend.reports.empty());
}
