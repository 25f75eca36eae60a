#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestPicture.h"
#include "platform/Colour.h"
#include "platform/headless/HeadlessContext.h"
#include "screens/Camera.h"

// A 200 x 200 off-screen context with the default camera applied, so one
// pixel is one view unit, and a blue background that transparent texels
// show through.
class OffscreenView : public ::testing::Test {
protected:
    void SetUp() override
    {
        context = std::make_unique<HeadlessContext>(200, 200);
        ASSERT_TRUE(context->valid());
        glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
        context->clear();
        Camera().apply();
    }

    void TearDown() override { context.reset(); }

    Colour at(float x, float y) const { return context->pixelAtView(x, y); }

    static bool same(Colour a, Colour b, int tolerance = 2)
    {
        auto close = [tolerance](int p, int q) { return p - q <= tolerance && q - p <= tolerance; };
        return close(a.r, b.r) && close(a.g, b.g) && close(a.b, b.b);
    }

    static std::string describe(Colour c)
    {
        return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
    }

    // Number of pixels in the buffer that are not the background.
    int drawnPixels() const
    {
        int count = 0;
        for (int y = 0; y < context->height(); ++y)
            for (int x = 0; x < context->width(); ++x)
                if (!same(context->pixel(x, y), background, 0))
                    ++count;
        return count;
    }

    static constexpr Colour background{0, 0, 255, 255};
    static constexpr Colour red{255, 0, 0, 255};
    static constexpr Colour green{0, 255, 0, 255};
    static constexpr Colour white{255, 255, 255, 255};
    static constexpr Colour black{0, 0, 0, 255};
    std::unique_ptr<HeadlessContext> context;
};
