#include "support/colour.h"

#include "support/text_fields.h"

#include <array>
#include <utility>

namespace {

struct NamedColour {
    const char16_t* name;
    TColour value;
};

constexpr std::array<NamedColour, 20> colourNames {{
    {u"clBlack", clBlack},
    {u"clMaroon", clMaroon},
    {u"clGreen", clGreen},
    {u"clOlive", clOlive},
    {u"clNavy", clNavy},
    {u"clPurple", clPurple},
    {u"clTeal", clTeal},
    {u"clGray", clGray},
    {u"clSilver", clSilver},
    {u"clMedGray", clMedGray},
    {u"clRed", clRed},
    {u"clLime", clLime},
    {u"clYellow", clYellow},
    {u"clBlue", clBlue},
    {u"clFuchsia", clFuchsia},
    {u"clAqua", clAqua},
    {u"clWhite", clWhite},
    {u"clMoneyGreen", clMoneyGreen},
    {u"clSkyBlue", clSkyBlue},
    {u"clCream", clCream},
}};

// Our colours carry no system-colour byte, so a number keeps only the low 24 bits.
constexpr TColour colourBits = 0xFFFFFF;

int lowByteOfDecimal(const QString& field)
{
    bool ok = false;
    const qlonglong value = field.toLongLong(&ok);
    return ok ? static_cast<int>(value & 0xFF) : 0;
}

TColour colourFromTriple(QString text)
{
    const int red = lowByteOfDecimal(NextToken(QStringLiteral(","), text));
    const int green = lowByteOfDecimal(NextToken(QStringLiteral(","), text));
    const int blue = lowByteOfDecimal(NextToken(QStringLiteral(","), text));
    return RgbColour(red, green, blue);
}

std::optional<TColour> colourFromNumber(const QString& text)
{
    bool ok = false;
    qulonglong value = 0;
    if (text.startsWith(u'$')) {
        value = text.mid(1).toULongLong(&ok, 16);
    } else if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        value = text.mid(2).toULongLong(&ok, 16);
    } else {
        value = static_cast<qulonglong>(text.toLongLong(&ok));
    }
    if (!ok) {
        return std::nullopt;
    }
    return static_cast<TColour>(value & colourBits);
}

} // namespace

QString ColourToName(TColour colour)
{
    for (const auto& [name, value] : colourNames) {
        if (value == colour) {
            return QString::fromUtf16(name);
        }
    }
    return {};
}

std::optional<TColour> ColourFromName(const QString& name)
{
    for (const auto& [known, value] : colourNames) {
        if (name.compare(QString::fromUtf16(known), Qt::CaseInsensitive) == 0) {
            return value;
        }
    }
    return std::nullopt;
}

std::optional<TColour> ReadColour(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.contains(u',')) {
        return colourFromTriple(trimmed);
    }
    if (const auto named = ColourFromName(trimmed)) {
        return named;
    }
    return colourFromNumber(trimmed);
}

TColour ParseColour(const QString& text)
{
    return ReadColour(text).value_or(clBlack);
}
