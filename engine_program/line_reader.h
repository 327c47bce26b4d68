// Input lines for the engine program. The engine runs on the main thread
// only, so input is read there too: between search slices the program asks
// for a line without waiting, and while idle it waits for one.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace engine_program {

// Longer lines are refused whole: a truncated FEN or move list would
// otherwise be taken for a shorter, valid one.
constexpr std::size_t MaxLineLength = 64 * 1024;

struct InputLine {
    std::string Text; // without the line end; only the first MaxLineLength bytes when TooLong
    bool TooLong = false;
};

class LineSource {
public:
    virtual ~LineSource() = default;
    // The next line; waits for one when `wait`. Nothing when no line is
    // ready (not waiting) or the input has ended.
    virtual std::optional<InputLine> Next(bool wait) = 0;
    // True once the input has ended and every line has been taken.
    virtual bool Ended() const = 0;
};

// Reads a file descriptor (standard input) with poll and read.
class FdLineReader : public LineSource {
public:
    explicit FdLineReader(int fd);
    std::optional<InputLine> Next(bool wait) override;
    bool Ended() const override;

private:
    bool ReadMore(bool wait);
    void SplitLines(const char* data, std::size_t size);
    void FinishLine();

    int Fd;
    bool AtEnd = false;
    std::string Partial;
    bool PartialTooLong = false;
    std::deque<InputLine> Ready;
};

// A fixed script of lines, for tests and for feeding lines from code.
class ScriptLineSource : public LineSource {
public:
    explicit ScriptLineSource(std::vector<std::string> lines);
    std::optional<InputLine> Next(bool wait) override;
    bool Ended() const override;

private:
    std::deque<std::string> Lines;
};

} // namespace engine_program
