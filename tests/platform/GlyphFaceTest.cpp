#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/FontFace.h"
#include "platform/GlyphRaster.h"

namespace {

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int setBits(const GlyphBitmap& glyph)
{
    int count = 0;
    for (const unsigned char byte : glyph.bits)
        for (int bit = 0; bit < 8; ++bit)
            count += (byte >> bit) & 1;
    return count;
}

} // namespace

// The browser draws its text from the font shipped in the data, the desktop
// from the face fontconfig finds: every glyph the game can show must come out
// the same, pixel for pixel, at the sizes of small and large windows (14 and
// 21 pixels at 480 and 720 lines, and far larger on a tall screen).
TEST(GlyphFace, TheShippedFontDrawsTheGlyphsFontconfigsFaceDraws)
{
    const FontDescription game;
    const FontFace desktop = fontconfigFace(game);
    const FontFace shipped = shippedFace(game, THRASK_DATA_DIR);
    ASSERT_FALSE(desktop.path.empty()) << "fontconfig finds no face for the game's text";
    for (const int height : {14, 21, 28, 45, 96}) {
        const std::vector<GlyphBitmap> expected = rasteriseGlyphs(desktop, 0, height);
        const std::vector<GlyphBitmap> got = rasteriseGlyphs(shipped, 0, height);
        ASSERT_EQ(expected.size(), 128u) << desktop.path;
        ASSERT_EQ(got.size(), 128u) << shipped.path;
        for (std::size_t code = 0; code < got.size(); ++code)
            EXPECT_TRUE(got[code] == expected[code]) << "character " << code << " at " << height << " pixels";
        // The comparison means something only if the letters are there.
        EXPECT_TRUE(got['A'].drawn);
        EXPECT_GT(setBits(got['A']), height);
        EXPECT_FALSE(got['\n'].drawn);
    }
}

// The shipped file is the very face the desktop resolves (fonts-comic-neue's
// Comic Neue Bold): a newer system font would draw other glyphs there.
TEST(GlyphFace, TheShippedFontIsTheFileFontconfigResolves)
{
    const FontDescription game;
    const std::string shipped = fileBytes(shippedFace(game, THRASK_DATA_DIR).path);
    ASSERT_FALSE(shipped.empty());
    EXPECT_EQ(fileBytes(fontconfigFace(game).path), shipped) << fontconfigFace(game).path;
}

TEST(GlyphFace, AMissingFontFileDrawsNoGlyphs)
{
    EXPECT_TRUE(rasteriseGlyphs(shippedFace(FontDescription{}, "no-such-folder"), 0, 14).empty());
    EXPECT_TRUE(rasteriseGlyphs(FontFace{}, 0, 14).empty());
    EXPECT_TRUE(rasteriseGlyphs(FontFace{THRASK_DATA_DIR "/Levels/l1.lvl", 0}, 0, 14).empty());
}
