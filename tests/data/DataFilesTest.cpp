// Every picture the game opens and every file the shipped levels name must be
// in data/, decode with the game's loader, keep its size (power-of-two sides,
// so nothing is rescaled on upload), and carry transparency where the game
// loads it with a colour key.

#include <IL/il.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "menus/MenuPlaces.h"
#include "platform/Paths.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "play/LevelFile.h"
#include "render/Texture.h"
#include "render/Renderer.h"

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
    {"cabbage.png", Key::Black},    {"loadlist.png", Key::None},     {"prompt.png", Key::Black},
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
    PictureLevel level;
    if (renderer().readTexture(texture.glName, level)) {
        t.width = level.width;
        t.height = level.height;
        t.rgba = std::move(level.rgba);
    }
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
    OffscreenRenderer context{RendererKind::gl1, 64, 64};
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
    const unsigned char* hat = player.at(player.width / 2, player.height / 8);
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

// ---- what the art must show ----

// Texel coordinates of a point of the menus' 200 x 200 view on a full-window
// picture (first row at the top).
int texelX(const Texels& t, float viewX)
{
    return std::clamp(static_cast<int>((viewX + 100.0f) / 200.0f * t.width), 0, t.width - 1);
}

int texelY(const Texels& t, float viewY)
{
    return std::clamp(static_cast<int>((100.0f - viewY) / 200.0f * t.height), 0, t.height - 1);
}

// Wood of the title's signpost: warm brown, red over green over blue, not
// bright. Sky, grass, clouds and the creatures are not.
bool wooden(const unsigned char* c)
{
    return c[0] > c[1] && c[1] > c[2] && c[0] - c[2] > 50 && c[0] < 200 && c[1] < 150;
}

// Relative luminance (0 black, 1 white) and the contrast ratio of two colours,
// as legibility guidelines measure them.
double luminance(const unsigned char* c)
{
    auto linear = [](unsigned char v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c[0]) + 0.7152 * linear(c[1]) + 0.0722 * linear(c[2]);
}

double contrast(const unsigned char* a, const unsigned char* b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The mean colour of a picture's visible texels.
std::vector<unsigned char> meanColour(const Texels& t)
{
    double sum[3] = {0, 0, 0};
    int count = 0;
    for (int y = 0; y < t.height; ++y)
        for (int x = 0; x < t.width; ++x)
            if (t.at(x, y)[3] != 0) {
                for (int k = 0; k < 3; ++k)
                    sum[k] += t.at(x, y)[k];
                ++count;
            }
    std::vector<unsigned char> mean(3, 0);
    for (int k = 0; k < 3 && count > 0; ++k)
        mean[k] = static_cast<unsigned char>(sum[k] / count);
    return mean;
}

// The visible texels on a picture's edge: those next to a transparent one.
std::vector<const unsigned char*> rim(const Texels& t)
{
    std::vector<const unsigned char*> edge;
    for (int y = 1; y + 1 < t.height; ++y)
        for (int x = 1; x + 1 < t.width; ++x)
            if (t.at(x, y)[3] != 0
                && (t.at(x - 1, y)[3] == 0 || t.at(x + 1, y)[3] == 0 || t.at(x, y - 1)[3] == 0
                    || t.at(x, y + 1)[3] == 0))
                edge.push_back(t.at(x, y));
    return edge;
}

TEST_F(DataFiles, TheTitleSignHoldsEveryMenuEntryAndStandsWhole)
{
    ASSERT_TRUE(context.valid());
    const Texels title = checkPicture("Textures/title.png", Key::None);
    ASSERT_GT(title.width, 0);
    // Each entry (50 x 25 units) and the marker under it lie on wood: the
    // four of both menus and Return Game and Save Game of the in-game menu.
    const struct {
        const char* entry;
        menuPlaces::Entry place;
    } entries[] = {{"New Game", menuPlaces::NewGame},     {"Load Game", menuPlaces::LoadGame},
                   {"Game Story", menuPlaces::GameStory}, {"Quit Game", menuPlaces::QuitGame},
                   {"Return Game", menuPlaces::ReturnGame}, {"Save Game", menuPlaces::SaveGame}};
    for (const auto& named : entries) {
        SCOPED_TRACE(named.entry);
        const menuPlaces::Point e = menuPlaces::centreOf(named.place);
        int wood = 0;
        int samples = 0;
        for (float dy = -11.0f; dy <= 11.0f; dy += 2.0f)
            for (float dx = -22.0f; dx <= 22.0f; dx += 2.0f) {
                ++samples;
                wood += wooden(title.at(texelX(title, e.x + dx), texelY(title, e.y + dy))) ? 1 : 0;
            }
        EXPECT_GE(wood * 100, samples * 95) << wood << " of " << samples << " samples on wood";
    }
    // Nothing of the signpost reaches the picture's lower edge: its posts end
    // on the grass.
    int woodAtTheBottom = 0;
    for (int y = title.height - title.height / 50; y < title.height; ++y)
        for (int x = 0; x < title.width; ++x)
            woodAtTheBottom += wooden(title.at(x, y)) ? 1 : 0;
    EXPECT_EQ(woodAtTheBottom, 0);
}

TEST_F(DataFiles, GameStorysLabelLinesUpWithTheOtherEntries)
{
    ASSERT_TRUE(context.valid());
    // Game Story's entry stands 7 units right of the others; the middle of
    // its label's ink is no more than 2 units right of theirs.
    auto inkMiddle = [](const Texels& t, float entryX) {
        int left = t.width, right = -1;
        for (int y = 0; y < t.height; ++y)
            for (int x = 0; x < t.width; ++x)
                if (t.at(x, y)[3] != 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_GT(left, 0) << "the label is cut at the entry's left edge";
        EXPECT_LT(right, t.width - 1) << "the label is cut at the entry's right edge";
        return entryX - 25.0f + (left + right + 1) / 2.0f / t.width * 50.0f;
    };
    const float newGame = inkMiddle(checkPicture("Textures/NewGame.png", Key::Black), menuPlaces::centreOf(menuPlaces::NewGame).x);
    const float gameStory = inkMiddle(checkPicture("Textures/GameStory.png", Key::Black), menuPlaces::centreOf(menuPlaces::GameStory).x);
    EXPECT_NEAR(gameStory, newGame, 2.0f);
}

TEST_F(DataFiles, TheCookAndThePeppersStandOutOnEveryBackground)
{
    ASSERT_TRUE(context.valid());
    const Texels player = checkPicture("Textures/player.gif", Key::Black);
    const Texels pepper = checkPicture("Textures/pepper.png", Key::Black);
    ASSERT_GT(player.width, 0);
    // The cook is only 10 x 10 units (32 x 24 pixels in a 640 x 480 window):
    // he fills his picture, and his outline is two pixels thick on screen.
    int left = player.width, right = -1, top = player.height, bottom = -1;
    for (int y = 0; y < player.height; ++y)
        for (int x = 0; x < player.width; ++x)
            if (player.at(x, y)[3] != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_GE((right - left + 1) * 100, player.width * 85);
    EXPECT_GE((bottom - top + 1) * 100, player.height * 85);
    const int middle = player.height / 2;
    int edgeStart = 0;
    while (edgeStart < player.width && player.at(edgeStart, middle)[3] == 0)
        ++edgeStart;
    int dark = edgeStart;
    while (dark < player.width && luminance(player.at(dark, middle)) < 0.05)
        ++dark;
    const float screenPixels = (dark - edgeStart) * 32.0f / player.width;
    EXPECT_GE(screenPixels, 1.5f) << "the outline at mid height, in pixels of a 640 x 480 window";

    std::set<std::string> backgrounds;
    for (int n = 1; n <= levelCount; ++n)
        backgrounds.insert(readLevelFile(dataDir + "/" + levelFileName(n)).background);
    ASSERT_FALSE(backgrounds.empty());
    for (const std::string& name : backgrounds) {
        SCOPED_TRACE(name);
        const Texels ground = checkPicture("Textures/" + name, Key::Black, true);
        const std::vector<unsigned char> mean = meanColour(ground);
        // The outlines of the cook and the pepper are dark against the
        // ground's colour, at a contrast easy text would need.
        for (const Texels* sprite : {&player, &pepper}) {
            const std::vector<const unsigned char*> edge = rim(*sprite);
            ASSERT_FALSE(edge.empty());
            int clear = 0;
            for (const unsigned char* c : edge)
                clear += contrast(c, mean.data()) >= 4.5 ? 1 : 0;
            EXPECT_GE(clear * 100, static_cast<int>(edge.size()) * 95);
        }
        // No stretch of the ground is pepper red: the peppers and the cook
        // reddened by them would vanish on it.
        int red = 0;
        for (int y = 0; y < ground.height; ++y)
            for (int x = 0; x < ground.width; ++x) {
                const unsigned char* c = ground.at(x, y);
                red += c[0] > 150 && c[1] < 110 && c[2] < 110 ? 1 : 0;
            }
        EXPECT_LT(red * 200, ground.width * ground.height) << red << " pepper-red texels";
    }
}

TEST_F(DataFiles, TheLoadListAndTheSavePromptPrintOnADarkBoard)
{
    ASSERT_TRUE(context.valid());
    // The list's cyan text: where its ten lines go (x -75 on, y 75 down to
    // -24) and the empty list's message, the backdrop is dark enough that
    // cyan reads at the contrast of body text.
    const unsigned char cyan[3] = {0, 255, 255};
    const Texels list = checkPicture("Textures/loadlist.png", Key::None);
    ASSERT_GT(list.width, 0);
    int samples = 0;
    int readable = 0;
    for (float y = -28.0f; y <= 84.0f; y += 2.0f)
        for (float x = -76.0f; x <= 80.0f; x += 2.0f) {
            ++samples;
            readable += contrast(cyan, list.at(texelX(list, x), texelY(list, y))) >= 7.0 ? 1 : 0;
        }
    EXPECT_EQ(readable, samples);
    // The scroll bar's track runs behind the arrows and the thumb.
    for (float y : {77.0f, 0.0f, -77.0f})
        EXPECT_LT(luminance(list.at(texelX(list, 90.0f), texelY(list, y))), 0.1) << y;

    // The prompt's board is dark inside, with its corners keyed away.
    const Texels prompt = checkPicture("Textures/prompt.png", Key::Black);
    ASSERT_GT(prompt.width, 0);
    EXPECT_EQ(prompt.at(0, 0)[3], 0);
    EXPECT_EQ(prompt.at(prompt.width - 1, prompt.height - 1)[3], 0);
    for (int x = prompt.width / 10; x < prompt.width * 9 / 10; x += prompt.width / 20)
        EXPECT_GE(contrast(cyan, prompt.at(x, prompt.height / 2)), 7.0) << x;
}

} // namespace
