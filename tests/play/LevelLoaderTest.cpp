// The play screen's pictures and the level loader.
#include <GL/gl.h>

#include <set>

#include "PlayTestSupport.h"
#include "entities/Cabbage.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Random.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"
#include "render/Texture.h"

namespace {

std::vector<EntityKind> kindsOf(const PlayScreen& screen)
{
    std::vector<EntityKind> kinds;
    for (const auto& entity : screen.entities)
        kinds.push_back(entity->kind());
    return kinds;
}

// The two texels of a 2 x 1 picture as OpenGL holds them.
std::vector<Colour> texels(unsigned int name)
{
    std::vector<unsigned char> bytes(8, 77);
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
    return {Colour{bytes[0], bytes[1], bytes[2], bytes[3]}, Colour{bytes[4], bytes[5], bytes[6], bytes[7]}};
}

// A 2 x 1 GIF whose palette holds opaque black and opaque magenta.
const std::string blackMagentaGif(
    "GIF89a\x02\x00\x01\x00\x80\x00\x00"
    "\x00\x00\x00\xff\x00\xff"
    "\x2c\x00\x00\x00\x00\x02\x00\x01\x00\x00"
    "\x02\x02\x44\x0a\x00\x3b",
    35);

const Colour black{0, 0, 0, 255};
const Colour magenta{255, 0, 255, 255};
const Colour transparent{0, 0, 0, 0};

} // namespace

using LevelLoaderTest = PlayTest;

TEST_F(LevelLoaderTest, EveryPictureIsLoadedWithItsColourKey)
{
    const std::vector<std::string> blackKeyed = {
        "flame.png", "fire.png", "pepper.png", "knife.png", "robot.png", "cabbage1.png",
        "cabbage2.png", "cabbage.png", "Health.png", "Pirate1.png", "dead.png", "HealthBar.png",
    };
    const std::vector<std::string> magentaKeyed = {
        "Zombie1.png", "Zombie2.png", "Zombie3.png", "Zombie4.png", "Zombie5.png",
        "Ninja1.png", "Ninja2.png", "Ninja3.png", "Ninja4.png",
    };
    for (const std::string& name : blackKeyed)
        writeRowPicture("Textures/" + name, {black, magenta});
    for (const std::string& name : magentaKeyed)
        writeRowPicture("Textures/" + name, {black, magenta});
    writeFile("Textures/player.gif", blackMagentaGif);

    writeRowPicture("Textures/bg.png", {black, magenta});
    writeLevel(1, levelLines(1, 1, 1, 1, 1, 1, 1, 1));
    auto owner = newGame(1);
    PlayScreen& screen = *owner;
    const std::vector<const Texture*> black_ = {
        &screen.flameTexture, &screen.fireTexture, &screen.pepperTexture, &screen.knifeTexture,
        &screen.robotTexture, &screen.cabbageTextures[0], &screen.cabbageTextures[1],
        &screen.cabbageTextures[2], &screen.healthTexture, &screen.pirateTextures[0],
        &screen.deadPicture.texture, &screen.healthBar.texture, &screen.playerTexture,
    };
    const std::vector<const Texture*> magenta_ = {
        &screen.zombieStillTexture, &screen.zombieTextures[0], &screen.zombieTextures[1],
        &screen.zombieTextures[2], &screen.zombieTextures[3], &screen.zombieTextures[4],
        &screen.ninjaTextures[0], &screen.ninjaTextures[1], &screen.ninjaTextures[2],
        &screen.ninjaTextures[3],
    };
    std::set<unsigned int> names;
    for (std::size_t i = 0; i < black_.size(); ++i) {
        ASSERT_NE(black_[i]->glName, 0u) << "black-keyed picture " << i;
        names.insert(black_[i]->glName);
        const std::vector<Colour> t = texels(black_[i]->glName);
        EXPECT_EQ(t[0], transparent) << "black-keyed picture " << i;
        EXPECT_EQ(t[1], magenta) << "black-keyed picture " << i;
    }
    for (std::size_t i = 0; i < magenta_.size(); ++i) {
        ASSERT_NE(magenta_[i]->glName, 0u) << "magenta-keyed picture " << i;
        names.insert(magenta_[i]->glName);
        const std::vector<Colour> t = texels(magenta_[i]->glName);
        EXPECT_EQ(t[0], black) << "magenta-keyed picture " << i;
        EXPECT_EQ(t[1], transparent) << "magenta-keyed picture " << i;
    }
    EXPECT_EQ(names.size(), black_.size() + magenta_.size()) << "every picture has its own name";
    ASSERT_NE(screen.background.texture.glName, 0u);
    names.insert(screen.background.texture.glName);
    EXPECT_EQ(screen.hp, 30);
    EXPECT_EQ(screen.level, 1);
    EXPECT_EQ(screen.score, 0);
    EXPECT_FALSE(screen.introShowing);
    EXPECT_EQ(screen.deadPicture.width, 25.0f);
    EXPECT_EQ(screen.deadPicture.height, 12.5f);
    EXPECT_EQ(screen.deadPicture.depth, 0.5f);
    EXPECT_EQ(screen.healthBar.x, -87.5f);
    EXPECT_EQ(screen.healthBar.y, 97.0f);

    // Destroying the screen releases every one of its pictures.
    owner.reset();
    for (unsigned int name : names)
        EXPECT_FALSE(glIsTexture(name)) << "texture " << name;
}

TEST_F(LevelLoaderTest, ObjectsAreCreatedInTheLoadersOrderWithTheirLinks)
{
    // pirates, ninjas, robots, zombies, cabbages, pickups, peppers, points
    writeLevel(1, levelLines(1, 2, 1, 2, 3, 2, 5, 10));
    writeRowPicture("Textures/pepper.png", {magenta, magenta});
    writeRowPicture("Textures/Zombie1.png", {black, black});
    auto screen = newGame(1);

    using K = EntityKind;
    const std::vector<K> expected = {K::Zombie, K::Zombie, K::Ninja, K::Ninja, K::Cabbage,
                                     K::Cabbage, K::Cabbage, K::Pirate, K::Robot};
    EXPECT_EQ(kindsOf(*screen), expected);
    ASSERT_EQ(screen->peppers.size(), 5u);
    EXPECT_EQ(screen->healthPickups.size(), 2u);
    EXPECT_EQ(screen->peppersLeft, 5);
    EXPECT_EQ(screen->pointsPerPepper, 10);
    EXPECT_FALSE(screen->introShowing);
    EXPECT_TRUE(screen->projectiles.empty());

    for (const Sprite& pepper : screen->peppers) {
        EXPECT_EQ(pepper.texture.glName, screen->pepperTexture.glName);
        EXPECT_EQ(pepper.depth, 5.0f);
        EXPECT_EQ(pepper.width, 10.0f);
        EXPECT_TRUE(pepper.visible);
    }
    for (const HealthPickup& pickup : screen->healthPickups) {
        EXPECT_EQ(pickup.sprite.depth, 4.0f);
        EXPECT_TRUE(pickup.available);
        EXPECT_LE(pickup.clock, 0.0f);
    }
    auto* zombie = static_cast<Zombie*>(screen->entities[0].get());
    EXPECT_EQ(zombie->sprite.depth, 2.0f);
    EXPECT_EQ(zombie->sprite.width, 32.0f);
    EXPECT_EQ(zombie->idleTexture.glName, screen->zombieStillTexture.glName);
    ASSERT_EQ(zombie->lungeFrames.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(zombie->lungeFrames[i].glName, screen->zombieTextures[i].glName);

    ASSERT_EQ(screen->ninjas.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        Ninja* ninja = screen->ninjas[i];
        EXPECT_EQ(ninja, screen->entities[2 + i].get());
        EXPECT_EQ(ninja->index, i);
        EXPECT_EQ(ninja->ninjas, &screen->ninjas);
        ASSERT_EQ(ninja->lungeFrames.size(), 5u);
        EXPECT_EQ(ninja->lungeFrames[4].glName, screen->zombieStillTexture.glName);
    }
    auto* pirate = static_cast<Pirate*>(screen->entities[7].get());
    EXPECT_EQ(pirate->projectiles, &screen->projectiles);
    EXPECT_EQ(pirate->knifeTexture.glName, screen->knifeTexture.glName);
    auto* robot = static_cast<Robot*>(screen->entities[8].get());
    EXPECT_EQ(robot->entities, &screen->entities);
    EXPECT_EQ(robot->flame.texture.glName, screen->flameTexture.glName);

    EXPECT_EQ(screen->background.width, 200.0f);
    EXPECT_EQ(screen->background.depth, 9.0f);
    EXPECT_EQ(screen->player.width, 10.0f);
    EXPECT_EQ(screen->player.depth, 3.0f);
}

TEST_F(LevelLoaderTest, PositionsFollowTheTickSeedAndTheSameFileGivesTheSameOrder)
{
    writeLevel(4, levelLines(2, 1, 1, 1, 1, 1, 3, 5));
    setTicks(4242);
    auto first = newGame(4);
    thrask::srand(4242);
    const float x = randomFieldCoordinate();
    const float y = randomFieldCoordinate();
    EXPECT_EQ(first->peppers[0].x, x);
    EXPECT_EQ(first->peppers[0].y, y);

    setTicks(99);
    first->setup(4);
    auto second = newGame(4);
    EXPECT_EQ(kindsOf(*first), kindsOf(*second));
    EXPECT_EQ(first->peppers.size(), second->peppers.size());
    EXPECT_EQ(first->peppers[0].x, second->peppers[0].x) << "same seed, same spots";
    setTicks(100);
    second->setup(4);
    EXPECT_EQ(kindsOf(*first), kindsOf(*second));
    EXPECT_NE(first->peppers[0].x * 1000 + first->peppers[0].y,
              second->peppers[0].x * 1000 + second->peppers[0].y);
}

TEST_F(LevelLoaderTest, ANewLevelReplacesTheObjectsButKeepsTheGame)
{
    writeLevel(1, levelLines(1, 1, 1, 1, 1, 1, 2, 10));
    writeLevel(2, levelLines(0, 0, 0, 0, 0, 0, 5, 20));
    auto screen = newGame(1);
    screen->player.x = 42.0f;
    screen->player.y = -17.0f;
    screen->hp = 12;
    screen->score = 300;
    screen->projectiles.push_back(std::make_unique<Knife>());
    screen->setup(2);
    EXPECT_TRUE(screen->entities.empty());
    EXPECT_TRUE(screen->ninjas.empty());
    EXPECT_TRUE(screen->projectiles.empty());
    EXPECT_TRUE(screen->healthPickups.empty());
    EXPECT_EQ(screen->peppers.size(), 5u);
    EXPECT_EQ(screen->peppersLeft, 5);
    EXPECT_EQ(screen->pointsPerPepper, 20);
    EXPECT_TRUE(screen->nextLevelLoaded);
    EXPECT_EQ(screen->player.x, 42.0f);
    EXPECT_EQ(screen->player.y, -17.0f);
    EXPECT_EQ(screen->hp, 12);
    EXPECT_EQ(screen->score, 300);
}

TEST_F(LevelLoaderTest, TheBackgroundIsReleasedOnceEvenWhenTheNextOneIsMissing)
{
    writeRowPicture("Textures/bg.png", {Colour{40, 40, 40, 255}, Colour{40, 40, 40, 255}});
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, 1, 1));
    std::vector<std::string> noPicture = levelLines(0, 0, 0, 0, 0, 0, 1, 1);
    noPicture[8] = "missing.png";
    writeLevel(2, noPicture);
    writeLevel(3, noPicture);

    auto screen = newGame(1);
    const unsigned int first = screen->background.texture.glName;
    ASSERT_NE(first, 0u);
    screen->setup(2);
    EXPECT_FALSE(glIsTexture(first));
    EXPECT_EQ(screen->background.texture.glName, 0u);

    // Another picture may now get the freed name; loading the next level
    // must not delete it a second time.
    Texture other;
    ASSERT_TRUE(other.loadKeyed("Textures/bg.png"));
    screen->setup(3);
    EXPECT_TRUE(glIsTexture(other.glName));
    other.release();
}

TEST_F(LevelLoaderTest, CountsOfZeroOrBelowCreateNothingAndHugeCountsAreBounded)
{
    writeLevel(1, {"-1", "-5", "0", "-2147483648", "garbage", "-3", "-2", "7", "bg.png", "none"});
    auto screen = newGame(1);
    EXPECT_TRUE(screen->entities.empty());
    EXPECT_TRUE(screen->peppers.empty());
    EXPECT_TRUE(screen->healthPickups.empty());
    EXPECT_EQ(screen->peppersLeft, -2) << "a negative pepper count is kept";

    writeLevel(2, {"0", "0", "0", "0", "0", "0", "99999999999", "1", "bg.png", "none"});
    screen->setup(2);
    EXPECT_EQ(screen->peppers.size(), 1000u);
    EXPECT_EQ(static_cast<std::size_t>(screen->peppersLeft), screen->peppers.size());
}

TEST_F(LevelLoaderTest, IntroTextPausesTheLevelAndNoneKeepsThePause)
{
    std::vector<std::string> withIntro = levelLines(0, 0, 0, 0, 0, 0, 1, 1);
    withIntro[9] = "Intro\\one.txt";
    withIntro.push_back("300 -5 40");
    writeLevel(1, withIntro);
    writeFile("Intro/one.txt", "Eat the peppers.\r\nMind the zombies.\r\n");
    writeLevel(2, levelLines(0, 0, 0, 0, 0, 0, 1, 1));

    auto screen = newGame(1);
    EXPECT_TRUE(screen->introShowing);
    EXPECT_EQ(screen->introText.text, "Eat the peppers.\nMind the zombies.\n");
    EXPECT_EQ(screen->introText.colour, (Colour{255, 0, 40, 255}));
    EXPECT_EQ(screen->introText.depth, 1.0f);

    // "none" leaves the pause as it stands.
    screen->setup(2);
    EXPECT_TRUE(screen->introShowing);
    screen->introShowing = false;
    screen->setup(2);
    EXPECT_FALSE(screen->introShowing);

    // An intro file that cannot be opened: an empty pause.
    withIntro[9] = "Intro/gone.txt";
    writeLevel(3, withIntro);
    screen->setup(3);
    EXPECT_TRUE(screen->introShowing);
    EXPECT_EQ(screen->introText.text, "");
}

TEST_F(LevelLoaderTest, AMissingLevelFileGivesAnEmptyPausedLevel)
{
    writeLevel(1, levelLines(1, 1, 1, 1, 1, 1, 3, 10));
    auto screen = newGame(1);
    screen->setup(9);
    EXPECT_TRUE(screen->entities.empty());
    EXPECT_TRUE(screen->peppers.empty());
    EXPECT_EQ(screen->peppersLeft, 0);
    EXPECT_EQ(screen->pointsPerPepper, 0);
    EXPECT_TRUE(screen->introShowing);
    EXPECT_EQ(screen->introText.text, "");
    EXPECT_EQ(screen->introText.colour, (Colour{255, 255, 255, 255}));
    EXPECT_EQ(screen->background.texture.glName, 0u);
}
