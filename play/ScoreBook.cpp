#include "play/ScoreBook.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/Storage.h"
#include "platform/WholeFile.h"

namespace fs = std::filesystem;

namespace {

ScoreBook keepsNone;
ScoreBook* installed = nullptr;

constexpr const char* asideEnding = ".damaged";
// Names tried for a damaged file before giving up ("scores.damaged-99").
constexpr int asideNamesTried = 99;

constexpr const char* unreadable = "The best scores cannot be read: this run's are not kept";

// The system's reason in a few lower-case words.
std::string reason(const std::error_code& why)
{
    std::string text = why.message();
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

std::string fileName(const std::string& path)
{
    return fs::path(path).filename().string();
}

} // namespace

ScoreBook::ScoreBook(const BestScores& games) : list_(games), keeps_(true) {}

ScoreBook ScoreBook::open(const std::string& path)
{
    ScoreBook book;
    book.keeps_ = true;
    // The file stays where it is named now, whatever folder the game works in later.
    std::error_code absolute;
    book.path_ = fs::absolute(path, absolute).string();
    std::error_code code;
    const fs::file_status status = fs::status(book.path_, code);
    if (status.type() == fs::file_type::not_found) {
        book.writes_ = true;
        return book;
    }
    if (code) {
        book.notice(unreadable, book.path_ + ": " + reason(code));
        return book;
    }
    if (status.type() == fs::file_type::directory) {
        book.notice("The best scores cannot be kept: their file is a folder", book.path_);
        return book;
    }
    if (status.type() != fs::file_type::regular) {
        book.notice("The best scores cannot be kept: their file is not a plain file", book.path_);
        return book;
    }
    errno = 0;
    std::ifstream in(book.path_, std::ios::binary);
    if (!in) {
        book.notice(unreadable, book.path_ + ": " + reason(std::error_code(errno, std::generic_category())));
        return book;
    }
    std::string text(maxFileSize + 1, '\0');
    in.read(&text[0], static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        book.notice(unreadable, book.path_);
        return book;
    }
    // A file larger than any list is not one: nothing of it is taken.
    const int bad = text.size() > maxFileSize ? 1 : book.list_.read(text);
    if (text.size() > maxFileSize)
        book.list_ = BestScores();
    if (bad == 0) {
        book.writes_ = true;
        return book;
    }
    if (book.keepAside(bad)) {
        book.writes_ = true;
        if (!book.list_.empty())
            book.write();
    }
    return book;
}

bool ScoreBook::keepAside(int badLines)
{
    std::string aside;
    for (int i = 1; i <= asideNamesTried && aside.empty(); ++i) {
        const std::string name = path_ + asideEnding + (i == 1 ? "" : "-" + std::to_string(i));
        std::error_code code;
        if (fs::symlink_status(name, code).type() == fs::file_type::not_found)
            aside = name;
    }
    std::error_code why;
    if (aside.empty())
        why = std::make_error_code(std::errc::file_exists);
    else
        fs::rename(path_, aside, why);
    const std::string found = std::to_string(badLines) + " bad line" + (badLines == 1 ? "" : "s") + ", "
        + std::to_string(list_.games().size()) + " games read from " + path_;
    if (why) {
        notice("The best-score file is damaged: this run's scores are not kept",
               found + "; it could not be moved aside: " + reason(why));
        return false;
    }
    notice("The best-score file was damaged: kept aside as " + fileName(aside), found);
    return true;
}

int ScoreBook::placeFor(int score) const
{
    return keeps_ ? list_.placeFor(score) : 0;
}

int ScoreBook::enterGame(int score, int level)
{
    if (!keeps_)
        return 0;
    BestScore game;
    game.score = score;
    // A saved game may carry any level; the list keeps what its file can.
    game.level = std::clamp(level, 1, BestScores::maxLevel);
    game.date = BestScores::validDate(date_) ? date_ : BestScores::today();
    game.replay = replay_;
    const int place = list_.enter(game);
    if (place != 0)
        write();
    return place;
}

void ScoreBook::nameGame(int place, const std::string& name)
{
    if (!keeps_ || place < 1 || place > static_cast<int>(list_.games().size())
        || !BestScores::validName(name))
        return;
    list_.at(place).name = name;
    write();
}

void ScoreBook::startGame(const std::string& date, const std::string& replay)
{
    date_ = date;
    replay_ = replay;
}

void ScoreBook::forgetReplay(const std::string& replay)
{
    if (replay.empty())
        return;
    if (replay_ == replay)
        replay_.clear();
    bool listed = false;
    for (int place = 1; place <= static_cast<int>(list_.games().size()); ++place) {
        if (list_.at(place).replay == replay) {
            list_.at(place).replay.clear();
            listed = true;
        }
    }
    if (listed)
        write();
}

void ScoreBook::notice(const std::string& line, const std::string& detail)
{
    // A failure met again (every game on a read-only disk) is said once.
    for (const std::string& said : notices_)
        if (said == line)
            return;
    notices_.push_back(line);
    if (detail.empty())
        std::fprintf(stderr, "thrask: %s\n", line.c_str());
    else
        std::fprintf(stderr, "thrask: %s (%s)\n", line.c_str(), detail.c_str());
}

void ScoreBook::write()
{
    writeProblem_.clear();
    if (!writes_ || path_.empty())
        return;
    std::error_code why;
    const fs::path folder = fs::path(path_).parent_path();
    if (!folder.empty())
        fs::create_directories(folder, why);
    if (!why && replaceWholeFile(path_, list_.text(), why)) {
        // The list in place is the player's to keep past the program's end.
        storage().written(folder.empty() ? std::string(".") : folder.string());
        return;
    }
    writeProblem_ = "Could not keep the best scores: " + reason(why);
    notice(writeProblem_, path_);
}

ScoreBook& scoreBook()
{
    return installed != nullptr ? *installed : keepsNone;
}

void useScoreBook(ScoreBook* book)
{
    installed = book;
}
