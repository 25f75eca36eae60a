#pragma once

#include <string>

#include "platform/Colour.h"
#include "platform/FontDescription.h"

// Text drawn with one bold 14-pixel typeface turned into 128 display lists of
// glyph bitmaps, one per character code 0-127. Owners put text into the
// buffer and call print; each line feed starts a new line 11 view units lower.
// The glyphs keep their pixel size whatever the window size.
//
// Needs a current OpenGL context to be constructed; owns its display lists
// and deletes them when destroyed.
class BitmapFont {
public:
    BitmapFont();
    virtual ~BitmapFont();
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    // Draws text with its first line starting at (x, y) in view units, at
    // z = -depth. Leaves 2D texturing disabled. Bytes 128-255 draw nothing.
    void print(float x, float y) const;

    // How far each line feed moves the next line down, in view units.
    static constexpr float lineStep = 11.0f;

    Colour colour{0, 0, 0, 255};
    // The typeface the glyphs were built from: bold 14-pixel Comic Sans MS.
    FontDescription fontDescription;
    float depth = 1.0f;
    std::string text;
    unsigned int listBase = 0;
};
