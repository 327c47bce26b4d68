#include "engine_program/line_reader.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace engine_program {

FdLineReader::FdLineReader(int fd)
    : Fd(fd)
{ }

std::optional<InputLine> FdLineReader::Next(bool wait)
{
    while (Ready.empty() && !AtEnd) {
        if (!ReadMore(wait) && !wait) {
            break;
        }
    }
    if (Ready.empty()) {
        return std::nullopt;
    }
    InputLine line = std::move(Ready.front());
    Ready.pop_front();
    return line;
}

bool FdLineReader::Ended() const
{
    return AtEnd && Ready.empty();
}

// Reads what is available (or waits for something when `wait`); false
// when nothing arrived.
bool FdLineReader::ReadMore(bool wait)
{
    pollfd poller {Fd, POLLIN, 0};
    const int ready = poll(&poller, 1, wait ? -1 : 0);
    if (ready < 0 && errno == EINTR) {
        return false;
    }
    if (ready == 0) {
        return false;
    }
    char buffer[4096];
    const ssize_t got = ready < 0 ? -1 : read(Fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) {
        return false;
    }
    if (got <= 0) {
        // End of input (or an unreadable descriptor): a last line without
        // a line feed still counts.
        if (!Partial.empty() || PartialTooLong) {
            FinishLine();
        }
        AtEnd = true;
        return false;
    }
    SplitLines(buffer, std::size_t(got));
    return true;
}

void FdLineReader::SplitLines(const char* data, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            FinishLine();
        } else if (Partial.size() < MaxLineLength) {
            Partial.push_back(data[i]);
        } else {
            PartialTooLong = true;
        }
    }
}

void FdLineReader::FinishLine()
{
    if (!Partial.empty() && Partial.back() == '\r') {
        Partial.pop_back();
    }
    Ready.push_back(InputLine {std::move(Partial), PartialTooLong});
    Partial.clear();
    PartialTooLong = false;
}

ScriptLineSource::ScriptLineSource(std::vector<std::string> lines)
    : Lines(lines.begin(), lines.end())
{ }

std::optional<InputLine> ScriptLineSource::Next(bool)
{
    if (Lines.empty()) {
        return std::nullopt;
    }
    InputLine line {std::move(Lines.front()), false};
    Lines.pop_front();
    if (line.Text.size() > MaxLineLength) {
        line.Text.resize(MaxLineLength);
        line.TooLong = true;
    }
    return line;
}

bool ScriptLineSource::Ended() const
{
    return Lines.empty();
}

} // namespace engine_program
