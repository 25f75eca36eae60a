#include "app/ReplayBytes.h"

#include <cstring>

namespace replayBytes {

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

void putFloat(std::string& out, float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    putFixed(out, bits, 4);
}

bool Reader::u8(unsigned& value)
{
    if (remaining() < 1)
        return false;
    value = static_cast<unsigned char>(bytes_[pos_++]);
    return true;
}

bool Reader::fixed(std::uint64_t& value, int count)
{
    if (remaining() < static_cast<std::size_t>(count))
        return false;
    value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes_[pos_ + static_cast<std::size_t>(i)]);
    pos_ += static_cast<std::size_t>(count);
    return true;
}

bool Reader::varint(std::uint64_t& value)
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

bool Reader::signedVarint(int& value)
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

bool Reader::flag(bool& value)
{
    unsigned byte = 0;
    if (!u8(byte) || byte > 1)
        return false;
    value = byte == 1;
    return true;
}

bool Reader::single(float& value)
{
    std::uint64_t bits = 0;
    if (!fixed(bits, 4))
        return false;
    const auto narrow = static_cast<std::uint32_t>(bits);
    std::memcpy(&value, &narrow, sizeof value);
    return true;
}

bool Reader::string(std::string& text)
{
    std::uint64_t size = 0;
    if (!varint(size) || size > remaining())
        return false;
    text.assign(bytes_, pos_, static_cast<std::size_t>(size));
    pos_ += static_cast<std::size_t>(size);
    return true;
}

} // namespace replayBytes
