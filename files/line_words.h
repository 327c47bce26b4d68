#pragma once

#include <QString>

#include "record/text_words.h"

// A line of a game file split into its first word and the rest, both without
// surrounding blanks: "WhiteTime: 0.5" gives "WhiteTime:" and "0.5".
struct TLineWords {
    QString word;
    QString rest;
};

inline TLineWords SplitFirstWord(const QString& line)
{
    QString rest = line;
    QString word = TakeWord(rest);
    return {word, rest.trimmed()};
}
