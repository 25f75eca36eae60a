#include "render/BitmapFont.h"

#include <algorithm>
#include <cmath>

#include "render/Renderer.h"

namespace {
constexpr int glyphCount = 128;
// The picture height at which glyphs have the description's pixel height.
constexpr int baseLines = 480;
// The glyph height a one-pixel rim goes with; taller text gets a wider rim.
constexpr int rimPerPixels = 14;
} // namespace

BitmapFont::BitmapFont()
{
    fitToViewport();
}

BitmapFont::~BitmapFont()
{
    giveBack();
}

int BitmapFont::pixelHeightFor(int height, int pictureLines)
{
    if (pictureLines <= baseLines)
        return height;
    return static_cast<int>(std::lround(static_cast<double>(height) * pictureLines / baseLines));
}

int BitmapFont::rimWidth() const
{
    return std::max(1, builtHeight_ / rimPerPixels);
}

void BitmapFont::giveBack() const
{
    if (glyphSet_ != 0 && renderer().serial() == renderer_)
        renderer().releaseGlyphs(glyphSet_);
    glyphSet_ = 0;
}

void BitmapFont::fitToViewport() const
{
    Renderer& drawing = renderer();
    const int wanted = pixelHeightFor(std::abs(fontDescription.height), drawing.viewport().height);
    if (glyphSet_ != 0 && wanted == builtHeight_ && drawing.serial() == renderer_)
        return;
    giveBack();
    builtHeight_ = wanted;
    glyphSet_ = drawing.acquireGlyphs(fontDescription, wanted, rimWidth(), metrics_);
    renderer_ = drawing.serial();
}

void BitmapFont::print(float x, float y) const
{
    fitToViewport();
    Renderer& drawing = renderer();
    std::string line;
    // The rim is drawn after the letters: at the same depth the depth test
    // keeps the letters where the rim would cover them.
    const auto flush = [&](float lineY) {
        if (line.empty())
            return;
        drawing.drawText(glyphSet_, false, x, lineY, depth, colour, line);
        if (outline.a != 0)
            drawing.drawText(glyphSet_, true, x, lineY, depth, outline, line);
    };
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte == '\n') {
            flush(y);
            y -= lineStep;
            line.clear();
        } else if (byte < glyphCount) {
            // Codes 128-255 have no glyph.
            line.push_back(c);
        }
    }
    flush(y);
}

float BitmapFont::textWidth(const std::string& text, float viewWidth) const
{
    fitToViewport();
    float widest = 0.0f;
    float width = 0.0f;
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte == '\n') {
            widest = std::max(widest, width);
            width = 0.0f;
        } else if (byte < glyphCount) {
            width += metrics_.advances[byte];
        }
    }
    widest = std::max(widest, width);
    const int pixels = renderer().viewport().width;
    return pixels > 0 ? widest * viewWidth / static_cast<float>(pixels) : 0.0f;
}

float BitmapFont::ascent(float viewHeight) const
{
    fitToViewport();
    const int pixels = renderer().viewport().height;
    return pixels > 0 ? static_cast<float>(metrics_.ascent) * viewHeight / static_cast<float>(pixels) : 0.0f;
}

float BitmapFont::descent(float viewHeight) const
{
    fitToViewport();
    const int pixels = renderer().viewport().height;
    return pixels > 0 ? static_cast<float>(metrics_.descent) * viewHeight / static_cast<float>(pixels) : 0.0f;
}
