#include "platform/PictureDecoder.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

// Only the three kinds of picture the game reads are compiled in.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_ONLY_GIF
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_FAILURE_USERMSG
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace {

constexpr int rgbaChannels = 4;
constexpr std::size_t pictureFileLimit = std::size_t{1} << 30; // the header check refuses far smaller pictures

bool readWholeFile(const std::string& path, std::vector<unsigned char>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    unsigned char chunk[65536];
    std::size_t got = 0;
    bool ok = true;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (bytes.size() + got > pictureFileLimit) {
            ok = false;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    ok = ok && std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

std::uint32_t little16(const std::vector<unsigned char>& bytes, std::size_t at)
{
    return at + 2 <= bytes.size() ? bytes[at] | (bytes[at + 1] << 8) : 0;
}

std::uint32_t little32(const std::vector<unsigned char>& bytes, std::size_t at)
{
    return at + 4 <= bytes.size() ? little16(bytes, at) | (little16(bytes, at + 2) << 16) : 0;
}

// What DevIL does with a BMP that stb_image does otherwise.
struct BmpLayout {
    bool bottomUp = true;         // rows stored bottom row first (a positive height)
    bool ignoresAlpha = false;    // 32 bits a pixel without bit fields: the fourth byte is not alpha
    bool fiveBitChannels = false; // 16 bits a pixel without bit fields: 5 bits a channel, not widened
};

BmpLayout bmpLayout(const std::vector<unsigned char>& bytes)
{
    constexpr std::size_t infoAt = 14;          // after the file header
    constexpr std::uint32_t coreHeaderSize = 12; // OS/2 1.x: 16-bit sizes, always bottom-up
    constexpr std::uint32_t plainRgb = 0;        // BI_RGB
    BmpLayout layout;
    const std::uint32_t headerSize = little32(bytes, infoAt);
    if (headerSize == coreHeaderSize)
        return layout;
    layout.bottomUp = (little32(bytes, infoAt + 8) & 0x80000000u) == 0;
    const std::uint32_t bitsPerPixel = little16(bytes, infoAt + 14);
    const std::uint32_t compression = little32(bytes, infoAt + 16);
    layout.ignoresAlpha = bitsPerPixel == 32 && compression == plainRgb;
    layout.fiveBitChannels = bitsPerPixel == 16 && compression == plainRgb;
    return layout;
}

// What DevIL makes of a GIF's first image that stb_image makes otherwise:
// a transparent pixel keeps the colour of the transparent palette entry
// (stb_image blanks it to 0), and the screen around an image smaller than
// the GIF's screen is the background colour, opaque, or the transparent
// colour with alpha 0 when the image has transparency (stb_image swaps the
// background's red and blue).
struct GifLayout {
    bool read = false;
    int left = 0, top = 0, width = 0, height = 0; // the first image on the screen
    bool transparent = false;
    unsigned char transparentColour[3] = {};
    unsigned char background[3] = {};
};

GifLayout gifLayout(const std::vector<unsigned char>& bytes)
{
    GifLayout layout;
    constexpr std::size_t screenAt = 6;
    std::size_t at = screenAt + 7;
    if (bytes.size() < at)
        return layout;
    const auto tableBytes = [](unsigned char flags) { return std::size_t{3} << ((flags & 7) + 1); };
    const auto colourAt = [&bytes](std::size_t table, std::size_t tableSize, int index, unsigned char* colour) {
        const std::size_t entry = table + 3 * static_cast<std::size_t>(index);
        if (index < 0 || 3 * static_cast<std::size_t>(index) + 3 > tableSize || entry + 3 > bytes.size())
            return false;
        std::memcpy(colour, bytes.data() + entry, 3);
        return true;
    };
    std::size_t table = 0;
    std::size_t tableSize = 0;
    if (bytes[screenAt + 4] & 0x80) {
        table = at;
        tableSize = tableBytes(bytes[screenAt + 4]);
        at += tableSize;
        colourAt(table, tableSize, bytes[screenAt + 5], layout.background);
    }
    int transparentIndex = -1;
    while (at < bytes.size()) {
        const unsigned char block = bytes[at];
        if (block == 0x21 && at + 1 < bytes.size()) { // an extension: its sub-blocks follow its label
            const unsigned char label = bytes[at + 1];
            at += 2;
            if (label == 0xF9 && at + 5 <= bytes.size() && bytes[at] == 4)
                transparentIndex = (bytes[at + 1] & 1) ? bytes[at + 4] : -1;
            while (at < bytes.size() && bytes[at] != 0)
                at += bytes[at] + 1u;
            ++at;
        } else if (block == 0x2C && at + 10 <= bytes.size()) { // the first image
            layout.left = static_cast<int>(little16(bytes, at + 1));
            layout.top = static_cast<int>(little16(bytes, at + 3));
            layout.width = static_cast<int>(little16(bytes, at + 5));
            layout.height = static_cast<int>(little16(bytes, at + 7));
            const unsigned char flags = bytes[at + 9];
            if (flags & 0x80) {
                table = at + 10;
                tableSize = tableBytes(flags);
            }
            layout.transparent = colourAt(table, tableSize, transparentIndex, layout.transparentColour);
            layout.read = true;
            return layout;
        } else {
            return layout;
        }
    }
    return layout;
}

void flipRows(DecodedPicture& picture)
{
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * rgbaChannels;
    std::vector<unsigned char> row(rowBytes);
    for (int top = 0, bottom = picture.height - 1; top < bottom; ++top, --bottom) {
        unsigned char* a = picture.rgba.data() + static_cast<std::size_t>(top) * rowBytes;
        unsigned char* b = picture.rgba.data() + static_cast<std::size_t>(bottom) * rowBytes;
        std::memcpy(row.data(), a, rowBytes);
        std::memcpy(a, b, rowBytes);
        std::memcpy(b, row.data(), rowBytes);
    }
}

void matchGif(DecodedPicture& picture, const GifLayout& layout)
{
    if (!layout.read)
        return;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            unsigned char* p = picture.rgba.data()
                + (static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x))
                    * rgbaChannels;
            const bool inside = x >= layout.left && x < layout.left + layout.width && y >= layout.top
                && y < layout.top + layout.height;
            if (inside) {
                if (layout.transparent && p[3] == 0)
                    std::memcpy(p, layout.transparentColour, 3);
            } else if (layout.transparent) {
                std::memcpy(p, layout.transparentColour, 3);
                p[3] = 0;
            } else {
                std::memcpy(p, layout.background, 3);
                p[3] = 0xFF;
            }
        }
    }
}

} // namespace

bool decodePictureWithStb(const std::string& path, DecodedPicture& picture)
{
    picture = DecodedPicture{};
    std::vector<unsigned char> bytes;
    constexpr std::size_t signatureBytes = 2; // "BM", "GI", "\x89P"
    if (!readWholeFile(path, bytes) || bytes.size() < signatureBytes)
        return false;
    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height,
                                            &channels, rgbaChannels);
    if (pixels == nullptr)
        return false;
    if (width > 0 && height > 0) {
        picture.width = width;
        picture.height = height;
        picture.rgba.assign(pixels, pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height)
                                                 * rgbaChannels);
    }
    stbi_image_free(pixels);
    if (picture.rgba.empty())
        return false;
    const std::size_t count = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    if (bytes[0] == 'B' && bytes[1] == 'M') {
        const BmpLayout layout = bmpLayout(bytes);
        for (std::size_t i = 0; i < count; ++i) {
            unsigned char* p = picture.rgba.data() + i * rgbaChannels;
            if (layout.ignoresAlpha)
                p[3] = 0xFF;
            if (layout.fiveBitChannels)
                p[0] &= 0xF8, p[1] &= 0xF8, p[2] &= 0xF8;
        }
        if (layout.bottomUp)
            flipRows(picture);
    } else if (bytes[0] == 'G') {
        matchGif(picture, gifLayout(bytes));
    }
    return true;
}
