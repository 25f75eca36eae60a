#include "platform/KeyNames.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/VirtualKeys.h"

namespace {

struct KeyNameOf {
    int key;
    const char* name;
};

// Every key with a name besides letters, digits, function keys and the
// keypad's digits, which are ranges (below).
constexpr KeyNameOf names[] = {
    {vk::backspace, "Backspace"}, {vk::tab, "Tab"}, {vk::clear, "Clear"}, {vk::enter, "Enter"},
    {vk::shift, "Shift"}, {vk::control, "Ctrl"}, {vk::alt, "Alt"}, {vk::pause, "Pause"},
    {vk::capsLock, "Caps Lock"}, {vk::escape, "Esc"}, {vk::space, "Space"},
    {vk::pageUp, "Page Up"}, {vk::pageDown, "Page Down"}, {vk::end, "End"}, {vk::home, "Home"},
    {vk::left, "Left"}, {vk::up, "Up"}, {vk::right, "Right"}, {vk::down, "Down"},
    {vk::select, "Select"}, {vk::printScreen, "Print Screen"}, {vk::insert, "Insert"},
    {vk::del, "Delete"}, {vk::help, "Help"}, {vk::leftWindows, "Left Windows"},
    {vk::rightWindows, "Right Windows"}, {vk::applications, "Menu"}, {vk::sleep, "Sleep"},
    {vk::multiply, "Num *"}, {vk::add, "Num +"}, {vk::subtract, "Num -"},
    {vk::decimal, "Num ."}, {vk::divide, "Num /"}, {vk::numLock, "Num Lock"},
    {vk::scrollLock, "Scroll Lock"}, {vk::semicolon, ";"}, {vk::equals, "="}, {vk::comma, ","},
    {vk::minus, "-"}, {vk::period, "."}, {vk::slash, "/"}, {vk::backquote, "`"},
    {vk::leftBracket, "["}, {vk::backslash, "\\"}, {vk::rightBracket, "]"}, {vk::quote, "'"},
};

constexpr const char* numberedKey = "Key ";
constexpr const char* keypadDigit = "Num ";
constexpr int functionKeys = vk::f24 - vk::f1 + 1;

bool sameLetters(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The whole of text as a decimal number within [low, high]; -1 otherwise.
int wholeNumber(const std::string& text, int low, int high)
{
    if (text.empty() || text.size() > 3)
        return -1;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return -1;
    const int value = std::atoi(text.c_str());
    return value >= low && value <= high ? value : -1;
}

} // namespace

std::string keyName(int key)
{
    if (key >= vk::letterA && key <= vk::letterZ)
        return std::string(1, static_cast<char>('A' + (key - vk::letterA)));
    if (key >= vk::digit0 && key <= vk::digit9)
        return std::string(1, static_cast<char>('0' + (key - vk::digit0)));
    if (key >= vk::f1 && key <= vk::f24)
        return "F" + std::to_string(key - vk::f1 + 1);
    if (key >= vk::numpad0 && key <= vk::numpad9)
        return keypadDigit + std::to_string(key - vk::numpad0);
    for (const KeyNameOf& entry : names)
        if (entry.key == key)
            return entry.name;
    return numberedKey + std::to_string(key);
}

int keyFromName(const std::string& name)
{
    if (name.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        if (c >= 'A' && c <= 'Z')
            return vk::letter(c);
        if (c >= '0' && c <= '9')
            return vk::digit(c - '0');
    }
    if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
        const int number = wholeNumber(name.substr(1), 1, functionKeys);
        if (number > 0)
            return vk::f1 + number - 1;
    }
    const std::string keypad = keypadDigit;
    if (name.size() == keypad.size() + 1 && sameLetters(name.substr(0, keypad.size()), keypad)) {
        const int digit = wholeNumber(name.substr(keypad.size()), 0, 9);
        if (digit >= 0)
            return vk::numpad0 + digit;
    }
    const std::string numbered = numberedKey;
    if (name.size() > numbered.size() && sameLetters(name.substr(0, numbered.size()), numbered))
        return std::max(0, wholeNumber(name.substr(numbered.size()), 1, 255));
    for (const KeyNameOf& entry : names)
        if (sameLetters(name, entry.name))
            return entry.key;
    return 0;
}
