#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Colour.h"

// Small pictures made at test time, written byte by byte so that a test
// states every pixel exactly: RGBA PNG (uncompressed deflate blocks), 24-bit
// BMP, and the one white GIF the menus' marker needs.
namespace testpicture {

inline std::uint32_t crc32(const unsigned char* data, std::size_t size, std::uint32_t crc = 0)
{
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void putBigEndian(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

inline void putChunk(std::vector<unsigned char>& out, const char* type,
                     const std::vector<unsigned char>& body)
{
    putBigEndian(out, static_cast<std::uint32_t>(body.size()));
    std::vector<unsigned char> typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    out.insert(out.end(), typed.begin(), typed.end());
    putBigEndian(out, crc32(typed.data(), typed.size()));
}

inline bool writeBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Writes a width x height RGBA picture; pixels are given row by row, the top
// row first.
inline bool writePng(const std::string& path, int width, int height, const std::vector<Colour>& pixels)
{
    std::vector<unsigned char> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < width; ++x) {
            const Colour& c = pixels[static_cast<std::size_t>(y * width + x)];
            raw.insert(raw.end(), {c.r, c.g, c.b, c.a});
        }
    }
    std::vector<unsigned char> zlib = {0x78, 0x01};
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min<std::size_t>(raw.size() - offset, 65535);
        const bool last = offset + length == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<unsigned char>(length & 0xFF));
        zlib.push_back(static_cast<unsigned char>(length >> 8));
        zlib.push_back(static_cast<unsigned char>(~length & 0xFF));
        zlib.push_back(static_cast<unsigned char>((~length >> 8) & 0xFF));
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                    raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < raw.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBigEndian(zlib, (b << 16) | a);

    std::vector<unsigned char> header;
    putBigEndian(header, static_cast<std::uint32_t>(width));
    putBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA

    std::vector<unsigned char> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(file, "IHDR", header);
    putChunk(file, "IDAT", zlib);
    putChunk(file, "IEND", {});
    return writeBytes(path, file);
}

// A picture of one colour.
inline bool writePlainPng(const std::string& path, int width, int height, Colour colour)
{
    return writePng(path, width, height,
                    std::vector<Colour>(static_cast<std::size_t>(width * height), colour));
}

inline void putLittleEndian(std::vector<unsigned char>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// Writes a width x height picture of one colour as a 24-bit BMP (no alpha).
inline bool writePlainBmp(const std::string& path, int width, int height, Colour colour)
{
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
    constexpr std::uint32_t headers = 14 + 40;
    std::vector<unsigned char> file = {'B', 'M'};
    putLittleEndian(file, headers + pixelBytes, 4);
    putLittleEndian(file, 0, 4);
    putLittleEndian(file, headers, 4);
    putLittleEndian(file, 40, 4);
    putLittleEndian(file, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(file, static_cast<std::uint32_t>(height), 4);
    putLittleEndian(file, 1, 2);  // one plane
    putLittleEndian(file, 24, 2); // bits a pixel
    for (int i = 0; i < 6; ++i)   // no compression, sizes and palette left to the reader
        putLittleEndian(file, 0, 4);
    for (int y = 0; y < height; ++y) {
        std::uint32_t written = 0;
        for (int x = 0; x < width; ++x, written += 3)
            file.insert(file.end(), {colour.b, colour.g, colour.r});
        for (; written < rowBytes; ++written)
            file.push_back(0);
    }
    return writeBytes(path, file);
}

// Writes a 4 x 4 white GIF: a two-colour palette and an LZW-coded block of
// index 0.
inline bool writeWhiteGif(const std::string& path)
{
    return writeBytes(path, {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x04, 0x00, 0xf0, 0x00,
                             0x00, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00,
                             0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x04, 0x00,
                             0x00, 0x02, 0x04, 0x84, 0x8f, 0x09, 0x05, 0x00, 0x3b});
}

// A 4 x 4 picture of one colour in the format the path's ending names (PNG,
// BMP; a GIF is always white), its folder made first.
inline bool writePlainPicture(const std::string& path, Colour colour = Colour{255, 255, 255, 255})
{
    const std::filesystem::path p(path);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path());
    constexpr int size = 4;
    if (p.extension() == ".gif")
        return writeWhiteGif(path);
    if (p.extension() == ".bmp")
        return writePlainBmp(path, size, size, colour);
    return writePlainPng(path, size, size, colour);
}

} // namespace testpicture
