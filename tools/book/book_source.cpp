#include "tools/book/book_source.h"

#include <cctype>
#include <optional>

namespace book {

namespace {

std::vector<std::string> Tokens(std::string_view line)
{
    std::vector<std::string> tokens;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        tokens.emplace_back(line.substr(start, end - start));
        at = end;
    }
    return tokens;
}

// "N." is the ply before White's N-th move, "N..." before Black's.
std::optional<int> MoveNumberPly(const std::string& token)
{
    std::size_t digits = 0;
    while (digits < token.size() && std::isdigit(static_cast<unsigned char>(token[digits]))) {
        ++digits;
    }
    if (digits == 0 || digits > 4 || token[0] == '0') {
        return std::nullopt;
    }
    const int number = std::stoi(token.substr(0, digits));
    const std::string dots = token.substr(digits);
    if (dots == ".") {
        return 2 * (number - 1);
    }
    if (dots == "...") {
        return 2 * (number - 1) + 1;
    }
    return std::nullopt;
}

bool IsComment(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

class LineReader {
public:
    LineReader(SourceReading& out)
        : Out(out)
    { }

    void Read(int lineNumber, std::string_view text)
    {
        const std::vector<std::string> tokens = Tokens(text);
        const std::optional<int> start = MoveNumberPly(tokens.front());
        if (!start) {
            return Fail(lineNumber, tokens.front(), "a line must begin with a move number");
        }
        if (*start > int(Previous.size())) {
            return Fail(
                lineNumber, tokens.front(), "the line before has fewer moves than this one continues from");
        }
        BookLine line {lineNumber, *start, {Previous.begin(), Previous.begin() + *start}};
        for (std::size_t i = 1; i < tokens.size(); ++i) {
            const std::string& token = tokens[i];
            if (const std::optional<int> ply = MoveNumberPly(token)) {
                if (*ply != int(line.Moves.size()) || *ply % 2 != 0) {
                    return Fail(lineNumber, token, "move number does not match the move after it");
                }
                continue;
            }
            const bool marked = token.front() == '?';
            line.Moves.push_back(BookMove {marked ? token.substr(1) : token, marked});
        }
        if (int(line.Moves.size()) == *start) {
            return Fail(lineNumber, tokens.front(), "the line adds no moves");
        }
        if (line.Moves.size() > std::size_t(LongestLine)) {
            return Fail(lineNumber, line.Moves[LongestLine].San, "the line is longer than 42 half-moves");
        }
        Previous = line.Moves;
        Out.Lines.push_back(std::move(line));
    }

private:
    void Fail(int lineNumber, const std::string& token, const char* message)
    {
        Out.Errors.push_back(BookError {lineNumber, token, message});
    }

    SourceReading& Out;
    std::vector<BookMove> Previous;
};

} // namespace

SourceReading ReadBookSource(std::string_view text)
{
    SourceReading reading;
    LineReader reader(reading);
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!IsComment(line)) {
            reader.Read(lineNumber, line);
        }
    }
    return reading;
}

} // namespace book
