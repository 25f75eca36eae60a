#include "app/SettingsFile.h"

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/KeyNames.h"
#include "platform/Storage.h"
#include "platform/WholeFile.h"

namespace fs = std::filesystem;

namespace {

const char* const header = "# Thrask's settings, written by the game when they change on its Options screen.";
const char* const actionKeys[actionCount] = {"key-up", "key-down", "key-left", "key-right",
                                             "key-enter", "key-escape"};
constexpr const char* folderName = "thrask";
constexpr const char* fileName = "settings.ini";
constexpr const char* damagedSuffix = ".damaged";
constexpr int damagedNamesTried = 100;

struct Flag {
    const char* key;
    bool Settings::*field;
};
const Flag flags[] = {
    {"music", &Settings::music},
    {"fullscreen", &Settings::fullScreen},
    {"aspect", &Settings::aspect},
    {"hud", &Settings::hud},
    {"pause-on-focus-loss", &Settings::pauseOnFocusLoss},
};

struct Volume {
    const char* key;
    int Settings::*field;
};
const Volume volumes[] = {
    {"effects-volume", &Settings::effectsVolume},
    {"music-volume", &Settings::musicVolume},
};

std::string trimmed(const std::string& text)
{
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && blank(text[start]))
        ++start;
    while (end > start && blank(text[end - 1]))
        --end;
    return text.substr(start, end - start);
}

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool readFlag(const std::string& value, bool& flag)
{
    const std::string word = lowered(value);
    if (word == "true" || word == "yes" || word == "on") {
        flag = true;
        return true;
    }
    if (word == "false" || word == "no" || word == "off") {
        flag = false;
        return true;
    }
    return false;
}

bool readVolume(const std::string& value, int& volume)
{
    if (value.empty() || value.size() > 3
        || !std::all_of(value.begin(), value.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return false;
    const int number = std::stoi(value);
    if (number > Settings::fullVolume)
        return false;
    volume = number;
    return true;
}

// Reads one "key = value" line into settings (keys into `keys`, checked
// together later). Empty when the line was used; otherwise why not.
std::string readLine(const std::string& line, Settings& settings, KeyBindings& keys, bool (&keyGiven)[actionCount])
{
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return "\"" + line + "\" is not key = value";
    const std::string key = lowered(trimmed(line.substr(0, equals)));
    const std::string value = trimmed(line.substr(equals + 1));
    for (const Flag& flag : flags) {
        if (key != flag.key)
            continue;
        if (readFlag(value, settings.*flag.field))
            return {};
        return key + " must be true or false, not \"" + value + "\"";
    }
    for (const Volume& volume : volumes) {
        if (key != volume.key)
            continue;
        if (readVolume(value, settings.*volume.field))
            return {};
        return key + " must be a number from 0 to 100, not \"" + value + "\"";
    }
    for (int i = 0; i < actionCount; ++i) {
        if (key != actionKeys[i])
            continue;
        const int code = keyFromName(value);
        if (code == 0)
            return key + ": no key is called \"" + value + "\"";
        if (keyReserved(code))
            return key + ": " + keyName(code) + " cannot play an action";
        keys.set(static_cast<Action>(i), code);
        keyGiven[i] = true;
        return {};
    }
    return "unknown setting \"" + trimmed(line.substr(0, equals)) + "\"";
}

// The key of the bindings given twice, or 0 when every key is different.
int keyGivenTwice(const KeyBindings& keys)
{
    for (int i = 0; i < actionCount; ++i)
        for (int j = i + 1; j < actionCount; ++j)
            if (keys.keys[static_cast<std::size_t>(i)] == keys.keys[static_cast<std::size_t>(j)])
                return keys.keys[static_cast<std::size_t>(i)];
    return 0;
}

std::string onOff(bool flag)
{
    return flag ? "true" : "false";
}

} // namespace

SettingsReading readSettingsText(const std::string& text)
{
    SettingsReading reading;
    KeyBindings keys;
    bool keyGiven[actionCount] = {};
    std::vector<int> keyLines;
    std::size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string content = trimmed(line);
        if (content.empty() || content[0] == '#' || content[0] == ';')
            continue;
        const std::string problem = readLine(content, reading.settings, keys, keyGiven);
        if (!problem.empty()) {
            reading.problems.push_back("line " + std::to_string(number) + ": " + problem);
            reading.kept.push_back(line);
        } else if (lowered(content).rfind("key-", 0) == 0) {
            keyLines.push_back(number);
        }
    }
    if (const int twice = keyGivenTwice(keys)) {
        std::string lines;
        for (const int line : keyLines)
            lines += (lines.empty() ? "" : ", ") + std::to_string(line);
        reading.problems.push_back("lines " + lines + ": " + keyName(twice)
                                   + " plays two actions, so every key is back to its default");
    } else {
        reading.settings.keys = keys;
    }
    return reading;
}

std::string settingsText(const Settings& settings, const std::vector<std::string>& kept)
{
    std::string text = std::string(header) + "\n";
    const auto line = [&text](const std::string& key, const std::string& value) {
        text += key + " = " + value + "\n";
    };
    line("effects-volume", std::to_string(settings.effectsVolume));
    line("music-volume", std::to_string(settings.musicVolume));
    for (const Flag& flag : flags)
        line(flag.key, onOff(settings.*flag.field));
    for (int i = 0; i < actionCount; ++i)
        line(actionKeys[i], keyName(settings.keys.key(static_cast<Action>(i))));
    for (const std::string& keptLine : kept)
        text += keptLine + "\n";
    return text;
}

std::string settingsFilePath(const std::string& xdgConfigHome, const std::string& home)
{
    if (!xdgConfigHome.empty() && fs::path(xdgConfigHome).is_absolute())
        return (fs::path(xdgConfigHome) / folderName / fileName).string();
    if (!home.empty() && fs::path(home).is_absolute())
        return (fs::path(home) / ".config" / folderName / fileName).string();
    return {};
}

Settings SettingsFile::load(std::vector<std::string>& problems)
{
    notice_.clear();
    kept_.clear();
    untouchable_.clear();
    moveAside_ = false;
    if (path_.empty()) {
        untouchable_ = "there is no home folder to keep the settings in (HOME and XDG_CONFIG_HOME are not set)";
        notice_ = "There is no home folder to keep the settings in";
        problems.push_back(untouchable_);
        return Settings();
    }
    std::error_code code;
    const fs::file_status status = fs::status(path_, code);
    if (status.type() == fs::file_type::not_found)
        return Settings();
    if (code) {
        untouchable_ = "cannot read " + path_ + " (" + code.message() + "), so it is left as it is";
        notice_ = "settings.ini cannot be read: changes last for this run only";
        problems.push_back(untouchable_);
        return Settings();
    }
    if (status.type() == fs::file_type::directory || status.type() != fs::file_type::regular) {
        untouchable_ = path_ + (status.type() == fs::file_type::directory ? " is a folder" : " is not a file")
            + ", not a settings file, so the settings cannot be kept";
        notice_ = "settings.ini is not a file: changes last for this run only";
        problems.push_back(untouchable_);
        return Settings();
    }
    const std::uintmax_t size = fs::file_size(path_, code);
    if (!code && size > largestFile) {
        moveAside_ = true;
        notice_ = "settings.ini was damaged: it is kept aside when a setting changes";
        problems.push_back(path_ + " is too large to be a settings file (" + std::to_string(size)
                           + " bytes); it was not read, and is kept as " + path_ + damagedSuffix
                           + " when a setting changes");
        return Settings();
    }
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        untouchable_ = "cannot read " + path_ + " (" + std::error_code(errno, std::generic_category()).message()
            + "), so it is left as it is";
        notice_ = "settings.ini cannot be read: changes last for this run only";
        problems.push_back(untouchable_);
        return Settings();
    }
    std::string text;
    text.resize(largestFile + 1);
    in.read(&text[0], static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > largestFile || text.find('\0') != std::string::npos) {
        moveAside_ = true;
        notice_ = "settings.ini was damaged: it is kept aside when a setting changes";
        problems.push_back(path_ + " is not a settings file (it holds binary bytes); it was not read, and is kept as "
                           + path_ + damagedSuffix + " when a setting changes");
        return Settings();
    }
    SettingsReading reading = readSettingsText(text);
    kept_ = reading.kept;
    for (const std::string& problem : reading.problems)
        problems.push_back(path_ + " " + problem + "; the line is ignored");
    if (!reading.problems.empty())
        notice_ = "settings.ini: " + std::to_string(reading.problems.size())
            + (reading.problems.size() == 1 ? " line" : " lines") + " could not be used and stay as written";
    return reading.settings;
}

bool SettingsFile::save(const Settings& settings, std::string& why)
{
    why.clear();
    movedAside_.clear();
    if (!untouchable_.empty()) {
        why = untouchable_;
        return false;
    }
    const auto failed = [this, &why](const std::string& line, const std::string& reason) {
        why = line;
        notice_ = "Settings not kept: " + reason;
        return false;
    };
    const fs::path target(path_);
    std::error_code code;
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), code);
    if (code)
        return failed("could not keep the settings: cannot make " + target.parent_path().string() + " ("
                          + code.message() + ")",
                      code.message());
    if (moveAside_) {
        for (int i = 1; i <= damagedNamesTried && movedAside_.empty(); ++i) {
            const std::string aside = path_ + damagedSuffix + (i == 1 ? "" : "-" + std::to_string(i));
            if (fs::exists(fs::symlink_status(aside, code)))
                continue;
            fs::rename(path_, aside, code);
            if (code)
                return failed("could not keep the settings: cannot move the damaged " + path_ + " aside ("
                                  + code.message() + ")",
                              code.message());
            movedAside_ = aside;
        }
        if (movedAside_.empty())
            return failed("could not keep the settings: too many damaged settings files beside " + path_,
                          "too many damaged settings files");
        moveAside_ = false;
        notice_ = "The damaged settings.ini was kept as " + fs::path(movedAside_).filename().string();
    }
    if (!replaceWholeFile(path_, settingsText(settings, kept_), code))
        return failed("could not keep the settings in " + path_ + " (" + code.message() + ")", code.message());
    // The file in place is the player's to keep past the program's end.
    storage().written(target.has_parent_path() ? target.parent_path().string() : std::string("."));
    if (movedAside_.empty())
        notice_.clear();
    return true;
}
