#include "screens/Camera.h"

#include "render/Renderer.h"

void Camera::apply() const
{
    // Half the view either way of its centre, rounded as the projection
    // keeps it.
    const auto half = [](float size) { return static_cast<float>(size * 0.5); };
    renderer().setView(-half(viewWidth), half(viewWidth), -half(viewHeight), half(viewHeight), nearPlane, farPlane,
                       centreX, centreY, 10.0f);
}
