#include "menus/SaveList.h"

#include <algorithm>

#include "platform/DirectoryListing.h"
#include "play/SaveRecord.h"

namespace {

const char* const saveSuffix = ".sav";

// Scroll-bar geometry in view units: the track the thumb may fill and the
// span its centre moves over.
constexpr float thumbTrack = 150.0f;
constexpr float thumbTravel = 140.0f;
constexpr float thumbTravelBottom = -70.0f;

} // namespace

std::vector<SaveEntry> SaveList::scan(const std::string& directory)
{
    // Files a save cut short by a crash left behind go before the list is built.
    removePendingSaves(directory);
    std::vector<SaveEntry> entries;
    for (const std::string& name : listFiles(directory, saveSuffix))
        entries.push_back(read(directory, name));
    return entries;
}

SaveEntry SaveList::read(const std::string& directory, const std::string& fileName)
{
    const SaveRecord record = readSaveRecord(directory + "/" + fileName);
    SaveEntry entry;
    entry.fileName = fileName;
    entry.hp = record.hp;
    entry.level = record.level;
    entry.score = record.score;
    entry.introShowing = record.introShowing != 0;
    entry.line = line(fileName, record.level, record.hp, record.score);
    return entry;
}

std::string SaveList::line(const std::string& fileName, int level, int hp, int score)
{
    std::string text = fileName + "   Level: " + std::to_string(level) + "   "
        + std::to_string(hp) + "/30 HP   Score: " + std::to_string(score);
    if (text.size() > maxLineLength)
        text.resize(maxLineLength);
    return text;
}

SaveList::Window SaveList::window(int count, int selected)
{
    const int half = windowLines / 2;
    Window shown{selected - half, selected + half};
    if (shown.first < 0) {
        shown.first = 0;
        shown.last = windowLines;
    } else if (shown.last > count) {
        shown.first = count - windowLines;
        shown.last = count;
        if (shown.first < 0)
            shown.first = 0;
    }
    if (shown.last > count)
        shown.last = count;
    return shown;
}

float SaveList::thumbHeight(int count)
{
    return thumbTrack / static_cast<float>(count);
}

float SaveList::thumbCentreY(int count, int selected)
{
    const float n = static_cast<float>(count);
    return thumbTravel * static_cast<float>(count - selected - 1) / n + thumbTravelBottom
        + thumbHeight(count) / 2.0f;
}

int SaveList::moveSelection(int selected, int step, int count)
{
    if (count <= 0)
        return 0;
    selected += step;
    if (selected >= count)
        selected = 0;
    if (selected < 0)
        selected = count - 1;
    return selected;
}

int SaveList::scrollSelection(int selected, int step, int count)
{
    if (count <= 0)
        return 0;
    return std::clamp(selected + step, 0, count - 1);
}
