#include "render/PictureLevels.h"

#include <cmath>
#include <cstddef>
#include <cstring>

namespace {

constexpr int channels = 4;

std::size_t offset(int x, int y, int width)
{
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * channels;
}

} // namespace

int PictureLevels::nearestPowerOfTwo(int side)
{
    if (side <= 0)
        return 0;
    // Halves the side until 1 or 3 is left: 3 x 2^k rounds up to 2^(k+2).
    int power = 1;
    auto value = static_cast<unsigned int>(side);
    for (;;) {
        if (value == 1)
            return power;
        if (value == 3)
            return power * 4;
        value >>= 1;
        power *= 2;
    }
}

PictureLevel PictureLevels::halve(const PictureLevel& level)
{
    PictureLevel half;
    half.width = level.width > 1 ? level.width / 2 : 1;
    half.height = level.height > 1 ? level.height / 2 : 1;
    half.rgba.resize(static_cast<std::size_t>(half.width) * half.height * channels);
    const unsigned char* in = level.rgba.data();
    unsigned char* out = half.rgba.data();
    if (level.width == 1 || level.height == 1) {
        // One row or one column: pairs of pixels, truncated.
        const bool row = level.height == 1;
        const int pairs = row ? half.width : half.height;
        for (int i = 0; i < pairs; ++i) {
            const std::size_t a = row ? offset(2 * i, 0, level.width) : offset(0, 2 * i, level.width);
            const std::size_t b = row ? offset(2 * i + 1, 0, level.width) : offset(0, 2 * i + 1, level.width);
            for (int k = 0; k < channels; ++k)
                out[static_cast<std::size_t>(i) * channels + k] = static_cast<unsigned char>((in[a + k] + in[b + k]) / 2);
        }
        return half;
    }
    for (int y = 0; y < half.height; ++y) {
        for (int x = 0; x < half.width; ++x) {
            const std::size_t p = offset(2 * x, 2 * y, level.width);
            const std::size_t below = offset(2 * x, 2 * y + 1, level.width);
            const std::size_t target = offset(x, y, half.width);
            for (int k = 0; k < channels; ++k)
                out[target + k] = static_cast<unsigned char>(
                    (in[p + k] + in[p + channels + k] + in[below + k] + in[below + channels + k] + 2) / 4);
        }
    }
    return half;
}

PictureLevel PictureLevels::scale(int widthIn, int heightIn, const unsigned char* rgba, int width, int height)
{
    PictureLevel scaled;
    scaled.width = width;
    scaled.height = height;
    if (widthIn == width * 2 && heightIn == height * 2) {
        PictureLevel in;
        in.width = widthIn;
        in.height = heightIn;
        in.rgba.assign(rgba, rgba + static_cast<std::size_t>(widthIn) * heightIn * channels);
        return halve(in);
    }
    scaled.rgba.resize(static_cast<std::size_t>(width) * height * channels);
    // Each output pixel averages the box of input it covers, partly covered
    // pixels by the share they lie in it; sums and shares in single
    // precision, walking the boxes as the classic scaler does.
    const float convy = static_cast<float>(heightIn) / static_cast<float>(height);
    const float convx = static_cast<float>(widthIn) / static_cast<float>(width);
    const int convyInt = static_cast<int>(std::floor(convy));
    const float convyFloat = convy - static_cast<float>(convyInt);
    const int convxInt = static_cast<int>(std::floor(convx));
    const float convxFloat = convx - static_cast<float>(convxInt);
    const float area = convx * convy;
    const auto texel = [&](int x, int y, int k) { return static_cast<float>(rgba[offset(x, y, widthIn) + k]); };

    int lowyInt = 0;
    float lowyFloat = 0.0f;
    int highyInt = convyInt;
    float highyFloat = convyFloat;
    for (int i = 0; i < height; ++i) {
        if (highyInt >= heightIn)
            highyInt = heightIn - 1;
        int lowxInt = 0;
        float lowxFloat = 0.0f;
        int highxInt = convxInt;
        float highxFloat = convxFloat;
        for (int j = 0; j < width; ++j) {
            float totals[channels] = {0.0f, 0.0f, 0.0f, 0.0f};
            for (int k = 0; k < channels; ++k) {
                float& total = totals[k];
                if (highyInt > lowyInt && highxInt > lowxInt) {
                    float yPercent = 1 - lowyFloat;
                    total += texel(lowxInt, lowyInt, k) * (yPercent * (1 - lowxFloat));
                    int l = lowxInt + 1;
                    for (; l < highxInt; ++l)
                        total += texel(l, lowyInt, k) * yPercent;
                    total += texel(l, lowyInt, k) * (yPercent * highxFloat);
                    yPercent = highyFloat;
                    total += texel(lowxInt, highyInt, k) * (yPercent * (1 - lowxFloat));
                    for (l = lowxInt + 1; l < highxInt; ++l)
                        total += texel(l, highyInt, k) * yPercent;
                    total += texel(l, highyInt, k) * (yPercent * highxFloat);
                    for (int m = lowyInt + 1; m < highyInt; ++m)
                        total += texel(lowxInt, m, k) * (1 - lowxFloat) + texel(highxInt, m, k) * highxFloat;
                } else if (highyInt > lowyInt) {
                    const float xPercent = highxFloat - lowxFloat;
                    total += texel(lowxInt, lowyInt, k) * ((1 - lowyFloat) * xPercent);
                    int m = lowyInt + 1;
                    for (; m < highyInt; ++m)
                        total += texel(lowxInt, m, k) * xPercent;
                    total += texel(lowxInt, m, k) * (xPercent * highyFloat);
                } else if (highxInt > lowxInt) {
                    const float yPercent = highyFloat - lowyFloat;
                    total += texel(lowxInt, lowyInt, k) * ((1 - lowxFloat) * yPercent);
                    int l = lowxInt + 1;
                    for (; l < highxInt; ++l)
                        total += texel(l, lowyInt, k) * yPercent;
                    total += texel(l, lowyInt, k) * (yPercent * highxFloat);
                } else {
                    total += texel(lowxInt, lowyInt, k) * ((highyFloat - lowyFloat) * (highxFloat - lowxFloat));
                }
                for (int m = lowyInt + 1; m < highyInt; ++m)
                    for (int l = lowxInt + 1; l < highxInt; ++l)
                        total += texel(l, m, k);
            }
            const std::size_t target = offset(j, i, width);
            for (int k = 0; k < channels; ++k)
                scaled.rgba[target + k] = static_cast<unsigned char>(totals[k] / area);
            lowxInt = highxInt;
            lowxFloat = highxFloat;
            highxInt += convxInt;
            highxFloat += convxFloat;
            if (highxFloat > 1) {
                highxFloat -= 1.0f;
                ++highxInt;
            }
        }
        lowyInt = highyInt;
        lowyFloat = highyFloat;
        highyInt += convyInt;
        highyFloat += convyFloat;
        if (highyFloat > 1) {
            highyFloat -= 1.0f;
            ++highyInt;
        }
    }
    return scaled;
}

PictureLevel PictureLevels::withBorder(const PictureLevel& level)
{
    PictureLevel bordered;
    bordered.width = level.width + 2;
    bordered.height = level.height + 2;
    bordered.rgba.assign(static_cast<std::size_t>(bordered.width) * bordered.height * channels, 0);
    if (level.width <= 0 || level.height <= 0)
        return bordered;
    const std::size_t rowBytes = static_cast<std::size_t>(level.width) * channels;
    for (int y = 0; y < level.height; ++y) {
        const unsigned char* in = level.rgba.data() + offset(0, y, level.width);
        unsigned char* out = bordered.rgba.data() + offset(0, y + 1, bordered.width);
        std::memcpy(out, in + rowBytes - channels, channels);
        std::memcpy(out + channels, in, rowBytes);
        std::memcpy(out + channels + rowBytes, in, channels);
    }
    return bordered;
}

std::vector<PictureLevel> PictureLevels::build(int width, int height, const unsigned char* rgba, int largestSide)
{
    std::vector<PictureLevel> levels;
    if (width <= 0 || height <= 0 || rgba == nullptr)
        return levels;
    int levelWidth = nearestPowerOfTwo(width);
    int levelHeight = nearestPowerOfTwo(height);
    while ((levelWidth > largestSide || levelHeight > largestSide) && (levelWidth > 1 || levelHeight > 1)) {
        levelWidth = levelWidth > 1 ? levelWidth / 2 : 1;
        levelHeight = levelHeight > 1 ? levelHeight / 2 : 1;
    }
    if (levelWidth == width && levelHeight == height) {
        PictureLevel first;
        first.width = width;
        first.height = height;
        first.rgba.assign(rgba, rgba + static_cast<std::size_t>(width) * height * channels);
        levels.push_back(std::move(first));
    } else {
        levels.push_back(scale(width, height, rgba, levelWidth, levelHeight));
    }
    while (levels.back().width > 1 || levels.back().height > 1)
        levels.push_back(halve(levels.back()));
    return levels;
}
