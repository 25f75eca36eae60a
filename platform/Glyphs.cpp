#include "platform/Glyphs.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int glyphCount = 128;
constexpr int boldWeight = 700;

struct FaceFile {
    std::string path;
    int index = 0;
};

// The fontconfig request for a description: "Comic Sans MS:bold".
std::string faceRequest(const FontDescription& description)
{
    std::string request = description.faceName;
    if (description.weight >= boldWeight)
        request += ":bold";
    return request;
}

// The file of the face fontconfig picks for a request: the face itself where
// it is installed, otherwise the substitute fontconfig's rules name (Comic
// Neue Bold for Comic Sans MS on Debian).
FaceFile matchFace(const std::string& request)
{
    FaceFile found;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr)
        return found;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(request.c_str()));
    if (pattern != nullptr) {
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config, pattern, &result);
        if (match != nullptr) {
            FcChar8* file = nullptr;
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr)
                found.path = reinterpret_cast<const char*>(file);
            FcPatternGetInteger(match, FC_INDEX, 0, &found.index);
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    FcConfigDestroy(config);
    return found;
}

// Fonts are built by every screen; the font files are looked up once per
// request and run.
const FaceFile& faceFor(const FontDescription& description)
{
    static std::map<std::string, FaceFile> known;
    const std::string request = faceRequest(description);
    auto it = known.find(request);
    if (it == known.end())
        it = known.emplace(request, matchFace(request)).first;
    return it->second;
}

// Glyph rows bottom first (as a raster draws them upwards), each row a whole
// number of bytes.
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

// The glyphs of codes 0-127 of one face at one size, as FreeType draws them;
// empty when the face cannot be opened at that size.
GlyphBitmaps rasterise(const FaceFile& file, int pixelWidth, int pixelHeight)
{
    GlyphBitmaps glyphs;
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
        if (index != 0 && code >= 0x20
            && FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0
            && (face->glyph->bitmap.rows == 0
                || face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_MONO)) {
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

// How many sizes of drawn glyphs are kept: the game's two font sizes at the
// window's height and at the heights it had last. A window resized through
// many heights would otherwise keep every size it passed, megabytes each on a
// tall window.
constexpr std::size_t sizesKept = 8;

// Every screen builds fonts, most of them the same one: each face is opened
// and drawn by FreeType once per size, and every later font at that size only
// copies those glyphs. The size used longest ago gives way
// when more than sizesKept are drawn; the glyphs returned stay until the next
// call.
const GlyphBitmaps& glyphsFor(const FontDescription& description)
{
    struct Drawn {
        std::string key;
        GlyphBitmaps glyphs;
        unsigned long lastUse = 0;
    };
    static std::vector<Drawn> drawn;
    static unsigned long uses = 0;
    const FaceFile& file = faceFor(description);
    const int pixelHeight = description.height < 0 ? -description.height : description.height;
    const int pixelWidth = description.width > 0 ? description.width : 0;
    const std::string key = file.path + "#" + std::to_string(file.index) + "@" + std::to_string(pixelWidth)
        + "x" + std::to_string(pixelHeight);
    auto it = std::find_if(drawn.begin(), drawn.end(), [&key](const Drawn& d) { return d.key == key; });
    if (it == drawn.end()) {
        if (drawn.size() >= sizesKept)
            drawn.erase(std::min_element(drawn.begin(), drawn.end(), [](const Drawn& a, const Drawn& b) {
                return a.lastUse < b.lastUse;
            }));
        drawn.push_back(Drawn{key, rasterise(file, pixelWidth, pixelHeight)});
        it = drawn.end() - 1;
    }
    it->lastUse = ++uses;
    return it->glyphs;
}

// Spreads one line of pixels `reach` pixels onwards: pixel i of the `length`
// pixels out is set when one of the first `inLength` pixels in, i - reach ..
// i, is set. Each pixel is looked at once.
template <typename IsSet, typename Mark>
void spreadLine(int inLength, int length, int reach, IsSet isSet, Mark mark)
{
    int lastSet = -reach - 1;
    for (int i = 0; i < length; ++i) {
        if (i < inLength && isSet(i))
            lastSet = i;
        if (i - lastSet <= reach)
            mark(i);
    }
}

// The glyph's bitmap grown by rim pixels on every side: each set pixel set
// over a square of 2 x rim + 1, in a bitmap 2 x rim wider and higher. A
// square spreads as a row of 2 x rim + 1 pixels spread up a column of as
// many, so the bitmap is spread across each row, then up each column: the
// work grows with the bitmap's size and not with the rim's square, which on
// a very tall window (a rim of dozens of pixels) would take seconds.
std::vector<unsigned char> grownBits(const GlyphBitmap& glyph, int rim, int& width, int& rows)
{
    width = glyph.width + 2 * rim;
    rows = glyph.rows + 2 * rim;
    const auto bytesIn = static_cast<std::size_t>((glyph.width + 7) / 8);
    const auto bytesOut = static_cast<std::size_t>((width + 7) / 8);
    const auto bit = [](const unsigned char* row, int x) { return (row[x / 8] & (0x80 >> (x % 8))) != 0; };
    const auto set = [](unsigned char* row, int x) { row[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8)); };

    std::vector<unsigned char> across(bytesOut * static_cast<std::size_t>(glyph.rows));
    for (int y = 0; y < glyph.rows; ++y) {
        const unsigned char* in = glyph.bits.data() + static_cast<std::size_t>(y) * bytesIn;
        unsigned char* out = across.data() + static_cast<std::size_t>(y) * bytesOut;
        spreadLine(glyph.width, width, 2 * rim, [&](int x) { return bit(in, x); }, [&](int x) { set(out, x); });
    }
    std::vector<unsigned char> grown(bytesOut * static_cast<std::size_t>(rows));
    const auto row = [bytesOut](std::vector<unsigned char>& bits, int y) {
        return bits.data() + static_cast<std::size_t>(y) * bytesOut;
    };
    for (int x = 0; x < width; ++x)
        spreadLine(glyph.rows, rows, 2 * rim, [&](int y) { return bit(row(across, y), x); },
                   [&](int y) { set(row(grown, y), x); });
    return grown;
}

} // namespace

GlyphBitmaps glyphBitmaps(const FontDescription& description)
{
    return glyphsFor(description);
}

GlyphBitmaps rimBitmaps(const FontDescription& description, int rim)
{
    GlyphBitmaps rims = glyphsFor(description);
    for (GlyphBitmap& glyph : rims) {
        if (!glyph.drawn || glyph.width == 0 || glyph.rows == 0)
            continue;
        int width = 0;
        int rows = 0;
        glyph.bits = grownBits(glyph, rim, width, rows);
        glyph.width = width;
        glyph.rows = rows;
        glyph.originX += static_cast<float>(rim);
        glyph.originY += static_cast<float>(rim);
    }
    return rims;
}

GlyphMetrics measureGlyphs(const GlyphBitmaps& glyphs)
{
    GlyphMetrics metrics;
    for (std::size_t code = 0; code < glyphs.size() && code < glyphCount; ++code) {
        const GlyphBitmap& glyph = glyphs[code];
        if (!glyph.drawn)
            continue;
        metrics.advances[code] = glyph.advance;
        if (glyph.rows > 0) {
            // originY is how far the bitmap reaches below the baseline.
            const int below = static_cast<int>(glyph.originY);
            metrics.ascent = std::max(metrics.ascent, glyph.rows - below);
            metrics.descent = std::max(metrics.descent, below);
        }
    }
    return metrics;
}

std::string glyphFaceFile(const FontDescription& description)
{
    return faceFor(description).path;
}
