#include "app/ReplayFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "app/ReplayBytes.h"
#include "app/ReplayHeader.h"

using namespace replayBytes;

namespace {

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

// How much of a file readReplayHeader reads first; a header with many saved
// games takes more, read as it is needed.
constexpr std::size_t headerReadStep = 64 * 1024;

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

bool openForReading(const std::string& path, std::ifstream& in, std::string& error)
{
    in.open(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace

bool decodeReplay(const std::string& bytes, Replay& replay, std::string& error)
{
    Reader in(bytes);
    if (!ReplayHeader::decode(in, bytes, replay, error))
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
            // A version 1 file may start its body with the run's settings;
            // later versions hold them in the header.
            if (replay.version != 1 || !replay.events.empty() || !replay.settings.empty()
                || !in.string(replay.settings) || replay.settings.empty())
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
    std::ifstream in;
    if (!openForReading(path, in, error))
        return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!decodeReplay(bytes, replay, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool readReplayHeader(const std::string& path, Replay& replay, std::string& error)
{
    std::ifstream in;
    if (!openForReading(path, in, error))
        return false;
    std::string bytes;
    // More of the file is read only while the header runs past what was read.
    for (;;) {
        const std::size_t had = bytes.size();
        bytes.resize(had + headerReadStep);
        in.read(&bytes[had], static_cast<std::streamsize>(headerReadStep));
        bytes.resize(had + static_cast<std::size_t>(in.gcount()));
        const bool whole = !in;
        Reader reader(bytes);
        std::string why;
        if (ReplayHeader::decode(reader, bytes, replay, why))
            return true;
        if (whole || why != ReplayHeader::cutShort) {
            error = path + ": " + why;
            return false;
        }
    }
}

std::string encodeReplay(const Replay& replay)
{
    std::string out = ReplayHeader::encode(replay);
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
    // A writer may write one recording after another: each starts afresh.
    if (file_ != nullptr)
        std::fclose(file_);
    failed_ = false;
    crc_ = 0;
    error_.clear();
    lastFrameTick_ = 0;
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) {
        error_ = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    put(ReplayHeader::encode(replay));
    return ok();
}

void ReplayWriter::event(const ReplayEvent& event)
{
    put(encodeEvent(event, lastFrameTick_));
    // A frame's worth of input is on disk before the next frame starts, so
    // a run that ends abruptly keeps everything up to its last frame. A
    // flush that fails (a full disk) fails the recording: the bytes it held
    // are gone, and what follows would be read as other events.
    if (event.type == ReplayEvent::Frame && ok() && std::fflush(file_) != 0) {
        failed_ = true;
        error_ = std::string("the recording could not be written: ") + std::strerror(errno);
    }
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
