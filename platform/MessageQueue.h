#pragma once

#include "platform/KeyMapping.h"

struct Message;

// Where the game's messages wait until the frame loop takes them: the
// window's event queue in the game (GameWindow), a list in the tests.
class MessageQueue {
public:
    virtual ~MessageQueue() = default;

    // How keys pressed from now on reach the game (KeyMapping::Mode); the
    // messages taken after the call follow it.
    virtual void keyMode(KeyMapping::Mode mode) = 0;

    // Takes the next pending message off the queue. False when it is empty.
    virtual bool nextMessage(Message& message) = 0;
};
