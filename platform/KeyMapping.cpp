#include "platform/KeyMapping.h"

#include "platform/VirtualKeys.h"

KeyMapping::KeyMapping()
{
    for (int key = 0; key < 256; ++key)
        table_[static_cast<std::size_t>(key)] = static_cast<unsigned char>(key);
}

Message KeyMapping::translate(const Message& message, bool altHeld)
{
    if (message.kind != Message::KeyDown && message.kind != Message::KeyUp)
        return message;
    const auto key = static_cast<std::size_t>(message.a & 0xFF);
    Message out = message;
    if (message.kind == Message::KeyDown) {
        // Auto-repeat sends what the first press sent.
        if (!held_[key]) {
            held_[key] = true;
            if (altHeld && static_cast<int>(key) == vk::enter)
                sent_[key] = static_cast<unsigned char>(vk::f11);
            else
                sent_[key] = asPrinted_ ? static_cast<unsigned char>(key) : table_[key];
        }
        out.a = sent_[key];
    } else {
        // A release of a key pressed before the window had the focus follows
        // the table as a press would.
        out.a = held_[key] ? sent_[key] : (asPrinted_ ? static_cast<unsigned char>(key) : table_[key]);
        held_[key] = false;
        sent_[key] = 0;
    }
    if (out.a == 0)
        out.kind = Message::None;
    return out;
}
