#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Message.h"

// A recorded run of the game: everything the game read from the outside
// world (the tick counts and the window's messages), in the order it read
// them, plus what is needed to start from the same place. docs/replay-format.md
// describes the bytes.

// A file of the game's data as it was when the run was recorded.
struct ReplayDataFile {
    std::string name; // relative to the data folder, with '/'
    std::uint64_t size = 0;
    std::uint64_t hash = 0;

    bool operator==(const ReplayDataFile& other) const
    {
        return name == other.name && size == other.size && hash == other.hash;
    }
};

// A saved game that was in the save folder when the recording began.
struct ReplaySave {
    std::string name; // the file's name, ".sav" included
    std::string bytes;
};

// One thing the game read, in order.
struct ReplayEvent {
    enum Type : std::uint8_t {
        Frame,   // the frame clock read `tick`: a new frame starts
        Tick,    // the game read `tick` elsewhere: before the first frame, or
                 // for a level's random seed
        Input,   // `message` reached the window procedure
        Hash,    // the state hash after the frame's messages (every hashEvery frames)
    };
    Type type = Frame;
    std::uint32_t tick = 0;
    Message message;
    std::uint64_t hash = 0;
};

struct Replay {
    static constexpr std::uint16_t formatVersion = 1;

    std::string gameVersion;
    std::uint32_t seed = 1;      // the random generator's state at the start
    std::uint16_t hashEvery = 0; // 0: no per-frame hashes
    std::vector<std::string> commandLine;
    std::vector<ReplayDataFile> dataFiles;
    std::vector<ReplaySave> saves;
    // The run's settings at its start, as the settings file writes them
    // (app/SettingsFile.h); empty in a recording made before the game kept
    // settings, whose run had the defaults and its command line.
    std::string settings;
    std::vector<ReplayEvent> events;

    // Written when the recorded run ended normally; a run cut short (a
    // crash, the power) has none of these.
    bool finished = false;
    std::string finalState;
    std::uint64_t finalHash = 0;
};

// Reads a whole recording. False with a one-line reason in `error` for a
// file that is not a recording, of another format version, damaged or cut
// short before its header ends. A recording whose run was cut short later
// reads with `finished` false.
bool decodeReplay(const std::string& bytes, Replay& replay, std::string& error);

// Reads the file at path with decodeReplay.
bool readReplayFile(const std::string& path, Replay& replay, std::string& error);

// Writes a recording as the run goes: the header first, then each event,
// then the end. The file holds whatever was written so far if the game
// stops unexpectedly. Every operation does nothing once writing failed.
class ReplayWriter {
public:
    ReplayWriter() = default;
    ~ReplayWriter();
    ReplayWriter(const ReplayWriter&) = delete;
    ReplayWriter& operator=(const ReplayWriter&) = delete;

    // Creates the file and writes the header of `replay` (its events and end
    // are not written). False, with the reason in error(), when the file
    // cannot be created.
    bool open(const std::string& path, const Replay& replay);

    void event(const ReplayEvent& event);

    // Writes the end record and closes the file. False when anything could
    // not be written.
    bool finish(const std::string& finalState, std::uint64_t finalHash);

    bool ok() const { return file_ != nullptr && !failed_; }
    const std::string& error() const { return error_; }

private:
    void put(const std::string& bytes);

    std::FILE* file_ = nullptr;
    bool failed_ = false;
    std::uint32_t crc_ = 0;
    std::uint32_t lastFrameTick_ = 0;
    std::string error_;
};

// The whole recording as bytes (header, events, end), as ReplayWriter writes it.
std::string encodeReplay(const Replay& replay);
