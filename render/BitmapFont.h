#pragma once

#include <string>

#include "platform/Colour.h"
#include "platform/FontDescription.h"
#include "platform/Glyphs.h"

// Text drawn with one bold typeface turned into 128 display lists of glyph
// bitmaps, one per character code 0-127. Owners put text into the buffer and
// call print; each line feed starts a new line 11 view units lower.
//
// The glyphs are as many pixels high as the description says (14) in a
// picture 480 lines high and proportionally more in a taller one, so text
// keeps its size against the picture: print builds the glyphs again whenever
// the viewport's height asks for another size.
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
    // The pixel height of glyphs described as `height` pixels (the
    // description's height without its sign) in a picture `pictureLines`
    // pixels high: `height` up to 480 lines, proportionally more above.
    static int pixelHeightFor(int height, int pictureLines);

    // The widest line of `text` in the units of a view `viewWidth` units
    // wide shown in the current viewport (what print would draw now).
    float textWidth(const std::string& text, float viewWidth) const;
    // How far the glyphs reach above and below a line's baseline, in the
    // units of a view `viewHeight` units high shown in the current viewport.
    float ascent(float viewHeight) const;
    float descent(float viewHeight) const;
    // The pixel height the glyphs are built at now.
    int pixelHeight() const { return builtHeight_; }

    Colour colour{0, 0, 0, 255};
    // The typeface the glyphs are built from: bold 14-pixel Comic Sans MS.
    FontDescription fontDescription;
    float depth = 1.0f;
    std::string text;
    unsigned int listBase = 0;
    // When its alpha is not 0, every glyph gets a rim of this colour, one
    // pixel wide for 14-pixel text and wider on larger text, so the text
    // reads on any picture.
    Colour outline{0, 0, 0, 0};

private:
    // Builds the glyphs again when the viewport asks for another pixel height.
    void fitToViewport() const;

    // Builds the rims' lists again when the glyphs were built at another
    // pixel height than the rims.
    void fitRims(int rim) const;

    mutable int builtHeight_ = 0;
    mutable GlyphMetrics metrics_;
    // The rims' display lists, made the first time an outline is printed.
    mutable unsigned int rimBase_ = 0;
    mutable int rimHeight_ = 0;
};
