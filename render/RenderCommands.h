#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a frame asks the renderer to draw, recorded as it is asked and played
// by a backend afterwards, in the same order. Every command is a plain
// record of 4-byte fields without padding, so two frames compare byte by
// byte (Renderer draws a frame only when it differs from the one shown).

// The state the game draws under, recorded before a drawing command whenever
// it differs from the state recorded last (and before a frame's first
// drawing command), so a backend always knows all of it, and a frame that
// draws the same under the same state records the same commands.
struct DrawState {
    std::int32_t surface[2] = {0, 0};        // the drawable's width and height in pixels
    std::int32_t viewport[4] = {0, 0, 0, 0}; // x, y, width, height in pixels
    // The camera: an orthographic projection and the view's translation,
    // or neither (identity matrices) before any camera was applied.
    std::uint32_t viewSet = 0;
    float projection[6] = {0, 0, 0, 0, 0, 0}; // left, right, bottom, top, near, far
    float eye[3] = {0, 0, 0};                 // the view is translated by -eye
    std::uint32_t lighting = 0;               // 1: lit drawing
    float ambient = 0.2f;                     // the light model's ambient level
    float material = 0.2f;                    // the material's ambient reflectance
    std::uint32_t alphaTest = 0;              // 1 once a picture was drawn: alpha <= 0.0001 is discarded
    float clearColour[4] = {0, 0, 0, 0};
};

// Clears colour (to this colour), depth and stencil.
struct ClearCommand {
    float colour[4] = {0, 0, 0, 0};
};

// A picture or plain quad: the Sprite's rectangle centred on (x, y), width x
// height units, turned by rotation degrees, at z = -depth; texture 0 draws a
// plain quad of colour (or of the light, when lit).
struct QuadCommand {
    float x = 0, y = 0, width = 0, height = 0, rotation = 0, depth = 0;
    float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
    std::uint32_t colour = 0xFFFFFFFFu; // red in the low byte, alpha in the high one
    std::uint32_t texture = 0;
};

// An axis-aligned plain rectangle in view units at z = -depth, always drawn
// unlit and untextured; blended (source alpha over what is drawn) or opaque.
struct RectCommand {
    float left = 0, bottom = 0, right = 0, top = 0, depth = 0;
    std::uint32_t colour = 0xFFFFFFFFu;
    std::uint32_t blended = 0;
};

// One line of text: the glyphs of a glyph set (its letters, or its rims)
// drawn from the raster position (x, y) at z = -depth; text is the bytes
// [textStart, textStart + textLength) of the frame's text store, codes 0-127.
struct TextCommand {
    float x = 0, y = 0, depth = 0;
    std::uint32_t colour = 0xFFFFFFFFu;
    std::uint32_t glyphSet = 0;
    std::uint32_t rims = 0; // 1: the glyph set's rims instead of its letters
    std::uint32_t textStart = 0;
    std::uint32_t textLength = 0;
};

struct RenderCommand {
    enum Kind : std::uint32_t { Clear, State, Quad, Rect, Text };
    Kind kind = Clear;
    std::uint32_t index = 0; // into the frame's list of that kind
};

// The commands of one frame (or of the drawing since the last one was played).
class FrameRecord {
public:
    void clearAll();

    // Appends a command; returns nothing, the order of the calls is the order drawn.
    void clear(const ClearCommand& clear);
    void state(const DrawState& state);
    void quad(const QuadCommand& quad);
    void rect(const RectCommand& rect);
    // Appends a text command whose bytes are `text`.
    void text(TextCommand command, const std::string& text);

    bool empty() const { return commands.empty(); }
    bool operator==(const FrameRecord& other) const;
    bool operator!=(const FrameRecord& other) const { return !(*this == other); }

    std::vector<RenderCommand> commands;
    std::vector<ClearCommand> clears;
    std::vector<DrawState> states;
    std::vector<QuadCommand> quads;
    std::vector<RectCommand> rects;
    std::vector<TextCommand> texts;
    std::string textBytes;
};

// A colour as the commands keep it.
inline std::uint32_t packColour(unsigned char r, unsigned char g, unsigned char b, unsigned char a)
{
    return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b) << 16
        | static_cast<std::uint32_t>(a) << 24;
}
