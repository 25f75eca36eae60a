#pragma once

#include <vector>

#include "platform/FontFace.h"

// One character's glyph as FreeType draws it in one bit per pixel, in the
// form glBitmap takes: rows bottom first, each (width + 7) / 8 bytes, the
// most significant bit leftmost. Drawn from a raster position (xr, yr), its
// lower left pixel lies at (floor(xr - originX), floor(yr - originY)), and
// the raster position then moves on by advance.
struct GlyphBitmap {
    bool drawn = false; // false: the character draws nothing (control codes, missing glyphs)
    int width = 0;
    int rows = 0;
    float originX = 0.0f; // from the pen position to the bitmap's left edge, negated
    float originY = 0.0f; // how far the bitmap reaches below the baseline
    float advance = 0.0f; // how far the pen moves on, in pixels
    std::vector<unsigned char> bits;

    bool operator==(const GlyphBitmap& other) const
    {
        return drawn == other.drawn && width == other.width && rows == other.rows && originX == other.originX
            && originY == other.originY && advance == other.advance && bits == other.bits;
    }
};

// The glyphs of character codes 0-127 of a face at a pixel size (a width of
// 0 follows the height), hinted and drawn in one bit per pixel. Empty when
// the face cannot be opened at that size.
std::vector<GlyphBitmap> rasteriseGlyphs(const FontFace& face, int pixelWidth, int pixelHeight);
