// The keyboard's keys as the game hears them: the player's bindings, the
// keys a name being typed or a key being bound takes as printed, the
// full-screen chord, and key-ups that always match their key-downs.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "TestMessages.h"
#include "menus/Settings.h"
#include "platform/KeyMapping.h"
#include "platform/KeyNames.h"
#include "platform/VirtualKeys.h"

namespace {

// What the game hears of a press and a release of `code`, as "kind:key".
std::vector<int> heard(KeyMapping& mapping, std::initializer_list<Message> messages, bool alt = false)
{
    std::vector<int> out;
    for (const Message& m : messages) {
        const Message t = mapping.translate(m, alt);
        out.push_back(t.kind == Message::None ? 0 : (t.kind == Message::KeyDown ? t.a : -t.a));
    }
    return out;
}

} // namespace

TEST(KeyMappingTest, BoundKeysPlayTheirActionsAndTheKeysTheyReplacedAreSilent)
{
    KeyBindings bindings;
    bindings.set(Action::Up, vk::letter('W'));
    bindings.set(Action::Down, vk::up); // an arrow may play another move
    bindings.set(Action::Enter, vk::space);
    KeyMapping mapping;
    mapping.useTable(bindings.keyTable());
    const Message wDown = message(Message::KeyDown, vk::letter('W'));
    const Message wUp = message(Message::KeyUp, vk::letter('W'));
    EXPECT_EQ(heard(mapping, {wDown, wDown, wUp}), (std::vector<int>{vk::up, vk::up, -vk::up}));
    EXPECT_EQ(heard(mapping, {message(Message::KeyDown, vk::up), message(Message::KeyUp, vk::up)}),
              (std::vector<int>{vk::down, -vk::down}));
    EXPECT_EQ(heard(mapping, {message(Message::KeyDown, vk::down), message(Message::KeyUp, vk::down)}),
              (std::vector<int>{0, 0}))
        << "Down's action went to the Up arrow";
    EXPECT_EQ(heard(mapping, {message(Message::KeyDown, vk::enter)}), (std::vector<int>{0}));
    EXPECT_EQ(heard(mapping, {message(Message::KeyDown, vk::space)}), (std::vector<int>{vk::enter}));
    EXPECT_EQ(heard(mapping, {message(Message::KeyDown, vk::home), message(Message::KeyDown, vk::escape)}),
              (std::vector<int>{vk::home, vk::escape}))
        << "keys bound to nothing and actions left alone send themselves";

    Message pointer;
    pointer.kind = Message::MouseMove;
    pointer.a = 5;
    EXPECT_EQ(mapping.translate(pointer, false).a, 5) << "other messages pass";
}

TEST(KeyMappingTest, KeysAsPrintedAndTheFullScreenChordAndReleasesMatchingTheirPresses)
{
    KeyBindings bindings;
    bindings.set(Action::Up, vk::letter('W'));
    bindings.set(Action::Enter, vk::space);
    KeyMapping mapping;
    mapping.useTable(bindings.keyTable());
    const int w = vk::letter('W');

    // A save name or a key being bound: every key is itself.
    mapping.useMode(KeyMapping::Mode::AsPrinted);
    EXPECT_EQ(heard(mapping, {message(Message::KeyDown, w), message(Message::KeyDown, vk::enter),
                              message(Message::KeyDown, vk::space)}),
              (std::vector<int>{w, vk::enter, vk::space}));
    // The prompt closes while W, Enter and Space are held: each release
    // matches what its press sent.
    mapping.useMode(KeyMapping::Mode::Mapped);
    EXPECT_EQ(heard(mapping, {message(Message::KeyUp, w), message(Message::KeyUp, vk::enter),
                              message(Message::KeyUp, vk::space)}),
              (std::vector<int>{-w, -vk::enter, -vk::space}));
    // And the other way round: pressed under the bindings, released as printed.
    EXPECT_EQ(heard(mapping, {message(Message::KeyDown, w)}), (std::vector<int>{vk::up}));
    mapping.useMode(KeyMapping::Mode::AsPrinted);
    EXPECT_EQ(heard(mapping, {message(Message::KeyUp, w)}), (std::vector<int>{-vk::up}));
    mapping.useMode(KeyMapping::Mode::Mapped);

    // Enter with Alt is F11, down and up, even when Alt goes first; the
    // bindings do not change it, nor a text being typed.
    EXPECT_EQ(heard(mapping, {message(Message::KeyDown, vk::enter)}, true), (std::vector<int>{vk::f11}));
    EXPECT_EQ(heard(mapping, {message(Message::KeyUp, vk::enter)}, false), (std::vector<int>{-vk::f11}));
    mapping.useMode(KeyMapping::Mode::AsPrinted);
    EXPECT_EQ(heard(mapping, {message(Message::KeyDown, vk::enter), message(Message::KeyUp, vk::enter)}, true),
              (std::vector<int>{vk::f11, -vk::f11}));
}

TEST(KeyMappingTest, ANameBeingTypedTakesItsKeysAsPrintedAndTheKeysGivenEnterAndEscStillAct)
{
    KeyBindings bindings;
    bindings.set(Action::Enter, vk::f1 + 4);       // F5
    bindings.set(Action::Escape, vk::numpad0);     // Num 0
    bindings.set(Action::Up, vk::letter('W'));
    KeyMapping mapping;
    mapping.useTable(bindings.keyTable());
    mapping.useMode(KeyMapping::Mode::Text);
    // F5 and Num 0 confirm and cancel; the keys they replaced still do, as
    // printed; W types its letter.
    EXPECT_EQ(heard(mapping, {message(Message::KeyDown, vk::f1 + 4), message(Message::KeyDown, vk::numpad0),
                              message(Message::KeyDown, vk::enter), message(Message::KeyDown, vk::escape),
                              message(Message::KeyDown, vk::letter('W')), message(Message::KeyDown, vk::up)}),
              (std::vector<int>{vk::enter, vk::escape, vk::enter, vk::escape, vk::letter('W'), vk::up}));

    // A key given Enter or Esc that types or edits a name stays the name's.
    for (const int typing : {vk::space, vk::letter('E'), vk::digit0 + 7, vk::backspace}) {
        SCOPED_TRACE(typing);
        KeyBindings onName;
        onName.set(Action::Enter, typing);
        onName.set(Action::Escape, typing == vk::backspace ? vk::letter('Q') : vk::backspace);
        KeyMapping prompt;
        prompt.useTable(onName.keyTable());
        prompt.useMode(KeyMapping::Mode::Text);
        EXPECT_EQ(heard(prompt, {message(Message::KeyDown, typing)}), (std::vector<int>{typing}));
        prompt.useMode(KeyMapping::Mode::Mapped);
        EXPECT_EQ(heard(prompt, {message(Message::KeyUp, typing), message(Message::KeyDown, typing)}),
                  (std::vector<int>{-typing, vk::enter}))
            << "elsewhere it is Enter";
    }
}

TEST(KeyMappingTest, EveryKeyHasOneNameThatReadsBack)
{
    std::set<std::string> names;
    for (int code = 1; code < 256; ++code) {
        const std::string name = keyName(code);
        EXPECT_EQ(keyFromName(name), code) << name;
        EXPECT_TRUE(names.insert(name).second) << "two keys are called " << name;
    }
    const struct {
        const char* name;
        int code;
    } known[] = {{"Up", vk::up}, {"esc", vk::escape}, {"SPACE", vk::space}, {"w", vk::letter('W')},
                 {"F11", vk::f11}, {"Num 8", vk::numpad0 + 8}, {"Page Down", vk::pageDown}, {";", vk::semicolon},
                 {"Key 226", 226}, {"F25", 0}, {"Key 0", 0}, {"Key 256", 0}, {"Nothing", 0}, {"", 0}};
    for (const auto& k : known)
        EXPECT_EQ(keyFromName(k.name), k.code) << k.name;
}

TEST(KeyMappingTest, AKeyInUseOrKeptForTheWholeGameIsRefusedWithAReason)
{
    KeyBindings bindings;
    bindings.set(Action::Up, vk::letter('W'));
    EXPECT_EQ(keyRefusal(bindings, Action::Down, vk::letter('W')), "W is already used for Move up");
    EXPECT_EQ(keyRefusal(bindings, Action::Up, vk::letter('W')), "") << "an action's own key";
    EXPECT_EQ(keyRefusal(bindings, Action::Down, vk::up), "") << "the Up arrow is free again";
    EXPECT_EQ(keyRefusal(bindings, Action::Left, vk::escape), "Esc is already used for Esc (back)");
    EXPECT_EQ(keyRefusal(bindings, Action::Left, vk::f11), "F11 switches full screen");
    EXPECT_EQ(keyRefusal(bindings, Action::Left, vk::letter('M')), "M turns the music off and on");
    EXPECT_FALSE(keyRefusal(bindings, Action::Left, 0).empty());
}
