#pragma once

#include <string>

#include "platform/FontDescription.h"

// Fills the 128 display lists starting at listBase with the glyph bitmaps of
// character codes 0-127 of the described typeface ("Comic Sans MS" bold, 14
// pixels for the game's fonts), or of the substitute fontconfig picks when it
// is not installed. Each list draws its glyph with glBitmap at the current
// raster position and advances the raster position by the glyph's advance;
// control codes and characters the face lacks draw nothing. When no face can
// be found at all, every list is empty. Needs a current OpenGL context.
void buildGlyphLists(unsigned int listBase, const FontDescription& description);

// The font file the described typeface comes from; empty when fontconfig
// found none.
std::string glyphFaceFile(const FontDescription& description);
