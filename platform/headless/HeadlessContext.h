#pragma once

#include <vector>

#include "platform/Colour.h"

// An off-screen OpenGL context (Mesa's software renderer) that stands in for
// the game's window in tests and tools: the same fixed-function pipeline,
// drawn into memory and read back pixel by pixel. Constructing one makes it
// current, starts the picture decoder, enables the depth test and sets the
// viewport to the whole buffer, as the game's start-up does for its window.
class HeadlessContext {
public:
    explicit HeadlessContext(int width = 200, int height = 200);
    ~HeadlessContext();
    HeadlessContext(const HeadlessContext&) = delete;
    HeadlessContext& operator=(const HeadlessContext&) = delete;

    bool valid() const { return context_ != nullptr; }

    // Clears colour, depth and stencil, as the frame loop does each frame.
    void clear();

    // The colour at pixel (x, y), y counted from the bottom row.
    Colour pixel(int x, int y) const;

    // The pixel under a point in view units of a 200 x 200 camera centred on
    // the origin (the default Camera).
    Colour pixelAtView(float viewX, float viewY) const;

    int width() const { return width_; }
    int height() const { return height_; }

private:
    void* context_ = nullptr;
    int width_;
    int height_;
    std::vector<unsigned char> buffer_;
};
