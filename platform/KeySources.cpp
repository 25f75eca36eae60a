#include "platform/KeySources.h"

#include <algorithm>

#include "platform/VirtualKeys.h"

namespace {

// The control number of an axis, apart from the buttons' numbers.
constexpr int axisControls = 100;

int buttonKey(KeySources::PadButton button)
{
    switch (button) {
    case KeySources::PadButton::A:
        return vk::enter;
    case KeySources::PadButton::B:
    case KeySources::PadButton::Start:
        return vk::escape;
    case KeySources::PadButton::DpadUp:
        return vk::up;
    case KeySources::PadButton::DpadDown:
        return vk::down;
    case KeySources::PadButton::DpadLeft:
        return vk::left;
    case KeySources::PadButton::DpadRight:
        return vk::right;
    case KeySources::PadButton::Other:
        break;
    }
    return 0;
}

// The arrow key of an axis pointing in direction (-1 or 1).
int axisKey(KeySources::PadAxis axis, int direction)
{
    if (axis == KeySources::PadAxis::LeftX)
        return direction < 0 ? vk::left : vk::right;
    return direction < 0 ? vk::up : vk::down;
}

Message keyMessage(Message::Kind kind, int key)
{
    Message message;
    message.kind = kind;
    message.a = key;
    return message;
}

// Where the stick points now, given where it pointed before.
int stickDirection(int before, int value)
{
    if (before > 0 && value >= KeySources::releaseBelow)
        return before;
    if (before < 0 && value <= -KeySources::releaseBelow)
        return before;
    if (value >= KeySources::pressAt)
        return 1;
    if (value <= -KeySources::pressAt)
        return -1;
    return 0;
}

} // namespace

Message KeySources::keyboard(const Message& message)
{
    const int key = message.a & 0xFF;
    const Holder holder{keyboardSource, 0};
    std::vector<Message> out;
    if (message.kind == Message::KeyDown)
        press(holder, key, out);
    else if (message.kind == Message::KeyUp)
        release(holder, key, out);
    else
        return message;
    return out.empty() ? Message() : out.front();
}

void KeySources::padButton(int pad, PadButton button, bool down, std::vector<Message>& out)
{
    const int key = buttonKey(button);
    if (pad < 0 || key == 0)
        return;
    const Holder holder{pad + 1, static_cast<int>(button)};
    const auto& keyHolders = holders_[key];
    const bool holding = std::find(keyHolders.begin(), keyHolders.end(), holder) != keyHolders.end();
    if (down && !holding)
        press(holder, key, out);
    else if (!down && holding)
        release(holder, key, out);
}

void KeySources::padAxis(int pad, PadAxis axis, int value, std::vector<Message>& out)
{
    if (pad < 0 || axis == PadAxis::Other)
        return;
    const Holder control{pad + 1, axisControls + static_cast<int>(axis)};
    auto it = std::find_if(stick_.begin(), stick_.end(),
                           [&control](const std::pair<Holder, int>& entry) { return entry.first == control; });
    if (it == stick_.end())
        it = stick_.insert(stick_.end(), {control, 0});
    const int before = it->second;
    const int now = stickDirection(before, value);
    if (now == before)
        return;
    it->second = now;
    if (before != 0)
        release(control, axisKey(axis, before), out);
    if (now != 0)
        press(control, axisKey(axis, now), out);
}

void KeySources::padUnplugged(int pad, std::vector<Message>& out)
{
    const int source = pad + 1;
    for (int key = 0; key < 256; ++key) {
        std::vector<Holder> mine;
        for (const Holder& holder : holders_[key])
            if (holder.first == source)
                mine.push_back(holder);
        for (const Holder& holder : mine)
            release(holder, key, out);
    }
    stick_.erase(std::remove_if(stick_.begin(), stick_.end(),
                                [source](const std::pair<Holder, int>& entry) { return entry.first.first == source; }),
                 stick_.end());
}

void KeySources::press(const Holder& holder, int key, std::vector<Message>& out)
{
    auto& keyHolders = holders_[key];
    if (std::find(keyHolders.begin(), keyHolders.end(), holder) == keyHolders.end())
        keyHolders.push_back(holder);
    // A second holder's press reads as the key's auto-repeat.
    out.push_back(keyMessage(Message::KeyDown, key));
}

void KeySources::release(const Holder& holder, int key, std::vector<Message>& out)
{
    auto& keyHolders = holders_[key];
    keyHolders.erase(std::remove(keyHolders.begin(), keyHolders.end(), holder), keyHolders.end());
    if (!heldByOthers(holder, key))
        out.push_back(keyMessage(Message::KeyUp, key));
}

bool KeySources::heldByOthers(const Holder& holder, int key) const
{
    for (const Holder& other : holders_[key])
        if (other != holder)
            return true;
    return false;
}
