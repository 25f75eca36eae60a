#pragma once

#include <string>

#include "platform/FontDescription.h"

// What the glyphs built for a typeface measure, in pixels.
struct GlyphMetrics {
    float advances[128] = {}; // how far each character code moves the raster position
    int ascent = 0;           // from the baseline up to the top of the tallest letter
    int descent = 0;          // from the baseline down to the lowest descender (positive)
};

// Fills the 128 display lists starting at listBase with the glyph bitmaps of
// character codes 0-127 of the described typeface ("Comic Sans MS" bold, 14
// pixels for the game's fonts), or of its substitute (platform/FontFace.h:
// fontconfig's pick on the desktop, the font shipped in the data in the
// browser). Each list draws its glyph with glBitmap at the current
// raster position and advances the raster position by the glyph's advance;
// control codes and characters the face lacks draw nothing. When no face can
// be found at all, every list is empty (and every measure 0). Needs a current
// OpenGL context. Returns what the glyphs measure.
GlyphMetrics buildGlyphLists(unsigned int listBase, const FontDescription& description);

// Fills the 128 display lists starting at listBase with the rims of the
// glyphs buildGlyphLists builds for the same description: each glyph's
// bitmap grown by rim pixels on every side, placed so that it lies centred
// under the glyph drawn from the same raster position, and advancing as far.
// Drawn in another colour after the glyphs, the lists rim the text in one
// pass. Needs a current OpenGL context.
void buildRimLists(unsigned int listBase, const FontDescription& description, int rim);

// The font file the described typeface comes from; empty when none was
// found.
std::string glyphFaceFile(const FontDescription& description);
