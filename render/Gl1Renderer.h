#pragma once

#include <map>
#include <utility>

#include "render/Renderer.h"

// The fixed-function backend: each quad in immediate mode with the picture
// bound under the game's sampling state (alpha test above 0.0001, s
// repeated, t clamped, linear filtering, modulate), lighting by the light
// model's ambient level, text as display lists of glBitmap glyphs. It is
// the game's own look, the one every other backend is measured against.
//
// Needs a current OpenGL context from construction to destruction; deletes
// the display lists it built when destroyed (the textures are the game's to
// release).
class Gl1Renderer : public Renderer {
public:
    Gl1Renderer(int surfaceWidth, int surfaceHeight);
    ~Gl1Renderer() override;

    const char* name() const override { return "gl1"; }
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
    bool textureTexels(unsigned int name, PictureLevel& level) override;

private:
    void applyState(const DrawState& state);
    void clear(const ClearCommand& command);
    void drawQuad(const QuadCommand& quad);
    void drawRect(const RectCommand& rect);
    void drawText(const FrameRecord& record, const TextCommand& text);
    // The 128 display lists of a glyph set's letters (or rims), built the
    // first time they are drawn; 0 when none could be made.
    unsigned int lists(unsigned int glyphSet, bool rims);

    DrawState current_;
    std::map<std::pair<unsigned int, bool>, unsigned int> lists_;
};
