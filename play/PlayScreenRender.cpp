// PlayScreen's drawing: the level, the health bar and the intro text, between the fades.
#include "play/PlayScreen.h"

#include <algorithm>

#include "entities/Knife.h"
#include "platform/FrameStep.h"
#include "play/PlayConstants.h"
#include "render/Lighting.h"
#include "render/Panel.h"

namespace {

// The health bar's left edge, in view units.
constexpr float healthBarLeft = -98.0f;
constexpr float healthBarFullWidth = 15.0f;

// Where the intro text's first line starts.
constexpr float introTextX = -75.0f;
constexpr float introTextY = 75.0f;

// The panel behind the intro text: light and translucent, since each level's
// text colour is chosen dark enough to read on its background; behind the
// text and in front of everything else.
constexpr float introViewSize = 200.0f;
constexpr float introPanelMargin = 4.0f;
constexpr float introPanelDepth = 1.5f;
constexpr Colour introPanelFill{255, 250, 236, 208};
constexpr Colour introPanelRim{96, 58, 36, 255};
constexpr float introPanelRimWidth = 0.8f;
constexpr float introLineStep = 11.0f;

// The colour the player's figure flashes in after a hit.
constexpr Colour hitColour{255, 70, 60, 255};

} // namespace

void PlayScreen::render()
{
    camera.apply();
    hitFlash.follow(hp, frameStep);

    // The player is drawn unlit, so fades leave it fully bright and its tint
    // shows.
    if (!introShowing && !leaving) {
        const UnlitDrawing unlit;
        drawPlayer();
    }
    // Everything else is lit: the fades and the death sequence dim it.
    const LitDrawing lit;

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
    // The dead picture is drawn unlit, so its title keeps its light letters
    // while the field around it goes dark.
    if (dying) {
        const UnlitDrawing unlit;
        deadPicture.draw();
    }

    // The level changes at the darkest point of its fade (levelFadeStep),
    // so its background is loaded here, after it.
    loadBackground();
    background.draw();

    if (introShowing) {
        const UnlitDrawing unlit;
        drawIntroPanel();
        introText.print(introTextX, introTextY);
    }

    hud.draw(*this, frameStep);
}

void PlayScreen::drawIntroPanel() const
{
    // Lines as print counts them: every line feed ends one, and text after
    // the last line feed is one more.
    const std::string& text = introText.text;
    if (text.empty())
        return;
    const auto feeds = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    const int lines = feeds + (text.back() == '\n' ? 0 : 1);
    Panel panel;
    panel.left = introTextX - introPanelMargin;
    panel.right = introTextX + introText.textWidth(text, introViewSize) + introPanelMargin;
    panel.top = introTextY + introText.ascent(introViewSize) + introPanelMargin;
    panel.bottom = introTextY - introLineStep * static_cast<float>(lines - 1)
        - introText.descent(introViewSize) - introPanelMargin;
    panel.depth = introPanelDepth;
    panel.fill = introPanelFill;
    panel.rimColour = introPanelRim;
    panel.rimWidth = introPanelRimWidth;
    panel.draw();
}

void PlayScreen::drawPlayer() const
{
    if (!hitFlash.blinkOn()) {
        player.draw();
        return;
    }
    Sprite flashed = player;
    flashed.colour = hitColour;
    flashed.draw();
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
    // The bar blinks while a hit shows: left out in the blink's bright half.
    if (!hitFlash.blinkOn())
        healthBar.draw();
}
