#pragma once

#include <cstdint>
#include <string>

#include "platform/Colour.h"
#include "platform/FontDescription.h"
#include "platform/Glyphs.h"

// Text drawn with one bold typeface, one glyph per character code 0-127.
// Owners put text into the buffer and call print; each line feed starts a
// new line 11 view units lower.
//
// The glyphs are as many pixels high as the description says (14) in a
// picture 480 lines high and proportionally more in a taller one, so text
// keeps its size against the picture: print takes the glyphs of another
// size whenever the viewport's height asks for it. Fonts of the same size
// share their glyphs (Renderer::acquireGlyphs).
//
// Holds its glyphs from the renderer installed when it was made (or when
// the viewport last changed its size) and gives them back when destroyed.
class BitmapFont {
public:
    BitmapFont();
    virtual ~BitmapFont();
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    // Draws text with its first line starting at (x, y) in view units, at
    // z = -depth, from the glyphs' raster position as bitmaps are drawn: a
    // line whose start lies outside the view is not drawn. Bytes 128-255
    // draw nothing.
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
    // The width of the rim around each glyph at that height, in pixels.
    int rimWidth() const;

    Colour colour{0, 0, 0, 255};
    // The typeface the glyphs are built from: bold 14-pixel Comic Sans MS.
    FontDescription fontDescription;
    float depth = 1.0f;
    std::string text;
    // When its alpha is not 0, every glyph gets a rim of this colour, one
    // pixel wide for 14-pixel text and wider on larger text, so the text
    // reads on any picture.
    Colour outline{0, 0, 0, 0};

private:
    // Takes the glyphs again when the viewport asks for another pixel height
    // (or another renderer draws).
    void fitToViewport() const;
    // Gives the glyphs back to the renderer they came from, if it is still
    // the one installed.
    void giveBack() const;

    mutable int builtHeight_ = 0;
    mutable GlyphMetrics metrics_;
    mutable unsigned int glyphSet_ = 0;
    mutable std::uint64_t renderer_ = 0;
};
