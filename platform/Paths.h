#pragma once

#include <string>

// Turns a path as the game writes it ("Textures\Zombie1.png", "Levels\l3.lvl",
// "Textures/LoadGame.png") into one that opens on this system: backslashes
// become slashes, and a name that does not exist in exactly that case is
// matched case-insensitively against each directory on the way. Returns the
// path with slashes unchanged in case when nothing matches.
std::string resolveGamePath(const std::string& path);
