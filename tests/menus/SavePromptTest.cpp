// Editing the save name: which keys type what, the 28-character limit, the
// caret, and what the prompt shows.
#include "menus/SavePrompt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int keyBackspace = 0x08;
constexpr int keyEnter = 0x0D;
constexpr int keyShift = 0x10;
constexpr int keyEsc = 0x1B;
constexpr int keySpace = 0x20;
constexpr int keyHome = 0x24;
constexpr int keyLeft = 0x25;
constexpr int keyRight = 0x27;
constexpr int keyDelete = 0x2E;

struct Typed {
    std::string name;
    int caret = 0;
};

Typed type(std::string name, int caret, const std::vector<int>& keys)
{
    for (int key : keys)
        SavePrompt::edit(name, caret, key);
    return {name, caret};
}

} // namespace

TEST(SavePromptEditing, KeysTypeAndMoveAsExpected)
{
    struct Case {
        const char* what;
        std::string name;
        int caret;
        std::vector<int> keys;
        std::string expectedName;
        int expectedCaret;
    };
    const std::vector<Case> cases = {
        {"letters are lower case whatever Shift", "", 0, {keyShift, 'A', 'B'}, "ab", 2},
        {"digits and space", "", 0, {'1', keySpace, '9'}, "1 9", 3},
        {"insert in the middle", "abc", 1, {'X'}, "axbc", 2},
        {"backspace removes before the caret", "abc", 2, {keyBackspace}, "ac", 1},
        {"backspace at 0 removes nothing", "abc", 0, {keyBackspace}, "abc", 0},
        {"left at 0 stays", "abc", 0, {keyLeft}, "abc", 0},
        {"right at the end stays", "abc", 3, {keyRight}, "abc", 3},
        {"arrows walk the caret", "abcd", 0, {keyRight, keyRight, keyLeft}, "abcd", 1},
        {"other keys are ignored", "ab", 1,
         {keyDelete, keyHome, 0x60 /* keypad 0 */, 0xBE /* . */, 0xBF /* / */, 0xDC /* \ */,
          0x3A, 0x40, 0x5B, 0x00, 0xFF},
         "ab", 1},
        {"a caret beyond the name is clamped first", "ab", 7, {'C'}, "abc", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Typed got = type(c.name, c.caret, c.keys);
        EXPECT_EQ(got.name, c.expectedName);
        EXPECT_EQ(got.caret, c.expectedCaret);
    }
}

TEST(SavePromptEditing, TheTwentyNinthCharacterIsRefused)
{
    const std::string full(28, 'q');
    for (int key : {int('A'), int('0'), keySpace}) {
        SCOPED_TRACE(key);
        const Typed got = type(full, 5, {key});
        EXPECT_EQ(got.name, full);
        EXPECT_EQ(got.caret, 5);
    }
    // Typing 30 keys from empty keeps the first 28.
    std::vector<int> thirty(30, 'Z');
    EXPECT_EQ(type("", 0, thirty).name, std::string(28, 'z'));
    // Backspace and the arrows still work at the limit.
    const Typed edited = type(full, 28, {keyLeft, keyBackspace, keyRight, 'K'});
    EXPECT_EQ(edited.name, std::string(26, 'q') + "qk");
    EXPECT_EQ(edited.caret, 28);
}

TEST(SavePromptEditing, EscCancelsAndEnterConfirmsWithoutTyping)
{
    std::string name = "abc";
    int caret = 1;
    EXPECT_EQ(SavePrompt::edit(name, caret, 'A'), SavePrompt::Outcome::Editing);
    EXPECT_EQ(SavePrompt::edit(name, caret, keyEsc), SavePrompt::Outcome::Cancelled);
    EXPECT_EQ(SavePrompt::edit(name, caret, keyEnter), SavePrompt::Outcome::Confirmed);
    EXPECT_EQ(name, "aabc");
    EXPECT_EQ(caret, 2);
}

TEST(SavePromptText, ShowsTheCaretAndBuildsThePath)
{
    EXPECT_EQ(SavePrompt::text("axbc", 2), "Save To: ax|bc\n");
    EXPECT_EQ(SavePrompt::text("", 0), "Save To: |\n");
    EXPECT_EQ(SavePrompt::text("ab", 2), "Save To: ab|\n");
    EXPECT_EQ(SavePrompt::path("my game 2"), "Save/my game 2.sav");
    EXPECT_EQ(SavePrompt::path(""), "Save/.sav");
}
