#pragma once

#include <string>
#include <vector>

#include "platform/FontDescription.h"
#include "platform/GlyphRaster.h"

// What the glyphs built for a typeface measure, in pixels.
struct GlyphMetrics {
    float advances[128] = {}; // how far each character code moves the raster position
    int ascent = 0;           // from the baseline up to the top of the tallest letter
    int descent = 0;          // from the baseline down to the lowest descender (positive)
};

// The glyphs of character codes 0-127, indexed by code; empty when no face
// can be found at all.
using GlyphBitmaps = std::vector<GlyphBitmap>;

// The glyphs of codes 0-127 of the described typeface ("Comic Sans MS" bold,
// 14 pixels for the game's fonts), or of its substitute (platform/FontFace.h:
// fontconfig's pick on the desktop, the font shipped in the data in the
// browser). Control codes and characters the face lacks draw
// nothing. Each face is drawn by FreeType once per size; later calls copy.
GlyphBitmaps glyphBitmaps(const FontDescription& description);

// The rims of the glyphs glyphBitmaps gives for the same description: each
// glyph's bitmap grown by rim pixels on every side, placed so that it lies
// centred under the glyph drawn from the same raster position, and advancing
// as far. Drawn in another colour after the glyphs, they rim the text in one
// pass.
GlyphBitmaps rimBitmaps(const FontDescription& description, int rim);

// The advances, ascent and descent of a set of glyphs.
GlyphMetrics measureGlyphs(const GlyphBitmaps& glyphs);

// The font file the described typeface comes from; empty when none was
// found.
std::string glyphFaceFile(const FontDescription& description);
