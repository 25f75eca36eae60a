#pragma once

#include <vector>

// An off-screen OpenGL context (Mesa's software renderer) that stands in for
// the game's window in tests and tools: the same pipeline, drawn into
// memory. Constructing one makes it current, starts the picture decoder,
// enables the depth test and sets the viewport to the whole buffer, as the
// game's start-up does for its window; the drawing and reading back go
// through a renderer (render/offscreen/OffscreenRenderer.h).
class HeadlessContext {
public:
    explicit HeadlessContext(int width = 200, int height = 200);
    ~HeadlessContext();
    HeadlessContext(const HeadlessContext&) = delete;
    HeadlessContext& operator=(const HeadlessContext&) = delete;

    bool valid() const { return context_ != nullptr; }

    int width() const { return width_; }
    int height() const { return height_; }

private:
    void* context_ = nullptr;
    int width_;
    int height_;
    std::vector<unsigned char> buffer_;
};
