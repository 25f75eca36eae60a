#pragma once

// The Windows virtual-key codes: the game's one set of key codes. Screens
// receive them in keyDown and keyUp and find them in keyState; the platform
// layer translates its own key codes into them (KeyTable); tests and tools
// hold keys by these names. Every code fits in a byte (keyState has 256).
namespace vk {

constexpr int backspace = 0x08;
constexpr int tab = 0x09;
constexpr int clear = 0x0C;
constexpr int enter = 0x0D;
constexpr int shift = 0x10;
constexpr int control = 0x11;
constexpr int alt = 0x12;
constexpr int pause = 0x13;
constexpr int capsLock = 0x14;
constexpr int escape = 0x1B;
constexpr int space = 0x20;
constexpr int pageUp = 0x21;
constexpr int pageDown = 0x22;
constexpr int end = 0x23;
constexpr int home = 0x24;
constexpr int left = 0x25;
constexpr int up = 0x26;
constexpr int right = 0x27;
constexpr int down = 0x28;
constexpr int select = 0x29;
constexpr int printScreen = 0x2C;
constexpr int insert = 0x2D;
constexpr int del = 0x2E;
constexpr int help = 0x2F;
constexpr int digit0 = 0x30; // digits of the main keyboard run 0x30-0x39
constexpr int digit9 = 0x39;
constexpr int letterA = 0x41; // letters run 0x41-0x5A, upper case
constexpr int letterZ = 0x5A;
constexpr int leftWindows = 0x5B;
constexpr int rightWindows = 0x5C;
constexpr int applications = 0x5D;
constexpr int sleep = 0x5F;
constexpr int numpad0 = 0x60; // keypad digits run 0x60-0x69
constexpr int numpad9 = 0x69;
constexpr int multiply = 0x6A;
constexpr int add = 0x6B;
constexpr int subtract = 0x6D;
constexpr int decimal = 0x6E;
constexpr int divide = 0x6F;
constexpr int f1 = 0x70; // function keys run 0x70 (F1) - 0x87 (F24)
constexpr int f10 = 0x79;
constexpr int f11 = 0x7A;
constexpr int f24 = 0x87;
constexpr int numLock = 0x90;
constexpr int scrollLock = 0x91;
// The punctuation keys of a US keyboard, named by their unshifted character.
constexpr int semicolon = 0xBA;
constexpr int equals = 0xBB;
constexpr int comma = 0xBC;
constexpr int minus = 0xBD;
constexpr int period = 0xBE;
constexpr int slash = 0xBF;
constexpr int backquote = 0xC0;
constexpr int leftBracket = 0xDB;
constexpr int backslash = 0xDC;
constexpr int rightBracket = 0xDD;
constexpr int quote = 0xDE;

// The code of a letter key, 'A' to 'Z' (upper case).
constexpr int letter(char upperCase)
{
    return letterA + (upperCase - 'A');
}

// The code of a digit key of the main keyboard, 0 to 9.
constexpr int digit(int value)
{
    return digit0 + value;
}

} // namespace vk
