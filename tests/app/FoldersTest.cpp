// Start-up's choice of the data folder and the saved-games folder, on real
// folders made in the test's own directory.
#include "app/Folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class FoldersTest : public ::testing::Test {
protected:
    void SetUp() override { here_ = fs::current_path().string(); }

    std::string path(const std::string& relative) const { return here_ + "/" + relative; }

    // A folder holding the game's data as the game opens it; the three part
    // names may be given in another case.
    std::string makeData(const std::string& relative, const char* textures = "Textures",
                         const char* levels = "Levels", const char* intro = "Intro") const
    {
        const std::string folder = path(relative);
        fs::create_directories(folder + "/" + textures);
        fs::create_directories(folder + "/" + levels);
        fs::create_directories(folder + "/" + intro);
        std::ofstream(folder + "/" + textures + "/title.png") << "picture";
        return folder;
    }

    std::string makeFolder(const std::string& relative) const
    {
        fs::create_directories(path(relative));
        return path(relative);
    }

    // Facts with every candidate present: -data, THRASK_DATA, the working
    // directory and an install tree with the program in prefix/bin.
    FolderFacts allCandidates() const
    {
        FolderFacts facts;
        facts.dataOption = makeData("option");
        facts.dataVariable = makeData("variable");
        facts.workingFolder = makeData("working");
        makeData("prefix/share/thrask");
        makeFolder("prefix/bin");
        facts.programFile = path("prefix/bin/thrask");
        return facts;
    }

    static bool mentions(const std::string& text, const std::string& part)
    {
        return text.find(part) != std::string::npos;
    }

    std::string here_;
};

} // namespace

TEST_F(FoldersTest, EachCandidateWinsInItsTurn)
{
    FolderFacts facts = allCandidates();
    const std::string installed = path("prefix/share/thrask");
    EXPECT_EQ(Folders::installedData(facts.programFile), installed);

    const struct {
        const char* dropped; // the candidate taken away before this step
        std::string expected;
        bool installed;
        std::size_t tried;
    } steps[] = {
        {"", path("option"), false, 1},
        {"-data", path("variable"), false, 1},
        {"THRASK_DATA", path("working"), false, 1},
        {"working directory", installed, true, 2},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.dropped);
        if (std::string(step.dropped) == "-data")
            facts.dataOption.clear();
        if (std::string(step.dropped) == "THRASK_DATA")
            facts.dataVariable.clear();
        if (std::string(step.dropped) == "working directory")
            facts.workingFolder = makeFolder("empty");
        const DataChoice choice = Folders::findData(facts);
        EXPECT_EQ(choice.problem, "");
        EXPECT_EQ(choice.folder, step.expected);
        EXPECT_EQ(choice.installed, step.installed);
        EXPECT_EQ(choice.tried.size(), step.tried);
    }
}

TEST_F(FoldersTest, NamedFoldersAreTakenAsThePlayerWroteThem)
{
    FolderFacts facts;
    facts.workingFolder = makeFolder("start");
    makeData("games/thrask", "textures", "LEVELS", "intro");

    // Relative to where the game was started, with "." and ".." and a slash at the end.
    facts.dataOption = "../games/./thrask/";
    DataChoice choice = Folders::findData(facts);
    EXPECT_EQ(choice.problem, "");
    EXPECT_EQ(choice.folder, path("games/thrask"));

    facts.dataOption.clear();
    facts.dataVariable = "../games/thrask";
    choice = Folders::findData(facts);
    EXPECT_EQ(choice.folder, path("games/thrask"));

    // The installed folder named by -data, through a link, still counts as
    // installed: its saves go to the player's folder.
    makeData("prefix/share/thrask");
    facts.programFile = path("prefix/bin/thrask");
    fs::create_directory_symlink(path("prefix/share/thrask"), path("link"));
    facts.dataOption = path("link");
    choice = Folders::findData(facts);
    EXPECT_EQ(choice.folder, path("link"));
    EXPECT_TRUE(choice.installed);
}

TEST_F(FoldersTest, WithoutDataTheProblemNamesEveryFolderTried)
{
    FolderFacts facts;
    facts.workingFolder = makeFolder("somewhere");
    makeFolder("prefix/share/thrask/Textures"); // pictures, but no levels or intro texts
    facts.programFile = path("prefix/bin/thrask");
    DataChoice choice = Folders::findData(facts);
    EXPECT_EQ(choice.folder, "");
    ASSERT_EQ(choice.tried.size(), 2u);
    EXPECT_EQ(choice.tried[0], path("somewhere") + " (working directory)");
    EXPECT_EQ(choice.tried[1], path("prefix/share/thrask") + " (installed beside the program)");
    EXPECT_TRUE(mentions(choice.problem, choice.tried[0])) << choice.problem;
    EXPECT_TRUE(mentions(choice.problem, choice.tried[1])) << choice.problem;
    EXPECT_EQ(choice.problem.find('\n'), std::string::npos);

    // The program's own location unknown: only the working directory.
    facts.programFile.clear();
    choice = Folders::findData(facts);
    EXPECT_EQ(choice.tried, std::vector<std::string>{path("somewhere") + " (working directory)"});
    EXPECT_NE(choice.problem, "");
}

TEST_F(FoldersTest, ANamedFolderWithoutDataIsAProblemNotAFallBack)
{
    FolderFacts facts = allCandidates(); // the working directory and the install hold data
    fs::remove_all(facts.dataOption);
    makeFolder("option"); // -data names an empty folder
    DataChoice choice = Folders::findData(facts);
    EXPECT_EQ(choice.folder, "");
    EXPECT_EQ(choice.tried, std::vector<std::string>{path("option") + " (-data)"});
    EXPECT_TRUE(mentions(choice.problem, path("option") + " (-data)")) << choice.problem;

    facts.dataOption.clear();
    for (const std::string& variable : {path("missing"), path("variable/Textures/title.png")}) {
        SCOPED_TRACE(variable);
        facts.dataVariable = variable; // a missing folder, a file
        choice = Folders::findData(facts);
        EXPECT_EQ(choice.folder, "");
        EXPECT_TRUE(mentions(choice.problem, variable + " (THRASK_DATA)")) << choice.problem;
    }

    // The three folders but no title picture: the first screen would be blank.
    facts.dataVariable = makeData("untitled");
    fs::remove(path("untitled/Textures/title.png"));
    choice = Folders::findData(facts);
    EXPECT_EQ(choice.folder, "");
    EXPECT_TRUE(mentions(choice.problem, "Textures/title.png")) << choice.problem;
    fs::create_directory(path("untitled/Textures/title.png")); // a folder of that name
    EXPECT_EQ(Folders::findData(facts).folder, "");
}

TEST_F(FoldersTest, AFolderTheAccountCannotReadHoldsNoData)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    FolderFacts facts;
    facts.dataVariable = makeData("locked");
    fs::permissions(facts.dataVariable, fs::perms::none);
    const DataChoice choice = Folders::findData(facts);
    fs::permissions(facts.dataVariable, fs::perms::owner_all);
    EXPECT_EQ(choice.folder, "");
    EXPECT_NE(choice.problem, "");
}

TEST_F(FoldersTest, SavesGoWhereThePlayerCanKeepThem)
{
    FolderFacts facts;
    facts.workingFolder = makeFolder("start");
    facts.xdgDataHome = path("xdg");
    facts.home = path("home");
    DataChoice source;
    source.folder = makeData("checkout/data");
    DataChoice installed = source;
    installed.installed = true;

    const std::string xdgSaves = path("xdg/thrask/Save");
    const std::string homeSaves = path("home/.local/share/thrask/Save");
    // A writable source checkout keeps its own Save, whether it exists yet or not.
    EXPECT_EQ(Folders::chooseSaves(facts, source), path("checkout/data/Save"));
    makeFolder("checkout/data/Save");
    EXPECT_EQ(Folders::chooseSaves(facts, source), path("checkout/data/Save"));
    // An installed game saves in the player's folder, also when its data is
    // writable (as root, or installed into the player's own prefix).
    EXPECT_EQ(Folders::chooseSaves(facts, installed), xdgSaves);
    facts.xdgDataHome.clear();
    EXPECT_EQ(Folders::chooseSaves(facts, installed), homeSaves);
    facts.xdgDataHome = "relative/xdg"; // not absolute: not used
    EXPECT_EQ(Folders::chooseSaves(facts, installed), homeSaves);
    facts.home.clear(); // no home at all: the data folder's own, never elsewhere
    EXPECT_EQ(Folders::chooseSaves(facts, installed), path("checkout/data/Save"));
    facts.xdgDataHome = path("xdg/");
    EXPECT_EQ(Folders::chooseSaves(facts, installed), xdgSaves);

    // -saves wins over everything, relative to where the game was started.
    facts.savesOption = "../mine";
    EXPECT_EQ(Folders::chooseSaves(facts, source), path("mine"));
    EXPECT_EQ(Folders::chooseSaves(facts, installed), path("mine"));
    facts.savesOption = path("saves.txt"); // a file: kept, saving then fails visibly
    std::ofstream(facts.savesOption) << "x";
    EXPECT_EQ(Folders::chooseSaves(facts, source), path("saves.txt"));
}

TEST_F(FoldersTest, AReadOnlyDataFolderSendsSavesToThePlayersFolder)
{
    FolderFacts facts;
    facts.xdgDataHome = path("xdg");
    // /proc takes no new files, not even from root: a read-only data folder
    // wherever the tests run.
    DataChoice readOnly;
    readOnly.folder = "/proc";
    EXPECT_EQ(Folders::chooseSaves(facts, readOnly), path("xdg/thrask/Save"));

    // A writable data folder whose Save takes no files (a link to /proc
    // stands in for a read-only Save) also sends them there.
    DataChoice source;
    source.folder = makeData("data");
    fs::create_directory_symlink("/proc", path("data/Save"));
    EXPECT_EQ(Folders::chooseSaves(facts, source), path("xdg/thrask/Save"));
    // A Save that is a file is no folder to probe: the data folder decides,
    // and saving there fails visibly, as it always did with such a file.
    fs::remove(path("data/Save"));
    std::ofstream(path("data/Save")) << "x";
    EXPECT_EQ(Folders::chooseSaves(facts, source), path("data/Save"));

    if (geteuid() != 0) {
        // Permission bits, for an account they bind.
        fs::remove(path("data/Save"));
        fs::permissions(source.folder, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(Folders::chooseSaves(facts, source), path("xdg/thrask/Save"));
        fs::permissions(source.folder, fs::perms::owner_all);
    }
}
