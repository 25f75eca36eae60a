#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Colour.h"
#include "render/RendererChoice.h"

class HeadlessContext;

// A surface to draw on without a window, for tests and tools: an
// off-screen Mesa context of width x height pixels (none at all for the
// null renderer) with the backend asked for on it, installed as
// renderer() for the helper's whole life, the one before put back after.
// The viewport starts as the whole surface, the depth test on.
class OffscreenRenderer {
public:
    explicit OffscreenRenderer(RendererKind kind = RendererKind::gl1, int width = 200, int height = 200,
                               const Gles2Renderer::Options& options = {});
    ~OffscreenRenderer();
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    // False when the off-screen context could not be made.
    bool valid() const { return renderer_ != nullptr; }
    Renderer& renderer() { return *renderer_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Clears colour, depth and stencil, as a frame does.
    void clear();
    // The colour at pixel (x, y), y counted from the bottom row, once what
    // was drawn is played.
    Colour pixel(int x, int y);
    // The pixel under a point in view units of a 200 x 200 camera centred
    // on the origin (the default Camera).
    Colour pixelAtView(float viewX, float viewY);

private:
    int width_;
    int height_;
    std::unique_ptr<HeadlessContext> context_;
    std::unique_ptr<Renderer> renderer_;
    std::unique_ptr<RendererInstall> install_;
    // The whole surface as last read, while the renderer's changes() stay.
    std::vector<unsigned char> pixels_;
    std::uint64_t pixelsAt_ = 0;
    bool pixelsRead_ = false;
};
