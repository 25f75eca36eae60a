// PlayScreen's life: its pictures, clearing a level, and saving the game.
#include "play/PlayScreen.h"

#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "play/PlayConstants.h"
#include "play/SaveRecord.h"
#include "render/Lighting.h"

namespace {

void releaseTexture(Texture& texture)
{
    texture.release();
    texture.glName = 0;
}

} // namespace

PlayScreen::PlayScreen()
{
    introShowing = false;
    zombieIndex.watch(&entities);
}

PlayScreen::~PlayScreen()
{
    clearLevel();
    releaseTextures();
}

void PlayScreen::enter()
{
    // enter() is called once; should it run again, the earlier pictures are
    // released rather than left allocated.
    releaseTextures();

    leaving = false;
    deadPicture.texture.loadKeyed("Textures\\dead.png");
    deadPicture.depth = play::deadPictureDepth;
    deadPicture.width = play::deadPictureWidth;
    deadPicture.height = play::deadPictureHeight;
    hp = play::maxHealth;
    healthBar.depth = play::healthBarDepth;
    healthBar.texture.loadKeyed("Textures\\HealthBar.png");
    healthBar.height = play::healthBarHeight;
    healthBar.y = play::healthBarY;
    level = 1;
    levelFading = false;
    dying = false;
    score = 0;

    setFullLight();

    flameTexture.load("Textures/flame.png", blackColourKey);
    fireTexture.load("Textures/fire.png", blackColourKey);
    pepperTexture.load("Textures/pepper.png", blackColourKey);
    playerTexture.load("Textures/player.gif", blackColourKey);
    zombieStillTexture.load("Textures/Zombie1.png", magentaColourKey);
    knifeTexture.load("Textures/knife.png", blackColourKey);
    robotTexture.load("Textures/robot.png", blackColourKey);
    cabbageTextures[0].load("Textures/cabbage1.png", blackColourKey);
    cabbageTextures[1].load("Textures/cabbage2.png", blackColourKey);
    cabbageTextures[2].load("Textures/cabbage.png", blackColourKey);
    healthTexture.load("Textures/Health.png", blackColourKey);
    for (std::size_t i = 0; i < zombieTextures.size(); ++i) {
        const std::string path = "Textures\\Zombie" + std::to_string(i + 1) + ".png";
        zombieTextures[i].load(path, magentaColourKey);
    }
    for (std::size_t i = 0; i < ninjaTextures.size(); ++i) {
        const std::string path = "Textures\\Ninja" + std::to_string(i + 1) + ".png";
        ninjaTextures[i].load(path, magentaColourKey);
    }
    for (std::size_t i = 0; i < pirateTextures.size(); ++i) {
        const std::string path = "Textures\\Pirate" + std::to_string(i + 1) + ".png";
        pirateTextures[i].load(path, blackColourKey);
    }
    peppersLeft = 0;
}

void PlayScreen::releaseTextures()
{
    Texture* owned[] = {
        &knifeTexture, &healthTexture, &deadPicture.texture, &healthBar.texture,
        &zombieStillTexture, &robotTexture, &fireTexture, &flameTexture,
        &playerTexture, &pepperTexture, &background.texture,
    };
    for (Texture* texture : owned)
        releaseTexture(*texture);
    for (Texture& texture : cabbageTextures)
        releaseTexture(texture);
    for (Texture& texture : ninjaTextures)
        releaseTexture(texture);
    for (Texture& texture : zombieTextures)
        releaseTexture(texture);
    for (Texture& texture : pirateTextures)
        releaseTexture(texture);
}

void PlayScreen::clearLevel()
{
    peppers.clear();
    ninjas.clear();
    // Robots look into `entities` only during update, never while being
    // destroyed, so the order of destruction inside the list does not matter.
    entities.clear();
    zombieIndex.markStale();
    projectiles.clear();
    healthPickups.clear();
}

bool PlayScreen::saveGame(const std::string& path, std::error_code& why) const
{
    SaveRecord record;
    record.level = level;
    record.hp = hp;
    record.score = score;
    record.introShowing = introShowing ? 1 : 0;
    return writeSaveRecord(path, record, why);
}

bool PlayScreen::saveGame(const std::string& path) const
{
    std::error_code why;
    return saveGame(path, why);
}
