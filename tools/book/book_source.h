// Reading the opening-book source: comment and blank lines skipped, move
// numbers checked, continuation lines expanded to full lines from the
// initial position. The format is described at the top of the source file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace book {

constexpr int LongestLine = 42; // half-moves

// A fault found in the source, at a line of the file (counted from 1).
struct BookError {
    int Line;
    std::string Move; // the token that failed, when a move did
    std::string Message;
};

struct BookMove {
    std::string San; // as written, without the mark
    bool RecognisedOnly; // written with a leading '?'
};

struct BookLine {
    int Line; // in the file
    int Inherited; // leading moves taken from the line before
    std::vector<BookMove> Moves; // from the initial position
};

struct SourceReading {
    std::vector<BookLine> Lines;
    std::vector<BookError> Errors;
};

SourceReading ReadBookSource(std::string_view text);

} // namespace book
