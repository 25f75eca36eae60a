#include "play/LevelFile.h"

#include <algorithm>

#include "play/LineReader.h"

namespace {

// A level file line holds at most this many characters; an intro text line
// at most introLineLimit.
constexpr std::size_t levelLineLimit = 254;
constexpr std::size_t introLineLimit = 1255;

unsigned char colourByte(int value)
{
    return static_cast<unsigned char>(std::clamp(value, 0, 255));
}

} // namespace

std::string levelFileName(int n)
{
    return "Levels\\l" + std::to_string(n) + ".lvl";
}

LevelFile readLevelFile(const std::string& path)
{
    LevelFile level;
    LineReader reader;
    level.opened = reader.open(path);

    // A line that is missing reads as an empty line.
    std::string line;
    auto integerLine = [&]() {
        reader.nextLine(levelLineLimit, line);
        return readInteger(line);
    };
    level.pirates = integerLine();
    level.ninjas = integerLine();
    level.robots = integerLine();
    level.zombies = integerLine();
    level.cabbages = integerLine();
    level.healthPickups = integerLine();
    level.peppers = integerLine();
    level.pointsPerPepper = integerLine();

    reader.nextLine(levelLineLimit, level.background);
    reader.nextLine(levelLineLimit, level.introFile);
    level.hasIntro = level.introFile != "none";
    if (!level.hasIntro)
        return level;

    level.colourLinePresent = reader.nextLine(levelLineLimit, line);
    if (line.empty()) {
        level.introColour = Colour{255, 255, 255, 255};
    } else {
        int rgb[3] = {0, 0, 0};
        readIntegers(line, rgb, 3);
        level.introColour = Colour{colourByte(rgb[0]), colourByte(rgb[1]), colourByte(rgb[2]), 255};
    }
    return level;
}

bool readIntroText(const std::string& path, std::string& text)
{
    text.clear();
    LineReader reader;
    if (!reader.open(path))
        return false;
    std::string line;
    while (reader.nextLine(introLineLimit, line)) {
        text += line;
        text += '\n';
    }
    return true;
}
