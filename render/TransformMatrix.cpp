#include "render/TransformMatrix.h"

#include <cmath>
#include <cstring>

namespace {

constexpr float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
constexpr double pi = 3.14159265358979323846;

// product = a x b for matrices whose last row is (0, 0, 0, 1); product may be a.
void multiplyAffine(float* product, const float* a, const float* b)
{
    const auto A = [a](int row, int column) { return a[column * 4 + row]; };
    const auto B = [b](int row, int column) { return b[column * 4 + row]; };
    float out[16];
    for (int i = 0; i < 3; ++i) {
        const float ai0 = A(i, 0), ai1 = A(i, 1), ai2 = A(i, 2), ai3 = A(i, 3);
        out[0 * 4 + i] = ai0 * B(0, 0) + ai1 * B(1, 0) + ai2 * B(2, 0);
        out[1 * 4 + i] = ai0 * B(0, 1) + ai1 * B(1, 1) + ai2 * B(2, 1);
        out[2 * 4 + i] = ai0 * B(0, 2) + ai1 * B(1, 2) + ai2 * B(2, 2);
        out[3 * 4 + i] = ai0 * B(0, 3) + ai1 * B(1, 3) + ai2 * B(2, 3) + ai3;
    }
    out[3] = 0.0f;
    out[7] = 0.0f;
    out[11] = 0.0f;
    out[15] = 1.0f;
    std::memcpy(product, out, sizeof out);
}

} // namespace

TransformMatrix::TransformMatrix()
{
    std::memcpy(m_, identity, sizeof m_);
}

void TransformMatrix::translate(float x, float y, float z)
{
    m_[12] = m_[0] * x + m_[4] * y + m_[8] * z + m_[12];
    m_[13] = m_[1] * x + m_[5] * y + m_[9] * z + m_[13];
    m_[14] = m_[2] * x + m_[6] * y + m_[10] * z + m_[14];
    m_[15] = m_[3] * x + m_[7] * y + m_[11] * z + m_[15];
}

void TransformMatrix::scale(float x, float y, float z)
{
    for (int row = 0; row < 4; ++row) {
        m_[row] *= x;
        m_[4 + row] *= y;
        m_[8 + row] *= z;
    }
}

void TransformMatrix::rotateZ(float degrees)
{
    if (degrees == 0.0f)
        return;
    // The angle goes to radians in double precision and is then rounded, as
    // the pipeline's own rotation does.
    const float s = std::sin(static_cast<float>(degrees * pi / 180.0));
    const float c = std::cos(static_cast<float>(degrees * pi / 180.0));
    float r[16];
    std::memcpy(r, identity, sizeof r);
    r[0] = c;
    r[5] = c;
    r[4] = -s;
    r[1] = s;
    multiply(r);
}

void TransformMatrix::ortho(float left, float right, float bottom, float top, float nearPlane, float farPlane)
{
    float o[16] = {};
    o[0] = 2.0f / (right - left);
    o[12] = -(right + left) / (right - left);
    o[5] = 2.0f / (top - bottom);
    o[13] = -(top + bottom) / (top - bottom);
    o[10] = -2.0f / (farPlane - nearPlane);
    o[14] = -(farPlane + nearPlane) / (farPlane - nearPlane);
    o[15] = 1.0f;
    multiply(o);
}

TransformMatrix TransformMatrix::product(const TransformMatrix& a, const TransformMatrix& b)
{
    TransformMatrix out;
    multiplyAffine(out.m_, a.m_, b.m_);
    return out;
}

void TransformMatrix::transform(float x, float y, float z, float w, float out[4]) const
{
    out[0] = m_[0] * x + m_[4] * y + m_[8] * z + m_[12] * w;
    out[1] = m_[1] * x + m_[5] * y + m_[9] * z + m_[13] * w;
    out[2] = m_[2] * x + m_[6] * y + m_[10] * z + m_[14] * w;
    out[3] = m_[3] * x + m_[7] * y + m_[11] * z + m_[15] * w;
}

void TransformMatrix::placeQuad(const TransformMatrix& projection, const TransformMatrix& view, float x, float y,
                                float depth, float width, float height, float degrees, float corners[4][4])
{
    // view x translate: the translation column, each term the sum the
    // general product makes (its other terms are zero).
    const float tx = x + view.m_[12];
    const float ty = y + view.m_[13];
    const float tz = -depth + view.m_[14];
    // x scale x rotation: the upper left 2 x 2 (no turn leaves it diagonal).
    float m0 = width;
    float m1 = 0.0f;
    float m4 = 0.0f;
    float m5 = height;
    if (degrees != 0.0f) {
        const float s = std::sin(static_cast<float>(degrees * pi / 180.0));
        const float c = std::cos(static_cast<float>(degrees * pi / 180.0));
        m0 = width * c;
        m4 = width * -s;
        m1 = height * s;
        m5 = height * c;
    }
    // projection x placement.
    const float* p = projection.m_;
    const float f0 = p[0] * m0;
    const float f4 = p[0] * m4;
    const float f12 = p[0] * tx + p[12];
    const float f1 = p[5] * m1;
    const float f5 = p[5] * m5;
    const float f13 = p[5] * ty + p[13];
    const float f14 = p[10] * tz + p[14];
    const float local[4][2] = {{-0.5f, -0.5f}, {-0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, -0.5f}};
    for (int k = 0; k < 4; ++k) {
        corners[k][0] = f0 * local[k][0] + f4 * local[k][1] + f12;
        corners[k][1] = f1 * local[k][0] + f5 * local[k][1] + f13;
        corners[k][2] = f14;
        corners[k][3] = 1.0f;
    }
}

void TransformMatrix::multiply(const float* other)
{
    multiplyAffine(m_, m_, other);
}
