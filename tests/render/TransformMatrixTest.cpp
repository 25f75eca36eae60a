// The shader backend places every sprite with TransformMatrix::placeQuad;
// it must give the very floats the general matrix products give (those the
// fixed-function pipeline computes), or the two backends' edges would part.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "render/TransformMatrix.h"

TEST(TransformMatrix, PlacingAQuadGivesTheSameFloatsAsTheMatrixProducts)
{
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> any(-300.0f, 300.0f);
    std::uniform_real_distribution<float> size(-60.0f, 60.0f);
    const float turns[] = {0.0f, 90.0f, 45.0f, -13.5f, 180.0f, 359.9f};
    for (int trial = 0; trial < 2000; ++trial) {
        TransformMatrix projection;
        if (trial % 7 != 0) // and sometimes no camera at all
            projection.ortho(-any(random), any(random) + 400.0f, -100.0f, 100.0f + trial % 3, 1.0f, 1000.0f);
        TransformMatrix view;
        view.translate(-any(random), -any(random), -10.0f);
        const float x = any(random), y = any(random), depth = size(random), width = size(random),
                    height = size(random);
        const float degrees = trial % 2 == 0 ? turns[trial % 6] : any(random);

        TransformMatrix placed = view;
        placed.translate(x, y, -depth);
        placed.scale(width, height, 1.0f);
        placed.rotateZ(degrees);
        const TransformMatrix full = TransformMatrix::product(projection, placed);
        const float local[4][2] = {{-0.5f, -0.5f}, {-0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, -0.5f}};
        float general[4][4];
        for (int k = 0; k < 4; ++k)
            full.transform(local[k][0], local[k][1], 0.0f, 1.0f, general[k]);

        float fast[4][4];
        TransformMatrix::placeQuad(projection, view, x, y, depth, width, height, degrees, fast);
        for (int k = 0; k < 4; ++k)
            for (int c = 0; c < 4; ++c)
                ASSERT_EQ(fast[k][c], general[k][c]) << "trial " << trial << " corner " << k << " coordinate " << c;
    }
}
