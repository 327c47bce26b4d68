#include "tools/piece_set_table.h"

namespace {

// "Modern" is the set every setting falls back to; the others keep the
// names that older settings files give by number.
constexpr TGeneratedPieceSet PieceSets[] = {
    {"Modern", 1, 44},
    {"Classic", 0, 44},
    {"Staunton 8", 0, 48},
    {"Rounded 4", 2, 44},
    {"Std Small", 0, 32},
    {"Std Medium", 0, 40},
    {"Std Large", 0, 56},
    {"Std Xtra large", 0, 72},
};

} // namespace

std::span<const TGeneratedPieceSet> GeneratedPieceSets()
{
    return PieceSets;
}

const TGeneratedPieceSet* FindGeneratedPieceSet(const QString& name)
{
    for (const TGeneratedPieceSet& set : PieceSets) {
        if (name.compare(QLatin1String(set.name), Qt::CaseInsensitive) == 0) {
            return &set;
        }
    }
    return nullptr;
}

QString GeneratedSetFontFile(int font)
{
    switch (font) {
    case 0:
        return QStringLiteral(QUARVEL_SERIF_FONT_FILE);
    case 1:
        return QStringLiteral(QUARVEL_SANS_FONT_FILE);
    case 2:
        return QStringLiteral(QUARVEL_SANS_BOLD_FONT_FILE);
    default:
        return {};
    }
}
