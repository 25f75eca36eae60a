#include "render/PictureLevels.h"

#include <algorithm>
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
    scaled.rgba.assign(static_cast<std::size_t>(width) * height * channels, 0);
    if (widthIn <= 0 || heightIn <= 0 || width <= 0 || height <= 0)
        return scaled;
    // Each output pixel covers a box of the input, widthIn / width pixels
    // wide and heightIn / height high; it is the average of the input pixels
    // under the box, each weighted by how much of it the box covers.
    const double boxWidth = static_cast<double>(widthIn) / width;
    const double boxHeight = static_cast<double>(heightIn) / height;
    // The input pixels a box from `from` to `to` covers, and by how much.
    struct Share {
        int pixel;
        double weight;
    };
    const auto shares = [](double from, double to, int limit) {
        std::vector<Share> covered;
        for (int pixel = static_cast<int>(std::floor(from)); pixel < limit && pixel < to; ++pixel) {
            const double weight = std::min(to, pixel + 1.0) - std::max(from, static_cast<double>(pixel));
            if (weight > 0.0)
                covered.push_back({pixel, weight});
        }
        return covered;
    };
    std::vector<std::vector<Share>> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[static_cast<std::size_t>(x)] = shares(x * boxWidth, (x + 1) * boxWidth, widthIn);
    for (int y = 0; y < height; ++y) {
        const std::vector<Share> rows = shares(y * boxHeight, (y + 1) * boxHeight, heightIn);
        for (int x = 0; x < width; ++x) {
            double totals[channels] = {0.0, 0.0, 0.0, 0.0};
            double area = 0.0;
            for (const Share& row : rows) {
                for (const Share& column : columns[static_cast<std::size_t>(x)]) {
                    const double weight = row.weight * column.weight;
                    const unsigned char* in = rgba + offset(column.pixel, row.pixel, widthIn);
                    for (int k = 0; k < channels; ++k)
                        totals[k] += in[k] * weight;
                    area += weight;
                }
            }
            unsigned char* out = scaled.rgba.data() + offset(x, y, width);
            for (int k = 0; k < channels; ++k)
                out[k] = static_cast<unsigned char>(std::lround(std::clamp(totals[k] / area, 0.0, 255.0)));
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
