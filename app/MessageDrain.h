#pragma once

#include <functional>

class MessageQueue;
struct Message;

// Empties the window's queue once a frame: every pending message is handed
// on, in the order it arrived, to `deliver` (in the game: the recordings,
// then the window procedure). Before each message is taken the queue is
// told the key mode of the screen current at that moment (keyModeFor), so
// a key that opens a name prompt makes the keys after it type the name.
class MessageDrain {
public:
    // Keeps a reference to queue, which must outlive the drain.
    MessageDrain(MessageQueue& queue, std::function<void(const Message&)> deliver);

    // Takes and delivers the pending messages. A Quit message is delivered
    // and ends the drain: the messages behind it stay in the queue,
    // unprocessed. Returns whether a Quit was delivered.
    bool drain();

private:
    MessageQueue& queue_;
    std::function<void(const Message&)> deliver_;
};
