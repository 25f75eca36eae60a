#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "render/Gles2Program.h"
#include "render/GlyphAtlas.h"
#include "render/Renderer.h"
#include "render/TransformMatrix.h"

// The shader backend: what GLES 2 and WebGL 1 offer, and desktop GL 2.1
// with them (no vertex array objects, 16-bit indices, power-of-two
// pictures, no mapped buffers). A frame's quads, rectangles and glyphs are
// placed on the processor exactly where the fixed-function pipeline puts
// them, gathered into one vertex buffer, and drawn in batches: consecutive
// quads with the same picture and state go out in one draw call, in the
// order the game issued them, so overlaps at equal depth resolve as with
// gl1. Lighting, modulation, the alpha test and the clamp in t are the
// program's (render/Gles2Program.h); text is drawn from glyph pages built
// once per glyph set (render/GlyphAtlas.h), clipped to the surface as
// bitmaps are.
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
        std::uint32_t colour;
    };
    // Everything a draw call is made under.
    struct BatchState {
        float mode = Gles2Program::plainMode;
        unsigned int texture = 0;
        float rows = 1.0f;
        bool blended = false;
        bool alphaTest = false;
        bool lit = false;
        float light = 1.0f;
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
    void addCorners(const float clip[4][4], const float uv[4][2], std::uint32_t colour);
    const Glyphs* glyphs(unsigned int glyphSet, bool rims);
    // Draws the steps gathered, then forgets them.
    void drawSteps();
    void applyBatch(const BatchState& state);

    Gles2Program program_;
    unsigned int vertexBuffer_ = 0;
    unsigned int indexBuffer_ = 0;
    DrawState current_;
    TransformMatrix projection_;
    TransformMatrix view_;
    bool alphaTest_ = false;
    std::vector<Vertex> vertices_;
    std::vector<Step> steps_;
    // The level 0 height of every picture texture made, for the clamp in t.
    std::map<unsigned int, int> rows_;
    std::map<std::pair<unsigned int, bool>, Glyphs> glyphs_;
    // What the context was last set to, so a batch changes only what differs.
    BatchState applied_;
    bool appliedKnown_ = false;
};
