#include "render/Sprite.h"

#include <GL/gl.h>

void Sprite::draw() const
{
    if (!visible)
        return;
    texture.bind();
    glPushMatrix();
    glTranslatef(x, y, -depth);
    glScalef(width, height, 1.0f);
    glRotatef(rotation, 0.0f, 0.0f, 1.0f);
    glColor4ub(colour.r, colour.g, colour.b, colour.a);
    glBegin(GL_QUADS);
    glTexCoord2f(texture.u0, texture.v1);
    glVertex3f(-0.5f, -0.5f, 0.0f);
    glTexCoord2f(texture.u0, texture.v0);
    glVertex3f(-0.5f, 0.5f, 0.0f);
    glTexCoord2f(texture.u1, texture.v0);
    glVertex3f(0.5f, 0.5f, 0.0f);
    glTexCoord2f(texture.u1, texture.v1);
    glVertex3f(0.5f, -0.5f, 0.0f);
    glEnd();
    glPopMatrix();
}
