#include "app/ReplayHeader.h"

#include <cstring>

#include "app/ReplayFile.h"

using namespace replayBytes;

namespace {

const char magic[8] = {'T', 'H', 'R', 'A', 'S', 'K', 'R', 'P'};

// Bounds that keep a damaged or hostile file from asking for absurd memory.
constexpr std::uint64_t maxWords = 1024;
constexpr std::uint64_t maxDataFiles = 100000;
constexpr std::uint64_t maxSaves = 10000;
constexpr std::uint64_t maxKeysHeld = 256;

// The fewest bytes one entry of a list takes: a word is a string (its
// length at least), a data file a string, a varint and 8 bytes, a saved
// game two strings. A count beyond what the bytes left could hold is a
// header cut short, found before the list is made.
constexpr std::uint64_t leastWordBytes = 1;
constexpr std::uint64_t leastDataFileBytes = 1 + 1 + 8;
constexpr std::uint64_t leastSaveBytes = 1 + 1;

// The first format version with the settings, the day, the best scores and
// the game start in the header.
constexpr std::uint16_t gameStartVersion = 2;

// A list of `count` entries of at least `least` bytes each fits in what is left.
bool fits(const Reader& in, std::uint64_t count, std::uint64_t least)
{
    return count <= in.remaining() / least;
}

void putBestScores(std::string& out, const Replay& replay)
{
    putU8(out, replay.keepsScores ? 1 : 0);
    if (!replay.keepsScores)
        return;
    putVarint(out, replay.bestScores.games().size());
    for (const BestScore& game : replay.bestScores.games()) {
        putSigned(out, game.score);
        putSigned(out, game.level);
        putString(out, game.date);
        putString(out, game.name);
        putString(out, game.replay);
    }
}

void putGameStart(std::string& out, const Replay& replay)
{
    putU8(out, replay.startsInGame ? 1 : 0);
    if (!replay.startsInGame)
        return;
    const ReplayGameStart& start = replay.gameStart;
    putSigned(out, start.level);
    putSigned(out, start.hp);
    putSigned(out, start.score);
    putU8(out, start.introShowing ? 1 : 0);
    putU8(out, start.dying ? 1 : 0);
    putFloat(out, start.fadePhase);
    putFloat(out, start.deadWidth);
    putFloat(out, start.deadHeight);
    putU8(out, start.deadVisible ? 1 : 0);
    putFixed(out, start.levelSeed, 4);
    putU8(out, start.ninjaLegAtLoad ? 1 : 0);
    putSigned(out, start.windowWidth);
    putSigned(out, start.windowHeight);
    putSigned(out, start.mouseX);
    putSigned(out, start.mouseY);
    putFloat(out, start.pointerX);
    putFloat(out, start.pointerY);
    putVarint(out, start.keysHeld.size());
    for (const unsigned char key : start.keysHeld)
        putU8(out, key);
    putFloat(out, start.frameStep);
    putFixed(out, start.lastTick, 4);
    putU8(out, start.ninjaLeg ? 1 : 0);
    putFixed(out, start.stateHash, 8);
}

std::string encodeHeader(const Replay& replay)
{
    std::string out(magic, sizeof magic);
    putFixed(out, Replay::formatVersion, 2);
    putString(out, replay.gameVersion);
    putFixed(out, replay.seed, 4);
    putFixed(out, replay.hashEvery, 2);
    putVarint(out, replay.commandLine.size());
    for (const std::string& word : replay.commandLine)
        putString(out, word);
    putVarint(out, replay.dataFiles.size());
    for (const ReplayDataFile& file : replay.dataFiles) {
        putString(out, file.name);
        putVarint(out, file.size);
        putFixed(out, file.hash, 8);
    }
    putVarint(out, replay.saves.size());
    for (const ReplaySave& save : replay.saves) {
        putString(out, save.name);
        putString(out, save.bytes);
    }
    putString(out, replay.settings);
    putString(out, replay.date);
    putBestScores(out, replay);
    putGameStart(out, replay);
    return out;
}

bool readBestScores(Reader& in, Replay& replay)
{
    if (!in.flag(replay.keepsScores))
        return false;
    if (!replay.keepsScores)
        return true;
    std::uint64_t count = 0;
    if (!in.varint(count) || count > BestScores::kept)
        return false;
    for (std::uint64_t i = 0; i < count; ++i) {
        BestScore game;
        if (!in.signedVarint(game.score) || !in.signedVarint(game.level) || !in.string(game.date)
            || !in.string(game.name) || !in.string(game.replay))
            return false;
        // The list as the game keeps it: best first, each game one it could hold.
        if (!BestScores::storable(game) || replay.bestScores.enter(game) != static_cast<int>(i) + 1)
            return false;
    }
    return true;
}

bool readGameStart(Reader& in, Replay& replay)
{
    if (!in.flag(replay.startsInGame))
        return false;
    if (!replay.startsInGame)
        return true;
    ReplayGameStart& start = replay.gameStart;
    std::uint64_t value = 0;
    std::uint64_t count = 0;
    if (!in.signedVarint(start.level) || !in.signedVarint(start.hp) || !in.signedVarint(start.score)
        || !in.flag(start.introShowing) || !in.flag(start.dying) || !in.single(start.fadePhase)
        || !in.single(start.deadWidth) || !in.single(start.deadHeight) || !in.flag(start.deadVisible)
        || !in.fixed(value, 4))
        return false;
    start.levelSeed = static_cast<std::uint32_t>(value);
    if (!in.flag(start.ninjaLegAtLoad) || !in.signedVarint(start.windowWidth)
        || !in.signedVarint(start.windowHeight)
        || !in.signedVarint(start.mouseX) || !in.signedVarint(start.mouseY)
        || !in.single(start.pointerX) || !in.single(start.pointerY) || !in.varint(count)
        || count > maxKeysHeld || count > in.remaining())
        return false;
    start.keysHeld.resize(static_cast<std::size_t>(count));
    for (unsigned char& key : start.keysHeld) {
        unsigned byte = 0;
        if (!in.u8(byte))
            return false;
        key = static_cast<unsigned char>(byte);
    }
    if (!in.single(start.frameStep) || !in.fixed(value, 4))
        return false;
    start.lastTick = static_cast<std::uint32_t>(value);
    return in.flag(start.ninjaLeg) && in.fixed(start.stateHash, 8);
}

bool readFields(Reader& in, Replay& replay, std::string& error)
{
    std::uint64_t value = 0;
    if (!in.fixed(value, 2)) {
        error = ReplayHeader::cutShort;
        return false;
    }
    if (value < 1 || value > Replay::formatVersion) {
        error = "the recording is of format version " + std::to_string(value)
            + ", this game reads versions 1 to " + std::to_string(Replay::formatVersion);
        return false;
    }
    const auto version = static_cast<std::uint16_t>(value);
    replay.version = version;
    const auto cut = [&error] {
        error = ReplayHeader::cutShort;
        return false;
    };
    if (!in.string(replay.gameVersion))
        return cut();
    if (!in.fixed(value, 4))
        return cut();
    replay.seed = static_cast<std::uint32_t>(value);
    if (!in.fixed(value, 2))
        return cut();
    replay.hashEvery = static_cast<std::uint16_t>(value);

    std::uint64_t count = 0;
    if (!in.varint(count) || count > maxWords || !fits(in, count, leastWordBytes))
        return cut();
    replay.commandLine.resize(static_cast<std::size_t>(count));
    for (std::string& word : replay.commandLine)
        if (!in.string(word))
            return cut();

    if (!in.varint(count) || count > maxDataFiles || !fits(in, count, leastDataFileBytes))
        return cut();
    replay.dataFiles.resize(static_cast<std::size_t>(count));
    for (ReplayDataFile& file : replay.dataFiles)
        if (!in.string(file.name) || !in.varint(file.size) || !in.fixed(file.hash, 8))
            return cut();

    if (!in.varint(count) || count > maxSaves || !fits(in, count, leastSaveBytes))
        return cut();
    replay.saves.resize(static_cast<std::size_t>(count));
    for (ReplaySave& save : replay.saves)
        if (!in.string(save.name) || !in.string(save.bytes))
            return cut();
    if (version < gameStartVersion)
        return true;
    if (!in.string(replay.settings) || !in.string(replay.date) || !readBestScores(in, replay)
        || !readGameStart(in, replay))
        return cut();
    return true;
}

} // namespace

std::string ReplayHeader::encode(const Replay& replay)
{
    return encodeHeader(replay);
}

bool ReplayHeader::decode(Reader& in, const std::string& bytes, Replay& replay, std::string& error)
{
    replay = Replay();
    if (bytes.size() < sizeof magic || std::memcmp(bytes.data(), magic, sizeof magic) != 0) {
        error = "not a Thrask recording";
        return false;
    }
    std::uint64_t skip = 0;
    in.fixed(skip, sizeof magic);
    return readFields(in, replay, error);
}

