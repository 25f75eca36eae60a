// The save prompt's keys: every input byte is one key pressed in the prompt.
#include "FuzzSupport.h"
#include "menus/SavePrompt.h"
#include "play/SaveRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string name;
    int caret = 0;
    for (std::size_t i = 0; i < size; ++i) {
        // A byte above 0xF0 gives a key code outside the byte range.
        const int key = data[i] > 0xF0 ? (data[i] - 0xF0) * 0x1000 + data[i] : data[i];
        SavePrompt::edit(name, caret, key);
        fuzz::require(name.size() <= SavePrompt::maxSaveNameLength, "the name keeps its limit");
        fuzz::require(caret >= 0 && caret <= static_cast<int>(name.size()), "the caret stays in the name");
        for (const char c : name)
            fuzz::require((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ',
                          "names hold only a-z, 0-9 and spaces");
    }
    const std::string path = SavePrompt::path(name);
    fuzz::require(path.find('/', saveFolder.size() + 1) == std::string::npos, "a save stays in its folder");
    fuzz::require(SavePrompt::isBlank(name) == (name.find_first_not_of(' ') == std::string::npos),
                  "blank means spaces only");
    fuzz::require(SavePrompt::text(name, caret).find('|') != std::string::npos, "the prompt shows the caret");
    return 0;
}
