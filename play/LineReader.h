#pragma once

#include <cstddef>
#include <string>

// Reads a text file line by line the way the game's level and intro files
// are read: the whole file is taken in at once; a carriage return just before
// a line feed is dropped, so CR LF files read like LF files; each read takes
// at most `limit` characters of a line, and a longer line is cut there, its
// remainder (at least the line end) coming back as the next line. A line
// holding a NUL character ends at it, as the C string it was read into would.
class LineReader {
public:
    LineReader() = default;
    virtual ~LineReader() = default;

    // Reads the file at path (resolved through the game's path rules), at
    // most its first maxFileBytes bytes: far more than any level or intro
    // text needs, and a file name that leads to an endless device cannot
    // hold the game. Returns false, leaving the reader empty, when the file
    // cannot be opened.
    bool open(const std::string& path);

    static constexpr std::size_t maxFileBytes = 1 << 20;

    // Sets the text to read directly.
    void setText(const std::string& text);

    // The next line, without its line end, cut after `limit` characters.
    // Returns false and leaves line empty when nothing is left to read.
    bool nextLine(std::size_t limit, std::string& line);

    bool atEnd() const { return position_ >= text_.size(); }

private:
    std::string text_;
    std::size_t position_ = 0;
};

// The integer at the start of a line as atoi reads it: leading white space
// skipped, an optional sign, decimal digits up to the first other character;
// 0 when there are no digits. Values beyond the int range saturate instead of
// overflowing.
int readInteger(const std::string& line);

// Reads up to `count` integers in the form "%d %d %d": each may be preceded
// by white space and stops at the first non-digit; reading ends at the first
// field without digits. Values not read are left untouched. Returns how many
// were read. Values beyond the int range saturate.
int readIntegers(const std::string& line, int* values, int count);
