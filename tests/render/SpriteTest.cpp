#include <fstream>

#include "RenderTestSupport.h"
#include "render/Sprite.h"
#include "render/Texture.h"

namespace {

Sprite plain(Colour colour, float x, float y, float width, float height, float depth = 1.0f)
{
    Sprite sprite;
    sprite.colour = colour;
    sprite.x = x;
    sprite.y = y;
    sprite.width = width;
    sprite.height = height;
    sprite.depth = depth;
    return sprite;
}

using SpriteTest = OffscreenView;

} // namespace

RENDER_TEST_ON_BOTH_BACKENDS(SpriteTest);

TEST_P(SpriteTest, TheNearerDepthWinsWhateverTheOrder)
{
    struct Case {
        float firstDepth;
        float secondDepth;
        bool firstShows;
    };
    const Case cases[] = {
        {1.0f, 5.0f, true},  // nearer drawn first
        {5.0f, 1.0f, false}, // nearer drawn second
        {3.0f, 3.0f, true},  // equal depth: the first drawn stays
        {-5.0f, 500.0f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.firstDepth << " then " << c.secondDepth);
        context->clear();
        plain(red, 0, 0, 40, 40, c.firstDepth).draw();
        plain(green, 10, 0, 40, 40, c.secondDepth).draw();
        EXPECT_TRUE(same(at(5, 0), c.firstShows ? red : green)) << describe(at(5, 0));
        EXPECT_TRUE(same(at(-15, 0), red));
        EXPECT_TRUE(same(at(25, 0), green));
    }
}

TEST_P(SpriteTest, TransparentTexelsLetLaterDrawingThrough)
{
    ASSERT_TRUE(testpicture::writePlainPng("hole.png", 2, 2, black));
    Texture hole;
    ASSERT_TRUE(hole.loadKeyed("hole.png"));
    Sprite front = plain(white, 0, 0, 40, 40, 1.0f);
    front.texture = hole;
    front.draw();
    plain(green, 0, 0, 40, 40, 5.0f).draw();
    EXPECT_TRUE(same(at(0, 0), green));
    hole.release();
}

TEST_P(SpriteTest, PositionSizeAndRotation)
{
    struct Case {
        const char* what;
        Sprite sprite;
        float insideX, insideY, outsideX, outsideY;
    };
    Sprite turned = plain(red, 0, 0, 20, 10);
    turned.rotation = 90.0f;
    Sprite moved = plain(red, -60, 40, 10, 10);
    Sprite diamond = plain(red, 0, 0, 40, 40);
    diamond.rotation = 45.0f;
    const Case cases[] = {
        {"a 20 x 10 sprite turned 90 degrees still covers 20 x 10", turned, 9, 0, 0, 7},
        {"centre and size in view units", moved, -56, 44, -54, 40},
        {"a turned square leaves its corners", diamond, 0, 26, 18, 18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        context->clear();
        c.sprite.draw();
        EXPECT_TRUE(same(at(c.insideX, c.insideY), red));
        EXPECT_TRUE(same(at(c.outsideX, c.outsideY), background));
    }
}

TEST_P(SpriteTest, AnInvisibleSpriteIssuesNoDrawing)
{
    ASSERT_TRUE(testpicture::writePlainPng("plain.png", 2, 2, red));
    Texture texture;
    ASSERT_TRUE(texture.load("plain.png", noColourKey));
    context->clear();
    const long long quadsBefore = renderer().counts().quads;

    Sprite sprite = plain(green, 0, 0, 100, 100);
    sprite.texture = texture;
    sprite.visible = false;
    sprite.draw();

    EXPECT_EQ(drawnPixels(), 0);
    EXPECT_EQ(renderer().counts().quads, quadsBefore) << "nothing reached the renderer";
    texture.release();
}

TEST_P(SpriteTest, ColourShowsUnlitAndTheAmbientShowsLit)
{
    ASSERT_TRUE(testpicture::writePlainPng("white.png", 2, 2, white));
    Texture texture;
    ASSERT_TRUE(texture.load("white.png", noColourKey));
    renderer().setMaterial(1.0f);
    renderer().setAmbient(0.5f);

    Sprite lit = plain(red, -50, 0, 40, 40);
    lit.texture = texture;
    Sprite unlit = plain(red, 50, 0, 40, 40);
    unlit.texture = texture;

    renderer().setLighting(true);
    lit.draw();
    renderer().setLighting(false);
    unlit.draw();

    const Colour dimmed = at(-50, 0);
    EXPECT_NEAR(dimmed.r, 128, 2) << "lit colour is the ambient, the sprite's colour has no effect";
    EXPECT_NEAR(dimmed.g, 128, 2);
    EXPECT_TRUE(same(at(50, 0), red)) << "unlit colour is the sprite's colour";
    texture.release();
}

// A sprite whose picture is missing or broken is a plain quad of its colour,
// whatever texture the drawing before it bound: a truncated title picture
// must not show another picture stretched behind the menu.
TEST_P(SpriteTest, AnEmptyTextureNeverShowsTheLastBoundPicture)
{
    ASSERT_TRUE(testpicture::writePlainPng("red.png", 2, 2, red));
    std::ofstream("truncated.png", std::ios::binary) << std::string("\x89PNG\r\n\x1a\n", 8);
    Texture picture;
    ASSERT_TRUE(picture.load("red.png", noColourKey));
    Texture broken;
    ASSERT_FALSE(broken.load("truncated.png", noColourKey));

    Sprite shown = plain(white, -50, 0, 40, 40);
    shown.texture = picture;
    shown.draw(); // leaves the red picture bound with texturing on
    Sprite empty = plain(green, 50, 0, 40, 40);
    empty.texture = broken;
    empty.draw();
    EXPECT_TRUE(same(at(-50, 0), red));
    EXPECT_TRUE(same(at(50, 0), green)) << "the sprite's own colour, not the red picture: " << describe(at(50, 0));

    // Lit, it takes the lit colour (the ambient), as any untextured quad.
    renderer().setMaterial(1.0f);
    renderer().setAmbient(0.5f);
    renderer().setLighting(true);
    shown.draw();
    empty.y = 60;
    empty.draw();
    renderer().setLighting(false);
    const Colour lit = at(50, 60);
    EXPECT_NEAR(lit.r, 128, 2) << describe(lit);
    EXPECT_NEAR(lit.g, 128, 2);
    EXPECT_NEAR(lit.b, 128, 2);
    picture.release();
}
