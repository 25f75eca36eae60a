// The glyphs of one size packed on the shader backend's glyph pages.
#include <gtest/gtest.h>

#include "platform/Glyphs.h"
#include "render/GlyphAtlas.h"

namespace {

// A glyph of width x rows pixels whose set pixels form a checkerboard.
GlyphBitmap checkered(int width, int rows)
{
    GlyphBitmap glyph;
    glyph.drawn = true;
    glyph.width = width;
    glyph.rows = rows;
    const int rowBytes = (width + 7) / 8;
    glyph.bits.assign(static_cast<std::size_t>(rowBytes) * rows, 0);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x)
            if ((x + y) % 2 == 0)
                glyph.bits[static_cast<std::size_t>(y) * rowBytes + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
    return glyph;
}

} // namespace

TEST(GlyphAtlas, EveryGlyphLandsBitForBitWithoutOverlap)
{
    GlyphBitmaps glyphs(128);
    for (int code = 'A'; code <= 'Z'; ++code)
        glyphs[static_cast<std::size_t>(code)] = checkered(5 + code % 7, 9 + code % 5);
    glyphs[' '].drawn = true; // a space: drawn, no pixels, no place
    const GlyphAtlas atlas(glyphs, 2048);
    ASSERT_EQ(atlas.pages().size(), 1u);
    EXPECT_EQ(atlas.pages()[0].side, 64) << "the smallest page that holds them";
    EXPECT_EQ(atlas.place(' ').page, -1);
    EXPECT_EQ(atlas.place('a').page, -1) << "a code without a glyph";
    const GlyphAtlas::Page& page = atlas.pages()[0];
    std::vector<int> owner(static_cast<std::size_t>(page.side * page.side), 0);
    for (int code = 'A'; code <= 'Z'; ++code) {
        const GlyphBitmap& glyph = glyphs[static_cast<std::size_t>(code)];
        const GlyphAtlas::Place& at = atlas.place(code);
        ASSERT_EQ(at.page, 0);
        for (int y = 0; y < glyph.rows; ++y)
            for (int x = 0; x < glyph.width; ++x) {
                const std::size_t pixel = static_cast<std::size_t>(at.y + y) * page.side + at.x + x;
                EXPECT_EQ(owner[pixel], 0) << static_cast<char>(code) << " on " << static_cast<char>(owner[pixel]);
                owner[pixel] = code;
                EXPECT_EQ(page.alpha[pixel], (x + y) % 2 == 0 ? 255 : 0);
            }
    }
}

TEST(GlyphAtlas, GlyphsBeyondOnePageSpreadOverPagesAndTooLargeOnesAreCounted)
{
    GlyphBitmaps glyphs(128);
    for (int code = 32; code < 127; ++code)
        glyphs[static_cast<std::size_t>(code)] = checkered(100, 120);
    glyphs[127] = checkered(300, 20);
    const GlyphAtlas atlas(glyphs, 256);
    EXPECT_GT(atlas.pages().size(), 1u);
    for (const GlyphAtlas::Page& page : atlas.pages())
        EXPECT_EQ(page.side, 256);
    EXPECT_EQ(atlas.tooLarge(), 1) << "wider than the largest page";
    EXPECT_EQ(atlas.place(127).page, -1);
    for (int code = 32; code < 127; ++code)
        EXPECT_GE(atlas.place(code).page, 0) << code;
}
