#include "render/BitmapFont.h"

#include <GL/gl.h>

#include "platform/Glyphs.h"

namespace {
constexpr int glyphCount = 128;
}

BitmapFont::BitmapFont()
{
    listBase = glGenLists(glyphCount);
    if (listBase != 0)
        buildGlyphLists(listBase, fontDescription);
}

BitmapFont::~BitmapFont()
{
    if (listBase != 0)
        glDeleteLists(listBase, glyphCount);
}

void BitmapFont::print(float x, float y) const
{
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -depth);
    glDisable(GL_TEXTURE_2D);
    glColor4ub(colour.r, colour.g, colour.b, colour.a);
    glListBase(listBase);

    std::string line;
    auto flush = [&](float lineY) {
        glRasterPos2f(x, lineY);
        if (!line.empty())
            glCallLists(static_cast<GLsizei>(line.size()), GL_UNSIGNED_BYTE, line.data());
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
