#include "app/MessageDrain.h"

#include "app/Globals.h"
#include "app/WindowProc.h"
#include "platform/Message.h"
#include "platform/MessageQueue.h"

MessageDrain::MessageDrain(MessageQueue& queue, std::function<void(const Message&)> deliver)
    : queue_(queue), deliver_(std::move(deliver))
{
}

bool MessageDrain::drain()
{
    Message message;
    while (queue_.keyMode(keyModeFor(currentScreen)), queue_.nextMessage(message)) {
        deliver_(message);
        if (message.kind == Message::Quit)
            return true;
    }
    return false;
}
