#include <GL/gl.h>

#include <filesystem>
#include <fstream>

#include "RenderTestSupport.h"
#include "render/Sprite.h"
#include "render/Texture.h"

namespace {

// A full-view sprite showing a texture; pixels are read where the texels'
// centres land.
Sprite fullView(const Texture& texture)
{
    Sprite sprite;
    sprite.width = 200.0f;
    sprite.height = 200.0f;
    sprite.texture = texture;
    return sprite;
}

using TextureTest = OffscreenView;

} // namespace

TEST_F(TextureTest, ColourKeyMakesExactlyTheKeyedPixelsVanish)
{
    struct Case {
        const char* what;
        Colour pixel;
        std::uint32_t key;
        bool vanishes;
    };
    const Case cases[] = {
        {"opaque black under the black key", {0, 0, 0, 255}, blackColourKey, true},
        {"near black under the black key", {1, 0, 0, 255}, blackColourKey, false},
        {"black with other alpha under the black key", {0, 0, 0, 254}, blackColourKey, false},
        {"opaque black without key", {0, 0, 0, 255}, noColourKey, false},
        {"already transparent without key", {0, 0, 0, 0}, noColourKey, true},
        {"magenta under the magenta key", {255, 0, 255, 255}, magentaColourKey, true},
        {"magenta under the black key", {255, 0, 255, 255}, blackColourKey, false},
        {"nearly transparent red", {255, 0, 0, 1}, noColourKey, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        context->clear();
        // Left half the case's pixel, right half opaque green.
        ASSERT_TRUE(testpicture::writePng("keyed.png", 4, 4,
            {c.pixel, c.pixel, green, green, c.pixel, c.pixel, green, green,
             c.pixel, c.pixel, green, green, c.pixel, c.pixel, green, green}));
        Texture texture;
        ASSERT_TRUE(texture.load("keyed.png", c.key));
        fullView(texture).draw();
        const Colour left = at(-50, 0);
        if (c.vanishes) {
            EXPECT_TRUE(same(left, background)) << describe(left);
        } else {
            // Drawn fully opaque, in its own colour: no blending anywhere.
            EXPECT_TRUE(same(left, c.pixel, 1)) << describe(left);
        }
        EXPECT_TRUE(same(at(50, 0), green)) << describe(at(50, 0));
        texture.release();
    }
}

TEST_F(TextureTest, LoadKeyedUsesOpaqueBlack)
{
    ASSERT_TRUE(testpicture::writePlainPng("black.png", 2, 2, black));
    Texture texture;
    ASSERT_TRUE(texture.loadKeyed("black.png"));
    fullView(texture).draw();
    EXPECT_EQ(drawnPixels(), 0);
    texture.release();
}

TEST_F(TextureTest, PictureOrientationAndMirroring)
{
    // Top two rows red, bottom two green; left two columns red, right green
    // in a second picture.
    ASSERT_TRUE(testpicture::writePng("rows.png", 1, 4, {red, red, green, green}));
    ASSERT_TRUE(testpicture::writePng("columns.png", 4, 1, {red, red, green, green}));
    Texture rows;
    Texture columns;
    ASSERT_TRUE(rows.load("rows.png", noColourKey));
    ASSERT_TRUE(columns.load("columns.png", noColourKey));

    fullView(rows).draw();
    EXPECT_TRUE(same(at(0, 50), red)) << "the first row is at the top";
    EXPECT_TRUE(same(at(0, -50), green));

    context->clear();
    fullView(columns).draw();
    EXPECT_TRUE(same(at(-50, 0), red));
    EXPECT_TRUE(same(at(50, 0), green));

    context->clear();
    Sprite mirrored = fullView(columns);
    mirrored.texture.u1 = -1.0f;
    mirrored.draw();
    EXPECT_TRUE(same(at(-50, 0), green)) << "u1 = -1 shows the picture mirrored";
    EXPECT_TRUE(same(at(50, 0), red));

    context->clear();
    Sprite flipped = fullView(columns);
    flipped.width = -200.0f;
    flipped.draw();
    EXPECT_TRUE(same(at(-50, 0), green)) << "a negative width mirrors too";

    rows.release();
    columns.release();
}

TEST_F(TextureTest, MissingOrBrokenPicturesLeaveTheTextureEmpty)
{
    std::ofstream("broken.png") << "not a picture at all";
    std::ofstream("empty.png");
    for (const char* path : {"nowhere.png", "broken.png", "empty.png", "Textures\\nowhere.png", ""}) {
        SCOPED_TRACE(path);
        Texture texture;
        EXPECT_FALSE(texture.load(path, blackColourKey));
        EXPECT_EQ(texture.glName, 0u);
        texture.bind(); // does nothing on an empty texture
        EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    }
}

TEST_F(TextureTest, BackslashesAndCaseFindThePicture)
{
    std::filesystem::create_directories("Textures");
    ASSERT_TRUE(testpicture::writePlainPng("Textures/LoadGame.png", 2, 2, red));
    for (const char* path : {"Textures/LoadGame.png", "Textures\\LoadGame.png", "Textures\\loadgame.png",
                             "textures/LOADGAME.PNG"}) {
        SCOPED_TRACE(path);
        Texture texture;
        EXPECT_TRUE(texture.load(path, noColourKey));
        EXPECT_NE(texture.glName, 0u);
        texture.release();
    }
}

TEST_F(TextureTest, EachLoadIsGivenBackByOneReleaseAndAReloadAfterItMakesANewName)
{
    ASSERT_TRUE(testpicture::writePlainPng("plain.png", 3, 5, red)); // not a power of two
    Texture texture;
    ASSERT_TRUE(texture.load("plain.png", noColourKey));
    const unsigned int first = texture.glName;
    EXPECT_TRUE(glIsTexture(first));
    ASSERT_TRUE(texture.load("plain.png", noColourKey));
    EXPECT_EQ(texture.glName, first) << "the picture already loaded is shared";
    texture.release();
    EXPECT_EQ(texture.glName, first) << "release leaves the field as it was";
    EXPECT_TRUE(glIsTexture(first)) << "a second load without release keeps the first one's hold";
    texture.release();
    EXPECT_FALSE(glIsTexture(first));

    ASSERT_TRUE(texture.load("plain.png", noColourKey));
    EXPECT_TRUE(glIsTexture(texture.glName));
    texture.release();
    EXPECT_FALSE(glIsTexture(texture.glName));
}

TEST_F(TextureTest, BindAppliesTheSamplingState)
{
    ASSERT_TRUE(testpicture::writePlainPng("plain.png", 2, 2, red));
    Texture texture;
    ASSERT_TRUE(texture.load("plain.png", noColourKey));
    glDisable(GL_TEXTURE_2D);
    texture.bind();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    GLint value = 0;
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &value);
    EXPECT_EQ(value, GL_GREATER);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &value);
    EXPECT_EQ(value, GL_REPEAT);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &value);
    EXPECT_EQ(value, GL_CLAMP);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &value);
    EXPECT_EQ(value, GL_MODULATE);
    texture.release();
}
