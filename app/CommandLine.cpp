#include "app/CommandLine.h"

#include <cstdio>
#include <cstring>

#include "app/Globals.h"

namespace {

constexpr std::size_t workingSize = 256;

// Reads "%s %d" from token into word and value; value stays -1 when no
// number follows the word.
void readWordAndNumber(const char* token, char* word, int& value)
{
    value = -1;
    word[0] = '\0';
    std::sscanf(token, "%255s %d", word, &value);
}

} // namespace

void parseCommandLine(const char* text)
{
    // The working copy holds 255 characters and the terminator; a longer
    // command line is cut there.
    char copy[workingSize] = {};
    char word[workingSize] = {};
    if (text != nullptr) {
        std::strncpy(copy, text, workingSize - 1);
        copy[workingSize - 1] = '\0';
    }

    for (char* token = std::strtok(copy, "-"); token != nullptr; token = std::strtok(nullptr, "-")) {
        int value = -1;
        switch (token[0]) {
        case 'w':
            word[0] = '\0';
            std::sscanf(token, "%255s", word);
            if (std::strcmp(word, "win") == 0 || std::strcmp(word, "windowed") == 0) {
                fullScreen = false;
                break;
            }
            readWordAndNumber(token, word, value);
            if ((std::strcmp(word, "w") == 0 || std::strcmp(word, "width") == 0) && value > 0)
                windowWidth = value;
            break;
        case 'h':
            readWordAndNumber(token, word, value);
            if ((std::strcmp(word, "h") == 0 || std::strcmp(word, "height") == 0) && value > 0)
                windowHeight = value;
            break;
        case 'd':
            readWordAndNumber(token, word, value);
            if ((std::strcmp(word, "d") == 0 || std::strcmp(word, "depth") == 0) && value > 0)
                colourDepth = value;
            break;
        default:
            break;
        }
    }
}
