#pragma once

#include <string>
#include <system_error>

// Writing the game's own small files (saved games, best scores) so that a
// crash, a kill or a full disk never leaves a damaged file under the final
// name.

// Writes the whole of bytes to path (created or truncated) and makes sure
// they reached the disk before the file is closed. False with the reason in
// why when any step fails; the file may then hold part of the bytes.
bool writeAndSync(const std::string& path, const std::string& bytes, std::error_code& why);

// Puts bytes under path in one step: written to `pending` (a name beside
// path) with writeAndSync, then moved over path. A reader sees the old
// contents or the new ones, never a mixture. False with the system's reason
// in why, and `pending` removed, when any step fails; path is then as it was.
bool replaceFile(const std::string& path, const std::string& pending, const std::string& bytes,
                 std::error_code& why);
