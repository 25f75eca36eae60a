#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The bytes recordings are made of (docs/replay-format.md): little-endian
// fixed-size integers, unsigned LEB128 varints, zig-zag signed varints,
// strings (a varint length, then the bytes) and floats as their 32 bits.
namespace replayBytes {

void putU8(std::string& out, unsigned value);
// The low `bytes` bytes of value, least significant first.
void putFixed(std::string& out, std::uint64_t value, int bytes);
void putVarint(std::string& out, std::uint64_t value);
void putSigned(std::string& out, std::int64_t value);
void putString(std::string& out, const std::string& text);
void putFloat(std::string& out, float value);

// Reads the same from bytes, from the start on. Each read is false when
// the bytes end before the value does or the value is out of its range (a
// signed varint beyond int, a flag other than 0 or 1, a string longer than
// what is left); a string's length is checked before anything is allocated.
class Reader {
public:
    // Keeps a reference to bytes, which must outlive the reader.
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    bool u8(unsigned& value);
    bool fixed(std::uint64_t& value, int count);
    bool varint(std::uint64_t& value);
    bool signedVarint(int& value);
    bool flag(bool& value);
    bool single(float& value);
    bool string(std::string& text);

private:
    const std::string& bytes_;
    std::size_t pos_ = 0;
};

} // namespace replayBytes
