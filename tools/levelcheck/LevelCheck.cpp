#include "tools/levelcheck/LevelCheck.h"

#include <IL/il.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/Paths.h"
#include "platform/PictureDecoder.h"
#include "play/LevelFile.h"

namespace {

std::string lowerTrimmed(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool isFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(resolveGamePath(path), error);
}

// Decodes a picture with DevIL as the game does; no OpenGL needed for that.
bool decodes(const std::string& path)
{
    initPictureDecoder();
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    const bool ok = ilLoadImage(resolveGamePath(path).c_str()) == IL_TRUE;
    ilDeleteImages(1, &image);
    return ok;
}

void checkCounts(const LevelFile& level, LevelReport& report)
{
    const struct {
        const char* what;
        int count;
        int line;
    } counts[] = {
        {"pirate", level.pirates, 1},   {"ninja", level.ninjas, 2},
        {"robot", level.robots, 3},     {"zombie", level.zombies, 4},
        {"cabbage", level.cabbages, 5}, {"health pickup", level.healthPickups, 6},
    };
    for (const auto& c : counts)
        if (c.count < 0)
            report.problems.push_back("line " + std::to_string(c.line) + ": negative " + c.what +
                                      " count " + std::to_string(c.count) + " creates nothing");
    if (level.peppers < 0)
        report.problems.push_back("line 7: negative pepper count " + std::to_string(level.peppers) +
                                  ": the level can never be completed");
    else if (level.peppers == 0)
        report.problems.push_back("line 7: no peppers: the level is over the moment it starts");
}

void checkBackground(const LevelFile& level, const std::string& dataDir, LevelReport& report)
{
    if (level.background.empty()) {
        report.problems.push_back("line 9: no background picture named");
        return;
    }
    const std::string path = dataDir + "/Textures/" + level.background;
    if (!isFile(path))
        report.problems.push_back("line 9: background picture Textures/" + level.background +
                                  " not found");
    else if (!decodes(path))
        report.problems.push_back("line 9: background picture Textures/" + level.background +
                                  " cannot be decoded");
}

void checkIntroText(const std::string& path, LevelReport& report)
{
    std::string text;
    if (!readIntroText(path, text)) {
        report.problems.push_back("line 10: intro text file " + path + " cannot be read");
        return;
    }
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t length = end - start;
        ++lineNumber;
        if (length > introLineWidthLimit)
            report.notes.push_back("intro line " + std::to_string(lineNumber) + " has " +
                                   std::to_string(length) + " characters and may run off the window");
        start = end + 1;
    }
    if (lineNumber == 0)
        report.notes.push_back("the intro text file is empty: the level pauses on an empty screen");
    if (lineNumber > introLineCountLimit)
        report.notes.push_back("the intro text has " + std::to_string(lineNumber) +
                               " lines; the last ones fall off the bottom of the field");
}

void checkIntro(const LevelFile& level, const std::string& dataDir, LevelReport& report)
{
    if (!level.hasIntro)
        return;
    if (level.introFile.empty()) {
        report.problems.push_back("line 10 is empty: the level pauses on an empty intro; "
                                  "write none for a level without intro");
    } else if (lowerTrimmed(level.introFile) == "none") {
        report.problems.push_back("line 10 reads \"" + level.introFile +
                                  "\", not exactly none: the game looks for an intro file of "
                                  "that name and pauses on an empty intro");
    } else {
        const std::string path = dataDir + "/" + level.introFile;
        if (!isFile(path))
            report.problems.push_back("line 10: intro text file " + level.introFile + " not found");
        else
            checkIntroText(path, report);
    }
    if (!level.colourLinePresent)
        report.problems.push_back("line 11: the intro text colour line is missing");
}

} // namespace

LevelReport checkLevel(const std::string& levelPath, const std::string& dataDir)
{
    LevelReport report;
    const LevelFile level = readLevelFile(levelPath);
    report.opened = level.opened;
    if (!level.opened) {
        report.problems.push_back("cannot be opened: the game reads it as eleven empty lines "
                                  "and skips the level");
        return report;
    }
    checkCounts(level, report);
    checkBackground(level, dataDir, report);
    checkIntro(level, dataDir, report);
    return report;
}
