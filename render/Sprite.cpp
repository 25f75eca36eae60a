#include "render/Sprite.h"

#include <GL/gl.h>

void Sprite::draw() const
{
    if (!visible)
        return;
    useTexture();
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

void Sprite::useTexture() const
{
    // A sprite without a picture (one missing or refused) is a plain quad of
    // its colour: texturing goes off, so whatever texture was bound last can
    // never show through it.
    if (texture.glName == 0) {
        glDisable(GL_TEXTURE_2D);
        return;
    }
    texture.bind();
}
