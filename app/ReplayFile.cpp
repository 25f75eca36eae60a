#include "app/ReplayFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

const char magic[8] = {'T', 'H', 'R', 'A', 'S', 'K', 'R', 'P'};

// Record tags of the body.
enum Tag : unsigned char {
    FrameTag = 0x01,
    TickTag = 0x02,
    InputTag = 0x03,
    HashTag = 0x04,
    SettingsTag = 0x05,
    EndTag = 0xFF,
};

// Message kinds as stored: fixed numbers, whatever order Message::Kind has.
struct StoredKind {
    Message::Kind kind;
    unsigned char code;
};
constexpr StoredKind storedKinds[] = {
    {Message::Quit, 1},       {Message::Size, 2},     {Message::KeyDown, 3},
    {Message::KeyUp, 4},      {Message::MouseMove, 5}, {Message::ButtonDown, 6},
    {Message::ButtonUp, 7},   {Message::FocusLost, 8}, {Message::Wheel, 9},
};

// Bounds that keep a damaged or hostile file from asking for absurd memory.
constexpr std::uint64_t maxWords = 1024;
constexpr std::uint64_t maxDataFiles = 100000;
constexpr std::uint64_t maxSaves = 10000;

std::uint32_t crc32(std::uint32_t crc, const std::string& bytes)
{
    crc = ~crc;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// ---- writing ----

void putU8(std::string& out, unsigned value)
{
    out.push_back(static_cast<char>(value & 0xFF));
}

void putFixed(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void putVarint(std::string& out, std::uint64_t value)
{
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

void putSigned(std::string& out, std::int64_t value)
{
    const auto bits = static_cast<std::uint64_t>(value);
    putVarint(out, (bits << 1) ^ (value < 0 ? ~std::uint64_t(0) : 0));
}

void putString(std::string& out, const std::string& text)
{
    putVarint(out, text.size());
    out += text;
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
    // The settings follow the header as the body's first record, so that
    // recordings made before the game kept settings read as they did.
    if (!replay.settings.empty()) {
        putU8(out, SettingsTag);
        putString(out, replay.settings);
    }
    return out;
}

std::string encodeEvent(const ReplayEvent& event, std::uint32_t& lastFrameTick)
{
    std::string out;
    switch (event.type) {
    case ReplayEvent::Frame:
        putU8(out, FrameTag);
        putVarint(out, static_cast<std::uint32_t>(event.tick - lastFrameTick));
        lastFrameTick = event.tick;
        break;
    case ReplayEvent::Tick:
        putU8(out, TickTag);
        putVarint(out, static_cast<std::uint32_t>(event.tick - lastFrameTick));
        break;
    case ReplayEvent::Hash:
        putU8(out, HashTag);
        putFixed(out, event.hash, 8);
        break;
    case ReplayEvent::Input: {
        const Message& m = event.message;
        unsigned char code = 0;
        for (const StoredKind& stored : storedKinds)
            if (stored.kind == m.kind)
                code = stored.code;
        if (code == 0)
            return out; // a message the game does not act on
        putU8(out, InputTag);
        putU8(out, code);
        switch (m.kind) {
        case Message::KeyDown:
        case Message::KeyUp:
            putU8(out, static_cast<unsigned>(m.a));
            break;
        case Message::MouseMove:
        case Message::Size:
            putSigned(out, m.a);
            putSigned(out, m.b);
            break;
        case Message::ButtonDown:
        case Message::ButtonUp:
            putU8(out, (m.left ? 1u : 0u) | (m.right ? 2u : 0u));
            break;
        case Message::Wheel:
            putSigned(out, m.a);
            break;
        default:
            break;
        }
        break;
    }
    }
    return out;
}

std::string encodeEndBody(const std::string& finalState, std::uint64_t finalHash)
{
    std::string out;
    putU8(out, EndTag);
    putString(out, finalState);
    putFixed(out, finalHash, 8);
    return out;
}

// ---- reading ----

class Reader {
public:
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    bool u8(unsigned& value)
    {
        if (remaining() < 1)
            return false;
        value = static_cast<unsigned char>(bytes_[pos_++]);
        return true;
    }

    bool fixed(std::uint64_t& value, int count)
    {
        if (remaining() < static_cast<std::size_t>(count))
            return false;
        value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = (value << 8) | static_cast<unsigned char>(bytes_[pos_ + static_cast<std::size_t>(i)]);
        pos_ += static_cast<std::size_t>(count);
        return true;
    }

    bool varint(std::uint64_t& value)
    {
        value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            unsigned byte = 0;
            if (!u8(byte))
                return false;
            value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0)
                return true;
        }
        return false;
    }

    bool signedVarint(int& value)
    {
        std::uint64_t raw = 0;
        if (!varint(raw))
            return false;
        const std::int64_t decoded = static_cast<std::int64_t>(raw >> 1) ^ -static_cast<std::int64_t>(raw & 1);
        if (decoded < INT32_MIN || decoded > INT32_MAX)
            return false;
        value = static_cast<int>(decoded);
        return true;
    }

    bool string(std::string& text)
    {
        std::uint64_t size = 0;
        if (!varint(size) || size > remaining())
            return false;
        text.assign(bytes_, pos_, static_cast<std::size_t>(size));
        pos_ += static_cast<std::size_t>(size);
        return true;
    }

private:
    const std::string& bytes_;
    std::size_t pos_ = 0;
};

bool readHeader(Reader& in, Replay& replay, std::string& error)
{
    std::uint64_t value = 0;
    if (!in.fixed(value, 2)) {
        error = "the recording is damaged: its header is cut short";
        return false;
    }
    if (value != Replay::formatVersion) {
        error = "the recording is of format version " + std::to_string(value)
            + ", this game reads version " + std::to_string(Replay::formatVersion);
        return false;
    }
    const auto cut = [&error] {
        error = "the recording is damaged: its header is cut short";
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
    if (!in.varint(count) || count > maxWords)
        return cut();
    replay.commandLine.resize(static_cast<std::size_t>(count));
    for (std::string& word : replay.commandLine)
        if (!in.string(word))
            return cut();

    if (!in.varint(count) || count > maxDataFiles)
        return cut();
    replay.dataFiles.resize(static_cast<std::size_t>(count));
    for (ReplayDataFile& file : replay.dataFiles)
        if (!in.string(file.name) || !in.varint(file.size) || !in.fixed(file.hash, 8))
            return cut();

    if (!in.varint(count) || count > maxSaves)
        return cut();
    replay.saves.resize(static_cast<std::size_t>(count));
    for (ReplaySave& save : replay.saves)
        if (!in.string(save.name) || !in.string(save.bytes))
            return cut();
    return true;
}

bool readInput(Reader& in, Message& message)
{
    unsigned code = 0;
    if (!in.u8(code))
        return false;
    bool known = false;
    for (const StoredKind& stored : storedKinds) {
        if (stored.code == code) {
            message.kind = stored.kind;
            known = true;
        }
    }
    if (!known)
        return false;
    unsigned byte = 0;
    switch (message.kind) {
    case Message::KeyDown:
    case Message::KeyUp:
        if (!in.u8(byte))
            return false;
        message.a = static_cast<int>(byte);
        return true;
    case Message::MouseMove:
    case Message::Size:
        return in.signedVarint(message.a) && in.signedVarint(message.b);
    case Message::ButtonDown:
    case Message::ButtonUp:
        if (!in.u8(byte) || byte == 0 || byte > 3)
            return false;
        message.left = (byte & 1u) != 0;
        message.right = (byte & 2u) != 0;
        return true;
    case Message::Wheel:
        return in.signedVarint(message.a);
    default:
        return true;
    }
}

} // namespace

bool decodeReplay(const std::string& bytes, Replay& replay, std::string& error)
{
    replay = Replay();
    if (bytes.size() < sizeof magic || std::memcmp(bytes.data(), magic, sizeof magic) != 0) {
        error = "not a Thrask recording";
        return false;
    }
    Reader in(bytes);
    std::uint64_t skip = 0;
    in.fixed(skip, sizeof magic);
    if (!readHeader(in, replay, error))
        return false;

    std::uint32_t lastFrameTick = 0;
    while (!in.atEnd()) {
        const std::size_t at = in.position();
        const auto damaged = [&error, at] {
            error = "the recording is damaged at byte " + std::to_string(at);
            return false;
        };
        unsigned tag = 0;
        in.u8(tag);
        ReplayEvent event;
        std::uint64_t value = 0;
        switch (tag) {
        case FrameTag:
        case TickTag:
            if (!in.varint(value) || value > UINT32_MAX)
                return damaged();
            event.type = tag == FrameTag ? ReplayEvent::Frame : ReplayEvent::Tick;
            event.tick = lastFrameTick + static_cast<std::uint32_t>(value);
            if (tag == FrameTag)
                lastFrameTick = event.tick;
            break;
        case InputTag:
            event.type = ReplayEvent::Input;
            if (!readInput(in, event.message))
                return damaged();
            break;
        case HashTag:
            event.type = ReplayEvent::Hash;
            if (!in.fixed(event.hash, 8))
                return damaged();
            break;
        case SettingsTag:
            // Only once, before anything the game read.
            if (!replay.events.empty() || !replay.settings.empty() || !in.string(replay.settings)
                || replay.settings.empty())
                return damaged();
            continue;
        case EndTag: {
            std::uint64_t crc = 0;
            if (!in.string(replay.finalState) || !in.fixed(replay.finalHash, 8))
                return damaged();
            const std::size_t covered = in.position();
            if (!in.fixed(crc, 4) || !in.atEnd())
                return damaged();
            if (crc32(0, bytes.substr(0, covered)) != crc) {
                error = "the recording is damaged: its checksum does not match";
                return false;
            }
            replay.finished = true;
            return true;
        }
        default:
            return damaged();
        }
        replay.events.push_back(event);
    }
    return true; // cut short after its header: a run that never ended
}

bool readReplayFile(const std::string& path, Replay& replay, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!decodeReplay(bytes, replay, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

std::string encodeReplay(const Replay& replay)
{
    std::string out = encodeHeader(replay);
    std::uint32_t lastFrameTick = 0;
    for (const ReplayEvent& event : replay.events)
        out += encodeEvent(event, lastFrameTick);
    if (replay.finished) {
        out += encodeEndBody(replay.finalState, replay.finalHash);
        putFixed(out, crc32(0, out), 4);
    }
    return out;
}

ReplayWriter::~ReplayWriter()
{
    if (file_ != nullptr)
        std::fclose(file_);
}

bool ReplayWriter::open(const std::string& path, const Replay& replay)
{
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) {
        error_ = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    lastFrameTick_ = 0;
    put(encodeHeader(replay));
    return ok();
}

void ReplayWriter::event(const ReplayEvent& event)
{
    put(encodeEvent(event, lastFrameTick_));
    // A frame's worth of input is on disk before the next frame starts, so
    // a run that ends abruptly keeps everything up to its last frame.
    if (event.type == ReplayEvent::Frame && ok())
        std::fflush(file_);
}

bool ReplayWriter::finish(const std::string& finalState, std::uint64_t finalHash)
{
    put(encodeEndBody(finalState, finalHash));
    std::string crc;
    putFixed(crc, crc_, 4);
    if (ok() && std::fwrite(crc.data(), 1, crc.size(), file_) != crc.size())
        failed_ = true;
    if (file_ != nullptr && std::fclose(file_) != 0)
        failed_ = true;
    file_ = nullptr;
    if (failed_ && error_.empty())
        error_ = "the recording could not be written completely";
    return !failed_;
}

void ReplayWriter::put(const std::string& bytes)
{
    if (!ok() || bytes.empty())
        return;
    crc_ = crc32(crc_, bytes);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        failed_ = true;
        error_ = std::string("the recording could not be written: ") + std::strerror(errno);
    }
}
