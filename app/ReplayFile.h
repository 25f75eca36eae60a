#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Message.h"
#include "play/BestScores.h"

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

// Where a recording of one game starts (the game's own recording, from New
// Game or Load Game): the state after the frame in which the game's play
// screen became the current screen, before that frame's messages. The play
// screen is rebuilt by loading `level` as the level loader does, seeded with
// `levelSeed` and with the ninjas' next leg at `ninjaLegAtLoad`, then given
// the values below; the rest is the window, the pointer, the keys and the
// frame clock then (the picture's shape comes with the recording's
// settings). `stateHash` is the state hash then, to which the rebuilt state
// must come.
struct ReplayGameStart {
    int level = 1;
    int hp = 0;
    int score = 0;
    bool introShowing = false;
    bool dying = false;
    float fadePhase = 0.0f;
    float deadWidth = 0.0f;
    float deadHeight = 0.0f;
    bool deadVisible = false;
    std::uint32_t levelSeed = 0;
    bool ninjaLegAtLoad = false;

    int windowWidth = 0;
    int windowHeight = 0;
    int mouseX = 0;
    int mouseY = 0;
    float pointerX = 0.0f;
    float pointerY = 0.0f;
    std::vector<unsigned char> keysHeld; // virtual-key codes, ascending
    float frameStep = 0.0f;
    std::uint32_t lastTick = 0;
    bool ninjaLeg = false;
    std::uint64_t stateHash = 0;
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
    // The version written; every version from 1 on is read.
    static constexpr std::uint16_t formatVersion = 2;

    // The format version the file was written in (formatVersion for a
    // recording being made).
    std::uint16_t version = formatVersion;

    std::string gameVersion;
    std::uint32_t seed = 1;      // the random generator's state at the start
    std::uint16_t hashEvery = 0; // 0: no per-frame hashes
    std::vector<std::string> commandLine;
    std::vector<ReplayDataFile> dataFiles;
    std::vector<ReplaySave> saves;
    // The run's settings at its start, as the settings file writes them
    // (app/SettingsFile.h); for a recording of one game, those the game
    // started with. Empty in a recording made before the game kept
    // settings, whose run had the defaults and its command line.
    std::string settings;
    // From format 2 on (a recording of format 1 has none of these: it ran
    // without best scores, from the program's start).
    // The day the recording was started (YYYY-MM-DD): the day every game
    // that enters the best scores during the run carries.
    std::string date;
    // The best-score list at the start, when the run kept one.
    bool keepsScores = false;
    BestScores bestScores;
    // A recording of one game starts at the game's first frame; otherwise
    // the run starts at the program's start.
    bool startsInGame = false;
    ReplayGameStart gameStart;
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

// Reads only the header of the file at path (its events are left empty and
// `finished` false), reading no more of the file than the header needs:
// what a list of recordings shows of each. False with a one-line reason as
// readReplayFile gives.
bool readReplayHeader(const std::string& path, Replay& replay, std::string& error);

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
    // cannot be created. A writer that wrote a recording before starts this
    // one afresh (a file still open is closed as it stands).
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
