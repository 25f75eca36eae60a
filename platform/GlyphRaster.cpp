#include "platform/GlyphRaster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

constexpr int glyphCount = 128;
constexpr int firstPrintable = 0x20;

// glBitmap wants rows bottom first, each row a whole number of bytes.
std::vector<unsigned char> bottomUpRows(const FT_Bitmap& bitmap)
{
    const unsigned int rowBytes = (bitmap.width + 7) / 8;
    std::vector<unsigned char> rows(static_cast<std::size_t>(rowBytes) * bitmap.rows);
    for (unsigned int row = 0; row < bitmap.rows; ++row) {
        const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        unsigned char* target = rows.data() + static_cast<std::size_t>(bitmap.rows - 1 - row) * rowBytes;
        for (unsigned int byte = 0; byte < rowBytes; ++byte)
            target[byte] = source[byte];
    }
    return rows;
}

} // namespace

std::vector<GlyphBitmap> rasteriseGlyphs(const FontFace& file, int pixelWidth, int pixelHeight)
{
    std::vector<GlyphBitmap> glyphs;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (file.path.empty() || FT_Init_FreeType(&library) != 0)
        return glyphs;
    if (FT_New_Face(library, file.path.c_str(), file.index, &face) != 0
        || FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(pixelWidth), static_cast<FT_UInt>(pixelHeight)) != 0) {
        if (face != nullptr)
            FT_Done_Face(face);
        FT_Done_FreeType(library);
        return glyphs;
    }
    glyphs.resize(glyphCount);
    for (int code = 0; code < glyphCount; ++code) {
        const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
        // Control codes and characters the face lacks draw nothing.
        if (index != 0 && code >= firstPrintable
            && FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0
            && (face->glyph->bitmap.rows == 0 || face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_MONO)) {
            const FT_GlyphSlot slot = face->glyph;
            const FT_Bitmap& bitmap = slot->bitmap;
            GlyphBitmap& glyph = glyphs[static_cast<std::size_t>(code)];
            glyph.drawn = true;
            glyph.width = static_cast<int>(bitmap.width);
            glyph.rows = static_cast<int>(bitmap.rows);
            glyph.originX = static_cast<float>(-slot->bitmap_left);
            glyph.originY = static_cast<float>(static_cast<int>(bitmap.rows) - slot->bitmap_top);
            glyph.advance = static_cast<float>(slot->advance.x) / 64.0f;
            glyph.bits = bottomUpRows(bitmap);
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return glyphs;
}
