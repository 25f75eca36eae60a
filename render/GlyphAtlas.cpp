#include "render/GlyphAtlas.h"

#include <algorithm>

namespace {

constexpr int glyphCount = 128;
constexpr int smallestSide = 64;
// Empty pixels between neighbouring glyphs, so no sampling ever reaches
// the next glyph's bits.
constexpr int gap = 1;

bool hasPixels(const GlyphBitmap& glyph)
{
    return glyph.drawn && glyph.width > 0 && glyph.rows > 0;
}

} // namespace

GlyphAtlas::GlyphAtlas(const GlyphBitmaps& glyphs, int largestSide)
    : places_(glyphCount)
{
    const int limit = std::max(smallestSide, largestSide);
    bool placed = false;
    for (int side = smallestSide; side < limit && !placed; side *= 2)
        placed = arrange(glyphs, side, 1, false);
    if (!placed)
        arrange(glyphs, limit, glyphs.size(), true);

    for (std::size_t code = 0; code < glyphs.size() && code < places_.size(); ++code) {
        const Place& at = places_[code];
        if (at.page < 0)
            continue;
        const GlyphBitmap& glyph = glyphs[code];
        Page& page = pages_[static_cast<std::size_t>(at.page)];
        const int rowBytes = (glyph.width + 7) / 8;
        for (int row = 0; row < glyph.rows; ++row) {
            const unsigned char* bits = glyph.bits.data() + static_cast<std::size_t>(row) * rowBytes;
            unsigned char* out = page.alpha.data() + static_cast<std::size_t>(at.y + row) * page.side + at.x;
            for (int x = 0; x < glyph.width; ++x)
                out[x] = (bits[x / 8] & (0x80 >> (x % 8))) != 0 ? 255 : 0;
        }
    }
}

bool GlyphAtlas::arrange(const GlyphBitmaps& glyphs, int side, std::size_t maxPages, bool lastSide)
{
    pages_.clear();
    places_.assign(glyphCount, Place());
    tooLarge_ = 0;
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    for (std::size_t code = 0; code < glyphs.size() && code < places_.size(); ++code) {
        const GlyphBitmap& glyph = glyphs[code];
        if (!hasPixels(glyph))
            continue;
        if (glyph.width > side || glyph.rows > side) {
            if (!lastSide)
                return false;
            ++tooLarge_;
            continue;
        }
        if (pages_.empty()) {
            pages_.push_back(Page{side, {}});
            x = y = rowHeight = 0;
        }
        if (x + glyph.width > side) {
            x = 0;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        if (y + glyph.rows > side) {
            if (pages_.size() >= maxPages)
                return false;
            pages_.push_back(Page{side, {}});
            x = y = rowHeight = 0;
        }
        places_[code] = Place{static_cast<int>(pages_.size() - 1), x, y};
        x += glyph.width + gap;
        rowHeight = std::max(rowHeight, glyph.rows);
    }
    for (Page& page : pages_)
        page.alpha.assign(static_cast<std::size_t>(page.side) * page.side, 0);
    return true;
}
