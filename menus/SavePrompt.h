#pragma once

#include <string>
#include <system_error>

// The rules of the in-game menu's save-name prompt: which keys edit the name
// and how, and what the prompt shows. Names hold only a-z, 0-9 and spaces, at
// most maxSaveNameLength characters, so a save path never leaves the
// saved-games folder.
class SavePrompt {
public:
    // What a key did to the prompt.
    enum class Outcome {
        Editing,   // the prompt stays open (the name may have changed)
        Cancelled, // Esc: the prompt closes, nothing is written
        Confirmed, // Enter: the prompt closes and the game is saved under the name
    };

    static constexpr std::size_t maxSaveNameLength = 28;

    // Applies one key (a Windows virtual-key code) to name and caret: digits,
    // letters (always lower case; Shift plays no part) and space insert at the
    // caret while the name is shorter than the limit; Backspace removes the
    // character before the caret; the left and right arrows move the caret.
    // The caret ends up within 0 ... name length. Every other key is ignored.
    static Outcome edit(std::string& name, int& caret, int key);

    // The prompt's text: "Save To: " + shown(name, caret) + a line feed.
    static std::string text(const std::string& name, int caret);
    // The name with "|" at the caret, as every name prompt shows it.
    static std::string shown(const std::string& name, int caret);

    // True when the name holds nothing or only spaces: the prompt refuses
    // it (blankNameLine) and nothing is written.
    static bool isBlank(const std::string& name);

    // What the prompt shows under the name when Enter met a blank name.
    static constexpr const char* blankNameLine = "Type a name first";

    // What the prompt shows under the name when the save could not be
    // written: "Could not save: " and the reason in a few words (read-only,
    // no space left, not a folder...), the system's own words for a reason
    // without a shorter one.
    static std::string failureLine(const std::error_code& why);

    // The file a name is saved to: saveFolder + "/" + name + ".sav" (by
    // default "Save/" + name + ".sav").
    static std::string path(const std::string& name);
};
