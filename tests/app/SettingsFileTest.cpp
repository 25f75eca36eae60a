// The settings file: what it keeps, what a bad line or a bad file does, and
// the command line's options that win for one run and are never written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "TinyDisk.h"
#include "app/GameOptions.h"
#include "app/PlayerSettings.h"
#include "app/SettingsFile.h"
#include "platform/VirtualKeys.h"

namespace fs = std::filesystem;

namespace {

// Every setting away from its default, the keys included.
Settings unusual()
{
    Settings settings;
    settings.effectsVolume = 0;
    settings.musicVolume = 35;
    settings.music = false;
    settings.fullScreen = false;
    settings.aspect = true;
    settings.hud = false;
    settings.pauseOnFocusLoss = false;
    settings.keys.set(Action::Up, vk::letter('W'));
    settings.keys.set(Action::Down, vk::numpad0 + 2);
    settings.keys.set(Action::Left, vk::semicolon);
    settings.keys.set(Action::Right, vk::up);
    settings.keys.set(Action::Enter, vk::space);
    settings.keys.set(Action::Escape, 0xE2); // a key without a name of its own
    return settings;
}

GameOptions commandLine(std::vector<const char*> words)
{
    words.insert(words.begin(), "thrask");
    std::vector<std::string> rest;
    return readGameOptions(static_cast<int>(words.size()), words.data(), rest);
}

} // namespace

TEST(SettingsFileTest, EverySettingReadsBackAsWrittenAndAnUntouchedGameWritesNothing)
{
    const SettingsReading back = readSettingsText(settingsText(unusual()));
    EXPECT_TRUE(back.problems.empty()) << testing::PrintToString(back.problems);
    EXPECT_EQ(back.settings, unusual());
    EXPECT_EQ(readSettingsText("").settings, Settings()) << "no file: the game as it was made";

    SettingsFile file("config/thrask/settings.ini");
    std::vector<std::string> problems;
    EXPECT_EQ(file.load(problems), Settings());
    EXPECT_TRUE(problems.empty());
    EXPECT_FALSE(fs::exists("config")) << "reading makes no file and no folder";
    std::string why;
    ASSERT_TRUE(file.save(unusual(), why)) << why;
    EXPECT_EQ(readSettingsText(readFile("config/thrask/settings.ini")).settings, unusual());
    EXPECT_FALSE(fs::exists("config/thrask/settings.ini.tmp"));

    // Hand-written: any case, spaces, yes/no, comments and blank lines.
    const SettingsReading hand = readSettingsText("# mine\n\n  MUSIC=no\r\nAspect = Yes\n; old\nkey-up = w\n"
                                                  "key-enter= space\nmusic-volume =7\n");
    EXPECT_TRUE(hand.problems.empty()) << testing::PrintToString(hand.problems);
    EXPECT_FALSE(hand.settings.music);
    EXPECT_TRUE(hand.settings.aspect);
    EXPECT_EQ(hand.settings.musicVolume, 7);
    EXPECT_EQ(hand.settings.keys.key(Action::Up), vk::letter('W'));
    EXPECT_EQ(hand.settings.keys.key(Action::Enter), vk::space);
}

TEST(SettingsFileTest, ABadLineIsNamedIgnoredAndWrittenBackAsItWas)
{
    const std::string text = "music-volume = 140\n"
                             "music = maybe\n"
                             "colour = blue\n"
                             "effects-volume = 40\n"
                             "nothing to see\n"
                             "key-up = Nothing\n"
                             "key-down = F11\n"
                             "hud = false\n";
    writeFile("settings.ini", text);
    SettingsFile file("settings.ini");
    std::vector<std::string> problems;
    const Settings read = file.load(problems);
    ASSERT_EQ(problems.size(), 6u) << testing::PrintToString(problems);
    std::string said;
    for (const std::string& problem : problems)
        said += problem + "\n";
    for (const char* named : {"line 1: music-volume", "line 2: music", "line 3: unknown setting \"colour\"",
                              "line 5:", "line 6: key-up", "line 7: key-down: F11"})
        EXPECT_NE(said.find(named), std::string::npos) << named << " in\n" << said;
    EXPECT_EQ(read.effectsVolume, 40) << "the good lines count";
    EXPECT_FALSE(read.hud);
    EXPECT_EQ(read.musicVolume, 100);
    EXPECT_TRUE(read.music);
    EXPECT_EQ(read.keys, KeyBindings());
    EXPECT_FALSE(file.notice().empty()) << "the Options screen says some lines were not used";

    std::string why;
    Settings changed = read;
    changed.effectsVolume = 55;
    ASSERT_TRUE(file.save(changed, why)) << why;
    const std::string written = readFile("settings.ini");
    for (const char* kept : {"music-volume = 140\n", "music = maybe\n", "colour = blue\n", "nothing to see\n",
                             "key-up = Nothing\n", "key-down = F11\n"})
        EXPECT_NE(written.find(kept), std::string::npos) << kept;
    EXPECT_NE(written.find("effects-volume = 55\n"), std::string::npos);
    EXPECT_EQ(readSettingsText(written).settings, changed);
}

TEST(SettingsFileTest, KeysGivenTwiceLeaveEveryKeyAtItsDefault)
{
    // A swap of two keys is no clash; one key for two actions is.
    const SettingsReading swapped = readSettingsText("key-up = Down\nkey-down = Up\n");
    EXPECT_TRUE(swapped.problems.empty());
    EXPECT_EQ(swapped.settings.keys.key(Action::Up), vk::down);
    const SettingsReading twice = readSettingsText("key-left = A\nkey-up = W\nkey-right = A\n");
    ASSERT_EQ(twice.problems.size(), 1u);
    EXPECT_NE(twice.problems[0].find("lines 1, 2, 3"), std::string::npos) << twice.problems[0];
    EXPECT_EQ(twice.settings.keys, KeyBindings());
    const SettingsReading clash = readSettingsText("key-up = Down\n");
    EXPECT_EQ(clash.problems.size(), 1u) << "Down is still Move down's";
    EXPECT_EQ(clash.settings.keys, KeyBindings());
}

TEST(SettingsFileTest, TheCommandLineWinsForTheRunAndIsNeverWrittenBack)
{
    Settings inFile;
    inFile.effectsVolume = 40;
    inFile.musicVolume = 30;
    writeFile("home/thrask/settings.ini", settingsText(inFile));
    PlayerSettings player("home/thrask/settings.ini");
    const Settings run = player.start(commandLine({"-aspect", "-nohud", "-nopause", "-volume", "70"}), true);
    EXPECT_TRUE(run.aspect);
    EXPECT_FALSE(run.hud);
    EXPECT_FALSE(run.pauseOnFocusLoss);
    EXPECT_FALSE(run.fullScreen) << "-win";
    EXPECT_EQ(run.effectsVolume, 70);
    EXPECT_EQ(run.musicVolume, 70);
    EXPECT_EQ(readFile("home/thrask/settings.ini"), settingsText(inFile)) << "starting writes nothing";

    // The player turns the music down: only that is kept.
    Settings next = run;
    next.musicVolume = 20;
    player.apply(run, next, false);
    Settings expected = inFile;
    expected.musicVolume = 20;
    EXPECT_EQ(readSettingsText(readFile("home/thrask/settings.ini")).settings, expected);

    // A setting the command line gave, changed by the player, is theirs.
    Settings again = next;
    again.aspect = false;
    player.apply(next, again, false);
    EXPECT_FALSE(readSettingsText(readFile("home/thrask/settings.ini")).settings.aspect);
    EXPECT_TRUE(readSettingsText(readFile("home/thrask/settings.ini")).settings.hud);
}

TEST(SettingsFileTest, AFileThatCannotBeReadIsNeverReplacedAndADamagedOneIsKeptAside)
{
    std::string why;
    std::vector<std::string> problems;

    // A folder where the file should be.
    fs::create_directories("folder/settings.ini");
    SettingsFile folder("folder/settings.ini");
    EXPECT_EQ(folder.load(problems), Settings());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("is a folder"), std::string::npos) << problems[0];
    EXPECT_FALSE(folder.save(unusual(), why));
    EXPECT_FALSE(why.empty());
    EXPECT_TRUE(fs::is_directory("folder/settings.ini"));
    EXPECT_FALSE(folder.notice().empty());

    // Binary bytes, and a file far too large: not read, kept aside whole at
    // the first save.
    const std::string binary = std::string("music = false\n\0\x01\x02", 17);
    const std::string huge(SettingsFile::largestFile + 1, 'x');
    for (const std::string& bytes : {binary, huge}) {
        SCOPED_TRACE(bytes.size());
        fs::remove_all("damaged");
        writeFile("damaged/settings.ini", bytes);
        SettingsFile damaged("damaged/settings.ini");
        problems.clear();
        EXPECT_EQ(damaged.load(problems), Settings());
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_NE(problems[0].find("was not read"), std::string::npos) << problems[0];
        ASSERT_TRUE(damaged.save(unusual(), why)) << why;
        EXPECT_EQ(damaged.movedAside(), "damaged/settings.ini.damaged");
        EXPECT_EQ(readFile("damaged/settings.ini.damaged"), bytes);
        EXPECT_EQ(readSettingsText(readFile("damaged/settings.ini")).settings, unusual());
        ASSERT_TRUE(damaged.save(Settings(), why));
        EXPECT_EQ(readFile("damaged/settings.ini.damaged"), bytes) << "moved aside once";
    }

    // A file the account may not read (permission bits do not stop root).
    if (geteuid() != 0) {
        writeFile("locked/settings.ini", "music = false\n");
        chmod("locked/settings.ini", 0);
        SettingsFile locked("locked/settings.ini");
        problems.clear();
        EXPECT_EQ(locked.load(problems), Settings());
        EXPECT_EQ(problems.size(), 1u);
        EXPECT_FALSE(locked.save(unusual(), why));
        chmod("locked/settings.ini", 0600);
        EXPECT_EQ(readFile("locked/settings.ini"), "music = false\n") << "left as it was";
    }

    // No home at all.
    SettingsFile nowhere("");
    problems.clear();
    EXPECT_EQ(nowhere.load(problems), Settings());
    EXPECT_EQ(problems.size(), 1u);
    EXPECT_FALSE(nowhere.save(unusual(), why));
}

TEST(SettingsFileTest, AReadOnlyDiskOrAFullOneKeepsTheOldFileAndSaysWhy)
{
    const auto attempt = [](bool readOnly) {
        return tinydisk::run("size=16k", [readOnly] {
            writeFile("thrask/settings.ini", settingsText(Settings()));
            if (!readOnly) {
                std::ofstream filler("filler", std::ios::binary);
                const std::string block(1024, 'f');
                while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
                    filler.flush();
            } else if (!tinydisk::makeReadOnly()) {
                return int(tinydisk::unavailable);
            }
            SettingsFile file("thrask/settings.ini");
            std::vector<std::string> problems;
            file.load(problems);
            std::string why;
            if (file.save(unusual(), why) || why.empty() || file.notice().empty())
                return 1;
            // The old settings are still there, whole.
            return readFile("thrask/settings.ini") == settingsText(Settings()) ? 0 : 2;
        });
    };
    const int readOnly = attempt(true);
    const int full = attempt(false);
    if (readOnly == tinydisk::unavailable || full == tinydisk::unavailable)
        GTEST_SKIP() << "no tmpfs of the test's own here (needs root and mount namespaces)";
    EXPECT_EQ(readOnly, 0);
    EXPECT_EQ(full, 0);
}

TEST(SettingsFileTest, TheFileLivesInTheConfigFolder)
{
    EXPECT_EQ(settingsFilePath("/x/config", "/home/anna"), "/x/config/thrask/settings.ini");
    EXPECT_EQ(settingsFilePath("", "/home/anna"), "/home/anna/.config/thrask/settings.ini");
    EXPECT_EQ(settingsFilePath("relative", "/home/anna"), "/home/anna/.config/thrask/settings.ini")
        << "a relative XDG_CONFIG_HOME is not used";
    EXPECT_EQ(settingsFilePath("", ""), "");
}
