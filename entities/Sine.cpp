#include "entities/Sine.h"

#include <cstdint>
#include <cstring>

namespace {

// The binary digits of 2/pi after the point, 32 to a word: enough for the
// reduction of the largest float (2^127 needs digits up to about 2^-232).
constexpr std::uint32_t twoOverPiWords[] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599,
    0x3C439041, 0xFE5163AB, 0xDEBBC561, 0xB7246E3A,
};
constexpr int productWords = 5;   // a 24-bit mantissa times 4 words of digits
constexpr double halfPi = 0x1.921fb54442d18p+0;
constexpr double twoToMinus64 = 0x1p-64;
constexpr double twoToMinus128 = 0x1p-128;
constexpr std::uint32_t quarterPiBits = 0x3F490FDA; // the largest float below pi/4
// Below 2^-12, sin x = x - x^3/6 rounds to x itself (and -0 stays -0).
constexpr std::uint32_t tinyBits = 0x39800000;

// Taylor-like minimax coefficients of sin and cos on [-pi/4, pi/4]
// (sin r = r + r^3 (s1 + r^2 s2 + ...), cos r = 1 - r^2/2 + r^4 (c1 + ...)),
// accurate to about 2^-58 there.
constexpr double s1 = -1.66666666666666324348e-01;
constexpr double s2 = 8.33333333332248946124e-03;
constexpr double s3 = -1.98412698298579493134e-04;
constexpr double s4 = 2.75573137070700676789e-06;
constexpr double s5 = -2.50507602534068634195e-08;
constexpr double s6 = 1.58969099521155010221e-10;
constexpr double c1 = 4.16666666666666019037e-02;
constexpr double c2 = -1.38888888888741095749e-03;
constexpr double c3 = 2.48015872894767294178e-05;
constexpr double c4 = -2.75573143513906633035e-07;
constexpr double c5 = 2.08757232129817482790e-09;
constexpr double c6 = -1.13596475577881948265e-11;

double sinNear(double r)
{
    const double z = r * r;
    return r + r * z * (s1 + z * (s2 + z * (s3 + z * (s4 + z * (s5 + z * s6)))));
}

double cosNear(double r)
{
    const double z = r * r;
    const double half = 0.5 * z;
    const double w = 1.0 - half;
    // (1 - w) - half recovers what rounding 1 - half lost.
    return w + (((1.0 - w) - half) + z * z * (c1 + z * (c2 + z * (c3 + z * (c4 + z * (c5 + z * c6))))));
}

// A 160-bit product, least significant word first.
struct Product {
    std::uint32_t words[productWords] = {};

    std::uint32_t word(int index) const
    {
        return index < 0 || index >= productWords ? 0u : words[index];
    }

    // The 32 bits from bit `low` up; bits below 0 and above 159 read as 0.
    std::uint32_t bits32(int low) const
    {
        // Floor division, so that negative positions find the right word.
        const int index = low >= 0 ? low / 32 : -((-low + 31) / 32);
        const int offset = low - 32 * index;
        if (offset == 0)
            return word(index);
        return (word(index) >> offset) | (word(index + 1) << (32 - offset));
    }

    std::uint64_t bits64(int low) const
    {
        return static_cast<std::uint64_t>(bits32(low)) | (static_cast<std::uint64_t>(bits32(low + 32)) << 32);
    }
};

// |x| = mantissa x 2^exponent reduced by pi/2: the quarter turns nearest to
// |x| (mod 4) in quadrant, the rest in radians (-pi/4 .. pi/4) returned.
// Exact digit arithmetic: |x| x 2/pi is formed in fixed point from the digits
// of 2/pi that matter for its value mod 4, so no argument loses precision.
double reduce(std::uint32_t mantissa, int exponent, unsigned& quadrant)
{
    // Digit word k weighs 2^-32(k+1); words whose product with |x| is a
    // multiple of 4 change nothing mod 4 and are skipped.
    const int firstWord = exponent >= 2 ? (exponent - 2) / 32 : 0;
    Product product;
    std::uint64_t carry = 0;
    for (int i = 0; i < productWords - 1; ++i) {
        const std::uint64_t digit = twoOverPiWords[firstWord + productWords - 2 - i];
        const std::uint64_t t = mantissa * digit + carry;
        product.words[i] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    product.words[productWords - 1] = static_cast<std::uint32_t>(carry);

    // The point of |x| x 2/pi lies before bit `point` of the product.
    const int point = 32 * (firstWord + productWords - 1) - exponent;
    const std::uint64_t high = product.bits64(point - 62); // 2 bits of quadrant, 62 of fraction
    const std::uint64_t low = product.bits64(point - 126); // the next 64 bits of fraction

    // Rounding to the nearest quarter turn: a fraction of one half or more
    // belongs to the next one and becomes negative.
    quadrant = static_cast<unsigned>(high >> 62) + static_cast<unsigned>((high >> 61) & 1u);
    const std::uint64_t fraction = (high << 2) | (low >> 62);
    std::int64_t signedFraction = 0;
    std::memcpy(&signedFraction, &fraction, sizeof signedFraction);
    const double turns = static_cast<double>(signedFraction) * twoToMinus64
        + static_cast<double>(low << 2) * twoToMinus128;
    return turns * halfPi;
}

} // namespace

namespace thrask {

float sine(float radians)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &radians, sizeof bits);
    const std::uint32_t magnitude = bits & 0x7FFFFFFFu;
    const bool negative = (bits >> 31) != 0;
    const unsigned biasedExponent = magnitude >> 23;
    if (biasedExponent == 0xFF)
        return radians - radians; // NaN for infinity and NaN
    if (magnitude < tinyBits)
        return radians;
    if (magnitude <= quarterPiBits)
        return static_cast<float>(sinNear(static_cast<double>(radians)));

    const std::uint32_t mantissa = (magnitude & 0x7FFFFFu) | 0x800000u;
    const int exponent = static_cast<int>(biasedExponent) - 150; // |x| = mantissa x 2^exponent
    unsigned quadrant = 0;
    const double r = reduce(mantissa, exponent, quadrant);
    double s = 0.0;
    switch (quadrant & 3u) {
    case 0: s = sinNear(r); break;
    case 1: s = cosNear(r); break;
    case 2: s = -sinNear(r); break;
    default: s = -cosNear(r); break;
    }
    return static_cast<float>(negative ? -s : s);
}

} // namespace thrask
