#include "render/Panel.h"

#include <GL/gl.h>

namespace {

void quad(float left, float bottom, float right, float top)
{
    glVertex2f(left, bottom);
    glVertex2f(left, top);
    glVertex2f(right, top);
    glVertex2f(right, bottom);
}

} // namespace

void Panel::draw() const
{
    const GLboolean lit = glIsEnabled(GL_LIGHTING);
    const GLboolean textured = glIsEnabled(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -depth);

    // The rim first: at the same depth the fill cannot cover it.
    if (rimWidth > 0.0f) {
        glColor4ub(rimColour.r, rimColour.g, rimColour.b, 255);
        glBegin(GL_QUADS);
        quad(left, bottom, left + rimWidth, top);
        quad(right - rimWidth, bottom, right, top);
        quad(left + rimWidth, bottom, right - rimWidth, bottom + rimWidth);
        quad(left + rimWidth, top - rimWidth, right - rimWidth, top);
        glEnd();
    }
    const bool blended = fill.a < 255;
    if (blended) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    glColor4ub(fill.r, fill.g, fill.b, fill.a);
    glBegin(GL_QUADS);
    quad(left + rimWidth, bottom + rimWidth, right - rimWidth, top - rimWidth);
    glEnd();
    if (blended)
        glDisable(GL_BLEND);

    glPopMatrix();
    if (lit)
        glEnable(GL_LIGHTING);
    if (textured)
        glEnable(GL_TEXTURE_2D);
}
