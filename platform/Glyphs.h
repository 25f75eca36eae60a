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
// pixels for the game's fonts), or of the substitute fontconfig picks when it
// is not installed. Each list draws its glyph with glBitmap at the current
// raster position and advances the raster position by the glyph's advance;
// control codes and characters the face lacks draw nothing. When no face can
// be found at all, every list is empty (and every measure 0). Needs a current
// OpenGL context. Returns what the glyphs measure.
GlyphMetrics buildGlyphLists(unsigned int listBase, const FontDescription& description);

// The font file the described typeface comes from; empty when fontconfig
// found none.
std::string glyphFaceFile(const FontDescription& description);
