// PlayScreen's drawing: the level, the health bar and the intro text, between the fades.
#include "play/PlayScreen.h"

#include <GL/gl.h>

#include <algorithm>

#include "entities/Knife.h"
#include "play/PlayConstants.h"

namespace {

// The health bar's left edge, in view units.
constexpr float healthBarLeft = -98.0f;
constexpr float healthBarFullWidth = 15.0f;

// Where the intro text's first line starts.
constexpr float introTextX = -75.0f;
constexpr float introTextY = 75.0f;

} // namespace

void PlayScreen::render()
{
    camera.apply();

    // The player is drawn unlit, so fades leave it fully bright and its tint
    // shows.
    if (!introShowing && !leaving) {
        glDisable(GL_LIGHTING);
        player.draw();
    }
    glEnable(GL_LIGHTING);

    if (!levelFading && !dying && !introShowing) {
        for (const Sprite& pepper : peppers)
            pepper.draw();
        for (const auto& entity : entities)
            entity->draw();
        for (const auto& knife : projectiles)
            knife->draw();
        for (const HealthPickup& pickup : healthPickups)
            pickup.sprite.draw();
        drawHealthBar();
    }

    if (levelFading && !leaving)
        levelFadeStep();
    // deathStep() may replace this screen; then nothing more is drawn.
    if (hp <= 0 && !leaving && deathStep())
        return;

    background.draw();

    if (introShowing) {
        glDisable(GL_LIGHTING);
        introText.print(introTextX, introTextY);
    }
}

void PlayScreen::drawHealthBar()
{
    // The bar shows the left part of its picture in proportion to the health
    // left. Health below 0 (in the frame before the death sequence starts) or
    // above the maximum (a loaded game before its first update) is shown as
    // an empty or a full bar.
    const float share = std::clamp(static_cast<float>(hp) / play::maxHealth, 0.0f, 1.0f);
    healthBar.texture.u1 = share;
    healthBar.width = healthBarFullWidth * share;
    healthBar.x = healthBar.width / 2 + healthBarLeft;
    healthBar.draw();
}
