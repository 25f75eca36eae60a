#include "menus/SavePrompt.h"

#include <algorithm>

namespace {

constexpr int keyBackspace = 0x08;
constexpr int keyEnter = 0x0D;
constexpr int keyEsc = 0x1B;
constexpr int keySpace = 0x20;
constexpr int keyLeft = 0x25;
constexpr int keyRight = 0x27;
constexpr int keyDigit0 = 0x30;
constexpr int keyDigit9 = 0x39;
constexpr int keyA = 0x41;
constexpr int keyZ = 0x5A;
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

    if (key >= keyDigit0 && key <= keyDigit9)
        insertAtCaret(name, caret, static_cast<char>(key));
    if (key >= keyA && key <= keyZ)
        insertAtCaret(name, caret, static_cast<char>(key + lowerCaseOffset));

    switch (key) {
    case keySpace:
        insertAtCaret(name, caret, ' ');
        break;
    case keyBackspace:
        --caret;
        if (caret >= 0)
            name.erase(static_cast<std::size_t>(caret), 1);
        break;
    case keyLeft:
        --caret;
        break;
    case keyRight:
        ++caret;
        break;
    default:
        break;
    }
    caret = clampCaret(caret, name);

    if (key == keyEsc)
        return Outcome::Cancelled;
    if (key == keyEnter)
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
    return "Save/" + name + ".sav";
}
