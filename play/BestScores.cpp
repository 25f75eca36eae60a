#include "play/BestScores.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <sstream>

namespace {

constexpr const char* formatName = "thrask-scores";
constexpr const char* formatLine = "thrask-scores 1";
constexpr const char* columnsLine = "# score level date replay name";
constexpr const char* noReplay = "-";
constexpr const char* replayEnding = ".replay";

bool digitsOnly(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// A decimal number (no sign) that fits an int.
bool readNumber(const std::string& text, int& value)
{
    if (!digitsOnly(text) || text.size() > 10)
        return false;
    const long long read = std::strtoll(text.c_str(), nullptr, 10);
    if (read > INT_MAX)
        return false;
    value = static_cast<int>(read);
    return true;
}

// The next field up to a single space; false at the end of the line.
bool nextField(const std::string& line, std::size_t& at, std::string& field)
{
    if (at > line.size())
        return false;
    const std::size_t space = line.find(' ', at);
    const std::size_t end = space == std::string::npos ? line.size() : space;
    field = line.substr(at, end - at);
    at = space == std::string::npos ? line.size() + 1 : space + 1;
    return true;
}

bool readGame(const std::string& line, BestScore& game)
{
    std::size_t at = 0;
    std::string score;
    std::string level;
    std::string replay;
    if (!nextField(line, at, score) || !nextField(line, at, level) || !nextField(line, at, game.date)
        || !nextField(line, at, replay))
        return false;
    game.name = at <= line.size() ? line.substr(at) : std::string();
    game.replay = replay == noReplay ? std::string() : replay;
    return readNumber(score, game.score) && readNumber(level, game.level) && BestScores::storable(game);
}

} // namespace

int BestScores::placeFor(int score) const
{
    if (score <= 0)
        return 0;
    const auto after = std::find_if(games_.begin(), games_.end(),
                                    [score](const BestScore& game) { return game.score < score; });
    const auto place = static_cast<std::size_t>(after - games_.begin()) + 1;
    return place <= kept ? static_cast<int>(place) : 0;
}

int BestScores::enter(const BestScore& game)
{
    const int place = placeFor(game.score);
    if (place == 0)
        return 0;
    games_.insert(games_.begin() + (place - 1), game);
    if (games_.size() > kept)
        games_.resize(kept);
    return place;
}

std::string BestScores::text() const
{
    std::string out = std::string(formatLine) + "\n" + columnsLine + "\n";
    for (const BestScore& game : games_) {
        out += std::to_string(game.score) + " " + std::to_string(game.level) + " " + game.date + " "
            + (game.replay.empty() ? noReplay : game.replay) + " " + game.name + "\n";
    }
    return out;
}

int BestScores::read(const std::string& text)
{
    games_.clear();
    std::vector<BestScore> read;
    int bad = 0;
    bool formatSeen = false;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        BestScore game;
        if (!formatSeen) {
            formatSeen = true;
            if (line == formatLine)
                continue;
            // Another format, or no format line: damage, but the games of a
            // file without one are still read.
            ++bad;
            if (line.rfind(formatName, 0) != 0 && readGame(line, game))
                read.push_back(game);
            continue;
        }
        if (readGame(line, game))
            read.push_back(game);
        else
            ++bad;
    }
    // The file's order among games of equal score is the order they were entered.
    std::stable_sort(read.begin(), read.end(),
                     [](const BestScore& a, const BestScore& b) { return a.score > b.score; });
    if (read.size() > kept)
        read.resize(kept);
    games_ = read;
    return bad;
}

bool BestScores::storable(const BestScore& game)
{
    return game.score > 0 && game.level >= 1 && game.level <= maxLevel && validDate(game.date)
        && validName(game.name) && (game.replay.empty() || validReplay(game.replay));
}

bool BestScores::validName(const std::string& name)
{
    return name.size() <= maxNameLength && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ';
    });
}

bool BestScores::validReplay(const std::string& replay)
{
    const std::string ending = replayEnding;
    if (replay.size() <= ending.size() || replay[0] == '.'
        || replay.compare(replay.size() - ending.size(), ending.size(), ending) != 0)
        return false;
    return std::all_of(replay.begin(), replay.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_' || c == '.';
    });
}

bool BestScores::validDate(const std::string& date)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return false;
    int year = 0;
    int month = 0;
    int day = 0;
    return readNumber(date.substr(0, 4), year) && readNumber(date.substr(5, 2), month)
        && readNumber(date.substr(8, 2), day) && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::string BestScores::today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    char text[16] = {};
    if (localtime_r(&now, &local) == nullptr || std::strftime(text, sizeof text, "%Y-%m-%d", &local) == 0)
        return "1970-01-01";
    return text;
}
