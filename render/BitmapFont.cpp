#include "render/BitmapFont.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr int glyphCount = 128;
// The picture height at which glyphs have the description's pixel height.
constexpr int baseLines = 480;

int viewportSize(int index)
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    return viewport[index];
}

int viewportWidth()
{
    return viewportSize(2);
}

int viewportHeight()
{
    return viewportSize(3);
}

} // namespace

BitmapFont::BitmapFont()
{
    listBase = glGenLists(glyphCount);
    fitToViewport();
}

BitmapFont::~BitmapFont()
{
    if (listBase != 0)
        glDeleteLists(listBase, glyphCount);
    if (rimBase_ != 0)
        glDeleteLists(rimBase_, glyphCount);
}

int BitmapFont::pixelHeightFor(int height, int pictureLines)
{
    if (pictureLines <= baseLines)
        return height;
    return static_cast<int>(std::lround(static_cast<double>(height) * pictureLines / baseLines));
}

void BitmapFont::fitToViewport() const
{
    if (listBase == 0)
        return;
    const int wanted = pixelHeightFor(std::abs(fontDescription.height), viewportHeight());
    if (wanted == builtHeight_)
        return;
    FontDescription scaled = fontDescription;
    scaled.height = -wanted;
    metrics_ = buildGlyphLists(listBase, scaled);
    builtHeight_ = wanted;
}

void BitmapFont::fitRims(int rim) const
{
    if (rimBase_ == 0)
        rimBase_ = glGenLists(glyphCount);
    if (rimBase_ == 0 || rimHeight_ == builtHeight_)
        return;
    FontDescription scaled = fontDescription;
    scaled.height = -builtHeight_;
    buildRimLists(rimBase_, scaled, rim);
    rimHeight_ = builtHeight_;
}

void BitmapFont::print(float x, float y) const
{
    fitToViewport();
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -depth);
    glDisable(GL_TEXTURE_2D);
    glListBase(listBase);

    // The rim is drawn after the letters: at the same depth the depth test
    // keeps the letters where the rim would cover them.
    const int rim = std::max(1, builtHeight_ / 14);
    if (outline.a != 0)
        fitRims(rim);
    std::string line;
    auto flush = [&](float lineY) {
        glColor4ub(colour.r, colour.g, colour.b, colour.a);
        glRasterPos2f(x, lineY);
        if (line.empty())
            return;
        const auto count = static_cast<GLsizei>(line.size());
        glCallLists(count, GL_UNSIGNED_BYTE, line.data());
        if (outline.a == 0 || rimBase_ == 0)
            return;
        glColor4ub(outline.r, outline.g, outline.b, outline.a);
        glRasterPos2f(x, lineY);
        glListBase(rimBase_);
        glCallLists(count, GL_UNSIGNED_BYTE, line.data());
        glListBase(listBase);
    };
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte == '\n') {
            flush(y);
            y -= lineStep;
            line.clear();
        } else if (byte < glyphCount) {
            // Codes 128-255 have no glyph; passing them on would call lists
            // that belong to some other font.
            line.push_back(c);
        }
    }
    if (!line.empty())
        flush(y);
    glPopMatrix();
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
    const int pixels = viewportWidth();
    return pixels > 0 ? widest * viewWidth / static_cast<float>(pixels) : 0.0f;
}

float BitmapFont::ascent(float viewHeight) const
{
    fitToViewport();
    const int pixels = viewportHeight();
    return pixels > 0 ? static_cast<float>(metrics_.ascent) * viewHeight / static_cast<float>(pixels) : 0.0f;
}

float BitmapFont::descent(float viewHeight) const
{
    fitToViewport();
    const int pixels = viewportHeight();
    return pixels > 0 ? static_cast<float>(metrics_.descent) * viewHeight / static_cast<float>(pixels) : 0.0f;
}
