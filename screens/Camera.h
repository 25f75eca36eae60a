#pragma once

// The orthographic 2D view every screen draws through: viewWidth x viewHeight
// units centred on (centreX, centreY), y up, whatever the window's shape.
// A drawable at depth d lies at eye-space z = -10 - d, so depths from -9 to
// 990 are visible and a smaller depth is nearer.
class Camera {
public:
    virtual ~Camera() = default;

    // Loads the projection and the view transform; they stay in force until
    // the next apply.
    void apply() const;

    float farPlane = 1000.0f;
    float nearPlane = 1.0f;
    float viewHeight = 200.0f;
    float viewWidth = 200.0f;
    float centreY = 0.0f;
    float centreX = 0.0f;
};
