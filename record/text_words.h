#pragma once

#include <QString>

// Takes the next word off the front of the text and returns it; words are
// separated by runs of white space. Empty when only white space is left.
QString TakeWord(QString& text);
