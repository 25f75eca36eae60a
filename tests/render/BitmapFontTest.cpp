#include <GL/gl.h>

#include <algorithm>
#include <cctype>
#include <string>

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

TEST_F(BitmapFontTest, TheFaceIsComicSansOrItsSubstitute)
{
    std::string file = glyphFaceFile(font->fontDescription);
    std::transform(file.begin(), file.end(), file.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_NE(file.find("comic"), std::string::npos) << file;
    EXPECT_NE(file.find("bold"), std::string::npos) << file;
}

TEST_F(BitmapFontTest, GlyphsHaveTheirPixelSizeAndColour)
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

TEST_F(BitmapFontTest, GlyphsAdvanceTheRasterPosition)
{
    const Extent a = printed("A");
    const Extent aa = printed("AA");
    const Extent aSpaceA = printed("A A");
    EXPECT_EQ(aa.count, 2 * a.count);
    EXPECT_GT(aa.right, a.right + 4);
    EXPECT_GT(aSpaceA.right, aa.right) << "a space advances without drawing";
    EXPECT_EQ(aSpaceA.count, aa.count);
}

TEST_F(BitmapFontTest, LineFeedsStepElevenUnitsDown)
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

TEST_F(BitmapFontTest, NothingIsDrawnForEmptyTextHighBytesOrAnOffViewStart)
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

TEST_F(BitmapFontTest, PrintLeavesTexturingOffSoAnEmptySpriteIsAPlainQuad)
{
    ASSERT_TRUE(testpicture::writePlainPng("green.png", 2, 2, green));
    Texture texture;
    ASSERT_TRUE(texture.load("green.png", noColourKey));
    texture.bind();
    printed("A");
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    Sprite empty;
    empty.colour = red;
    empty.width = 20;
    empty.height = 20;
    empty.draw();
    EXPECT_TRUE(same(at(0, 0), red)) << describe(at(0, 0));
    texture.release();
}

TEST_F(BitmapFontTest, TheDisplayListsAreFreedWithTheFont)
{
    const unsigned int base = font->listBase;
    ASSERT_NE(base, 0u);
    for (unsigned int k = 0; k < 128; ++k)
        ASSERT_TRUE(glIsList(base + k)) << k;
    font.reset();
    for (unsigned int k = 0; k < 128; ++k)
        EXPECT_FALSE(glIsList(base + k)) << k;
    // A second font gets lists of its own.
    BitmapFont first;
    BitmapFont second;
    EXPECT_GE(second.listBase, first.listBase + 128);
}

TEST_F(BitmapFontTest, TheDescriptionChoosesSizeAndWeight)
{
    const Extent small = printed("H");
    FontDescription large;
    large.height = -28;
    BitmapFont big;
    big.fontDescription = large;
    // Lists are built when the font is constructed: rebuild them for the test.
    buildGlyphLists(big.listBase, big.fontDescription);
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
