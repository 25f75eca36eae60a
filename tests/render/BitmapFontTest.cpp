#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "RenderTestSupport.h"
#include "platform/Glyphs.h"
#include "render/BitmapFont.h"
#include "render/Sprite.h"

namespace {

struct Extent {
    int count = 0;
    int left = 1 << 30, right = -1, bottom = 1 << 30, top = -1;
};

} // namespace

class BitmapFontTest : public OffscreenView {
protected:
    // Where the text drew, in pixels (= view units + 100).
    Extent printed(const std::string& text, float x = -90.0f, float y = 50.0f)
    {
        context->clear();
        font->text = text;
        font->print(x, y);
        Extent extent;
        for (int py = 0; py < 200; ++py)
            for (int px = 0; px < 200; ++px)
                if (!same(context->pixel(px, py), background, 0)) {
                    ++extent.count;
                    extent.left = std::min(extent.left, px);
                    extent.right = std::max(extent.right, px);
                    extent.bottom = std::min(extent.bottom, py);
                    extent.top = std::max(extent.top, py);
                }
        return extent;
    }

    void SetUp() override
    {
        OffscreenView::SetUp();
        font = std::make_unique<BitmapFont>();
        font->colour = white;
    }

    void TearDown() override
    {
        font.reset();
        OffscreenView::TearDown();
    }

    std::unique_ptr<BitmapFont> font;
};

RENDER_TEST_ON_BOTH_BACKENDS(BitmapFontTest);

TEST_P(BitmapFontTest, TheFaceIsComicSansOrItsSubstitute)
{
    std::string file = glyphFaceFile(font->fontDescription);
    std::transform(file.begin(), file.end(), file.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_NE(file.find("comic"), std::string::npos) << file;
    EXPECT_NE(file.find("bold"), std::string::npos) << file;
}

TEST_P(BitmapFontTest, GlyphsHaveTheirPixelSizeAndColour)
{
    const Extent a = printed("A");
    ASSERT_GT(a.count, 0);
    EXPECT_NEAR(a.left, 10, 2) << "the line starts at x";
    EXPECT_NEAR(a.bottom, 150, 1) << "the letter stands on the baseline at y";
    const int height = a.top - a.bottom + 1;
    EXPECT_GE(height, 8);
    EXPECT_LE(height, 14) << "14-pixel text whatever the view";

    font->colour = red;
    const Extent redA = printed("A");
    EXPECT_EQ(redA.count, a.count);
    int redPixels = 0;
    for (int px = redA.left; px <= redA.right; ++px)
        for (int py = redA.bottom; py <= redA.top; ++py)
            redPixels += same(context->pixel(px, py), red, 0) ? 1 : 0;
    EXPECT_EQ(redPixels, a.count) << "every glyph pixel has the font's colour";
}

TEST_P(BitmapFontTest, GlyphsAdvanceTheRasterPosition)
{
    const Extent a = printed("A");
    const Extent aa = printed("AA");
    const Extent aSpaceA = printed("A A");
    EXPECT_EQ(aa.count, 2 * a.count);
    EXPECT_GT(aa.right, a.right + 4);
    EXPECT_GT(aSpaceA.right, aa.right) << "a space advances without drawing";
    EXPECT_EQ(aSpaceA.count, aa.count);
}

TEST_P(BitmapFontTest, LineFeedsStepElevenUnitsDown)
{
    const Extent one = printed("A");
    struct Case {
        const char* text;
        int lines;     // lines drawn
        int lowestAt;  // line index of the lowest drawn line
    };
    const Case cases[] = {
        {"A\nA", 2, 1}, {"A\n", 1, 0}, {"\n\nA", 1, 2}, {"A\n\nA", 2, 2}, {"A\n\n", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << '"' << c.text << '"');
        const Extent e = printed(c.text);
        EXPECT_EQ(e.count, c.lines * one.count);
        EXPECT_EQ(e.bottom, one.bottom - 11 * c.lowestAt);
        EXPECT_EQ(e.left, one.left) << "every line starts at the same x";
    }
}

TEST_P(BitmapFontTest, NothingIsDrawnForEmptyTextHighBytesOrAnOffViewStart)
{
    EXPECT_EQ(printed("").count, 0);
    EXPECT_EQ(printed("\x80\xC3\xA9\xFF").count, 0);
    const Extent a = printed("A");
    const Extent mixed = printed("\xE9" "A\xFF");
    EXPECT_EQ(mixed.count, a.count);
    EXPECT_EQ(mixed.left, a.left) << "bytes 128-255 do not even advance";
    EXPECT_EQ(printed("A", -120.0f, 0.0f).count, 0) << "a line starting outside the view is dropped whole";
    EXPECT_GT(printed("AAAAAAAAAAAAAAAAAAAAAAA", 60.0f, 0.0f).count, 0) << "a line running past the edge is clipped";
}

TEST_P(BitmapFontTest, TextAfterAPictureLeavesAnEmptySpriteAPlainQuad)
{
    ASSERT_TRUE(testpicture::writePlainPng("green.png", 2, 2, green));
    Texture texture;
    ASSERT_TRUE(texture.load("green.png", noColourKey));
    Sprite picture;
    picture.texture = texture;
    picture.x = 60;
    picture.width = 20;
    picture.height = 20;
    picture.draw();
    printed("A");
    Sprite empty;
    empty.colour = red;
    empty.width = 20;
    empty.height = 20;
    empty.draw();
    EXPECT_TRUE(same(at(0, 0), red)) << describe(at(0, 0));
    texture.release();
}

TEST_P(BitmapFontTest, FontsOfOneSizeShareTheirGlyphsAndTheLastOneFreesThem)
{
    const Renderer::Resources before = renderer().resources();
    {
        BitmapFont first;
        BitmapFont second;
        first.text = second.text = "A";
        first.print(0.0f, 0.0f);
        first.outline = black;
        second.outline = black;
        second.print(0.0f, 20.0f);
        const Renderer::Resources shared = renderer().resources();
        font.reset();
        EXPECT_EQ(renderer().resources().displayLists, shared.displayLists) << "the others still hold them";
        EXPECT_EQ(renderer().resources().textures, shared.textures);
        // Letters and rims, built once for the three fonts of one size.
        if (GetParam() == RendererKind::gl1)
            EXPECT_EQ(shared.displayLists - before.displayLists, 256) << "128 letters, 128 rims";
        else
            EXPECT_GE(shared.textures - before.textures, 1) << "a glyph page for the letters, one for the rims";
    }
    const Renderer::Resources after = renderer().resources();
    EXPECT_EQ(after.displayLists, 0) << "the glyphs go with the last font of their size";
    EXPECT_EQ(after.textures, 0);
}

TEST_P(BitmapFontTest, TheDescriptionChoosesSizeAndWeight)
{
    const Extent small = printed("H");
    FontDescription large;
    large.height = -28;
    BitmapFont big;
    big.fontDescription = large;
    big.colour = white;
    big.text = "H";
    context->clear();
    big.print(-90.0f, 50.0f);
    int top = -1;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (!same(context->pixel(x, y), background, 0))
                top = std::max(top, y);
    const int smallHeight = small.top - small.bottom + 1;
    EXPECT_NEAR(top - 150 + 1, 2 * smallHeight, 2) << "twice the height, twice the letter";

    FontDescription regular;
    regular.weight = 400;
    EXPECT_NE(glyphFaceFile(regular), glyphFaceFile(FontDescription())) << "bold and regular are different faces";
}

namespace {

// The rows and columns where a text drew in the current buffer of `context`.
Extent drawnExtent(OffscreenRenderer& context, Colour background)
{
    Extent extent;
    for (int py = 0; py < context.height(); ++py)
        for (int px = 0; px < context.width(); ++px) {
            const Colour c = context.pixel(px, py);
            if (c.r != background.r || c.g != background.g || c.b != background.b) {
                ++extent.count;
                extent.left = std::min(extent.left, px);
                extent.right = std::max(extent.right, px);
                extent.bottom = std::min(extent.bottom, py);
                extent.top = std::max(extent.top, py);
            }
        }
    return extent;
}

// A window of the game's shape, `lines` pixels high, with the default camera.
struct Window {
    Window(RendererKind kind, int lines) : context(kind, lines * 4 / 3, lines)
    {
        renderer().setClearColour(0.0f, 0.0f, 0.0f, 1.0f);
        context.clear();
        Camera().apply();
    }
    OffscreenRenderer context;
};

int letterHeight(OffscreenRenderer& context, BitmapFont& font, const std::string& text)
{
    context.clear();
    font.text = text;
    font.print(-50.0f, 0.0f);
    const Extent e = drawnExtent(context, Colour{0, 0, 0, 255});
    return e.count == 0 ? 0 : e.top - e.bottom + 1;
}

using BitmapFontScale = ::testing::TestWithParam<RendererKind>;

} // namespace

INSTANTIATE_TEST_SUITE_P(Backends, BitmapFontScale, ::testing::Values(RendererKind::gl1, RendererKind::gles2),
                         backendName);

TEST_P(BitmapFontScale, TextKeepsItsSizeAgainstThePicture)
{
    struct Case {
        int lines;
        int pixelHeight; // 14 at 480 lines and below, proportionally more above
    };
    const Case cases[] = {{240, 14}, {480, 14}, {720, 21}, {1080, 32}};
    int heightAt480 = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        Window window(GetParam(), c.lines);
        ASSERT_TRUE(window.context.valid());
        BitmapFont font;
        font.colour = {255, 255, 255, 255};
        EXPECT_EQ(font.pixelHeight(), c.pixelHeight);
        const int height = letterHeight(window.context, font, "H");
        ASSERT_GT(height, 0);
        if (c.lines == 480)
            heightAt480 = height;
        if (c.lines == 1080) {
            // The letter grows with the picture: 2.25 times as high at 1080 lines.
            EXPECT_NEAR(height, heightAt480 * 1080.0 / 480.0, 1.5);
        }
    }
}

TEST_P(BitmapFontScale, ANewViewportHeightRebuildsTheGlyphs)
{
    Window window(GetParam(), 1080);
    ASSERT_TRUE(window.context.valid());
    BitmapFont font;
    font.colour = {255, 255, 255, 255};
    const int tall = letterHeight(window.context, font, "H");
    EXPECT_EQ(font.pixelHeight(), 32);

    // The window shrinks to 640 x 480: the next print builds 14-pixel glyphs.
    renderer().setViewport(0, 0, 640, 480);
    const int small = letterHeight(window.context, font, "H");
    EXPECT_EQ(font.pixelHeight(), 14);
    EXPECT_NEAR(small * 1080.0 / 480.0, tall, 1.5);

    // And back again.
    renderer().setViewport(0, 0, 1440, 1080);
    EXPECT_EQ(letterHeight(window.context, font, "H"), tall);
    EXPECT_EQ(font.pixelHeight(), 32);

    // A larger description scales the same way: 28 at 480 lines is 63 at 1080.
    font.fontDescription.height = -28;
    letterHeight(window.context, font, "H");
    EXPECT_EQ(font.pixelHeight(), 63);
}

TEST_P(BitmapFontScale, TheMeasuredWidthIsWhatPrintDraws)
{
    for (const int lines : {480, 1080}) {
        SCOPED_TRACE(lines);
        Window window(GetParam(), lines);
        ASSERT_TRUE(window.context.valid());
        BitmapFont font;
        font.colour = {255, 255, 255, 255};
        const std::string text = "Peppers left 10";
        const float width = font.textWidth(text, 200.0f);
        letterHeight(window.context, font, text);
        const Extent e = drawnExtent(window.context, Colour{0, 0, 0, 255});
        const float unitsPerPixel = 200.0f / static_cast<float>(window.context.width());
        const float start = (-50.0f + 100.0f) / unitsPerPixel;
        // The last glyph's ink ends within its advance, a pixel or two short of it.
        EXPECT_LE(e.right + 1, start + width / unitsPerPixel + 0.5f);
        EXPECT_GE(e.right + 1, start + width / unitsPerPixel - 3.0f);
        EXPECT_FLOAT_EQ(font.textWidth(text + "\nPeppers", 200.0f), width) << "the widest line counts";
        EXPECT_FLOAT_EQ(font.textWidth("", 200.0f), 0.0f);

        // Every printable character together stays within the measures, from
        // the baseline at y 0, and fills them but for a blank row or two of
        // the glyph bitmaps.
        std::string all;
        for (char c = ' '; c < 127; ++c)
            all += c;
        letterHeight(window.context, font, all);
        const Extent tallest = drawnExtent(window.context, Colour{0, 0, 0, 255});
        const float pixelsPerUnit = static_cast<float>(window.context.height()) / 200.0f;
        const float baseline = static_cast<float>(window.context.height()) / 2.0f;
        const float up = tallest.top + 1 - baseline;
        const float down = baseline - tallest.bottom;
        EXPECT_GE(font.ascent(200.0f) * pixelsPerUnit, up - 0.01f);
        EXPECT_LE(font.ascent(200.0f) * pixelsPerUnit, up + 2.01f);
        EXPECT_GE(font.descent(200.0f) * pixelsPerUnit, down - 0.01f);
        EXPECT_LE(font.descent(200.0f) * pixelsPerUnit, down + 2.01f);
    }
}

TEST_P(BitmapFontTest, AnOutlineRimsEveryGlyphWithoutCoveringIt)
{
    const Extent plain = printed("I");
    int letter = 0;
    for (int py = plain.bottom; py <= plain.top; ++py)
        for (int px = plain.left; px <= plain.right; ++px)
            letter += same(context->pixel(px, py), white, 0) ? 1 : 0;

    font->outline = black;
    const Extent rimmed = printed("I");
    int stillWhite = 0;
    int rim = 0;
    for (int py = rimmed.bottom; py <= rimmed.top; ++py)
        for (int px = rimmed.left; px <= rimmed.right; ++px) {
            const Colour c = context->pixel(px, py);
            stillWhite += same(c, white, 0) ? 1 : 0;
            rim += same(c, black, 0) ? 1 : 0;
        }
    EXPECT_EQ(stillWhite, letter) << "the letter keeps every pixel";
    EXPECT_GT(rim, 0);
    // One pixel round the letter at 14 pixels.
    EXPECT_EQ(rimmed.left, plain.left - 1);
    EXPECT_EQ(rimmed.right, plain.right + 1);
    EXPECT_EQ(rimmed.top, plain.top + 1);
    EXPECT_EQ(rimmed.bottom, plain.bottom - 1);
}

TEST_P(BitmapFontTest, TheRimIsEveryPixelNextToALetterAndNoOther)
{
    // Letters with a descender, a bowl and a gap between them.
    const std::string text = "Ag jW";
    printed(text);
    std::vector<bool> letter(200 * 200);
    for (int py = 0; py < 200; ++py)
        for (int px = 0; px < 200; ++px)
            letter[py * 200 + px] = same(context->pixel(px, py), white, 0);
    const auto nextToLetter = [&letter](int px, int py) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = px + dx, y = py + dy;
                if (x >= 0 && x < 200 && y >= 0 && y < 200 && letter[y * 200 + x])
                    return true;
            }
        return false;
    };

    font->outline = black;
    printed(text);
    int wrong = 0;
    for (int py = 0; py < 200; ++py)
        for (int px = 0; px < 200; ++px) {
            const Colour c = context->pixel(px, py);
            const Colour expected = letter[py * 200 + px] ? white : nextToLetter(px, py) ? black : background;
            wrong += same(c, expected, 0) ? 0 : 1;
        }
    EXPECT_EQ(wrong, 0);
}

TEST_P(BitmapFontScale, OnATallWindowTheRimIsEveryPixelWithinItsWidthOfALetter)
{
    // 1440 lines: 42-pixel glyphs with a rim of 3 pixels.
    Window window(GetParam(), 1440);
    ASSERT_TRUE(window.context.valid());
    BitmapFont font;
    font.colour = {255, 255, 255, 255};
    const std::string text = "Ag jW";
    letterHeight(window.context, font, text);
    EXPECT_EQ(font.pixelHeight(), 42);
    const int width = window.context.width();
    const int height = window.context.height();
    const Extent plain = drawnExtent(window.context, Colour{0, 0, 0, 255});
    ASSERT_GT(plain.count, 0);
    std::vector<bool> letter(static_cast<std::size_t>(width) * height);
    for (int py = plain.bottom; py <= plain.top; ++py)
        for (int px = plain.left; px <= plain.right; ++px)
            letter[static_cast<std::size_t>(py) * width + px] = window.context.pixel(px, py).r == 255;

    const int rim = 3;
    const auto withinRim = [&](int px, int py) {
        for (int dy = -rim; dy <= rim; ++dy)
            for (int dx = -rim; dx <= rim; ++dx) {
                const int x = px + dx, y = py + dy;
                if (x >= 0 && x < width && y >= 0 && y < height && letter[static_cast<std::size_t>(y) * width + x])
                    return true;
            }
        return false;
    };
    font.outline = {255, 0, 0, 255};
    letterHeight(window.context, font, text);
    int wrong = 0;
    int rimmed = 0;
    for (int py = plain.bottom - rim - 2; py <= plain.top + rim + 2; ++py)
        for (int px = plain.left - rim - 2; px <= plain.right + rim + 2; ++px) {
            const Colour c = window.context.pixel(px, py);
            const bool isLetter = letter[static_cast<std::size_t>(py) * width + px];
            const bool isRim = !isLetter && withinRim(px, py);
            rimmed += isRim ? 1 : 0;
            const Colour expected = isLetter ? Colour{255, 255, 255, 255}
                : isRim                      ? Colour{255, 0, 0, 255}
                                             : Colour{0, 0, 0, 255};
            wrong += c.r == expected.r && c.g == expected.g && c.b == expected.b ? 0 : 1;
        }
    EXPECT_GT(rimmed, 0);
    EXPECT_EQ(wrong, 0) << "the letters, a rim of 3 pixels round them in every direction, nothing else";
}
