// Editing the save name: which keys type what, the 28-character limit, the
// caret, and what the prompt shows.
#include "menus/SavePrompt.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int keyBackspace = 0x08, keyEnter = 0x0D, keyShift = 0x10, keyEsc = 0x1B;
constexpr int keySpace = 0x20, keyLeft = 0x25, keyRight = 0x27;

} // namespace

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
        {"letters are lower case whatever Shift", "", 0, {keyShift, 'A', 'B'}, "ab", 2},
        {"digits and space", "", 0, {'1', keySpace, '9'}, "1 9", 3},
        {"insert in the middle", "abc", 1, {'X'}, "axbc", 2},
        {"backspace removes before the caret", "abc", 2, {keyBackspace}, "ac", 1},
        {"backspace at 0 removes nothing", "abc", 0, {keyBackspace}, "abc", 0},
        {"arrows stop at the ends", "abc", 0, {keyLeft, keyRight, keyRight, keyRight, keyRight},
         "abc", 3},
        {"other keys are ignored", "ab", 1,
         {0x2E /* Delete */, 0x24 /* Home */, 0x60 /* keypad 0 */, 0xBE /* . */, 0xBF /* / */,
          0xDC /* \ */, 0x3A, 0x40, 0x5B, 'a', 0x00, 0xFF},
         "ab", 1},
        {"a caret beyond the name is clamped first", "ab", 7, {'C'}, "abc", 3},
        {"the 29th letter is refused", full, 5, {'A'}, full, 5},
        {"the 29th digit is refused", full, 5, {'0'}, full, 5},
        {"the 29th space is refused", full, 5, {keySpace}, full, 5},
        {"backspace and arrows work at the limit", full, 28, {keyLeft, keyBackspace, keyRight, 'K'},
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
    EXPECT_EQ(SavePrompt::edit(name, caret, keyEsc), SavePrompt::Outcome::Cancelled);
    EXPECT_EQ(SavePrompt::edit(name, caret, keyEnter), SavePrompt::Outcome::Confirmed);
    EXPECT_EQ(name, "abc");
    SavePrompt::edit(name, caret, 'X');
    EXPECT_EQ(SavePrompt::text(name, caret), "Save To: ax|bc\n");
    EXPECT_EQ(SavePrompt::text("", 0), "Save To: |\n");
    EXPECT_EQ(SavePrompt::path("my game 2"), "Save/my game 2.sav");
    EXPECT_EQ(SavePrompt::path(""), "Save/.sav");
}
