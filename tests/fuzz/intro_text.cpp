// The intro text reader: any bytes as an intro text file.
#include "FuzzSupport.h"
#include "play/LevelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::writeScratch("intro.txt", data, size);
    std::string text = "left over";
    fuzz::require(readIntroText(path, text), "an intro file that exists opens");
    fuzz::require(text.empty() == (size == 0), "only an empty file gives no text");
    fuzz::require(text.empty() || text.back() == '\n', "every line ends with a line feed");
    std::size_t run = 0;
    for (const char c : text) {
        run = c == '\n' ? 0 : run + 1;
        fuzz::require(run <= 1255, "no intro line is longer than 1255 characters");
    }
    fuzz::require(text.size() <= 2 * size, "no more text than the file holds");
    return 0;
}
