#include "settings/figure_map.h"

#include "settings/options.h"
#include "settings/settings_file.h"

#include <array>

namespace {

constexpr std::array<const char16_t*, 18> lettersAndDigitsFonts {u"Chess Adventurer", u"Chess Alfonso-X",
    u"Chess Berlin", u"Chess Condal", u"Chess Harlequin", u"Chess Kingdom", u"Chess Leipzig", u"Chess Line",
    u"Chess Lucena", u"Chess Magnetic", u"Chess Mark", u"Chess Marroquin", u"Chess Maya", u"Chess Mediaeval",
    u"Chess Merida", u"Chess Millennia-D", u"Chess Millennia-L", u"Chess Motif"};

bool sameFont(const QString& fontName, const char16_t* known)
{
    return fontName.compare(QString::fromUtf16(known), Qt::CaseInsensitive) == 0;
}

} // namespace

QString DefaultFigureMap(const QString& fontName)
{
    for (const char16_t* font : lettersAndDigitsFonts) {
        if (sameFont(fontName, font)) {
            return QStringLiteral("kqrbnplwtvmo*+12345789");
        }
    }
    if (sameFont(fontName, u"Chess Usual")) {
        return QStringLiteral("kqrbnplwtvmo +12345789");
    }
    if (sameFont(fontName, u"Chess Montreal")) {
        return QStringLiteral("kqrbnplwtvmo /12345789");
    }
    if (sameFont(fontName, u"Chess Alpha")) {
        // Code 145 of the font's 8-bit code page is the left single quote.
        return QStringLiteral("kqrbnplwtvmo +!\"#$%&") + QChar(0x2018) + u'(';
    }
    return QStringLiteral("kqrbhplwtnjo=+ - /\\ _ ");
}

QChar FigurineGlyph(const QString& map, bool dark, int colour, int kind)
{
    const bool piece = kind >= 1 && kind <= 6 && (colour == 0 || colour == 1);
    const int position = piece ? kind + 6 * colour : 13 + (dark ? 1 : 0);
    if (position > map.size()) {
        return u' ';
    }
    const QChar glyph = map.at(position - 1);
    return dark ? glyph.toUpper() : glyph.toLower();
}

QChar FigurineGlyph(bool dark, int colour, int kind)
{
    return FigurineGlyph(FigureCharMap(Options.FigureFont), dark, colour, kind);
}
