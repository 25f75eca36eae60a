#pragma once

#include <string>

// Fills the 128 display lists starting at listBase with the glyph bitmaps of
// character codes 0-127 of the game's typeface ("Comic Sans MS" bold, 14
// pixels, or the substitute fontconfig picks). Each list draws its glyph with
// glBitmap at the current raster position and advances the raster position by
// the glyph's advance. Needs a current OpenGL context.
void buildGlyphLists(unsigned int listBase);

// The font file the glyphs come from; empty when fontconfig found none.
std::string glyphFaceFile();
