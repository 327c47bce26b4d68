#include "record/text_words.h"

QString TakeWord(QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace()) {
        ++start;
    }
    qsizetype end = start;
    while (end < text.size() && !text[end].isSpace()) {
        ++end;
    }
    QString word = text.mid(start, end - start);
    text.remove(0, end);
    return word;
}
