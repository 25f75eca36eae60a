// PlayScreen's life: its pictures, clearing a level, and saving the game.
#include "play/PlayScreen.h"

#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "play/LevelFile.h"
#include "play/PlayConstants.h"
#include "play/SaveRecord.h"
#include "render/Lighting.h"

namespace {

void releaseTexture(Texture& texture)
{
    texture.release();
    texture.glName = 0;
}

// Every picture the play screen holds from enter() to its end, in the order
// enter() loads them: where it keeps it, its file and its colour key.
struct HeldPicture {
    Texture& (*slot)(PlayScreen&);
    const char* path;
    std::uint32_t colourKey;
};
const HeldPicture heldPictures[] = {
    {[](PlayScreen& p) -> Texture& { return p.deadPicture.texture; }, "Textures\\dead.png", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.healthBar.texture; }, "Textures\\HealthBar.png", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.flameTexture; }, "Textures/flame.png", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.fireTexture; }, "Textures/fire.png", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.pepperTexture; }, "Textures/pepper.png", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.playerTexture; }, "Textures/player.gif", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.zombieStillTexture; }, "Textures/Zombie1.png", magentaColourKey},
    {[](PlayScreen& p) -> Texture& { return p.knifeTexture; }, "Textures/knife.png", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.robotTexture; }, "Textures/robot.png", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.cabbageTextures[0]; }, "Textures/cabbage1.png", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.cabbageTextures[1]; }, "Textures/cabbage2.png", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.cabbageTextures[2]; }, "Textures/cabbage.png", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.healthTexture; }, "Textures/Health.png", blackColourKey},
    {[](PlayScreen& p) -> Texture& { return p.zombieTextures[0]; }, "Textures\\Zombie1.png", magentaColourKey},
    {[](PlayScreen& p) -> Texture& { return p.zombieTextures[1]; }, "Textures\\Zombie2.png", magentaColourKey},
    {[](PlayScreen& p) -> Texture& { return p.zombieTextures[2]; }, "Textures\\Zombie3.png", magentaColourKey},
    {[](PlayScreen& p) -> Texture& { return p.zombieTextures[3]; }, "Textures\\Zombie4.png", magentaColourKey},
    {[](PlayScreen& p) -> Texture& { return p.zombieTextures[4]; }, "Textures\\Zombie5.png", magentaColourKey},
    {[](PlayScreen& p) -> Texture& { return p.ninjaTextures[0]; }, "Textures\\Ninja1.png", magentaColourKey},
    {[](PlayScreen& p) -> Texture& { return p.ninjaTextures[1]; }, "Textures\\Ninja2.png", magentaColourKey},
    {[](PlayScreen& p) -> Texture& { return p.ninjaTextures[2]; }, "Textures\\Ninja3.png", magentaColourKey},
    {[](PlayScreen& p) -> Texture& { return p.ninjaTextures[3]; }, "Textures\\Ninja4.png", magentaColourKey},
    {[](PlayScreen& p) -> Texture& { return p.pirateTextures[0]; }, "Textures\\Pirate1.png", blackColourKey},
};
static_assert(std::tuple_size<decltype(PlayScreen::zombieTextures)>::value == 5, "one row per zombie picture");
static_assert(std::tuple_size<decltype(PlayScreen::ninjaTextures)>::value == 4, "one row per ninja picture");
static_assert(std::tuple_size<decltype(PlayScreen::pirateTextures)>::value == 1, "one row per pirate picture");

} // namespace

std::vector<PictureRequest> PlayScreen::picturesOfAGame()
{
    std::vector<PictureRequest> pictures;
    for (const HeldPicture& held : heldPictures)
        pictures.push_back({held.path, held.colourKey});
    // Each level's background, loaded as setup(n) loads it.
    for (int n = 1; n <= play::lastLevel; ++n) {
        const LevelFile file = readLevelFile(levelFileName(n));
        if (!file.background.empty())
            pictures.push_back({"Textures\\" + file.background, blackColourKey});
    }
    return pictures;
}

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
    deadPicture.depth = play::deadPictureDepth;
    deadPicture.width = play::deadPictureWidth;
    deadPicture.height = play::deadPictureHeight;
    hp = play::maxHealth;
    healthBar.depth = play::healthBarDepth;
    healthBar.height = play::healthBarHeight;
    healthBar.y = play::healthBarY;
    level = 1;
    levelFading = false;
    dying = false;
    score = 0;

    setFullLight();

    for (const HeldPicture& held : heldPictures)
        held.slot(*this).load(held.path, held.colourKey);
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
