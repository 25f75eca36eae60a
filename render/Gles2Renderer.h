#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "render/Gles2Program.h"
#include "render/GlyphAtlas.h"
#include "render/PicturePages.h"
#include "render/Renderer.h"
#include "render/TransformMatrix.h"

// The shader backend: what GLES 2 and WebGL 1 offer, and desktop GL 2.1
// with them (no vertex array objects, 16-bit indices, power-of-two
// pictures, no mapped buffers). A frame's quads, rectangles and glyphs are
// placed on the processor exactly where the fixed-function pipeline puts
// them, gathered into one vertex buffer, and drawn in batches: consecutive
// quads with the same texture and state go out in one draw call, in the
// order the game issued them, so overlaps at equal depth resolve as with
// gl1. Pictures of 256 x 256 pixels or less are also copied onto shared
// picture pages (render/PicturePages.h) and drawn from there, so sprites of
// different pictures share a texture and a batch. Every picture is held
// with a one-pixel border (PictureLevels::withBorder) that gives the linear
// filter what the game's repeat in s and clamp in t give it. Lighting,
// modulation and the alpha test are the programs' (render/Gles2Program.h),
// one for each kind of drawing, chosen per batch;
// text is drawn from glyph pages built once per glyph set
// (render/GlyphAtlas.h), clipped to the surface as bitmaps are.
//
// Needs a current OpenGL context (GL 2.1 or GLES 2) from creation to
// destruction; deletes its program, buffers and glyph pages when destroyed
// (the textures of pictures are the game's to release).
class Gles2Renderer : public Renderer {
public:
    // What creation may be told, for the tests of its failures: other
    // shader sources, or a context that pretends to have no vertex buffers.
    struct Options {
        std::string vertexSource;   // empty: the program's own
        std::string fragmentSource; // empty: the program's own
        bool vertexBuffers = true;
    };

    // The backend on the current context, or null with error saying in a
    // few words what it lacks (GL 2.1, vertex buffers, a program that
    // compiles and links).
    static std::unique_ptr<Gles2Renderer> create(int surfaceWidth, int surfaceHeight, const Options& options,
                                                 std::string& error);
    ~Gles2Renderer() override;

    const char* name() const override { return "gles2"; }
    int maxTextureSide() const override;
    int maxViewportSide() const override;
    Resources resources() override;

protected:
    void play(const FrameRecord& record, std::size_t first, std::size_t last) override;
    unsigned int createTexture(const std::vector<PictureLevel>& levels) override;
    void deleteTexture(unsigned int name) override;
    bool textureExists(unsigned int name) override;
    void readBack(int x, int y, int width, int height, unsigned char* rgba) override;
    void forgetGlyphSet(unsigned int glyphSet) override;
    void finishDrawing() override;

private:
    struct Vertex {
        float x, y, z;
        float u, v;
    };
    // A picture texture made, and where it is drawn from.
    struct Picture {
        int width = 0;  // level 0, without the border
        int height = 0;
        PicturePages::Slot slot;   // on a shared page, or page -1
        unsigned int drawn = 0;    // the texture quads are drawn from
        float area[4] = {0, 0, 1, 1};
    };
    // Everything a draw call is made under.
    struct BatchState {
        Gles2Program::Kind kind = Gles2Program::plain;
        unsigned int texture = 0;
        bool blended = false;
        // For a plain or glyph batch: the alpha test is on, so a colour of
        // alpha 0.0001 or less draws nothing (a picture's kind says it).
        bool alphaTest = false;
        // The colour drawn (modulating a picture): the quad's own, or the
        // light's (ambient x material, alpha 1) when lit.
        float colour[4] = {1, 1, 1, 1};
        // The viewport: the picture's, or the whole surface for text.
        int viewport[4] = {0, 0, 0, 0};
        bool operator==(const BatchState& other) const;
    };
    // One step of a frame: a clear, or a batch of quads.
    struct Step {
        enum Kind { Clear, Batch } kind = Batch;
        BatchState state;
        float clearColour[4] = {0, 0, 0, 0};
        std::size_t firstVertex = 0;
        std::size_t vertexCount = 0;
    };
    // A glyph set's pages on the context.
    struct Glyphs {
        std::unique_ptr<GlyphAtlas> atlas;
        std::vector<unsigned int> pages;
        GlyphBitmaps bitmaps;
    };

    Gles2Renderer(int surfaceWidth, int surfaceHeight);

    void setState(const DrawState& state);
    // Starts a batch under `state` unless the open one has it.
    void useBatch(const BatchState& state);
    void addQuad(const QuadCommand& quad);
    void addRect(const RectCommand& rect);
    void addText(const FrameRecord& record, const TextCommand& text);
    // Four vertices in clip coordinates, counter-clockwise from lower left.
    void addCorners(const float clip[4][4], const float uv[4][2]);
    // The colour a batch draws a command's colour in: the light when lighting
    // is on (as the fixed-function pipeline lights it), else the colour.
    void drawnColour(std::uint32_t colour, bool lit, float out[4]) const;
    // A picture's quad, split where its s crosses a whole number (each piece
    // then shows one repeat of the picture) and where its t leaves 0..1 (a
    // piece beyond holds the edge of the clamped picture), each piece
    // textured inside the picture's rectangle of its texture.
    void addPictureCorners(const float clip[4][4], const QuadCommand& quad, const float area[4]);
    const Glyphs* glyphs(unsigned int glyphSet, bool rims);
    // Draws the steps gathered, then forgets them.
    void drawSteps();
    void applyBatch(const BatchState& state);
    // True when the alpha test leaves nothing of a batch: its colour, the
    // same for every pixel of a plain or glyph batch, has no alpha above it.
    static bool testedAway(const BatchState& state);

    Gles2Program programs_[Gles2Program::kindCount];
    unsigned int vertexBuffer_ = 0;
    unsigned int indexBuffer_ = 0;
    DrawState current_;
    TransformMatrix projection_;
    TransformMatrix view_;
    bool alphaTest_ = false;
    std::vector<Vertex> vertices_;
    std::vector<Step> steps_;
    // Every picture texture made, by name, and the shared pages' textures.
    std::map<unsigned int, Picture> pictures_;
    unsigned int lastPictureName_ = 0;
    const Picture* lastPicture_ = nullptr;
    std::unique_ptr<PicturePages> pages_;
    std::vector<unsigned int> pageTextures_;
    std::map<std::pair<unsigned int, bool>, Glyphs> glyphs_;
    // What the context was last set to, so a batch changes only what differs.
    BatchState applied_;
    bool appliedKnown_ = false;
};
