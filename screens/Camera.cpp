#include "screens/Camera.h"

#include <GL/gl.h>

void Camera::apply() const
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-viewWidth * 0.5, viewWidth * 0.5, -viewHeight * 0.5, viewHeight * 0.5,
            nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-centreX, -centreY, -10.0f);
}
