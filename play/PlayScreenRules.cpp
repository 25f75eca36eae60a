// PlayScreen's rules: a level's frame, the fade between levels, the win and the player's death.
#include "play/PlayScreen.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "entities/Knife.h"
#include "platform/Audio.h"
#include "platform/FrameStep.h"
#include "play/PlayConstants.h"
#include "play/ScoreBook.h"
#include "render/Lighting.h"
#include "screens/ScreenFlow.h"

namespace {

// Adds as 32-bit integers wrapping around, instead of overflowing (which C++
// leaves undefined): a level file may give any number of points per pepper,
// and the score must come out the same on every machine.
int wrappingAdd(int a, int b)
{
    return static_cast<int>(static_cast<unsigned int>(a) + static_cast<unsigned int>(b));
}

// The dead picture grows as the light of the death sequence dims: below each
// brightness it is drawn this many times its starting size.
struct DeadPictureGrowth {
    float belowBrightness;
    float scale;
};
constexpr DeadPictureGrowth deadPictureGrowth[] = {{0.75f, 1.0f}, {0.6f, 2.0f}, {0.35f, 3.0f}};

// Every this many peppers eaten the player's tint has visibly deepened, and
// the pepper sounds the tint's note instead.
constexpr long long peppersPerTintNote = 4;

} // namespace

void PlayScreen::update()
{
    // Once the ending screen has taken over, the fade owns this screen and
    // nothing of the level may change any more.
    if (leaving)
        return;
    if (!levelFading && !dying && !introShowing) {
        collectPeppers();
        takeDamage();
        heal();
        hp = std::min(hp, play::maxHealth);
        keepPlayerOnField();
    }
    checkCompletion();
}

void PlayScreen::collectPeppers()
{
    for (Sprite& pepper : peppers) {
        if (pepper.visible && spritesOverlap(pepper, player)) {
            score = wrappingAdd(score, pointsPerPepper);
            pepper.visible = false;
            --peppersLeft;
            playPepperSound();
        }
    }
}

void PlayScreen::takeDamage()
{
    // Entities may throw knives into `projectiles` while they update; those
    // fly from the knife pass of this same frame on. Indexes, not iterators:
    // nothing adds to `entities` during a frame, but the loop stays safe
    // should anything do so.
    // The entities report their hits, throws, fires and pops to `sounds`
    // as they update. The robots find zombies through the zombie grid, which
    // must hear of every zombie's move.
    sounds.enemiesStart();
    zombieIndex.markStale();
    for (std::size_t i = 0; i < entities.size(); ++i) {
        Entity& entity = *entities[i];
        hp -= entity.update(player.x, player.y);
        if (entity.kind() == EntityKind::Zombie)
            zombieIndex.markStale();
    }
    sounds.enemiesDone();

    // A spent knife is removed while other knives remain; the last one stays
    // in the list. Erasing yields the next knife, so none is skipped.
    for (auto it = projectiles.begin(); it != projectiles.end();) {
        Knife& knife = **it;
        hp -= knife.update(player.x, player.y);
        if (!knife.sprite.visible && projectiles.size() > 1)
            it = projectiles.erase(it);
        else
            ++it;
    }
}

void PlayScreen::heal()
{
    for (HealthPickup& pickup : healthPickups) {
        const int healed = pickup.update(player);
        hp += healed;
        if (healed > 0)
            audio().play(Effect::Health);
    }
}

void PlayScreen::keepPlayerOnField()
{
    const float halfWidth = player.width / 2;
    const float halfHeight = player.height / 2;
    player.x = std::clamp(player.x, -play::fieldHalfSize + halfWidth, play::fieldHalfSize - halfWidth);
    player.y = std::clamp(player.y, -play::fieldHalfSize + halfHeight, play::fieldHalfSize - halfHeight);
}

void PlayScreen::checkCompletion()
{
    if (peppersLeft != 0 || dying) {
        tintPlayer();
        return;
    }
    levelFading = true;
    nextLevelLoaded = false;
    fadePhase = play::fadeStart;
    player.colour.g = 255;
    player.colour.b = 255;
    peppersLeft = static_cast<int>(peppers.size());
    // A saved game can hold any level number; the last one does not wrap.
    if (level < INT_MAX)
        ++level;
    if (level > play::lastLevel)
        winGame();
    else
        audio().play(Effect::LevelClear);
}

void PlayScreen::playPepperSound() const
{
    // The last pepper leaves the level-cleared jingle the stage.
    const long long eaten = static_cast<long long>(peppers.size()) - peppersLeft;
    const bool tintNote = peppersLeft > 0 && eaten > 0 && eaten % peppersPerTintNote == 0;
    audio().play(tintNote ? Effect::Tint : Effect::Pepper);
}

void PlayScreen::tintPlayer()
{
    // The player reddens as the peppers are eaten. A level without pepper
    // sprites (a negative pepper count) has nothing to measure against and
    // keeps the player white.
    if (peppers.empty()) {
        player.colour.g = 255;
        player.colour.b = 255;
        return;
    }
    const float share = 255.0f * static_cast<float>(peppersLeft) / static_cast<float>(peppers.size());
    const float clamped = std::clamp(share, 0.0f, 255.0f);
    const auto tint = static_cast<unsigned char>(clamped);
    player.colour.g = tint;
    player.colour.b = tint;
}

void PlayScreen::winGame()
{
    // The game played to its end enters the best scores at the last level.
    const int place = scoreBook().enterGame(score, play::lastLevel);
    fadeTo(this, makeEndingScreen(score, place), fadeDuration::ending);
    leaving = true;
    audio().play(Effect::Fanfare);
}

void PlayScreen::levelFadeStep()
{
    fadePhase += play::levelFadeRate * frameStep;
    float brightness = std::fabs(fadePhase) * play::fadeBrightness;
    if (fadePhase >= play::fadeEnd) {
        brightness = 1.0f;
        levelFading = false;
    }
    // The next level is loaded at the darkest point of the fade.
    if (fadePhase >= 0.0f && !nextLevelLoaded)
        setup(level);
    setAmbientLight(brightness);
}

bool PlayScreen::deathStep()
{
    hp = 0;
    if (!dying) {
        dying = true;
        fadePhase = play::fadeStart;
        deadPicture.visible = true;
        audio().play(Effect::Death);
        return false;
    }

    fadePhase += play::deathFadeRate * frameStep;
    const float brightness = std::fabs(fadePhase) * play::fadeBrightness;
    for (const DeadPictureGrowth& growth : deadPictureGrowth) {
        if (brightness < growth.belowBrightness) {
            deadPicture.width = play::deadPictureWidth * growth.scale;
            deadPicture.height = play::deadPictureHeight * growth.scale;
        }
    }

    if (fadePhase >= 0.0f) {
        // Game over. Only the current screen may hand over: while a screen
        // fade is still drawing this screen, the fade installs it when it
        // ends, and the hand-over follows in its first frame as the current
        // screen.
        if (currentScreen != this)
            return true;
        // A game that enters the best scores asks for its name first.
        const int place = scoreBook().enterGame(score, level);
        currentScreen = place > 0 ? makeScoreEntry(place) : makeMainMenu();
        // Nothing holds this screen any more; the frame loop frees it at the
        // start of the next frame, after this render has returned.
        retireScreen(this);
        return true;
    }

    setAmbientLight(brightness);
    return false;
}
