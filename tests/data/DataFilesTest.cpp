// Every picture the game opens and every file the shipped levels name must be
// in data/, decode with the game's loader, keep its size (power-of-two sides,
// so nothing is rescaled on upload), and carry transparency where the game
// loads it with a colour key.

#include <GL/gl.h>
#include <IL/il.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/headless/HeadlessContext.h"
#include "play/LevelFile.h"
#include "render/Texture.h"

namespace {

const std::string dataDir = THRASK_DATA_DIR;
constexpr int levelCount = 15;

enum class Key { None, Black, Magenta };

struct Picture {
    const char* name;
    Key key;
};

// The picture files the game opens, with the colour key it loads each with.
const Picture pictures[] = {
    {"title.png", Key::None},       {"NewGame.png", Key::Black},     {"LoadGame.png", Key::Black},
    {"GameStory.png", Key::Black},  {"quitgame.png", Key::Black},    {"ReturnGame.png", Key::Black},
    {"SaveGame.png", Key::Black},   {"dot.gif", Key::None},          {"arrow.png", Key::None},
    {"bar.png", Key::None},         {"loadgame.png", Key::Black},    {"returngame.png", Key::Black},
    {"white.bmp", Key::Black},      {"story.gif", Key::None},        {"win.png", Key::Black},
    {"dead.png", Key::Black},       {"HealthBar.png", Key::Black},   {"player.gif", Key::Black},
    {"pepper.png", Key::Black},     {"Health.png", Key::Black},      {"Zombie1.png", Key::Magenta},
    {"Zombie2.png", Key::Magenta},  {"Zombie3.png", Key::Magenta},   {"Zombie4.png", Key::Magenta},
    {"Zombie5.png", Key::Magenta},  {"fire.png", Key::Black},        {"robot.png", Key::Black},
    {"flame.png", Key::Black},      {"Ninja1.png", Key::Magenta},    {"Ninja2.png", Key::Magenta},
    {"Ninja3.png", Key::Magenta},   {"Ninja4.png", Key::Magenta},    {"Pirate1.png", Key::Black},
    {"knife.png", Key::Black},      {"cabbage1.png", Key::Black},    {"cabbage2.png", Key::Black},
    {"cabbage.png", Key::Black},
};

std::uint32_t colourKey(Key key)
{
    switch (key) {
    case Key::Black:
        return blackColourKey;
    case Key::Magenta:
        return magentaColourKey;
    case Key::None:
        break;
    }
    return noColourKey;
}

bool powerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

// The size of a picture file as DevIL decodes it (before any rescaling).
bool decodedSize(const std::string& path, int& width, int& height)
{
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    const bool ok = ilLoadImage(path.c_str()) == IL_TRUE;
    width = ok ? ilGetInteger(IL_IMAGE_WIDTH) : 0;
    height = ok ? ilGetInteger(IL_IMAGE_HEIGHT) : 0;
    ilDeleteImages(1, &image);
    return ok;
}

// The texels of a loaded texture, first row = the row shown at the top.
struct Texels {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;

    const unsigned char* at(int x, int y) const
    {
        return &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
    }
};

Texels readBack(const Texture& texture)
{
    Texels t;
    glBindTexture(GL_TEXTURE_2D, texture.glName);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &t.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &t.height);
    t.rgba.resize(static_cast<std::size_t>(t.width) * t.height * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, t.rgba.data());
    return t;
}

struct Coverage {
    int transparent = 0;
    int opaque = 0;
};

Coverage coverage(const Texels& t)
{
    Coverage c;
    for (std::size_t i = 3; i < t.rgba.size(); i += 4)
        (t.rgba[i] == 0 ? c.transparent : c.opaque)++;
    return c;
}

// Loads a picture through the game's Texture on a headless context and checks
// it; returns the texels for further checks. A keyed picture must have keyed
// pixels, except a whole one (a background), which must have none: a hole in
// a background shows the bare screen behind the field.
Texels checkPicture(const std::string& relativePath, Key key, bool whole = false)
{
    SCOPED_TRACE(relativePath);
    const std::string path = dataDir + "/" + relativePath;
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << "missing (the name must match exactly)";
    int width = 0, height = 0;
    EXPECT_TRUE(decodedSize(path, width, height)) << "DevIL cannot decode it";
    EXPECT_TRUE(powerOfTwo(width) && powerOfTwo(height)) << width << " x " << height;

    Texture texture;
    EXPECT_TRUE(texture.load(path, colourKey(key)));
    Texels texels = readBack(texture);
    EXPECT_EQ(texels.width, width);
    EXPECT_EQ(texels.height, height);
    const Coverage c = coverage(texels);
    EXPECT_GT(c.opaque, 0) << "nothing of the picture would show";
    if (key != Key::None && !whole)
        EXPECT_GT(c.transparent, 0) << "a keyed picture without any keyed pixel draws as a block";
    else
        EXPECT_EQ(c.transparent, 0) << "an unkeyed picture is drawn fully opaque";
    texture.release();
    return texels;
}

class DataFiles : public ::testing::Test {
protected:
    HeadlessContext context{64, 64};
};

TEST_F(DataFiles, EveryPictureTheGameOpensDecodesWithItsKey)
{
    ASSERT_TRUE(context.valid());
    for (const Picture& p : pictures)
        checkPicture(std::string("Textures/") + p.name, p.key);
}

TEST_F(DataFiles, PicturesWithTheSameNameButAnotherCaseAreDifferentFiles)
{
    // The menu's entries and the load list's buttons differ only in case.
    for (const char* name : {"LoadGame.png", "loadgame.png", "ReturnGame.png", "returngame.png"})
        EXPECT_TRUE(std::filesystem::is_regular_file(dataDir + "/Textures/" + name)) << name;
    EXPECT_NE(std::filesystem::file_size(dataDir + "/Textures/LoadGame.png"),
              std::filesystem::file_size(dataDir + "/Textures/loadgame.png"));
}

// Palette (GIF) and bottom-up (BMP) files are where a decoder most easily
// turns a picture upside down or loses a colour: check what the game sees.
TEST_F(DataFiles, PalettePicturesDecodeTheRightWayUp)
{
    ASSERT_TRUE(context.valid());
    // The story's lower-left corner is the teal Back button; its top is the
    // warm parchment with the title.
    const Texels story = checkPicture("Textures/story.gif", Key::None);
    ASSERT_GT(story.width, 0);
    const unsigned char* back = story.at(story.width / 10, story.height * 87 / 100);
    EXPECT_GT(back[2], back[0]) << "lower-left corner is not the Back button";
    const unsigned char* top = story.at(story.width / 2, 4);
    EXPECT_GT(top[0], top[2]) << "top row is not the parchment";

    // The player keeps its black surroundings transparent; its hat (light) is
    // in the upper half.
    const Texels player = checkPicture("Textures/player.gif", Key::Black);
    ASSERT_GT(player.width, 0);
    EXPECT_EQ(player.at(0, 0)[3], 0);
    const unsigned char* hat = player.at(player.width / 2, player.height / 16);
    EXPECT_GT(hat[3], 0);
    EXPECT_GT(hat[0], 200);
}

// The leftmost column with a visible texel (the width when there is none).
int leftmostColumn(const Texels& t)
{
    for (int x = 0; x < t.width; ++x)
        for (int y = 0; y < t.height; ++y)
            if (t.at(x, y)[3] != 0)
                return x;
    return t.width;
}

TEST_F(DataFiles, ZombiesLungeTowardsTheLeftFrameByFrame)
{
    ASSERT_TRUE(context.valid());
    int previous = 0;
    int first = 0;
    for (int frame = 1; frame <= 5; ++frame) {
        SCOPED_TRACE(frame);
        const Texels t = checkPicture("Textures/Zombie" + std::to_string(frame) + ".png", Key::Magenta);
        const int left = leftmostColumn(t);
        if (frame == 1)
            first = left;
        else
            EXPECT_LE(left, previous) << "each lunge frame reaches at least as far left";
        previous = left;
    }
    EXPECT_LT(previous, first - 16) << "the last lunge frame reaches well forward";
}

TEST_F(DataFiles, TheRobotsFlameStartsAtItsNozzle)
{
    ASSERT_TRUE(context.valid());
    // The game puts the flame's right end 13 units left of the robot's centre
    // (its sprite is 32 units wide) and 3.5 units below it.
    const Texels robot = checkPicture("Textures/robot.png", Key::Black);
    ASSERT_GT(robot.width, 0);
    const int nozzleX = robot.width / 2 - robot.width * 13 / 32;
    const int nozzleY = robot.height / 2 + robot.height * 7 / 64;
    EXPECT_NE(robot.at(nozzleX + 2, nozzleY)[3], 0) << "no nozzle where the flame starts";
    EXPECT_EQ(robot.at(robot.width - 1 - nozzleX, nozzleY)[3], 0) << "the robot faces right";

    // The flame reaches left from its right edge: it is thick on the right,
    // and fades out to a tip on the left.
    const Texels flame = checkPicture("Textures/flame.png", Key::Black);
    ASSERT_GT(flame.width, 0);
    EXPECT_NE(flame.at(flame.width - 1, flame.height / 2)[3], 0);
    EXPECT_EQ(flame.at(0, 0)[3], 0);
}

TEST_F(DataFiles, EveryShippedLevelNamesFilesThatExistAndDecode)
{
    ASSERT_TRUE(context.valid());
    std::set<std::string> backgrounds;
    for (int n = 1; n <= levelCount; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        const LevelFile level = readLevelFile(dataDir + "/" + levelFileName(n));
        ASSERT_TRUE(level.opened);
        EXPECT_GT(level.peppers, 0);
        backgrounds.insert(level.background);
        if (level.hasIntro) {
            std::string text;
            EXPECT_TRUE(readIntroText(dataDir + "/" + level.introFile, text)) << level.introFile;
            EXPECT_NE(text.find("Press Enter to start"), std::string::npos)
                << "the intro must say how to end the pause";
            EXPECT_TRUE(level.colourLinePresent);
        }
    }
    for (const std::string& background : backgrounds)
        checkPicture("Textures/" + background, Key::Black, true);
}

TEST_F(DataFiles, LevelsTeachOneKindFirstThenBringThemAllAndPayMore)
{
    auto kinds = [](const LevelFile& level) {
        return (level.pirates > 0) + (level.ninjas > 0) + (level.robots > 0) +
               (level.zombies > 0) + (level.cabbages > 0);
    };
    int lastPoints = 0;
    for (int n = 1; n <= levelCount; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        const LevelFile level = readLevelFile(dataDir + "/" + levelFileName(n));
        EXPECT_GE(level.pointsPerPepper, lastPoints) << "points per pepper never drop";
        lastPoints = level.pointsPerPepper;
    }
    const LevelFile first = readLevelFile(dataDir + "/" + levelFileName(1));
    const LevelFile last = readLevelFile(dataDir + "/" + levelFileName(levelCount));
    EXPECT_EQ(kinds(first), 1);
    EXPECT_EQ(kinds(last), 5);
    EXPECT_GT(last.pointsPerPepper, first.pointsPerPepper);
}

} // namespace
