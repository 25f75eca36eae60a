#include "render/Lighting.h"

#include <GL/gl.h>

namespace {
const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
}

void setAmbientLight(float level)
{
    const GLfloat ambient[4] = {level, level, level, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
}

void setFullLight()
{
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, white);
    glMaterialfv(GL_FRONT, GL_AMBIENT, white);
}

void beginLitDrawing()
{
    glEnable(GL_LIGHTING);
    glMaterialfv(GL_FRONT, GL_AMBIENT, white);
}
