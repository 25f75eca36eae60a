// The play screen's pictures and the level loader.
#include <set>

#include "PlayTestSupport.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Random.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"
#include "platform/FrameStep.h"
#include "render/Renderer.h"

namespace {

std::vector<EntityKind> kindsOf(const PlayScreen& screen)
{
    std::vector<EntityKind> kinds;
    for (const auto& entity : screen.entities)
        kinds.push_back(entity->kind());
    return kinds;
}

// The first texel of a picture as the renderer holds it.
Colour firstTexel(unsigned int name)
{
    PictureLevel level;
    if (!renderer().readTexture(name, level) || level.rgba.size() < 4)
        return Colour{77, 77, 77, 77};
    return Colour{level.rgba[0], level.rgba[1], level.rgba[2], level.rgba[3]};
}

// A 2 x 1 GIF: an opaque black pixel, then an opaque magenta one.
const std::string blackMagentaGif(
    "GIF89a\x02\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\x00\xff"
    "\x2c\x00\x00\x00\x00\x02\x00\x01\x00\x00\x02\x02\x44\x0a\x00\x3b",
    35);

} // namespace

using LevelLoaderTest = SeededPlay;

TEST_F(LevelLoaderTest, EveryPictureIsLoadedWithItsColourKeyAndReleasedWithTheScreen)
{
    const Colour black{0, 0, 0, 255};
    const Colour magenta{255, 0, 255, 255};
    // Every picture starts with a black pixel and a magenta one: the key
    // turns one of them transparent.
    for (const char* name : {"flame.png", "fire.png", "pepper.png", "knife.png", "robot.png", "cabbage1.png",
                             "cabbage2.png", "cabbage.png", "Health.png", "Pirate1.png", "dead.png",
                             "HealthBar.png", "bg.png", "Zombie1.png", "Zombie2.png", "Zombie3.png",
                             "Zombie4.png", "Zombie5.png", "Ninja1.png", "Ninja2.png", "Ninja3.png", "Ninja4.png"})
        writeRowPicture(std::string("Textures/") + name, {black, magenta});
    writeFile("Textures/player.gif", blackMagentaGif);
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, 1, 1));
    auto screen = newGame(1);
    EXPECT_EQ(screen->background.texture.glName, 0u) << "the background waits for the first frame that draws it";
    renderer().beginFrame();
    screen->render();
    renderer().endFrame();

    const PlayScreen& s = *screen;
    const std::vector<const Texture*> blackKeyed = {
        &s.flameTexture, &s.fireTexture, &s.pepperTexture, &s.knifeTexture, &s.robotTexture,
        &s.cabbageTextures[0], &s.cabbageTextures[1], &s.cabbageTextures[2], &s.healthTexture,
        &s.pirateTextures[0], &s.deadPicture.texture, &s.healthBar.texture, &s.playerTexture,
        &s.background.texture,
    };
    const std::vector<const Texture*> magentaKeyed = {
        &s.zombieStillTexture, &s.zombieTextures[0], &s.zombieTextures[1], &s.zombieTextures[2],
        &s.zombieTextures[3], &s.zombieTextures[4], &s.ninjaTextures[0], &s.ninjaTextures[1],
        &s.ninjaTextures[2], &s.ninjaTextures[3],
    };
    std::set<unsigned int> names;
    for (const auto& [textures, firstPixel] : {std::pair{blackKeyed, Colour{0, 0, 0, 0}}, std::pair{magentaKeyed, black}}) {
        for (std::size_t i = 0; i < textures.size(); ++i) {
            ASSERT_NE(textures[i]->glName, 0u) << i;
            names.insert(textures[i]->glName);
            EXPECT_EQ(firstTexel(textures[i]->glName), firstPixel) << "picture " << i;
        }
    }
    // The still zombie and the first lunge frame are both Zombie1.png with
    // the magenta key: one picture, loaded twice and released twice.
    EXPECT_EQ(s.zombieStillTexture.glName, s.zombieTextures[0].glName);
    EXPECT_EQ(names.size(), blackKeyed.size() + magentaKeyed.size() - 1) << "every other picture has its own name";

    screen.reset();
    for (unsigned int name : names)
        EXPECT_FALSE(renderer().textureAlive(name)) << "texture " << name;
}

TEST_F(LevelLoaderTest, ObjectsAreCreatedInTheLoadersOrderWithTheirLinks)
{
    // pirates, ninjas, robots, zombies, cabbages, pickups, peppers, points
    writeLevel(1, levelLines(1, 2, 1, 2, 3, 2, 5, 10));
    auto screen = newGame(1);

    using K = EntityKind;
    const std::vector<K> expected = {K::Zombie, K::Zombie, K::Ninja, K::Ninja, K::Cabbage,
                                     K::Cabbage, K::Cabbage, K::Pirate, K::Robot};
    EXPECT_EQ(kindsOf(*screen), expected);
    EXPECT_EQ(screen->peppers.size(), 5u);
    EXPECT_EQ(screen->healthPickups.size(), 2u);
    EXPECT_EQ(screen->peppersLeft, 5);
    EXPECT_EQ(screen->pointsPerPepper, 10);

    ASSERT_EQ(screen->ninjas.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(screen->ninjas[i], screen->entities[2 + i]);
        EXPECT_EQ(screen->ninjas[i]->index, i);
        EXPECT_EQ(screen->ninjas[i]->ninjas, &screen->ninjas);
        EXPECT_EQ(screen->ninjas[i]->lungeFrames, &screen->ninjaLungeFrames);
    }
    ASSERT_EQ(screen->ninjaLungeFrames.size(), 5u);
    EXPECT_EQ(screen->ninjaLungeFrames.back().glName, screen->zombieStillTexture.glName);
    EXPECT_EQ(static_cast<Zombie&>(*screen->entities[1]).lungeFrames, &screen->zombieLungeFrames);
    EXPECT_EQ(screen->zombieLungeFrames.size(), 5u);
    EXPECT_EQ(static_cast<Pirate&>(*screen->entities[7]).projectiles, &screen->projectiles);
    EXPECT_EQ(static_cast<Robot&>(*screen->entities[8]).entities, &screen->entities);
    for (const auto& entity : screen->entities)
        EXPECT_EQ(entity->sprite.depth, 2.0f);
}

TEST_F(LevelLoaderTest, PositionsFollowTheTickSeedAndTheSameFileGivesTheSameOrder)
{
    writeLevel(4, levelLines(2, 1, 1, 1, 1, 1, 3, 5));
    setTicks(4242);
    auto first = newGame(4);
    thrask::srand(4242);
    EXPECT_EQ(first->peppers[0].x, randomFieldCoordinate());
    EXPECT_EQ(first->peppers[0].y, randomFieldCoordinate());

    setTicks(100);
    auto second = newGame(4);
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
    screen->hp = 12;
    screen->score = 300;
    screen->projectiles.push_back(std::make_unique<Knife>());
    screen->setup(2);
    EXPECT_TRUE(screen->entities.empty());
    EXPECT_TRUE(screen->ninjas.empty());
    EXPECT_TRUE(screen->projectiles.empty());
    EXPECT_TRUE(screen->healthPickups.empty());
    EXPECT_EQ(screen->peppers.size(), 5u);
    EXPECT_EQ(screen->player.x, 42.0f);
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

    auto screen = newGame(1);
    screen->loadBackground();
    const unsigned int first = screen->background.texture.glName;
    ASSERT_NE(first, 0u);
    screen->setup(2);
    EXPECT_FALSE(renderer().textureAlive(first));
    testing::internal::CaptureStderr();
    screen->loadBackground(); // the missing picture: no background
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(screen->background.texture.glName, 0u);

    // Another picture may now get the freed name; loading the next level
    // must not delete it a second time.
    Texture other;
    ASSERT_TRUE(other.loadKeyed("Textures/bg.png"));
    screen->setup(2);
    EXPECT_TRUE(renderer().textureAlive(other.glName));
    other.release();
}

TEST_F(LevelLoaderTest, OddCountsCreateNothingOrAreBoundedAndAMissingFileGivesAnEmptyPause)
{
    writeLevel(1, {"-1", "-5", "0", "-2147483648", "garbage", "-3", "-2", "7", "bg.png", "none"});
    auto screen = newGame(1);
    EXPECT_TRUE(screen->entities.empty());
    EXPECT_TRUE(screen->peppers.empty());
    EXPECT_TRUE(screen->healthPickups.empty());
    EXPECT_EQ(screen->peppersLeft, -2) << "a negative pepper count is kept";
    EXPECT_FALSE(screen->introShowing);

    writeLevel(2, {"0", "0", "0", "0", "0", "0", "99999999999", "1", "bg.png", "none"});
    screen->setup(2);
    EXPECT_EQ(screen->peppers.size(), 10000u);
    EXPECT_EQ(screen->peppersLeft, 10000);

    screen->setup(9);
    EXPECT_TRUE(screen->peppers.empty());
    EXPECT_EQ(screen->peppersLeft, 0);
    EXPECT_EQ(screen->pointsPerPepper, 0);
    EXPECT_TRUE(screen->introShowing);
    EXPECT_EQ(screen->introText.text, "");
    EXPECT_EQ(screen->introText.colour, (Colour{255, 255, 255, 255}));
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

// A level's background is loaded by the first frame that draws it: New Game
// leaves it to the play screen's first frame, and the frame of a level
// change, which loads the next level at its fade's darkest point, draws the
// next level's picture in that same frame.
TEST_F(LevelLoaderTest, TheFrameThatChangesTheLevelHasTheNextLevelsBackground)
{
    const Colour first{40, 40, 40, 255};
    const Colour next{90, 20, 160, 255};
    writeRowPicture("Textures/bg.png", {first});
    writeRowPicture("Textures/bg2.png", {next});
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, 1, 1));
    std::vector<std::string> second = levelLines(0, 0, 0, 0, 0, 0, 1, 1);
    second[8] = "bg2.png";
    writeLevel(2, second);
    const auto drawFrame = [](PlayScreen& screen) {
        renderer().beginFrame();
        screen.render();
        renderer().endFrame();
    };

    auto screen = newGame(1);
    ASSERT_EQ(screen->background.texture.glName, 0u);
    drawFrame(*screen);
    ASSERT_NE(screen->background.texture.glName, 0u);
    EXPECT_EQ(firstTexel(screen->background.texture.glName), first);

    // Level 1 done: its fade a step short of the darkest point.
    screen->level = 2;
    screen->levelFading = true;
    screen->nextLevelLoaded = false;
    screen->fadePhase = -0.0001f;
    const float step = frameStep;
    frameStep = 0.05f;
    drawFrame(*screen);
    frameStep = step;
    EXPECT_TRUE(screen->nextLevelLoaded) << "the darkest point was passed in that frame";
    ASSERT_NE(screen->background.texture.glName, 0u) << "loaded in the frame that changed the level";
    EXPECT_EQ(firstTexel(screen->background.texture.glName), next);
}
