#include "files/pgn_tags.h"

bool IsPgnBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f' || c == u'\v'
        || c == QChar(0xFEFF);
}

QStringView TrimPgnLine(QStringView line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && IsPgnBlank(line[begin])) {
        ++begin;
    }
    while (end > begin && IsPgnBlank(line[end - 1])) {
        --end;
    }
    return line.sliced(begin, end - begin);
}

bool IsEscapeLine(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i] == QChar(0xFEFF)) {
        ++i;
    }
    return i < line.size() && line[i] == u'%';
}

bool IsTagLine(QStringView line)
{
    const QStringView trimmed = TrimPgnLine(line);
    return trimmed.size() >= 2 && trimmed.front() == u'[' && trimmed.back() == u']';
}

QStringView TagName(QStringView line)
{
    const QStringView trimmed = TrimPgnLine(line);
    if (trimmed.size() < 2 || trimmed.front() != u'[' || trimmed.back() != u']') {
        return {};
    }
    const QStringView inside = trimmed.sliced(1, trimmed.size() - 2);
    qsizetype begin = 0;
    while (begin < inside.size() && IsPgnBlank(inside[begin])) {
        ++begin;
    }
    qsizetype end = begin;
    while (end < inside.size() && !IsPgnBlank(inside[end]) && inside[end] != u'"') {
        ++end;
    }
    return inside.sliced(begin, end - begin);
}

bool IsNamedTag(QStringView line, QStringView name)
{
    return TagName(line).compare(name, Qt::CaseInsensitive) == 0 && !name.isEmpty();
}

bool IsEventTag(QStringView line)
{
    return IsNamedTag(line, u"Event");
}

QString TagValue(QStringView line)
{
    const qsizetype open = line.indexOf(u'"');
    if (open < 0) {
        return {};
    }
    QString value;
    for (qsizetype i = open + 1; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            return value.trimmed();
        }
        // A backslash escapes only a quote or a backslash; elsewhere it is text.
        if (c == u'\\' && i + 1 < line.size() && (line[i + 1] == u'"' || line[i + 1] == u'\\')) {
            ++i;
        }
        value += line[i];
    }
    return {};
}

QString EscapeTagValue(QStringView value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'"' || c == u'\\') {
            escaped += u'\\';
        }
        escaped += c;
    }
    return escaped;
}

QString TagLine(QStringView name, QStringView value)
{
    return u'[' + name.toString() + QStringLiteral(" \"") + EscapeTagValue(value) + QStringLiteral("\"]");
}
