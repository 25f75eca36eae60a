// Temporary: empty glyph lists until the FreeType rasteriser is written.
#include "platform/Glyphs.h"

#include <GL/gl.h>

void buildGlyphLists(unsigned int listBase)
{
    for (unsigned int code = 0; code < 128; ++code) {
        glNewList(listBase + code, GL_COMPILE);
        glEndList();
    }
}
