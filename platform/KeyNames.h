#pragma once

#include <string>

// The names of the virtual keys (platform/VirtualKeys.h) as the player reads
// them on the Options screen and writes them in the settings file: "Up",
// "Enter", "Esc", "Space", "W", "7", "F5", "Num 4", "Page Up", ";". A key
// without a name of its own is "Key N" with its code in decimal.

// The name of key (0-255).
std::string keyName(int key);

// The key a name stands for, with any mix of upper and lower case; "Key N"
// for any code 1-255. 0 for a name no key has.
int keyFromName(const std::string& name);
