// What every backend shares: the frame record, the frames left unplayed
// because they would show the picture already shown, the viewport as OpenGL
// takes it, releases kept until what was recorded with them is played.
// Played on the null backend, which needs no context.
#include <gtest/gtest.h>

#include "render/NullRenderer.h"
#include "render/RendererChoice.h"
#include "render/Sprite.h"
#include "screens/Camera.h"

namespace {

class RendererTest : public ::testing::Test {
protected:
    void draw(float x, unsigned int texture = 0)
    {
        Sprite sprite;
        sprite.x = x;
        sprite.texture.glName = texture;
        sprite.draw();
    }
    // One frame of the camera and a sprite at x; true when it was played.
    bool frame(float x, unsigned int texture = 0)
    {
        drawing.beginFrame();
        Camera().apply();
        draw(x, texture);
        return drawing.endFrame();
    }
    NullRenderer drawing{640, 480};
    RendererInstall installed{&drawing};
};

} // namespace

TEST_F(RendererTest, AFrameIsPlayedOnlyWhenItWouldShowSomethingNew)
{
    EXPECT_TRUE(frame(0)) << "the first frame";
    EXPECT_FALSE(frame(0)) << "the same again";
    EXPECT_TRUE(frame(5)) << "a sprite moved";
    EXPECT_FALSE(frame(5));
    drawing.setLighting(true);
    EXPECT_TRUE(frame(5)) << "lit now";
    drawing.setViewport(0, 0, 320, 240);
    EXPECT_TRUE(frame(5)) << "another viewport";
    const unsigned int name = drawing.uploadTexture({PictureLevel{1, 1, {}}});
    EXPECT_TRUE(frame(5)) << "a texture made may carry a name shown before";
    drawing.forgetShownFrame();
    EXPECT_TRUE(frame(5)) << "the window lost its picture";
    EXPECT_TRUE(frame(5, name));
    drawing.releaseTexture(name);
    EXPECT_TRUE(frame(5, name)) << "a texture deleted";
    EXPECT_EQ(drawing.counts().framesSkipped, 2);
    drawing.setFramesPlayed(false);
    EXPECT_FALSE(frame(6)) << "frames nobody looks at are not played";
    drawing.setFramesPlayed(true);
    EXPECT_TRUE(frame(6)) << "and the next one looked at is";
}

TEST_F(RendererTest, ATextureReleasedWhileDrawnIsDeletedOnceTheDrawingIsPlayed)
{
    const unsigned int name = drawing.uploadTexture({PictureLevel{1, 1, {}}});
    drawing.beginFrame();
    draw(0, name);
    drawing.releaseTexture(name);
    EXPECT_EQ(drawing.resources().textures, 1) << "still drawn by the frame";
    drawing.endFrame();
    EXPECT_EQ(drawing.resources().textures, 0);
    EXPECT_EQ(drawing.counts().texturesDeleted, 1);

    // Outside a frame, with nothing recorded, it goes at once.
    const unsigned int other = drawing.uploadTexture({PictureLevel{1, 1, {}}});
    drawing.releaseTexture(other);
    EXPECT_EQ(drawing.resources().textures, 0);
}

// A recording may send any window size: the viewport is taken as OpenGL takes
// it, so the text fitted to it never asks for glyphs of millions of pixels.
TEST_F(RendererTest, TheViewportIsCutToTheLargestAndANegativeOneChangesNothing)
{
    drawing.setViewport(10, 20, 300, 200);
    drawing.setViewport(0, 0, -5, 100);
    EXPECT_EQ(drawing.viewport().width, 300) << "a negative width changes nothing";
    drawing.setViewport(0, 0, 100, -1);
    EXPECT_EQ(drawing.viewport().height, 200);
    drawing.setViewport(0, 0, 2000000000, 100000000);
    EXPECT_EQ(drawing.viewport().width, 16384);
    EXPECT_EQ(drawing.viewport().height, 16384);
}
