// PlayScreen's level loader: setup(n) replaces the previous level's objects by those of level n.
#include "play/PlayScreen.h"

#include <algorithm>

#include "entities/Cabbage.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Random.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"
#include "play/LevelFile.h"
#include "play/Ticks.h"

namespace {

// A level file may ask for any number of objects; more than this many of one
// kind would only exhaust memory, so larger counts are cut to it. It leaves
// room for crowded levels of ten thousand enemies and more (the benchmark's
// stress level is one).
constexpr int maxObjectsPerKind = 10000;

// The level's sprites: sizes in view units, depths (smaller is nearer).
constexpr float backgroundSize = 200.0f; // the whole field
constexpr float backgroundDepth = 9.0f;  // behind everything
constexpr float introTextDepth = 1.0f;
constexpr float playerSize = 10.0f;
constexpr float playerDepth = 3.0f;
constexpr float pepperSize = 10.0f;
constexpr float pepperDepth = 5.0f;
constexpr float pickupDepth = 4.0f;
constexpr float enemySize = 32.0f; // zombies, ninjas, pirates and robots
constexpr float enemyDepth = 2.0f;

int objectCount(int count)
{
    return std::clamp(count, 0, maxObjectsPerKind);
}

// The name of a picture, for sprites that show a picture the screen owns.
Texture nameOf(const Texture& picture)
{
    Texture named;
    named.glName = picture.glName;
    return named;
}

// Gives an enemy its size and depth and puts it at a random spot of the
// field, drawing x and then y.
void placeEnemy(Sprite& sprite)
{
    sprite.width = enemySize;
    sprite.height = enemySize;
    sprite.depth = enemyDepth;
    sprite.x = randomFieldCoordinate();
    sprite.y = randomFieldCoordinate();
}

} // namespace

void PlayScreen::loadBackground()
{
    if (backgroundPicture_.empty())
        return;
    background.texture.loadKeyed(backgroundPicture_);
    backgroundPicture_.clear();
}

void PlayScreen::setup(int n)
{
    background.texture.release();
    background.texture.glName = 0;
    clearLevel();
    nextLevelLoaded = true;

    const LevelFile file = readLevelFile(levelFileName(n));
    // A negative pepper count is kept: such a level cannot be completed.
    peppersLeft = std::min(file.peppers, maxObjectsPerKind);
    pointsPerPepper = file.pointsPerPepper;

    backgroundPicture_ = "Textures\\" + file.background;
    background.width = backgroundSize;
    background.height = backgroundSize;
    background.depth = backgroundDepth;

    if (file.hasIntro) {
        introText.colour = file.introColour;
        introText.colour.a = 255;
        introShowing = true;
        introText.text.clear();
        introText.depth = introTextDepth;
        readIntroText(file.introFile, introText.text);
    }

    player.texture = nameOf(playerTexture);
    player.width = playerSize;
    player.height = playerSize;
    player.depth = playerDepth;

    levelSeed = playTickCount();
    ninjaLegAtLoad = Ninja::nextNinjaHorizontal;
    thrask::srand(levelSeed);

    // Room for every object at once, so a crowded level is not copied over
    // and over as it grows.
    const auto room = [](int count) { return static_cast<std::size_t>(objectCount(count)); };
    peppers.reserve(room(file.peppers));
    healthPickups.reserve(room(file.healthPickups));
    ninjas.reserve(room(file.ninjas));
    entities.reserve(room(file.zombies) + room(file.ninjas) + room(file.cabbages) + room(file.pirates) +
                     room(file.robots));
    zombieLungeFrames.assign(zombieTextures.begin(), zombieTextures.end());
    ninjaLungeFrames.assign(ninjaTextures.begin(), ninjaTextures.end());
    ninjaLungeFrames.push_back(zombieStillTexture);
    createPeppers(objectCount(file.peppers));
    createHealthPickups(objectCount(file.healthPickups));
    createZombies(objectCount(file.zombies));
    createNinjas(objectCount(file.ninjas));
    createCabbages(objectCount(file.cabbages));
    createPirates(objectCount(file.pirates));
    createRobots(objectCount(file.robots));
    hud.levelLoaded();
}

void PlayScreen::createPeppers(int count)
{
    for (int i = 0; i < count; ++i) {
        Sprite pepper;
        pepper.texture = nameOf(pepperTexture);
        pepper.width = pepperSize;
        pepper.height = pepperSize;
        pepper.depth = pepperDepth;
        pepper.x = randomFieldCoordinate();
        pepper.y = randomFieldCoordinate();
        peppers.push_back(pepper);
    }
}

void PlayScreen::createHealthPickups(int count)
{
    for (int i = 0; i < count; ++i) {
        HealthPickup pickup;
        pickup.sprite.depth = pickupDepth;
        pickup.sprite.texture = nameOf(healthTexture);
        pickup.reset();
        healthPickups.push_back(pickup);
    }
}

// Each enemy is heard by `sounds` once it has been made: nothing it does
// while being made is reported.
void PlayScreen::createZombies(int count)
{
    for (int i = 0; i < count; ++i) {
        Zombie& zombie = entities.add<Zombie>();
        zombie.idleTexture = nameOf(zombieStillTexture);
        zombie.spawn();
        placeEnemy(zombie.sprite);
        zombie.fire.texture = nameOf(fireTexture);
        zombie.lungeFrames = &zombieLungeFrames;
        zombie.events = &sounds;
    }
}

void PlayScreen::createNinjas(int count)
{
    for (int i = 0; i < count; ++i) {
        Ninja& ninja = entities.add<Ninja>();
        ninja.sprite.texture = nameOf(ninjaTextures[0]);
        placeEnemy(ninja.sprite);
        ninja.spawn();
        ninja.lungeFrames = &ninjaLungeFrames;
        ninja.index = static_cast<int>(ninjas.size());
        ninja.ninjas = &ninjas;
        ninjas.push_back(&ninja);
        ninja.events = &sounds;
    }
}

void PlayScreen::createCabbages(int count)
{
    for (int i = 0; i < count; ++i) {
        Cabbage& cabbage = entities.add<Cabbage>();
        for (std::size_t frame = 0; frame < cabbage.growFrames.size(); ++frame)
            cabbage.growFrames[frame] = nameOf(cabbageTextures[frame]);
        cabbage.spawn();
        cabbage.events = &sounds;
    }
}

void PlayScreen::createPirates(int count)
{
    for (int i = 0; i < count; ++i) {
        Pirate& pirate = entities.add<Pirate>();
        placeEnemy(pirate.sprite);
        pirate.sprite.texture = nameOf(pirateTextures[0]);
        pirate.projectiles = &projectiles;
        pirate.knifeTexture = nameOf(knifeTexture);
        pirate.spawn();
        pirate.events = &sounds;
    }
}

void PlayScreen::createRobots(int count)
{
    for (int i = 0; i < count; ++i) {
        Robot& robot = entities.add<Robot>();
        robot.flame.texture = nameOf(flameTexture);
        robot.entities = &entities;
        robot.zombieIndex = &zombieIndex;
        robot.sprite.texture = nameOf(robotTexture);
        placeEnemy(robot.sprite);
        robot.spawn();
        robot.events = &sounds;
    }
}
