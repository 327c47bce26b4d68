#include "support/text_fields.h"

QString trimStart(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start).isSpace()) {
        ++start;
    }
    return text.mid(start);
}

QString trimEnd(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) {
        --end;
    }
    return text.left(end);
}

QString FirstWord(const QString& separator, const QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype at = trimmed.indexOf(separator);
    return at < 0 ? trimmed : trimEnd(trimmed.left(at));
}

QString NextToken(const QString& separator, QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype at = trimmed.indexOf(separator);
    if (separator.isEmpty() || at < 0) {
        text.clear();
        return trimmed;
    }
    text = trimStart(trimmed.mid(at + separator.size()));
    return trimEnd(trimmed.left(at));
}

QString LastToken(const QString& separator, QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype at = trimmed.lastIndexOf(separator);
    if (separator.isEmpty() || at < 0) {
        text.clear();
        return trimmed;
    }
    text = trimEnd(trimmed.left(at));
    return trimStart(trimmed.mid(at + separator.size()));
}

int LastPos(const QString& sought, const QString& text)
{
    if (sought.isEmpty()) {
        return 0;
    }
    return static_cast<int>(text.lastIndexOf(sought) + 1);
}

int PosAfter(const QString& sought, const QString& text, int start)
{
    if (sought.isEmpty() || start >= text.size()) {
        return 0;
    }
    // Position start (1-based) is index start - 1, so "after it" is index start.
    return static_cast<int>(text.indexOf(sought, qMax(start, 0)) + 1);
}

QString TitleCase(const QString& text)
{
    QString result = text.toLower();
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (i == 0 || result.at(i - 1) == u' ') {
            result[i] = result.at(i).toUpper();
        }
    }
    return result;
}

QString QuotedText(const QString& text)
{
    const qsizetype open = text.indexOf(u'"');
    const qsizetype close = open < 0 ? -1 : text.indexOf(u'"', open + 1);
    if (close < 0) {
        return {};
    }
    return text.mid(open + 1, close - open - 1).trimmed();
}

bool IsTagLine(const QString& line, const QString& word)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'[') || !trimmed.endsWith(u']')) {
        return false;
    }
    return FirstWord(QStringLiteral(" "), trimmed.mid(1)).compare(word, Qt::CaseInsensitive) == 0;
}

int FindClosingParenthesis(const QString& text, int& depth)
{
    bool inComment = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inComment) {
            inComment = c != u'}';
        } else if (c == u'{') {
            inComment = true;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (depth == 1) {
                return static_cast<int>(i + 1);
            }
            --depth;
        }
    }
    return 0;
}

namespace {

// Index of the dot that ends the move number in a word, or -1. A dot that is
// part of an "e.p." mark does not count; the next dot after the mark does.
qsizetype moveNumberDot(const QString& word)
{
    qsizetype dot = word.indexOf(u'.', 1);
    if (dot > 0 && word.mid(dot - 1, 3).compare(u"E.P", Qt::CaseInsensitive) == 0) {
        dot = word.indexOf(u'.', dot + 2);
    }
    return dot;
}

} // namespace

QString SplitMoveNumber(QString& text)
{
    QString rest = text;
    const QString word = NextToken(QStringLiteral(" "), rest);
    qsizetype end = moveNumberDot(word);
    if (end < 0) {
        text = rest;
        return word;
    }
    while (end < word.size() && word.at(end) == u'.') {
        ++end;
    }
    const QString remainder = word.mid(end);
    if (remainder.isEmpty()) {
        text = rest;
    } else {
        text = rest.isEmpty() ? remainder : remainder + u' ' + rest;
    }
    return word.left(end);
}

QString SplitLeadingDigits(QString& text)
{
    const QString trimmed = trimStart(text);
    if (trimmed.isEmpty()) {
        text.clear();
        return {};
    }
    qsizetype end = 1;
    while (end < trimmed.size() && trimmed.at(end) >= u'0' && trimmed.at(end) <= u'9') {
        ++end;
    }
    text = trimStart(trimmed.mid(end));
    return trimmed.left(end);
}

QChar SwitchLetter(QString& argument)
{
    if (argument.size() == 1) {
        const QChar letter = argument.at(0).toUpper();
        if (letter == u'A' || letter == u'C' || letter == u'P' || letter == u'S') {
            argument.clear();
            return letter;
        }
        return {};
    }
    if (argument.size() >= 2 && (argument.at(0) == u'-' || argument.at(0) == u'/')) {
        const QChar letter = argument.at(1).toUpper();
        argument = argument.mid(2);
        return letter;
    }
    return {};
}
