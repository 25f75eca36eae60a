// The shader backend shows what the fixed-function one shows: each of the
// game's drawing primitives drawn by gl1 and by gles2 on the off-screen
// context, pixel for pixel. And what only the backends' bookkeeping shows:
// batches keep the order quads were issued in, the null backend keeps its
// texture names balanced.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "TestPicture.h"
#include "render/BitmapFont.h"
#include "render/Lighting.h"
#include "render/Panel.h"
#include "render/PictureCache.h"
#include "render/Sprite.h"
#include "render/Texture.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "screens/Camera.h"

namespace {

constexpr int side = 200;

struct Difference {
    int pixels = 0; // differing by more than 2/255 in a channel
    int largest = 0;
};

// The pictures the scenes draw, written where the test runs.
void writePictures()
{
    std::vector<Colour> gradient;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            gradient.push_back(Colour{static_cast<unsigned char>(x * 16), static_cast<unsigned char>(y * 16),
                                      static_cast<unsigned char>(255 - x * 8), static_cast<unsigned char>(255)});
    ASSERT_TRUE(testpicture::writePng("gradient.png", 16, 16, gradient));
    std::vector<Colour> holes;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            holes.push_back((x + y) % 3 == 0 ? Colour{255, 0, 255, 255} : Colour{250, 200, 40, 255});
    ASSERT_TRUE(testpicture::writePng("holes.png", 8, 8, holes));
    ASSERT_TRUE(testpicture::writePng("stripes.png", 4, 2,
                                      {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 0, 0},
                                       {0, 0, 0, 255}, {255, 255, 255, 255}, {128, 128, 128, 128}, {0, 255, 255, 255}}));
    std::vector<Colour> odd(5 * 3, Colour{200, 100, 50, 255});
    odd[7] = Colour{10, 220, 90, 255};
    ASSERT_TRUE(testpicture::writePng("odd.png", 5, 3, odd));
}

Sprite sprite(const Texture& texture, float x, float y, float width, float height, float depth = 1.0f)
{
    Sprite made;
    made.texture = texture;
    made.x = x;
    made.y = y;
    made.width = width;
    made.height = height;
    made.depth = depth;
    return made;
}

// The scene drawn by one backend on a fresh surface, as RGBA bytes.
std::vector<unsigned char> drawnBy(RendererKind kind, const std::function<void()>& draw)
{
    OffscreenRenderer surface(kind, side, side);
    EXPECT_TRUE(surface.valid());
    EXPECT_STREQ(renderer().name(), rendererKindName(kind));
    renderer().setClearColour(0.1f, 0.2f, 0.6f, 1.0f);
    surface.clear();
    Camera().apply();
    draw();
    std::vector<unsigned char> pixels = renderer().readPixels(0, 0, side, side);
    EXPECT_EQ(pictureCache.size(), 0u) << "the scene gives back every picture it loaded";
    return pixels;
}

Difference compare(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
{
    Difference d;
    for (std::size_t i = 0; i + 3 < a.size() && i + 3 < b.size(); i += 4) {
        int largest = 0;
        for (std::size_t k = 0; k < 3; ++k)
            largest = std::max(largest, std::abs(a[i + k] - b[i + k]));
        d.largest = std::max(d.largest, largest);
        d.pixels += largest > 2 ? 1 : 0;
    }
    return d;
}

// How many pixels differ from the clear colour: the scene drew something.
int drawnPixels(const std::vector<unsigned char>& pixels)
{
    const std::vector<unsigned char> blank = drawnBy(RendererKind::gl1, [] {});
    return compare(pixels, blank).pixels;
}

} // namespace

TEST(BackendParity, EveryPrimitiveLooksTheSameOnGl1AndGles2)
{
    writePictures();
    struct Scene {
        const char* what;
        std::function<void()> draw;
    };
    const Scene scenes[] = {
        {"lit and unlit quads at several ambient levels",
         [] {
             Texture gradient;
             ASSERT_TRUE(gradient.load("gradient.png", noColourKey));
             setFullLight();
             const float levels[] = {1.0f, 0.75f, 0.5f, 0.2f, 0.0f};
             for (int i = 0; i < 5; ++i) {
                 setAmbientLight(levels[i]);
                 const float y = 80.0f - 40.0f * i;
                 {
                     const LitDrawing lit;
                     sprite(gradient, -75, y, 45, 35).draw();
                     Sprite plain = sprite(Texture(), -25, y, 45, 35);
                     plain.colour = Colour{40, 200, 90, 255};
                     plain.draw();
                 }
                 const UnlitDrawing unlit;
                 Sprite tinted = sprite(gradient, 25, y, 45, 35);
                 tinted.colour = Colour{255, 128, 64, 255};
                 tinted.draw();
                 Sprite plain = sprite(Texture(), 75, y, 45, 35);
                 plain.colour = Colour{200, 30, 120, 255};
                 plain.draw();
             }
             gradient.release();
         }},
        {"a keyed picture over what lies behind it",
         [] {
             Texture holes;
             ASSERT_TRUE(holes.load("holes.png", magentaColourKey));
             Sprite behind = sprite(Texture(), 0, 0, 150, 150, 5.0f);
             behind.colour = Colour{20, 160, 20, 255};
             behind.draw();
             sprite(holes, 0, 0, 120, 120, 1.0f).draw();
             holes.release();
         }},
        {"plain quads and text of no alpha under a picture's alpha test leave no colour and no depth",
         [] {
             Texture gradient;
             ASSERT_TRUE(gradient.load("gradient.png", noColourKey));
             sprite(gradient, -50, 50, 80, 80, 4.0f).draw();
             Sprite clear = sprite(Texture(), 0, 0, 160, 160, 1.0f);
             clear.colour = Colour{255, 255, 255, 0};
             clear.draw();
             BitmapFont unseen;
             unseen.colour = Colour{255, 255, 255, 0};
             unseen.depth = 1.0f;
             unseen.text = "nothing to see";
             unseen.print(-60.0f, 20.0f);
             Sprite behind = sprite(Texture(), 20, -20, 100, 100, 3.0f);
             behind.colour = Colour{240, 40, 40, 255};
             behind.draw();
             gradient.release();
         }},
        {"mirrored and scrolled texture coordinates",
         [] {
             Texture stripes;
             ASSERT_TRUE(stripes.load("stripes.png", noColourKey));
             Sprite mirrored = sprite(stripes, -50, 50, 90, 90);
             mirrored.texture.u1 = -1.0f;
             mirrored.draw();
             sprite(stripes, 50, 50, -90, 90).draw();
             Sprite scrolled = sprite(stripes, -50, -50, 90, 90);
             scrolled.texture.u0 = 2.3f;
             scrolled.texture.u1 = 3.3f;
             scrolled.draw();
             Sprite part = sprite(stripes, 50, -50, 90, 90);
             part.texture.u1 = 0.6f;
             part.draw();
             stripes.release();
         }},
        {"rotations",
         [] {
             Texture gradient;
             ASSERT_TRUE(gradient.load("gradient.png", noColourKey));
             const float turns[] = {30.0f, 45.0f, 90.0f, 200.0f, -13.5f, 0.0f};
             for (int i = 0; i < 6; ++i) {
                 Sprite turned = sprite(gradient, -65.0f + 65.0f * (i % 3), i < 3 ? 50.0f : -50.0f, 50, 30);
                 turned.rotation = turns[i];
                 turned.draw();
             }
             gradient.release();
         }},
        {"panels with blending and rims",
         [] {
             Texture gradient;
             ASSERT_TRUE(gradient.load("gradient.png", noColourKey));
             sprite(gradient, 0, 0, 180, 180, 5.0f).draw();
             Panel translucent;
             translucent.left = -80;
             translucent.right = 20;
             translucent.bottom = -30;
             translucent.top = 60;
             translucent.fill = Colour{255, 250, 236, 208};
             translucent.rimColour = Colour{96, 58, 36, 255};
             translucent.rimWidth = 2.5f;
             translucent.draw();
             Panel solid = translucent;
             solid.left = 0;
             solid.right = 90;
             solid.bottom = -90;
             solid.top = 0;
             solid.depth = 2.0f;
             solid.fill = Colour{30, 30, 90, 255};
             solid.draw();
             gradient.release();
         }},
        {"text with its rim, two sizes, several lines",
         [] {
             BitmapFont small;
             small.colour = Colour{255, 255, 255, 255};
             small.outline = Colour{28, 20, 36, 255};
             small.text = "Score 12345\nLevel 8/15  Peppers left 3";
             small.print(-95.0f, 80.0f);
             BitmapFont large;
             large.fontDescription.height = -28;
             large.colour = Colour{255, 236, 120, 255};
             large.outline = Colour{28, 20, 36, 255};
             large.text = "Level 8";
             large.print(-40.0f, 10.0f);
             BitmapFont plain;
             plain.colour = Colour{150, 28, 36, 255};
             plain.depth = 0.5f;
             plain.text = "-> bob at the beach.sav   Level: 5";
             plain.print(-95.0f, -60.0f);
         }},
        {"a fade's darkening: lit pictures dim, unlit text does not",
         [] {
             Texture gradient;
             ASSERT_TRUE(gradient.load("gradient.png", noColourKey));
             setFullLight();
             setAmbientLight(0.37f);
             beginLitDrawing();
             sprite(gradient, 0, 0, 200, 200, 50.0f).draw();
             const UnlitDrawing unlit;
             BitmapFont font;
             font.colour = Colour{255, 255, 255, 255};
             font.text = "Programming, Art, Story";
             font.print(-60.0f, 0.0f);
             gradient.release();
         }},
        {"a picture of no power-of-two size, magnified",
         [] {
             Texture odd;
             ASSERT_TRUE(odd.load("odd.png", noColourKey));
             sprite(odd, 0, 0, 190, 130).draw();
             odd.release();
         }},
    };
    for (const Scene& scene : scenes) {
        SCOPED_TRACE(scene.what);
        const std::vector<unsigned char> fixed = drawnBy(RendererKind::gl1, scene.draw);
        const std::vector<unsigned char> shaded = drawnBy(RendererKind::gles2, scene.draw);
        ASSERT_GT(drawnPixels(fixed), side * side / 20) << "the scene draws something";
        const Difference d = compare(fixed, shaded);
        // Every pixel within 2/255: the primitives alone leave no edge a
        // vertex could round differently (whole games are held to one pixel
        // in a thousand, tests/replays' parity test).
        EXPECT_EQ(d.pixels, 0) << "largest difference " << d.largest;
    }
}

// Quads with the same picture page and state go out in one draw call, in the
// order they were issued: at equal depth the one drawn first stays in front,
// as the depth test keeps it in the fixed-function pipeline.
TEST(BackendParity, BatchingKeepsTheOrderQuadsWereIssuedIn)
{
    ASSERT_TRUE(testpicture::writePlainPng("red.png", 4, 4, Colour{255, 0, 0, 255}));
    ASSERT_TRUE(testpicture::writePlainPng("green.png", 4, 4, Colour{0, 255, 0, 255}));
    for (const RendererKind kind : {RendererKind::gl1, RendererKind::gles2}) {
        SCOPED_TRACE(rendererKindName(kind));
        OffscreenRenderer surface(kind, side, side);
        Texture red;
        Texture green;
        ASSERT_TRUE(red.load("red.png", noColourKey));
        ASSERT_TRUE(green.load("green.png", noColourKey));
        for (const bool redFirst : {true, false}) {
            surface.clear();
            Camera().apply();
            const long long callsBefore = renderer().counts().drawCalls;
            sprite(redFirst ? red : green, -10, 0, 60, 60, 3.0f).draw();
            sprite(redFirst ? green : red, 10, 0, 60, 60, 3.0f).draw();
            const Colour overlap = surface.pixelAtView(0, 0);
            EXPECT_EQ(overlap.r, redFirst ? 255 : 0) << "the first drawn stays in front";
            EXPECT_EQ(overlap.g, redFirst ? 0 : 255);
            const Colour onlySecond = surface.pixelAtView(35, 0);
            EXPECT_EQ(onlySecond.g, redFirst ? 255 : 0) << "the second shows where the first is not";
            if (kind == RendererKind::gles2) {
                EXPECT_EQ(renderer().counts().drawCalls - callsBefore, 1) << "two pictures, one batch";
            }
        }
        red.release();
        green.release();
    }
}

// The null backend draws nothing and needs no context, but its names are
// held and given back as a context's are.
TEST(BackendParity, TheNullBackendKeepsTextureNamesBalanced)
{
    writePictures();
    OffscreenRenderer surface(RendererKind::null, side, side);
    ASSERT_TRUE(surface.valid());
    std::vector<Texture> loaded(3);
    ASSERT_TRUE(loaded[0].load("gradient.png", noColourKey));
    ASSERT_TRUE(loaded[1].load("holes.png", magentaColourKey));
    ASSERT_TRUE(loaded[2].load("gradient.png", noColourKey)) << "shared, not a second name";
    EXPECT_EQ(loaded[0].glName, loaded[2].glName);
    EXPECT_EQ(renderer().resources().textures, 2);
    EXPECT_TRUE(renderer().textureAlive(loaded[1].glName));
    BitmapFont font;
    font.text = "null";
    font.print(0.0f, 0.0f);
    sprite(loaded[0], 0, 0, 10, 10).draw();
    renderer().flush();
    EXPECT_EQ(renderer().counts().quads, 1);
    EXPECT_EQ(renderer().counts().texts, 1);
    EXPECT_EQ(renderer().readPixels(0, 0, 2, 2), std::vector<unsigned char>(16, 0)) << "nothing to read";
    for (Texture& texture : loaded)
        texture.release();
    EXPECT_EQ(renderer().resources().textures, 0);
    EXPECT_EQ(renderer().counts().texturesMade, renderer().counts().texturesDeleted);
    ::testing::internal::CaptureStderr();
    renderer().releaseTexture(loaded[1].glName);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("not alive"), std::string::npos)
        << "a name given back twice is said";
}
