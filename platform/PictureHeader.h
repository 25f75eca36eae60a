#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What a picture file's header says about it, read before anything is
// decoded: its kind and the size its pixels will take. Reading it costs a
// few bytes, so a picture too large to show can be refused before the
// decoder spends seconds and gigabytes on it.
struct PictureHeader {
    enum class Kind {
        Missing, // the file cannot be opened
        Unknown, // not a PNG, GIF or BMP picture, or one cut short inside its header
        Png,
        Gif,
        Bmp,
    };
    Kind kind = Kind::Missing;
    // Pixels across and down as the header states them. For a GIF, the
    // largest extent of its logical screen and of every image in it; for a
    // bottom-up or top-down BMP, the height without its sign.
    std::uint64_t width = 0;
    std::uint64_t height = 0;
};

// Reads the header of the picture file at path (a path that opens as it is:
// resolve game paths first). PNG: the IHDR chunk; GIF: the logical screen
// and each image descriptor; BMP: the file and information headers.
PictureHeader pictureSizeFromHeader(const std::string& path);

// The same, from the first `size` bytes of a file.
PictureHeader pictureHeaderFromBytes(const unsigned char* bytes, std::size_t size);
