#pragma once

#include <string>
#include <system_error>

// Files the game writes whole for the player to keep: saved games, the
// settings, the best scores. The caller tells the platform's storage about
// each one written (platform/Storage.h).

// Writes the whole of bytes to path (created or truncated) and makes sure
// they reached the disk before it returns. False with the reason in why when
// any step fails; a full disk may show only at the flush, the sync or the
// close, and each step keeps the first reason.
bool writeWholeFile(const std::string& path, const std::string& bytes, std::error_code& why);

// Replaces the file at path with bytes so that, whatever stops the program
// or the machine on the way, path holds either its old bytes or all the new
// ones: the bytes are written whole beside it (path + ".tmp") and then moved
// over it. False with the reason in why; the file beside it is removed then.
bool replaceWholeFile(const std::string& path, const std::string& bytes, std::error_code& why);
