#include "engine_program/session.h"

#include <charconv>

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

std::string_view NextWord(std::string_view& text)
{
    const CommandLine parts = SplitCommand(text);
    text = parts.Argument;
    return parts.Word;
}

std::optional<double> ReadDecimal(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc {} || end != text.data() + text.size() || value < 0
        || value > 1e9) {
        return std::nullopt;
    }
    return value;
}

} // namespace engine_program
