#pragma once

#include <vector>

#include "platform/Glyphs.h"

// The glyphs of one size packed into square alpha pictures (pages), one
// byte per pixel: 255 where a glyph's bit is set, 0 elsewhere, a glyph's
// bottom row on the page's lower row (the row uploaded first). The shader
// backend draws each glyph as a quad textured from its page, pixel for
// pixel, so it shows exactly the bitmap the fixed-function pipeline would.
class GlyphAtlas {
public:
    struct Place {
        int page = -1; // -1: nothing to draw (no glyph, or an empty one)
        int x = 0;
        int y = 0;
    };
    struct Page {
        int side = 0;
        std::vector<unsigned char> alpha; // side x side, the lower row first
    };

    // Packs the glyphs in rows, code by code, on as few pages as they need:
    // one page of the smallest power-of-two side (at least 64) that holds
    // them all, or else pages of largestSide. A glyph wider or higher than
    // largestSide has no place (tooLarge() counts them).
    GlyphAtlas(const GlyphBitmaps& glyphs, int largestSide);

    const std::vector<Page>& pages() const { return pages_; }
    const Place& place(int code) const { return places_[static_cast<std::size_t>(code)]; }
    int tooLarge() const { return tooLarge_; }

private:
    // Places every glyph on pages of `side`; false when maxPages would not
    // hold them, or when one glyph is larger than the side and a larger side
    // is still to be tried (lastSide false).
    bool arrange(const GlyphBitmaps& glyphs, int side, std::size_t maxPages, bool lastSide);

    std::vector<Page> pages_;
    std::vector<Place> places_;
    int tooLarge_ = 0;
};
