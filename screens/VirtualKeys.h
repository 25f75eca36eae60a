#pragma once

// The Windows virtual-key codes the screens receive in keyDown and keyUp and
// find in keyState. The platform layer translates its own key codes into
// these.
namespace vk {

constexpr int backspace = 0x08;
constexpr int enter = 0x0D;
constexpr int escape = 0x1B;
constexpr int space = 0x20;
constexpr int home = 0x24;
constexpr int left = 0x25;
constexpr int up = 0x26;
constexpr int right = 0x27;
constexpr int down = 0x28;
constexpr int digit0 = 0x30; // digits of the main keyboard run 0x30-0x39
constexpr int digit9 = 0x39;
constexpr int letterA = 0x41; // letters run 0x41-0x5A, upper case
constexpr int letterZ = 0x5A;

} // namespace vk
