#include "platform/PictureHeader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace {

constexpr unsigned char pngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::size_t pngSizeEnd = 24;      // signature, IHDR length and type, width, height
constexpr std::size_t gifScreenEnd = 13;    // "GIF8?a", screen width and height, flags, 2 bytes
constexpr std::size_t bmpCoreEnd = 22;      // file header and a 12-byte core header's sizes
constexpr std::size_t bmpInfoEnd = 26;      // file header and a 40-byte (or longer) info header's sizes
constexpr std::size_t bmpCoreHeaderSize = 12;

// A GIF is read block by block to find its images; the game's own are a few
// kilobytes, and no picture it could show is larger than this.
constexpr std::size_t gifReadLimit = 64u << 20;
constexpr std::size_t gifChunk = 4096;
// Bytes read for every other kind: enough for the largest header above.
constexpr std::size_t headerBytes = 32;

std::uint32_t bigEndian32(const unsigned char* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

std::uint32_t littleEndian32(const unsigned char* p)
{
    return (std::uint32_t(p[3]) << 24) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
}

std::uint16_t littleEndian16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

PictureHeader unknown()
{
    PictureHeader header;
    header.kind = PictureHeader::Kind::Unknown;
    return header;
}

PictureHeader png(const unsigned char* bytes, std::size_t size)
{
    if (size < pngSizeEnd || std::memcmp(bytes + 12, "IHDR", 4) != 0)
        return unknown();
    PictureHeader header;
    header.kind = PictureHeader::Kind::Png;
    header.width = bigEndian32(bytes + 16);
    header.height = bigEndian32(bytes + 20);
    return header;
}

// Skips a run of data sub-blocks (each a length byte and that many bytes,
// ended by a zero length). False when the file ends first.
bool skipSubBlocks(const unsigned char* bytes, std::size_t size, std::size_t& at)
{
    while (at < size) {
        const std::size_t length = bytes[at++];
        if (length == 0)
            return true;
        at += length;
    }
    return false;
}

PictureHeader gif(const unsigned char* bytes, std::size_t size)
{
    if (size < gifScreenEnd)
        return unknown();
    PictureHeader header;
    header.kind = PictureHeader::Kind::Gif;
    header.width = littleEndian16(bytes + 6);
    header.height = littleEndian16(bytes + 8);

    const unsigned char flags = bytes[10];
    std::size_t at = gifScreenEnd;
    if (flags & 0x80)
        at += 3u * (2u << (flags & 0x07)); // the global colour table
    // Every image is placed on the screen; one reaching beyond it makes the
    // picture larger. A damaged block list ends the walk: the decoder stops
    // there too.
    while (at < size) {
        const unsigned char block = bytes[at++];
        if (block == 0x3B) // trailer
            break;
        if (block == 0x21) { // extension: its label, then sub-blocks
            ++at;
            if (!skipSubBlocks(bytes, size, at))
                break;
            continue;
        }
        if (block != 0x2C || at + 9 > size)
            break;
        const std::uint64_t right = std::uint64_t(littleEndian16(bytes + at)) + littleEndian16(bytes + at + 4);
        const std::uint64_t bottom = std::uint64_t(littleEndian16(bytes + at + 2)) + littleEndian16(bytes + at + 6);
        header.width = std::max(header.width, right);
        header.height = std::max(header.height, bottom);
        const unsigned char imageFlags = bytes[at + 8];
        at += 9;
        if (imageFlags & 0x80)
            at += 3u * (2u << (imageFlags & 0x07)); // a local colour table
        ++at;                                       // the LZW code size
        if (!skipSubBlocks(bytes, size, at))
            break;
    }
    return header;
}

PictureHeader bmp(const unsigned char* bytes, std::size_t size)
{
    if (size < bmpCoreEnd)
        return unknown();
    PictureHeader header;
    header.kind = PictureHeader::Kind::Bmp;
    if (littleEndian32(bytes + 14) == bmpCoreHeaderSize) {
        header.width = littleEndian16(bytes + 18);
        header.height = littleEndian16(bytes + 20);
        return header;
    }
    if (size < bmpInfoEnd)
        return unknown();
    const auto width = static_cast<std::int32_t>(littleEndian32(bytes + 18));
    const auto height = static_cast<std::int32_t>(littleEndian32(bytes + 22));
    if (width < 0)
        return unknown();
    header.width = static_cast<std::uint64_t>(width);
    // A negative height marks rows stored top-down.
    header.height = height < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(static_cast<std::int64_t>(height))
                               : static_cast<std::uint64_t>(height);
    return header;
}

} // namespace

PictureHeader pictureHeaderFromBytes(const unsigned char* bytes, std::size_t size)
{
    if (size >= sizeof pngSignature && std::memcmp(bytes, pngSignature, sizeof pngSignature) == 0)
        return png(bytes, size);
    if (size >= 6 && (std::memcmp(bytes, "GIF87a", 6) == 0 || std::memcmp(bytes, "GIF89a", 6) == 0))
        return gif(bytes, size);
    if (size >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return bmp(bytes, size);
    return unknown();
}

PictureHeader pictureSizeFromHeader(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return PictureHeader();
    // A pipe or a device with a picture's name could hold the game forever.
    if (!std::filesystem::is_regular_file(path, error))
        return unknown();
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return PictureHeader();
    std::vector<unsigned char> bytes(headerBytes);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    // A GIF's images are found by walking its blocks, so the rest of it is read too.
    if (bytes.size() >= 6 && std::memcmp(bytes.data(), "GIF", 3) == 0) {
        char chunk[gifChunk];
        while (file && bytes.size() < gifReadLimit) {
            file.read(chunk, sizeof chunk);
            bytes.insert(bytes.end(), chunk, chunk + file.gcount());
        }
    }
    return pictureHeaderFromBytes(bytes.data(), bytes.size());
}
