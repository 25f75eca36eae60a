#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestPicture.h"
#include "platform/Colour.h"
#include "render/Renderer.h"
#include "render/Sprite.h"
#include "render/Texture.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "screens/Camera.h"

// A 200 x 200 off-screen surface drawn by the backend the test is run with
// (gl1 and gles2 each, RENDER_TEST_ON_BOTH_BACKENDS), with the default
// camera applied, so one pixel is one view unit, and a blue background that
// transparent texels show through.
class OffscreenView : public ::testing::TestWithParam<RendererKind> {
protected:
    void SetUp() override
    {
        context = std::make_unique<OffscreenRenderer>(GetParam(), 200, 200);
        ASSERT_TRUE(context->valid());
        ASSERT_STREQ(renderer().name(), rendererKindName(GetParam())) << "the backend asked for draws";
        renderer().setClearColour(0.0f, 0.0f, 1.0f, 1.0f);
        context->clear();
        Camera().apply();
    }

    void TearDown() override { context.reset(); }

    Colour at(float x, float y) const { return context->pixelAtView(x, y); }

    // Clears the view and draws the texture over the whole of it.
    void drawOverView(const Texture& texture)
    {
        context->clear();
        Sprite sprite;
        sprite.width = 200.0f;
        sprite.height = 200.0f;
        sprite.texture = texture;
        sprite.draw();
    }

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
        const std::vector<unsigned char> rgba = renderer().readPixels(0, 0, context->width(), context->height());
        int count = 0;
        for (std::size_t i = 0; i < rgba.size(); i += 4)
            if (rgba[i] != background.r || rgba[i + 1] != background.g || rgba[i + 2] != background.b)
                ++count;
        return count;
    }

    static constexpr Colour background{0, 0, 255, 255};
    static constexpr Colour red{255, 0, 0, 255};
    static constexpr Colour green{0, 255, 0, 255};
    static constexpr Colour white{255, 255, 255, 255};
    static constexpr Colour black{0, 0, 0, 255};
    std::unique_ptr<OffscreenRenderer> context;
};

inline std::string backendName(const ::testing::TestParamInfo<RendererKind>& info)
{
    return rendererKindName(info.param);
}

// Runs every TEST_P of a suite derived from OffscreenView on gl1 and on gles2.
#define RENDER_TEST_ON_BOTH_BACKENDS(suite)                                                                         \
    INSTANTIATE_TEST_SUITE_P(Backends, suite, ::testing::Values(RendererKind::gl1, RendererKind::gles2), backendName)

// The backend's name in the tests' names.
inline void PrintTo(RendererKind kind, std::ostream* out)
{
    *out << rendererKindName(kind);
}
