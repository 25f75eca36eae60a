// thrask-crosscheck: prints what the game computes where its builds could
// differ, one line per result, so that two builds (this machine's and the
// browser's wasm32 under node) can be compared with diff. Every line must
// match: the game's sine, a headless run of every kind of entity, the rows
// of every picture as the platform's decoder gives them, and the glyph
// bitmaps of the game's typeface as the platform finds it.
//
//   thrask-crosscheck [--data DIR]
//   thrask-crosscheck --sine-accuracy LOW HIGH
//
// --sine-accuracy counts the floats from LOW to HIGH (both signs) where the
// game's sine and the C library's sinf are not the float nearest the double
// sine, and exits.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "entities/Sine.h"
#include "entities/StateHash.h"
#include "platform/FontFace.h"
#include "platform/GlyphRaster.h"
#include "platform/PictureDecoder.h"
#include "tools/crosscheck/EntityRun.h"

namespace {

std::string hex(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float fromBits(std::uint32_t bits)
{
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void checkSine()
{
    // A phase grown as the robot's flame grows it, frame after frame, far
    // past any level's length.
    constexpr int steps = 2000000;
    constexpr float step = 0.0713f;
    StateHash phases;
    float phase = 0.0f;
    for (int i = 0; i < steps; ++i, phase += step)
        phases.add(thrask::sine(phase));
    std::printf("sine phases %d up to %a: %s\n", steps, phase, hex(phases.value()).c_str());

    // Floats of every size and sign.
    constexpr std::uint32_t stride = 65537;
    StateHash spread;
    int count = 0;
    for (std::uint64_t bits = 0; bits < 0x7F800000u; bits += stride, count += 2) {
        spread.add(thrask::sine(fromBits(static_cast<std::uint32_t>(bits))));
        spread.add(thrask::sine(fromBits(static_cast<std::uint32_t>(bits) | 0x80000000u)));
    }
    std::printf("sine floats %d: %s\n", count, hex(spread.value()).c_str());
    for (const float x : {0.5f, 1.0f, 2.5f, 100.0f, 1048576.0f})
        std::printf("sine %a = %a\n", x, thrask::sine(x));
}

void checkEntities(std::uint32_t seed, int perKind, int frames, int every)
{
    EntityRun run(seed, perKind);
    while (run.frames() < frames) {
        run.frame();
        if (run.frames() % every == 0)
            std::printf("entities seed %u, %d of each kind, frame %d: %s, %d hit points taken, %d healed\n", seed,
                        perKind, run.frames(), hex(run.stateHash()).c_str(), run.damageTaken(), run.healed());
    }
}

void checkPictures()
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it("Textures", error), end; !error && it != end; it.increment(error)) {
        const std::string ending = it->path().extension().string();
        if (ending == ".png" || ending == ".gif" || ending == ".bmp")
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        DecodedPicture picture;
        if (!decodePicture("Textures/" + name, picture)) {
            std::printf("picture %s: not decoded\n", name.c_str());
            continue;
        }
        StateHash h;
        h.bytes(picture.rgba.data(), picture.rgba.size());
        std::printf("picture %s %dx%d: %s\n", name.c_str(), picture.width, picture.height, hex(h.value()).c_str());
    }
}

void checkGlyphs()
{
    const FontFace face = findFontFace(FontDescription{});
    for (const int height : {14, 21, 28, 45, 96}) {
        const std::vector<GlyphBitmap> glyphs = rasteriseGlyphs(face, 0, height);
        StateHash h;
        int drawn = 0;
        for (const GlyphBitmap& glyph : glyphs) {
            drawn += glyph.drawn ? 1 : 0;
            h.add(glyph.drawn);
            h.add(glyph.width);
            h.add(glyph.rows);
            h.add(glyph.originX);
            h.add(glyph.originY);
            h.add(glyph.advance);
            h.bytes(glyph.bits.data(), glyph.bits.size());
        }
        std::printf("glyphs %d pixels, %d drawn: %s\n", height, drawn, hex(h.value()).c_str());
    }
}

int sineAccuracy(float low, float high)
{
    long long floats = 0;
    long long gameOff = 0;
    long long libraryOff = 0;
    for (std::uint32_t bits = bitsOf(low); fromBits(bits) <= high && bits < 0x7F800000u; ++bits) {
        for (const std::uint32_t sign : {0u, 0x80000000u}) {
            const float x = fromBits(bits | sign);
            const float nearest = static_cast<float>(std::sin(static_cast<double>(x)));
            ++floats;
            gameOff += bitsOf(thrask::sine(x)) != bitsOf(nearest);
            libraryOff += bitsOf(std::sin(x)) != bitsOf(nearest);
        }
    }
    std::printf("floats %lld from %a to %a (both signs): thrask::sine off the nearest float for %lld, "
                "sinf for %lld (%.3f %%)\n",
                floats, low, high, gameOff, libraryOff, floats > 0 ? 100.0 * libraryOff / floats : 0.0);
    return 0;
}

int usage()
{
    std::fprintf(stderr, "usage: thrask-crosscheck [--data DIR]\n"
                         "       thrask-crosscheck --sine-accuracy LOW HIGH\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string data = ".";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
            data = argv[++i];
        } else if (std::strcmp(argv[i], "--sine-accuracy") == 0 && i + 2 < argc) {
            char* end1 = nullptr;
            char* end2 = nullptr;
            const float low = std::strtof(argv[i + 1], &end1);
            const float high = std::strtof(argv[i + 2], &end2);
            if (*end1 != '\0' || *end2 != '\0' || !(low >= 0.0f) || !(high >= low))
                return usage();
            return sineAccuracy(low, high);
        } else {
            return usage();
        }
    }
    std::error_code error;
    std::filesystem::current_path(data, error);
    if (error) {
        std::fprintf(stderr, "thrask-crosscheck: cannot enter the data folder %s: %s\n", data.c_str(),
                     error.message().c_str());
        return 1;
    }
    checkSine();
    checkEntities(20240611u, 12, 6000, 1000);
    checkEntities(7u, 300, 600, 200);
    checkPictures();
    checkGlyphs();
    return 0;
}
