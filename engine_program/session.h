// A protocol session: reads one command line at a time and answers on its
// output. The program's loop (program.h) feeds it lines, and runs the
// search one slice at a time while the session is busy.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace engine_program {

// Writes whole lines, each flushed at once: the other side waits for them.
class Output {
public:
    explicit Output(std::ostream& stream)
        : Stream(stream)
    { }
    void Line(std::string_view text)
    {
        Stream << text << '\n';
        Stream.flush();
    }
    bool Good() const { return Stream.good(); }

private:
    std::ostream& Stream;
};

class Session {
public:
    virtual ~Session() = default;
    // An input line while the engine is not busy.
    virtual void HandleLine(std::string_view line) = 0;
    // An input line while the engine is busy; false when it must wait
    // until the engine is no longer busy (it is then handed to HandleLine).
    virtual bool HandleWhileBusy(std::string_view line) = 0;
    // A line longer than the program takes, refused whole.
    virtual void RefuseLongLine(std::string_view start) = 0;
    // Standard input has ended: the session stops any thinking that only
    // a command could end, and the program ends once it is no longer busy.
    virtual void InputEnded() = 0;

    // Thinking (or holding a result back) and wanting Step to be called.
    virtual bool Busy() const = 0;
    virtual void Step() = 0;
    virtual bool QuitRequested() const = 0;
};

// The command word and the rest of a trimmed line.
struct CommandLine {
    std::string_view Word;
    std::string_view Argument;
};
CommandLine SplitCommand(std::string_view line);
std::string_view Trim(std::string_view text);
// The first blank-separated word of `text`, which is left with the rest.
std::string_view NextWord(std::string_view& text);
// A plain non-negative decimal number ("5", "0.5"), nothing otherwise.
std::optional<double> ReadDecimal(std::string_view text);

} // namespace engine_program
