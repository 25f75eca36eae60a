// Editing the save name: which keys type what, the 28-character limit, the
// caret, and what the prompt shows.
#include "menus/SavePrompt.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/VirtualKeys.h"

TEST(SavePromptEditing, KeysTypeAndMoveTheCaret)
{
    const std::string full(28, 'q');
    const struct {
        const char* what;
        std::string name;
        int caret;
        std::vector<int> keys;
        std::string expectedName;
        int expectedCaret;
    } cases[] = {
        {"letters are lower case whatever Shift", "", 0, {vk::shift, vk::letter('A'), vk::letter('B')}, "ab", 2},
        {"digits and space", "", 0, {vk::digit(1), vk::space, vk::digit(9)}, "1 9", 3},
        {"insert in the middle", "abc", 1, {vk::letter('X')}, "axbc", 2},
        {"backspace removes before the caret", "abc", 2, {vk::backspace}, "ac", 1},
        {"backspace at 0 removes nothing", "abc", 0, {vk::backspace}, "abc", 0},
        {"arrows stop at the ends", "abc", 0, {vk::left, vk::right, vk::right, vk::right, vk::right},
         "abc", 3},
        {"other keys are ignored", "ab", 1,
         {vk::del, vk::home, vk::numpad0, vk::period, vk::slash, vk::backslash,
          // codes on either side of the digit and letter runs, and the byte's ends
          vk::digit9 + 1, vk::letterA - 1, vk::letterZ + 1, 'a', 0x00, 0xFF},
         "ab", 1},
        {"a caret beyond the name is clamped first", "ab", 7, {vk::letter('C')}, "abc", 3},
        {"the 29th letter is refused", full, 5, {vk::letter('A')}, full, 5},
        {"the 29th digit is refused", full, 5, {vk::digit(0)}, full, 5},
        {"the 29th space is refused", full, 5, {vk::space}, full, 5},
        {"backspace and arrows work at the limit", full, 28, {vk::left, vk::backspace, vk::right, vk::letter('K')},
         std::string(27, 'q') + "k", 28},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string name = c.name;
        int caret = c.caret;
        for (int key : c.keys)
            EXPECT_EQ(SavePrompt::edit(name, caret, key), SavePrompt::Outcome::Editing);
        EXPECT_EQ(name, c.expectedName);
        EXPECT_EQ(caret, c.expectedCaret);
    }
}

TEST(SavePromptEditing, EscCancelsEnterConfirmsAndTheTextShowsTheCaret)
{
    std::string name = "abc";
    int caret = 1;
    EXPECT_EQ(SavePrompt::edit(name, caret, vk::escape), SavePrompt::Outcome::Cancelled);
    EXPECT_EQ(SavePrompt::edit(name, caret, vk::enter), SavePrompt::Outcome::Confirmed);
    EXPECT_EQ(name, "abc");
    SavePrompt::edit(name, caret, vk::letter('X'));
    EXPECT_EQ(SavePrompt::text(name, caret), "Save To: ax|bc\n");
    EXPECT_EQ(SavePrompt::text("", 0), "Save To: |\n");
    EXPECT_EQ(SavePrompt::path("my game 2"), "Save/my game 2.sav");
    EXPECT_EQ(SavePrompt::path(""), "Save/.sav");
}
