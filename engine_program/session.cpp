#include "engine_program/session.h"

namespace engine_program {

std::string_view Trim(std::string_view text)
{
    const auto blank
        = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

CommandLine SplitCommand(std::string_view line)
{
    line = Trim(line);
    const std::size_t end = std::min(line.find_first_of(" \t"), line.size());
    return CommandLine {line.substr(0, end), Trim(line.substr(end))};
}

} // namespace engine_program
