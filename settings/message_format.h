#pragma once

#include <QString>

#include <concepts>
#include <optional>
#include <span>
#include <variant>
#include <vector>

// One argument of a numbered message: a text or an integer.
using MessageArg = std::variant<QString, qint64>;

inline MessageArg ToMessageArg(const QString& text)
{
    return text;
}
inline MessageArg ToMessageArg(const char* text)
{
    return QString::fromUtf8(text);
}
inline MessageArg ToMessageArg(char letter)
{
    return QString(QChar::fromLatin1(letter));
}
inline MessageArg ToMessageArg(QChar letter)
{
    return QString(letter);
}
template <std::integral Integer>
requires(!std::same_as<Integer, char> && !std::same_as<Integer, bool>) MessageArg ToMessageArg(Integer number)
{
    return static_cast<qint64>(number);
}

// Fills the placeholders of a message text from the arguments, in order:
//   %s a text, %d an integer (%u and %x unsigned decimal and hexadecimal),
//   %% a percent sign;
// each with an optional argument index ("%1:s" takes the second argument and
// the ones after it follow on), "-" to align left, a width, and a precision
// (the most characters of a text, the fewest digits of an integer).
//
// A text and its arguments that do not match never fail: a placeholder with
// no argument left, or one that cannot be read, stays in the text as it was
// written; an integer given for %s is written in decimal, a text given for
// %d is written as it is.
QString FormatText(const QString& format, std::span<const MessageArg> args);

// One placeholder of a message text: the argument it takes (0-based) and its
// conversion letter ('s', 'd', 'u' or 'x').
struct TPlaceholder {
    std::size_t argument;
    QChar conversion;
};

// The placeholders of a message text in order, with the argument each takes
// by the rules of FormatText; nothing when the text holds a "%" that is
// neither "%%" nor a readable placeholder (a stray "%" in a translation).
std::optional<std::vector<TPlaceholder>> Placeholders(const QString& format);
