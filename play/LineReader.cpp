#include "play/LineReader.h"

#include <algorithm>
#include <climits>
#include <fstream>

#include "platform/Paths.h"

namespace {

// Bytes read from a file at a time.
constexpr std::size_t readChunk = 4096;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads an optionally signed run of digits at text[i]; advances i past it.
// Returns false (i unchanged) when no digit follows the sign.
bool readSignedDigits(const std::string& text, std::size_t& i, int& value)
{
    std::size_t at = i;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    if (at >= text.size() || !isDigit(text[at]))
        return false;
    // Accumulate as a negative number so that INT_MIN fits, saturating.
    long long magnitude = 0;
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        if (magnitude <= limit)
            magnitude = magnitude * 10 + (text[at] - '0');
    }
    if (negative)
        value = magnitude >= limit ? INT_MIN : static_cast<int>(-magnitude);
    else
        value = magnitude >= INT_MAX ? INT_MAX : static_cast<int>(magnitude);
    i = at;
    return true;
}

} // namespace

bool LineReader::open(const std::string& path)
{
    setText(std::string());
    std::ifstream file(resolveGamePath(path), std::ios::binary);
    if (!file)
        return false;
    // Read in small pieces, so a file takes only the memory it needs.
    std::string raw;
    char chunk[readChunk];
    while (file && raw.size() < maxFileBytes) {
        const std::size_t wanted = std::min(sizeof chunk, maxFileBytes - raw.size());
        file.read(chunk, static_cast<std::streamsize>(wanted));
        raw.append(chunk, static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad())
        return false;
    setText(raw);
    return true;
}

void LineReader::setText(const std::string& raw)
{
    text_.clear();
    text_.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')
            continue;
        text_.push_back(raw[i]);
    }
    position_ = 0;
}

bool LineReader::nextLine(std::size_t limit, std::string& line)
{
    line.clear();
    if (atEnd())
        return false;
    // The line feed counts towards the limit, as it does for fgets: a line of
    // exactly `limit` characters leaves its line feed for the next read.
    std::size_t taken = 0;
    while (position_ < text_.size() && taken < limit) {
        const char c = text_[position_++];
        ++taken;
        if (c == '\n')
            break;
        line.push_back(c);
    }
    const std::size_t nul = line.find('\0');
    if (nul != std::string::npos)
        line.resize(nul);
    return true;
}

int readInteger(const std::string& line)
{
    std::size_t i = 0;
    while (i < line.size() && isSpace(line[i]))
        ++i;
    int value = 0;
    readSignedDigits(line, i, value);
    return value;
}

int readIntegers(const std::string& line, int* values, int count)
{
    std::size_t i = 0;
    int read = 0;
    while (read < count) {
        while (i < line.size() && isSpace(line[i]))
            ++i;
        if (!readSignedDigits(line, i, values[read]))
            break;
        ++read;
    }
    return read;
}
