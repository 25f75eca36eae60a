#include "menus/SavePrompt.h"

#include <algorithm>
#include <cctype>
#include <cerrno>

#include "platform/VirtualKeys.h"
#include "play/SaveRecord.h"

namespace {

constexpr int lowerCaseOffset = 0x20;

int clampCaret(int caret, const std::string& name)
{
    return std::clamp(caret, 0, static_cast<int>(name.size()));
}

void insertAtCaret(std::string& name, int& caret, char c)
{
    if (name.size() >= SavePrompt::maxSaveNameLength)
        return;
    name.insert(name.begin() + caret, c);
    ++caret;
}

} // namespace

SavePrompt::Outcome SavePrompt::edit(std::string& name, int& caret, int key)
{
    caret = clampCaret(caret, name);

    if (key >= vk::digit0 && key <= vk::digit9)
        insertAtCaret(name, caret, static_cast<char>(key));
    if (key >= vk::letterA && key <= vk::letterZ)
        insertAtCaret(name, caret, static_cast<char>(key + lowerCaseOffset));

    switch (key) {
    case vk::space:
        insertAtCaret(name, caret, ' ');
        break;
    case vk::backspace:
        --caret;
        if (caret >= 0)
            name.erase(static_cast<std::size_t>(caret), 1);
        break;
    case vk::left:
        --caret;
        break;
    case vk::right:
        ++caret;
        break;
    default:
        break;
    }
    caret = clampCaret(caret, name);

    if (key == vk::escape)
        return Outcome::Cancelled;
    if (key == vk::enter)
        return Outcome::Confirmed;
    return Outcome::Editing;
}

std::string SavePrompt::text(const std::string& name, int caret)
{
    return "Save To: " + shown(name, caret) + "\n";
}

std::string SavePrompt::shown(const std::string& name, int caret)
{
    std::string withCaret = name;
    withCaret.insert(static_cast<std::size_t>(clampCaret(caret, name)), "|");
    return withCaret;
}

bool SavePrompt::isBlank(const std::string& name)
{
    return name.find_first_not_of(' ') == std::string::npos;
}

std::string SavePrompt::failureLine(const std::error_code& why)
{
    std::string reason;
    switch (why.value()) {
    case EROFS:
        reason = "the save folder is read-only";
        break;
    case EACCES:
    case EPERM:
        reason = "no permission to write in the save folder";
        break;
    case ENOSPC:
    case EDQUOT:
        reason = "no space left on the disk";
        break;
    case EFBIG:
        reason = "the disk takes no file that large";
        break;
    case ENOTDIR:
    case EEXIST:
        reason = "the save folder is a file, not a folder";
        break;
    case EISDIR:
        reason = "a folder has that name";
        break;
    case ENAMETOOLONG:
        reason = "the name is too long for the disk";
        break;
    default:
        reason = why.message();
        if (!reason.empty())
            reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
        break;
    }
    return "Could not save: " + reason;
}

std::string SavePrompt::path(const std::string& name)
{
    return saveFolder + "/" + name + ".sav";
}
