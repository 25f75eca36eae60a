// The levels pictures are uploaded with, built by the game's own code so that
// every backend samples the same texels.
#include <gtest/gtest.h>

#include <vector>

#include "render/PictureLevels.h"

namespace {

// A width x height picture whose every byte is `value(x, y, channel)`.
template <class Value>
std::vector<unsigned char> picture(int width, int height, Value value)
{
    std::vector<unsigned char> rgba;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int k = 0; k < 4; ++k)
                rgba.push_back(static_cast<unsigned char>(value(x, y, k)));
    return rgba;
}

int channel(const PictureLevel& level, int x, int y, int k)
{
    return level.rgba[(static_cast<std::size_t>(y) * level.width + x) * 4 + k];
}

} // namespace

TEST(PictureLevels, SidesRoundToTheNearestPowerOfTwoAsTheClassicBuilderRounds)
{
    const int cases[][2] = {{1, 1},   {2, 2},   {3, 4},    {4, 4},     {5, 4},     {6, 8},     {7, 8},
                            {11, 8},  {12, 16}, {24, 32},  {700, 512}, {767, 512}, {768, 1024}, {1000, 1024},
                            {256, 256}, {4096, 4096}};
    for (const auto& c : cases)
        EXPECT_EQ(PictureLevels::nearestPowerOfTwo(c[0]), c[1]) << c[0];
}

TEST(PictureLevels, APowerOfTwoPictureIsLevelZeroAndEachLevelHalvesDownToOnePixel)
{
    const std::vector<unsigned char> rgba = picture(4, 2, [](int x, int y, int k) { return 10 * x + 50 * y + k; });
    const std::vector<PictureLevel> levels = PictureLevels::build(4, 2, rgba.data(), 4096);
    ASSERT_EQ(levels.size(), 3u) << "4 x 2, 2 x 1, 1 x 1";
    EXPECT_EQ(levels[0].rgba, rgba) << "level 0 is the picture itself";
    EXPECT_EQ(levels[1].width, 2);
    EXPECT_EQ(levels[1].height, 1);
    // 2 x 2 averages, rounded: (0 + 10 + 50 + 60 + 2) / 4 = 30.
    EXPECT_EQ(channel(levels[1], 0, 0, 0), 30);
    EXPECT_EQ(channel(levels[1], 1, 0, 0), 50);
    // One row left: pairs, truncated: (30 + 50) / 2 = 40; (31 + 51) / 2 = 41.
    EXPECT_EQ(levels[2].width, 1);
    EXPECT_EQ(levels[2].height, 1);
    EXPECT_EQ(channel(levels[2], 0, 0, 0), 40);
    EXPECT_EQ(channel(levels[2], 0, 0, 1), 41);

    const std::vector<unsigned char> odd = picture(2, 2, [](int x, int y, int) { return x + y == 0 ? 1 : 2; });
    EXPECT_EQ(channel(PictureLevels::build(2, 2, odd.data(), 4096)[1], 0, 0, 0), 2) << "(1 + 2 + 2 + 2 + 2) / 4 rounds to 2";
}

// A picture of another size is scaled to its power of two by box filtering;
// the classic builder left its last rows black (a 3 x 1 picture came out
// all transparent) or read past its end.
TEST(PictureLevels, OtherSizesAreScaledByTheAverageUnderEachBox)
{
    struct Case {
        const char* what;
        int width, height;
    };
    const Case cases[] = {{"one row", 3, 1}, {"two rows", 3, 2}, {"three by three", 3, 3}, {"five by three", 5, 3},
                          {"tall", 1, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // A plain colour stays that colour everywhere, edges included.
        const std::vector<unsigned char> plain = picture(c.width, c.height, [](int, int, int k) { return 40 + 50 * k; });
        const PictureLevel scaled = PictureLevels::build(c.width, c.height, plain.data(), 4096).front();
        EXPECT_EQ(scaled.width, PictureLevels::nearestPowerOfTwo(c.width));
        EXPECT_EQ(scaled.height, PictureLevels::nearestPowerOfTwo(c.height));
        for (int y = 0; y < scaled.height; ++y)
            for (int x = 0; x < scaled.width; ++x)
                for (int k = 0; k < 4; ++k)
                    ASSERT_EQ(channel(scaled, x, y, k), 40 + 50 * k) << x << ", " << y;
    }

    // Three columns 0, 90, 180 stretched to four: each output column covers
    // three quarters of an input column.
    const std::vector<unsigned char> ramp = picture(3, 1, [](int x, int, int) { return 90 * x; });
    const PictureLevel four = PictureLevels::scale(3, 1, ramp.data(), 4, 1);
    const int expected[] = {0, 60, 120, 180}; // 0; (0.25 * 0 + 0.5 * 90) / 0.75; ...
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(channel(four, x, 0, 0), expected[x]) << x;
}

TEST(PictureLevels, LevelZeroIsHalvedUntilItFitsTheLargestSide)
{
    const std::vector<unsigned char> rgba = picture(8, 4, [](int, int, int) { return 7; });
    const std::vector<PictureLevel> levels = PictureLevels::build(8, 4, rgba.data(), 4);
    ASSERT_FALSE(levels.empty());
    EXPECT_EQ(levels.front().width, 4);
    EXPECT_EQ(levels.front().height, 2);
    EXPECT_TRUE(PictureLevels::build(0, 4, rgba.data(), 4096).empty()) << "an empty picture has no levels";
}

// The border that lets the shader backend filter a picture as the game's
// repeat in s and clamp in t do: the last column on the left, the first on
// the right, transparent rows above and below.
TEST(PictureLevels, TheBorderRepeatsTheColumnsAndClampsTheRowsToTransparent)
{
    PictureLevel level;
    level.width = 3;
    level.height = 2;
    level.rgba = picture(3, 2, [](int x, int y, int k) { return 1 + x + 10 * y + 100 * (k == 3); });
    const PictureLevel bordered = PictureLevels::withBorder(level);
    ASSERT_EQ(bordered.width, 5);
    ASSERT_EQ(bordered.height, 4);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(channel(bordered, x, 0, 3), 0) << "the row before the first is transparent";
        EXPECT_EQ(channel(bordered, x, 3, 0), 0) << "and so is the row after the last";
    }
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(channel(bordered, 0, y + 1, 0), 3 + 10 * y) << "left of the first column: the last";
        EXPECT_EQ(channel(bordered, 4, y + 1, 0), 1 + 10 * y) << "right of the last column: the first";
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(channel(bordered, x + 1, y + 1, 0), 1 + x + 10 * y);
    }
}
