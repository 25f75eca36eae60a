#pragma once

// A 4 x 4 matrix of floats, column by column (as OpenGL keeps them), with
// the operations the fixed-function pipeline applies to its matrix stacks.
// Each does its arithmetic in single precision and in the same order as the
// pipeline's own, so a position transformed here lands exactly where the
// fixed-function pipeline puts it: the shader backend places text and
// quads through it.
class TransformMatrix {
public:
    // The identity.
    TransformMatrix();

    // this = this x translation.
    void translate(float x, float y, float z);
    // this = this x scaling.
    void scale(float x, float y, float z);
    // this = this x rotation by degrees counter-clockwise about z; a turn of
    // exactly 0 changes nothing.
    void rotateZ(float degrees);
    // this = this x orthographic projection.
    void ortho(float left, float right, float bottom, float top, float nearPlane, float farPlane);

    // a x b, both with (0, 0, 0, 1) as their last row (projections and
    // placements, all the game uses).
    static TransformMatrix product(const TransformMatrix& a, const TransformMatrix& b);

    // out = this x (x, y, z, w).
    void transform(float x, float y, float z, float w, float out[4]) const;

    // The clip coordinates of the corners (-0.5, -0.5), (-0.5, 0.5),
    // (0.5, 0.5), (0.5, -0.5) of a quad placed by view x translate(x, y,
    // -depth) x scale(width, height, 1) x rotateZ(degrees), then projected:
    // the very values building those matrices and multiplying them gives,
    // for a view that only translates and a projection with terms on its
    // diagonal and last column alone (what a Camera makes), worked out
    // without the multiplications by zero. A sprite a frame costs this.
    static void placeQuad(const TransformMatrix& projection, const TransformMatrix& view, float x, float y,
                          float depth, float width, float height, float degrees, float corners[4][4]);

    // Element at row, column.
    float at(int row, int column) const { return m_[column * 4 + row]; }
    const float* data() const { return m_; }

private:
    // this = this x other, other's last row (0, 0, 0, 1).
    void multiply(const float* other);

    float m_[16];
};
