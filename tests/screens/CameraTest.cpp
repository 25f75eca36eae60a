#include <gtest/gtest.h>

#include "../render/RenderTestSupport.h"
#include "render/Sprite.h"
#include "screens/Camera.h"

namespace {

Sprite square(float x, float y, float depth = 1.0f)
{
    Sprite sprite;
    sprite.colour = {255, 0, 0, 255};
    sprite.x = x;
    sprite.y = y;
    sprite.width = sprite.height = 10;
    sprite.depth = depth;
    return sprite;
}

using CameraTest = OffscreenView;

} // namespace

RENDER_TEST_ON_BOTH_BACKENDS(CameraTest);

TEST_P(CameraTest, CameraShowsItsViewWhateverTheWindow)
{
    struct Case {
        const char* what;
        float viewWidth, viewHeight, centreX, centreY;
        float spriteX, spriteY;
        int pixelX, pixelY; // where the sprite's centre lands in the 200 x 200 buffer
    };
    const Case cases[] = {
        {"default: 200 x 200 around the origin, y up", 200, 200, 0, 0, -90, 80, 10, 180},
        {"the story's 100 x 100 view", 100, 100, 0, 0, 40, -40, 180, 20},
        {"a moved centre", 200, 200, 50, -50, 50, -50, 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        context->clear();
        Camera camera;
        camera.viewWidth = c.viewWidth;
        camera.viewHeight = c.viewHeight;
        camera.centreX = c.centreX;
        camera.centreY = c.centreY;
        camera.apply();
        square(c.spriteX, c.spriteY).draw();
        EXPECT_TRUE(same(context->pixel(c.pixelX, c.pixelY), red));
        EXPECT_TRUE(same(context->pixel(c.pixelX + (c.pixelX < 100 ? 20 : -20), c.pixelY), background));
    }
}

TEST_P(CameraTest, CameraDepthRange)
{
    struct Case {
        float depth;
        bool visible;
    };
    const Case cases[] = {{-9.5f, false}, {-8.5f, true}, {0.0f, true}, {500.0f, true}, {989.0f, true}, {991.0f, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        context->clear();
        Camera().apply();
        square(0, 0, c.depth).draw();
        EXPECT_EQ(same(at(0, 0), red), c.visible);
    }
}
