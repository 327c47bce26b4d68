// Runs the engine program in-process on a script of input lines and
// collects its output lines.
#pragma once

#include "engine_program/line_reader.h"
#include "engine_program/program.h"
#include "engine_program/session.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace engine_program::testing {

inline std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Every line of the script is there at once, as when a file is piped in:
// lines that come while the engine thinks reach it between slices.
inline std::vector<std::string> RunScript(std::vector<std::string> script)
{
    ScriptLineSource input(std::move(script));
    std::ostringstream output;
    RunEngineProgram(input, output);
    return SplitLines(output.str());
}

inline std::vector<std::string> LinesStartingWith(
    const std::vector<std::string>& lines, const std::string& start)
{
    std::vector<std::string> found;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
        [&](const std::string& line) { return line.rfind(start, 0) == 0; });
    return found;
}

// The blank-separated words of a line.
inline std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::istringstream stream(line);
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

inline bool IsNumber(const std::string& word)
{
    const std::size_t start = word.rfind('-', 0) == 0 ? 1 : 0;
    return word.size() > start && word.find_first_not_of("0123456789", start) == std::string::npos;
}

inline bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace engine_program::testing
