#include <algorithm>
#include <filesystem>
#include <fstream>

#include "RenderTestSupport.h"
#include "platform/LoadInterruption.h"
#include "render/PictureBound.h"
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

RENDER_TEST_ON_BOTH_BACKENDS(TextureTest);

TEST_P(TextureTest, ColourKeyMakesExactlyTheKeyedPixelsVanish)
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

TEST_P(TextureTest, LoadKeyedUsesOpaqueBlack)
{
    ASSERT_TRUE(testpicture::writePlainPng("black.png", 2, 2, black));
    Texture texture;
    ASSERT_TRUE(texture.loadKeyed("black.png"));
    fullView(texture).draw();
    EXPECT_EQ(drawnPixels(), 0);
    texture.release();
}

TEST_P(TextureTest, PictureOrientationAndMirroring)
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

TEST_P(TextureTest, MissingOrBrokenPicturesLeaveTheTextureEmpty)
{
    std::ofstream("broken.png") << "not a picture at all";
    std::ofstream("empty.png");
    for (const char* path : {"nowhere.png", "broken.png", "empty.png", "Textures\\nowhere.png", ""}) {
        SCOPED_TRACE(path);
        Texture texture;
        EXPECT_FALSE(texture.load(path, blackColourKey));
        EXPECT_EQ(texture.glName, 0u);
    }
}

TEST_P(TextureTest, BackslashesAndCaseFindThePicture)
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

TEST_P(TextureTest, EachLoadIsGivenBackByOneReleaseAndAReloadAfterItMakesANewName)
{
    ASSERT_TRUE(testpicture::writePlainPng("plain.png", 3, 5, red)); // not a power of two
    Texture texture;
    ASSERT_TRUE(texture.load("plain.png", noColourKey));
    const unsigned int first = texture.glName;
    EXPECT_TRUE(renderer().textureAlive(first));
    ASSERT_TRUE(texture.load("plain.png", noColourKey));
    EXPECT_EQ(texture.glName, first) << "the picture already loaded is shared";
    texture.release();
    EXPECT_EQ(texture.glName, first) << "release leaves the field as it was";
    EXPECT_TRUE(renderer().textureAlive(first)) << "a second load without release keeps the first one's hold";
    texture.release();
    EXPECT_FALSE(renderer().textureAlive(first));

    ASSERT_TRUE(texture.load("plain.png", noColourKey));
    EXPECT_TRUE(renderer().textureAlive(texture.glName));
    texture.release();
    EXPECT_FALSE(renderer().textureAlive(texture.glName));
}

// The game's sampling, as a player sees it on a picture magnified 100
// times: linear filtering, s repeated (the left edge blends with the right
// column, as the fire's scrolling needs), t clamped (the top and bottom rows
// fade into a transparent border, darkening the colour there), and the
// alpha test passing everything above 0.0001.
TEST_P(TextureTest, MagnifiedPicturesShowTheSamplingState)
{
    ASSERT_TRUE(testpicture::writePng("two.png", 2, 2, {red, green, red, green}));
    Texture texture;
    ASSERT_TRUE(texture.load("two.png", noColourKey));
    fullView(texture).draw();
    const Colour leftEdge = context->pixel(0, 100);
    EXPECT_NEAR(leftEdge.r, 128, 3) << "half of the right column wraps in: " << describe(leftEdge);
    EXPECT_NEAR(leftEdge.g, 127, 3);
    // Near a texel's centre its own colour, but for the filter's rounding.
    const Colour middleLeft = context->pixel(50, 100);
    EXPECT_TRUE(same(middleLeft, red, 4)) << describe(middleLeft);
    const Colour between = context->pixel(100, 100);
    EXPECT_NEAR(between.r, between.g, 4) << "red and green mix between the texels: " << describe(between);

    const Colour top = context->pixel(50, 199);
    EXPECT_NEAR(top.r, 129, 3) << "the top row half fades into the border: " << describe(top);
    EXPECT_EQ(top.b, 0) << "and is drawn, not let through to the background";
    const Colour bottom = context->pixel(50, 0);
    EXPECT_NEAR(bottom.r, 129, 3) << describe(bottom);
    const Colour inside = context->pixel(50, 150);
    EXPECT_TRUE(same(inside, red, 4)) << describe(inside);
    texture.release();
}

// A picture larger than the game shows (4096 on a side, or the driver's
// maximum texture size when smaller) is refused from its header, before any
// decoding, with one line on standard error naming the file and its size;
// the texture stays empty, as for a missing picture.
TEST_P(TextureTest, PicturesBeyondTheBoundAreRefusedFromTheirHeader)
{
    EXPECT_EQ(largestPictureSide(), maxPictureSide) << "Mesa allows more than the game's own bound";

    ASSERT_TRUE(testpicture::writePlainPng("wide.png", 4097, 1, red));
    ASSERT_TRUE(testpicture::writePlainPng("edge.png", 4096, 1, red));
    // Only the signature and IHDR of a 16384 x 16384 picture: the header alone decides.
    std::vector<unsigned char> huge = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    testpicture::putChunk(huge, "IHDR", {0, 0, 0x40, 0, 0, 0, 0x40, 0, 8, 6, 0, 0, 0});
    std::ofstream("huge.png", std::ios::binary).write(reinterpret_cast<const char*>(huge.data()),
                                                      static_cast<std::streamsize>(huge.size()));

    const struct {
        const char* file;
        bool loads;
        const char* said;
    } cases[] = {
        {"wide.png", false, "thrask: wide.png is 4097 x 1 pixels, larger than the 4096 x 4096 the game shows"},
        {"huge.png", false, "thrask: huge.png is 16384 x 16384 pixels, larger than the 4096 x 4096"},
        {"edge.png", true, ""},
        {"nowhere.png", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Texture texture;
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(texture.load(c.file, noColourKey), c.loads);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(texture.glName != 0, c.loads);
        if (c.said[0] == '\0')
            EXPECT_EQ(said, "");
        else
            EXPECT_EQ(said.rfind(c.said, 0), 0u) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), c.said[0] == '\0' ? 0 : 1) << "one line";
        texture.release();
    }
}

// Only PNG, GIF and BMP pictures are decoded; anything else under a
// picture's name is refused with a line saying so.
TEST_P(TextureTest, OtherKindsOfFileAreRefusedWithALine)
{
    std::ofstream("text.png") << "not a picture at all";
    std::filesystem::create_directories("folder.png");
    for (const char* file : {"text.png", "folder.png"}) {
        SCOPED_TRACE(file);
        Texture texture;
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(texture.load(file, noColourKey));
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  std::string("thrask: ") + file + " is not a PNG, GIF or BMP picture; it is not shown\n");
        EXPECT_EQ(texture.glName, 0u);
    }
}

// While the game is ending (SIGTERM, the close button) no picture is
// loaded, so a screen loading dozens of pictures in one frame ends that
// frame at once.
TEST_P(TextureTest, NoPictureLoadsWhileTheGameIsEnding)
{
    ASSERT_TRUE(testpicture::writePlainPng("red.png", 2, 2, red));
    setLoadInterruption([] { return true; });
    Texture texture;
    const bool loaded = texture.load("red.png", noColourKey);
    setLoadInterruption(nullptr);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(texture.glName, 0u);
    EXPECT_TRUE(texture.load("red.png", noColourKey)) << "without the check pictures load again";
    texture.release();
}
