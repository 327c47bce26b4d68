#pragma once

#include <QString>
#include <QStringView>

// PGN lines as people have them: padded with spaces or tabs, ending in the
// carriage return of CRLF text, or starting with a byte-order mark.
bool IsPgnBlank(QChar c);
QStringView TrimPgnLine(QStringView line);

// A "%" line: an escape to other programs, passed over by readers.
bool IsEscapeLine(const QString& line);

// A tag line is a whole line, trimmed, that begins with "[" and ends with "]".
bool IsTagLine(QStringView line);
// The first word after the "[" of a tag line, up to a blank, a quote or the
// "]" (so [Event"x"] is named too); empty for any other line.
QStringView TagName(QStringView line);
// Whether the line is a tag line of that name, compared ignoring case.
bool IsNamedTag(QStringView line, QStringView name);
bool IsEventTag(QStringView line);
// The text between the first quote and the next unescaped quote, with \"
// and \\ unescaped, trimmed; empty when the value has no closing quote.
QString TagValue(QStringView line);

// The value with quotes and backslashes escaped, so TagValue reads it back.
QString EscapeTagValue(QStringView value);
// [Name "value"], the value escaped.
QString TagLine(QStringView name, QStringView value);
