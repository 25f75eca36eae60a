// A picture's kind and size read from its first bytes: PNG, GIF (with every
// image it places) and BMP (both header forms), and what is not a picture.
#include "platform/PictureHeader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "TestFiles.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Kind = PictureHeader::Kind;

void put16(Bytes& b, unsigned v) { b.insert(b.end(), {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)}); }
void put32(Bytes& b, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        b.push_back(static_cast<unsigned char>(v >> shift));
}

Bytes pngHeader(std::uint32_t width, std::uint32_t height)
{
    Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (std::uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            b.push_back(static_cast<unsigned char>(v >> shift));
    return b;
}

// A GIF's screen and, after a global colour table of 2 entries and one
// extension, an image of w x h at (x, y).
Bytes gif(unsigned screenW, unsigned screenH, unsigned x, unsigned y, unsigned w, unsigned h)
{
    Bytes b = {'G', 'I', 'F', '8', '9', 'a'};
    put16(b, screenW);
    put16(b, screenH);
    b.insert(b.end(), {0x80, 0, 0, 0, 0, 0, 255, 255, 255});       // flags: a 2-entry table
    b.insert(b.end(), {0x21, 0xF9, 4, 0, 0, 0, 0, 0});             // graphic control extension
    b.push_back(0x2C);
    for (unsigned v : {x, y, w, h})
        put16(b, v);
    b.insert(b.end(), {0, 2, 2, 0x44, 0x01, 0, 0x3B});              // no local table, data, trailer
    return b;
}

Bytes bmp(std::uint32_t headerSize, std::int32_t width, std::int32_t height)
{
    Bytes b = {'B', 'M'};
    put32(b, 0);
    put32(b, 0);
    put32(b, 54);
    put32(b, headerSize);
    if (headerSize == 12) {
        put16(b, static_cast<unsigned>(width));
        put16(b, static_cast<unsigned>(height));
    } else {
        put32(b, static_cast<std::uint32_t>(width));
        put32(b, static_cast<std::uint32_t>(height));
    }
    return b;
}

// The bytes without their last one.
Bytes cut(Bytes b)
{
    b.pop_back();
    return b;
}

} // namespace

TEST(PictureHeader, KindAndSizeFromTheFirstBytes)
{
    const struct {
        const char* what;
        Bytes bytes;
        Kind kind;
        std::uint64_t width, height;
    } cases[] = {
        {"PNG", pngHeader(640, 480), Kind::Png, 640, 480},
        {"a 16384 x 16384 PNG", pngHeader(16384, 16384), Kind::Png, 16384, 16384},
        {"a PNG's largest size", pngHeader(0xFFFFFFFFu, 1), Kind::Png, 0xFFFFFFFFu, 1},
        {"a PNG cut inside IHDR", cut(pngHeader(5, 5)), Kind::Unknown, 0, 0},
        {"GIF: the screen", gif(300, 200, 0, 0, 10, 10), Kind::Gif, 300, 200},
        {"GIF: an image beyond its screen", gif(1, 1, 100, 5, 65535, 9000), Kind::Gif, 65635, 9005},
        {"GIF cut inside its screen", Bytes{'G', 'I', 'F', '8', '7', 'a', 1, 0}, Kind::Unknown, 0, 0},
        {"BMP", bmp(40, 800, 600), Kind::Bmp, 800, 600},
        {"BMP stored top-down", bmp(124, 32, -5000), Kind::Bmp, 32, 5000},
        {"BMP with the lowest height", bmp(40, 1, INT32_MIN), Kind::Bmp, 1, 2147483648u},
        {"BMP with a core header", bmp(12, 4097, 2), Kind::Bmp, 4097, 2},
        {"BMP of negative width", bmp(40, -1, 1), Kind::Unknown, 0, 0},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}, Kind::Unknown, 0, 0},
        {"nothing", Bytes{}, Kind::Unknown, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const PictureHeader header = pictureHeaderFromBytes(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(header.kind, c.kind);
        EXPECT_EQ(header.width, c.width);
        EXPECT_EQ(header.height, c.height);
    }
}

TEST(PictureHeader, FilesMissingOddOrNotPlain)
{
    const Bytes png = pngHeader(7, 9);
    writeFile("p.png", std::string(png.begin(), png.end()));
    const Bytes image = gif(2, 2, 0, 0, 3000, 2);
    writeFile("g.gif", std::string(image.begin(), image.end()));
    ASSERT_EQ(mkfifo("pipe.png", 0600), 0);

    PictureHeader header = pictureSizeFromHeader("p.png");
    EXPECT_EQ(header.kind, Kind::Png);
    EXPECT_EQ(header.width, 7u);
    header = pictureSizeFromHeader("g.gif");
    EXPECT_EQ(header.kind, Kind::Gif);
    EXPECT_EQ(header.width, 3000u) << "the whole GIF is read for its images";
    EXPECT_EQ(pictureSizeFromHeader("nowhere.png").kind, Kind::Missing);
    EXPECT_EQ(pictureSizeFromHeader("pipe.png").kind, Kind::Unknown) << "a pipe never holds the game";
    EXPECT_EQ(pictureSizeFromHeader(".").kind, Kind::Unknown);
}
