#pragma once

#include <QtGlobal>

// Calls fn(start, length) for each line of a text whose characters are read
// by at(i): CR, LF and CR LF all end a line, a last line without an end
// counts, and an empty text has no lines. Text files, profile files and the
// clipboard all come with any of the three line ends.
template <typename At, typename Fn> void ForEachLine(qsizetype size, At at, Fn fn)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = at(i);
        if (c != '\r' && c != '\n') {
            continue;
        }
        fn(start, i - start);
        if (c == '\r' && i + 1 < size && at(i + 1) == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < size) {
        fn(start, size - start);
    }
}
