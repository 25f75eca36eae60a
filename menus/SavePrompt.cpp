#include "menus/SavePrompt.h"

#include <algorithm>

#include "platform/VirtualKeys.h"
#include "play/SaveRecord.h"

namespace {

constexpr int lowerCaseOffset = 0x20;

int clampCaret(int caret, const std::string& name)
{
    return std::clamp(caret, 0, static_cast<int>(name.size()));
}

void insertAtCaret(std::string& name, int& caret, char c)
{
    if (name.size() >= SavePrompt::maxSaveNameLength)
        return;
    name.insert(name.begin() + caret, c);
    ++caret;
}

} // namespace

SavePrompt::Outcome SavePrompt::edit(std::string& name, int& caret, int key)
{
    caret = clampCaret(caret, name);

    if (key >= vk::digit0 && key <= vk::digit9)
        insertAtCaret(name, caret, static_cast<char>(key));
    if (key >= vk::letterA && key <= vk::letterZ)
        insertAtCaret(name, caret, static_cast<char>(key + lowerCaseOffset));

    switch (key) {
    case vk::space:
        insertAtCaret(name, caret, ' ');
        break;
    case vk::backspace:
        --caret;
        if (caret >= 0)
            name.erase(static_cast<std::size_t>(caret), 1);
        break;
    case vk::left:
        --caret;
        break;
    case vk::right:
        ++caret;
        break;
    default:
        break;
    }
    caret = clampCaret(caret, name);

    if (key == vk::escape)
        return Outcome::Cancelled;
    if (key == vk::enter)
        return Outcome::Confirmed;
    return Outcome::Editing;
}

std::string SavePrompt::text(const std::string& name, int caret)
{
    std::string shown = name;
    shown.insert(static_cast<std::size_t>(clampCaret(caret, name)), "|");
    return "Save To: " + shown + "\n";
}

std::string SavePrompt::path(const std::string& name)
{
    return saveFolder + "/" + name + ".sav";
}
