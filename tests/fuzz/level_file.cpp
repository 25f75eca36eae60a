// The level reader and the line reader under it: any bytes as a level file.
#include "FuzzSupport.h"
#include "play/LevelFile.h"
#include "play/LineReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::writeScratch("level.lvl", data, size);
    const LevelFile level = readLevelFile(path);
    fuzz::require(level.opened, "a level file that exists opens");
    fuzz::require(level.background.size() <= 254 && level.introFile.size() <= 254,
                  "no level line is longer than 254 characters");
    fuzz::require(level.introColour.a == 255, "the intro colour is opaque");
    fuzz::require(level.hasIntro == (level.introFile != "none"), "only \"none\" means no intro");

    // The same bytes through the line reader, cut at a limit the input picks.
    LineReader reader;
    reader.setText(std::string(reinterpret_cast<const char*>(data), size));
    const std::size_t limit = size == 0 ? 1 : 1 + data[0] % 300;
    std::string line;
    std::size_t lines = 0;
    while (reader.nextLine(limit, line)) {
        fuzz::require(line.size() <= limit, "a line is cut at the limit");
        fuzz::require(++lines <= size, "every line read takes at least one byte");
        int values[3] = {};
        fuzz::require(readIntegers(line, values, 3) <= 3, "at most the integers asked for");
        readInteger(line);
    }
    fuzz::require(reader.atEnd(), "the reader ends at the end");
    return 0;
}
