#pragma once

// The pointer over a menu, in the menus' view units (menuPlaces::viewSize
// square, y up, (0, 0) the middle), turned from the fractions of the picture
// that mouseMove gives. Every menu keeps one, so they all agree on where the
// pointer is.
class MenuPointer {
public:
    // Takes mouseMove's fractions ((0, 0) bottom-left, (1, 1) top-right).
    // True when the pointer is somewhere new: the first time, or when the
    // point differs from the last one.
    bool moveTo(float fractionX, float fractionY);

    // The point as last given, (0, 0) before any.
    float x() const { return x_; }
    float y() const { return y_; }
    // Whether mouseMove has given a point yet.
    bool known() const { return known_; }

    // A fraction of the picture as a coordinate of the view.
    static float toView(float fraction);

private:
    float x_ = 0.0f;
    float y_ = 0.0f;
    bool known_ = false;
};
