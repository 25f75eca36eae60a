#include "platform/Glyphs.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/GlyphRaster.h"

namespace {

constexpr int glyphCount = 128;

// Fonts are built by every screen; the font files are looked up once per
// description and run.
const FontFace& faceFor(const FontDescription& description)
{
    static std::map<std::string, FontFace> known;
    const std::string request = description.faceName + "@" + std::to_string(description.weight);
    auto it = known.find(request);
    if (it == known.end())
        it = known.emplace(request, findFontFace(description)).first;
    return it->second;
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
    const FontFace& file = faceFor(description);
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
        drawn.push_back(Drawn{key, rasteriseGlyphs(file, pixelWidth, pixelHeight)});
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
