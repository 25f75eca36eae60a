#include "platform/KeyMapping.h"

#include "platform/VirtualKeys.h"

KeyMapping::KeyMapping()
{
    for (int key = 0; key < 256; ++key)
        table_[static_cast<std::size_t>(key)] = static_cast<unsigned char>(key);
}

bool KeyMapping::editsText(int key)
{
    return (key >= vk::letterA && key <= vk::letterZ) || (key >= vk::digit0 && key <= vk::digit9)
        || key == vk::space || key == vk::backspace || key == vk::left || key == vk::right;
}

unsigned char KeyMapping::sends(std::size_t key) const
{
    const auto itself = static_cast<unsigned char>(key);
    switch (mode_) {
    case Mode::AsPrinted:
        return itself;
    case Mode::Text:
        if (!editsText(static_cast<int>(key)) && (table_[key] == vk::enter || table_[key] == vk::escape))
            return table_[key];
        return itself;
    case Mode::Mapped:
        break;
    }
    return table_[key];
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
                sent_[key] = sends(key);
        }
        out.a = sent_[key];
    } else {
        // A release of a key pressed before the window had the focus follows
        // the table as a press would.
        out.a = held_[key] ? sent_[key] : sends(key);
        held_[key] = false;
        sent_[key] = 0;
    }
    if (out.a == 0)
        out.kind = Message::None;
    return out;
}
