// The frame's message drain between the window's queue and the window
// procedure: order, the end at a quit, and the key mode asked for message
// by message.
#include <deque>
#include <memory>

#include "AppTestSupport.h"
#include "app/GameRun.h"
#include "app/MessageDrain.h"
#include "platform/Message.h"
#include "platform/MessageQueue.h"
#include "platform/VirtualKeys.h"

namespace {

// A queue of messages given by the test that notes the key mode in force
// at each take.
struct ListQueue : MessageQueue {
    void keyMode(KeyMapping::Mode mode) override { mode_ = mode; }
    bool nextMessage(Message& message) override
    {
        modesAtTake.push_back(mode_);
        if (waiting.empty())
            return false;
        message = waiting.front();
        waiting.pop_front();
        return true;
    }
    std::deque<Message> waiting;
    std::vector<KeyMapping::Mode> modesAtTake;

private:
    KeyMapping::Mode mode_ = KeyMapping::Mode::AsPrinted;
};

Message make(Message::Kind kind, int a = 0, int b = 0)
{
    Message m;
    m.kind = kind;
    m.a = a;
    m.b = b;
    return m;
}

// A name prompt: takes its keys as text.
struct TypingScreen : LoggingScreen {
    using LoggingScreen::LoggingScreen;
    bool typing() const override { return true; }
};

// A menu whose Enter opens a name prompt at once.
struct PromptingScreen : LoggingScreen {
    using LoggingScreen::LoggingScreen;
    void keyDown(int key) override
    {
        LoggingScreen::keyDown(key);
        if (key == vk::enter) {
            prompt = std::make_unique<TypingScreen>(log, "prompt");
            currentScreen = prompt.get();
        }
    }
    std::unique_ptr<TypingScreen> prompt;
};

} // namespace

class MessageDrainTest : public FreshGlobals {};

TEST_F(MessageDrainTest, MessagesReachTheScreenInOrderAndAQuitLeavesTheRestQueued)
{
    LoggingScreen screen(&log, "s");
    currentScreen = &screen;
    ListQueue queue;
    queue.waiting = {make(Message::KeyDown, vk::left), make(Message::MouseMove, 10, 20),
                     make(Message::ButtonDown, 0, 0), make(Message::KeyUp, vk::left), make(Message::Quit),
                     make(Message::KeyDown, vk::right)};
    queue.waiting[2].left = true;
    std::vector<Message::Kind> delivered;
    MessageDrain drain(queue, [&delivered](const Message& message) {
        delivered.push_back(message.kind);
        dispatchMessage(message);
    });

    EXPECT_TRUE(drain.drain());
    EXPECT_EQ(delivered, (std::vector<Message::Kind>{Message::KeyDown, Message::MouseMove, Message::ButtonDown,
                                                     Message::KeyUp, Message::Quit}));
    const std::string left = std::to_string(vk::left);
    EXPECT_EQ(log, (std::vector<std::string>{"s.keyDown " + left + " held=0", "s.mouseMove", "s.mouseDown L",
                                             "s.keyUp " + left + " held=1"}));
    EXPECT_FALSE(running) << "the quit ends the game";
    ASSERT_EQ(queue.waiting.size(), 1u) << "what follows the quit stays unprocessed";
    EXPECT_EQ(keyState[vk::right], 0);
    EXPECT_EQ(mouseX, 10);
    EXPECT_EQ(mouseY, 20);
}

TEST_F(MessageDrainTest, AnEmptyQueueDeliversNothingAndTheNextDrainTakesWhatCameSince)
{
    LoggingScreen screen(&log, "s");
    currentScreen = &screen;
    ListQueue queue;
    int delivered = 0;
    MessageDrain drain(queue, [&delivered](const Message& message) {
        ++delivered;
        dispatchMessage(message);
    });
    EXPECT_FALSE(drain.drain());
    EXPECT_EQ(delivered, 0);
    queue.waiting = {make(Message::KeyDown, vk::up), make(Message::KeyUp, vk::up)};
    EXPECT_FALSE(drain.drain());
    EXPECT_EQ(delivered, 2);
    EXPECT_TRUE(queue.waiting.empty());
    EXPECT_TRUE(running);
}

TEST_F(MessageDrainTest, AKeyThatOpensANamePromptMakesTheKeysAfterItTypeTheName)
{
    PromptingScreen menu(&log, "menu");
    currentScreen = &menu;
    ListQueue queue;
    queue.waiting = {make(Message::KeyDown, vk::enter), make(Message::KeyDown, 'A'), make(Message::KeyUp, 'A')};
    MessageDrain drain(queue, dispatchMessage);
    drain.drain();
    using Mode = KeyMapping::Mode;
    EXPECT_EQ(queue.modesAtTake, (std::vector<Mode>{Mode::Mapped, Mode::Text, Mode::Text, Mode::Text}))
        << "the mode follows the screen current before each message";
    EXPECT_EQ(log.back(), "prompt.keyUp 65 held=1");
    currentScreen = nullptr;
}
