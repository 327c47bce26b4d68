#include "settings/message_format.h"

#include <algorithm>
#include <optional>

namespace {

// No message is meant to be wider than this; a larger width is a mistake in
// the text and must not make a huge string.
constexpr int largestWidth = 1000;
// Digits beyond this are read but no longer change the number, so a long run
// of digits cannot overflow.
constexpr int largestNumber = 1000000;

struct Placeholder {
    std::optional<int> index;
    bool alignLeft = false;
    int width = 0;
    std::optional<int> precision;
    QChar conversion;
    qsizetype end = 0; // just after the conversion letter
};

std::optional<int> readNumber(const QString& format, qsizetype& pos)
{
    const qsizetype start = pos;
    int value = 0;
    while (pos < format.size() && format.at(pos) >= u'0' && format.at(pos) <= u'9') {
        value = std::min(value * 10 + (format.at(pos).unicode() - u'0'), largestNumber);
        ++pos;
    }
    return pos > start ? std::optional<int>(value) : std::nullopt;
}

bool isConversion(QChar letter)
{
    return letter == u's' || letter == u'd' || letter == u'u' || letter == u'x';
}

// Reads "%[index:][-][width][.precision]type" starting at the "%".
std::optional<Placeholder> readPlaceholder(const QString& format, qsizetype percent)
{
    Placeholder result;
    qsizetype pos = percent + 1;
    const std::optional<int> leading = readNumber(format, pos);
    if (leading && pos < format.size() && format.at(pos) == u':') {
        result.index = *leading;
        ++pos;
    } else {
        pos = percent + 1;
    }
    if (pos < format.size() && format.at(pos) == u'-') {
        result.alignLeft = true;
        ++pos;
    }
    result.width = std::min(readNumber(format, pos).value_or(0), largestWidth);
    if (pos < format.size() && format.at(pos) == u'.') {
        ++pos;
        result.precision = std::min(readNumber(format, pos).value_or(0), largestWidth);
    }
    if (pos >= format.size() || !isConversion(format.at(pos).toLower())) {
        return std::nullopt;
    }
    result.conversion = format.at(pos).toLower();
    result.end = pos + 1;
    return result;
}

QString formatInteger(qint64 number, const Placeholder& placeholder)
{
    QString digits;
    if (placeholder.conversion == u'x') {
        digits = QString::number(static_cast<quint64>(number), 16).toUpper();
    } else if (placeholder.conversion == u'u') {
        digits = QString::number(static_cast<quint64>(number));
    } else {
        digits = QString::number(number);
    }
    const bool negative = digits.startsWith(u'-');
    if (negative) {
        digits.remove(0, 1);
    }
    // With %s the precision limits a text, which a number is not cut to.
    if (placeholder.precision && placeholder.conversion != u's' && digits.size() < *placeholder.precision) {
        digits = QString(*placeholder.precision - digits.size(), u'0') + digits;
    }
    return negative ? u'-' + digits : digits;
}

QString formatArgument(const MessageArg& arg, const Placeholder& placeholder)
{
    if (const auto* number = std::get_if<qint64>(&arg)) {
        return formatInteger(*number, placeholder);
    }
    const QString& text = std::get<QString>(arg);
    if (placeholder.conversion == u's' && placeholder.precision) {
        return text.left(*placeholder.precision);
    }
    return text;
}

QString padded(const QString& text, const Placeholder& placeholder)
{
    if (text.size() >= placeholder.width) {
        return text;
    }
    const QString fill(placeholder.width - text.size(), u' ');
    return placeholder.alignLeft ? text + fill : fill + text;
}

} // namespace

QString FormatText(const QString& format, std::span<const MessageArg> args)
{
    QString result;
    result.reserve(format.size());
    std::size_t next = 0;
    qsizetype pos = 0;
    while (pos < format.size()) {
        const qsizetype percent = format.indexOf(u'%', pos);
        if (percent < 0) {
            result += QStringView(format).mid(pos);
            break;
        }
        result += QStringView(format).mid(pos, percent - pos);
        if (percent + 1 < format.size() && format.at(percent + 1) == u'%') {
            result += u'%';
            pos = percent + 2;
            continue;
        }
        const std::optional<Placeholder> placeholder = readPlaceholder(format, percent);
        if (!placeholder) {
            // Not a placeholder we can read: keep the "%" and go on after it.
            result += u'%';
            pos = percent + 1;
            continue;
        }
        const std::size_t wanted = placeholder->index ? static_cast<std::size_t>(*placeholder->index) : next;
        if (wanted >= args.size()) {
            // No argument for it: leave it visible as written.
            result += QStringView(format).mid(percent, placeholder->end - percent);
        } else {
            result += padded(formatArgument(args[wanted], *placeholder), *placeholder);
            next = wanted + 1;
        }
        pos = placeholder->end;
    }
    return result;
}

std::optional<std::vector<TPlaceholder>> Placeholders(const QString& format)
{
    std::vector<TPlaceholder> found;
    std::size_t next = 0;
    for (qsizetype pos = format.indexOf(u'%'); pos >= 0; pos = format.indexOf(u'%', pos)) {
        if (pos + 1 < format.size() && format.at(pos + 1) == u'%') {
            pos += 2;
            continue;
        }
        const std::optional<Placeholder> placeholder = readPlaceholder(format, pos);
        if (!placeholder) {
            return std::nullopt;
        }
        const std::size_t argument
            = placeholder->index ? static_cast<std::size_t>(*placeholder->index) : next;
        found.push_back({argument, placeholder->conversion});
        next = argument + 1;
        pos = placeholder->end;
    }
    return found;
}
