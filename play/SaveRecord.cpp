#include "play/SaveRecord.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/Storage.h"
#include "platform/WholeFile.h"

std::string saveFolder = "Save";

namespace {

constexpr std::size_t recordSize = 13;
constexpr char lineFeed = 0x0A;
constexpr char carriageReturn = 0x0D;

// A stored record is at most twice its size (every byte a line feed); a
// longer file holds nothing more that a reader would use.
constexpr std::size_t storedSizeLimit = 2 * recordSize;

// The whole ending of a save being written beside the one it replaces
// (replaceWholeFile): it does not end in ".sav", so the load list never
// shows a half-written save.
constexpr const char* pendingSaveEnding = ".sav.tmp";

void putInt32(std::string& bytes, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>((bits >> shift) & 0xFFu));
}

std::int32_t getInt32(const unsigned char* bytes)
{
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | bytes[i];
    return static_cast<std::int32_t>(bits);
}

bool endsWith(const std::string& name, const std::string& ending)
{
    return name.size() >= ending.size()
        && name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

} // namespace

std::string encodeSaveRecord(const SaveRecord& record)
{
    std::string raw;
    putInt32(raw, record.level);
    putInt32(raw, record.hp);
    putInt32(raw, record.score);
    raw.push_back(static_cast<char>(record.introShowing));

    std::string stored;
    for (const char byte : raw) {
        if (byte == lineFeed)
            stored.push_back(carriageReturn);
        stored.push_back(byte);
    }
    return stored;
}

SaveRecord decodeSaveRecord(const std::string& stored)
{
    unsigned char raw[recordSize] = {};
    std::size_t count = 0;
    for (std::size_t i = 0; i < stored.size() && count < recordSize; ++i) {
        if (stored[i] == carriageReturn && i + 1 < stored.size() && stored[i + 1] == lineFeed)
            ++i;
        raw[count++] = static_cast<unsigned char>(stored[i]);
    }

    SaveRecord record;
    record.level = getInt32(raw);
    record.hp = getInt32(raw + 4);
    record.score = getInt32(raw + 8);
    record.introShowing = raw[12];
    return record;
}

bool writeSaveRecord(const std::string& path, const SaveRecord& record, std::error_code& why)
{
    namespace fs = std::filesystem;
    why.clear();
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (target.has_parent_path()) {
        fs::create_directories(folder, why);
        if (why)
            return false;
    }
    removePendingSaves(folder.string());
    if (!replaceWholeFile(path, encodeSaveRecord(record), why))
        return false;
    // Only a save in place is kept: a platform that keeps folders itself
    // (the browser's storage) never holds half a save.
    storage().written(folder.string());
    return true;
}

bool writeSaveRecord(const std::string& path, const SaveRecord& record)
{
    std::error_code why;
    return writeSaveRecord(path, record, why);
}

void removePendingSaves(const std::string& directory)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator it(directory, error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (endsWith(it->path().filename().string(), pendingSaveEnding)
            && it->symlink_status(ignored).type() == fs::file_type::regular)
            fs::remove(it->path(), ignored);
    }
}

SaveRecord readSaveRecord(const std::string& path)
{
    std::string stored;
    // Only plain files are read: a directory, a pipe or a device that happens
    // to carry a save's name lists with zeros instead of blocking the game.
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
        if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
            char buffer[storedSizeLimit];
            const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
            stored.assign(buffer, got);
            std::fclose(file);
        }
    }
    return decodeSaveRecord(stored);
}
