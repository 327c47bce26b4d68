#include "settings/setting_values.h"

#include <QStringList>

#include <limits>

namespace {

constexpr int largestComponent = 255;

std::optional<std::int32_t> readHex(const QString& digits)
{
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, 16);
    if (!ok || value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<TColour> colourFromTriple(const QString& text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 3) {
        return std::nullopt;
    }
    int component[3] {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        component[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok || component[i] < 0 || component[i] > largestComponent) {
            return std::nullopt;
        }
    }
    return RgbColour(component[0], component[1], component[2]);
}

} // namespace

std::optional<std::int32_t> ReadIntegerValue(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(u"0x", Qt::CaseInsensitive)) {
        return readHex(trimmed.mid(2));
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    return ok ? std::optional<std::int32_t>(value) : std::nullopt;
}

std::optional<bool> ReadBoolValue(const QString& text)
{
    if (const auto number = ReadIntegerValue(text)) {
        return *number != 0;
    }
    const QString word = text.trimmed().toLower();
    if (word == u"true" || word == u"yes" || word == u"on") {
        return true;
    }
    if (word == u"false" || word == u"no" || word == u"off") {
        return false;
    }
    return std::nullopt;
}

std::optional<char> ReadLetterValue(const QString& text)
{
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const QChar upper = text.front().toUpper();
    if (upper.unicode() == 0 || upper.unicode() > 0xFF) {
        return std::nullopt;
    }
    return static_cast<char>(upper.toLatin1());
}

std::optional<TColour> ReadColourValue(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    if (trimmed.contains(u',')) {
        return colourFromTriple(trimmed);
    }
    return ReadColour(trimmed);
}

QString BoolValueText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString GameBoolValueText(bool value)
{
    return value ? QStringLiteral("Y") : QStringLiteral("N");
}

QString LetterValueText(char letter)
{
    return QString(QChar::fromLatin1(letter));
}

QString ColourValueText(TColour colour)
{
    const QString name = ColourToName(colour);
    if (!name.isEmpty()) {
        return name;
    }
    return u'$' + QStringLiteral("%1").arg(colour, 8, 16, QChar(u'0')).toUpper();
}
