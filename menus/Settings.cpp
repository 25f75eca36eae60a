#include "menus/Settings.h"

#include "platform/KeyNames.h"
#include "platform/VirtualKeys.h"

namespace {

constexpr int actionKeys[actionCount] = {vk::up, vk::down, vk::left, vk::right, vk::enter, vk::escape};
const char* const actionNames[actionCount] = {"Move up", "Move down", "Move left", "Move right",
                                              "Enter (choose)", "Esc (back)"};

// The full-screen and music keys, which windowProc acts on everywhere.
constexpr int musicKey = vk::letter('M');

} // namespace

int actionKey(Action action)
{
    return actionKeys[static_cast<int>(action)];
}

const char* actionName(Action action)
{
    return actionNames[static_cast<int>(action)];
}

KeyBindings::KeyBindings()
{
    for (int i = 0; i < actionCount; ++i)
        keys[static_cast<std::size_t>(i)] = actionKeys[i];
}

bool KeyBindings::actionOf(int key, Action& action) const
{
    for (int i = 0; i < actionCount; ++i) {
        if (keys[static_cast<std::size_t>(i)] == key) {
            action = static_cast<Action>(i);
            return true;
        }
    }
    return false;
}

std::array<unsigned char, 256> KeyBindings::keyTable() const
{
    std::array<unsigned char, 256> table{};
    for (int key = 0; key < 256; ++key)
        table[static_cast<std::size_t>(key)] = static_cast<unsigned char>(key);
    for (const int own : actionKeys)
        table[static_cast<std::size_t>(own)] = 0;
    for (int i = 0; i < actionCount; ++i)
        table[static_cast<std::size_t>(keys[static_cast<std::size_t>(i)] & 0xFF)]
            = static_cast<unsigned char>(actionKeys[i]);
    return table;
}

bool keyReserved(int key)
{
    return key == vk::f11 || key == musicKey || key == vk::alt || key == vk::f10;
}

std::string keyRefusal(const KeyBindings& bindings, Action action, int key)
{
    if (key <= 0 || key > 0xFF)
        return "That key cannot be used";
    if (key == vk::f11)
        return "F11 switches full screen";
    if (key == musicKey)
        return "M turns the music off and on";
    if (keyReserved(key))
        return keyName(key) + " cannot be used";
    Action holder = action;
    if (bindings.actionOf(key, holder) && holder != action)
        return keyName(key) + " is already used for " + actionName(holder);
    return {};
}

bool Settings::operator==(const Settings& other) const
{
    return effectsVolume == other.effectsVolume && musicVolume == other.musicVolume
        && music == other.music && fullScreen == other.fullScreen && aspect == other.aspect
        && hud == other.hud && pauseOnFocusLoss == other.pauseOnFocusLoss && keys == other.keys;
}
