#include "tools/piece_set_table.h"

namespace {

constexpr TPieceDesign Designs[] = {
    {"Sans", QUARVEL_SANS_FONT_FILE, DrawnDesign::Rounded,
        "chess symbols of the font DejaVu Sans (DejaVuSans.ttf, Debian package fonts-dejavu-core); "
        "licence: Bitstream Vera font licence, DejaVu changes in the public domain"},
    {"Serif", QUARVEL_SERIF_FONT_FILE, DrawnDesign::Rounded,
        "chess symbols of the font FreeSerif of GNU FreeFont (FreeSerif.ttf, Debian package "
        "fonts-freefont-ttf); "
        "licence: GNU GPL version 3 or later with the GNU FreeFont font exception"},
    {"Staunton", QUARVEL_SYMBOLA_FONT_FILE, DrawnDesign::Rounded,
        "chess symbols of the font Symbola by George Douros (Symbola_hint.ttf, Debian package "
        "fonts-symbola); "
        "licence: free for any use, may be opened, edited, modified, regenerated, packaged and "
        "redistributed"},
    {"Rounded", nullptr, DrawnDesign::Rounded,
        "outlines drawn in this program's own code (tools/piece_outlines.cpp), no font; same terms as the "
        "program"},
    {"Angular", nullptr, DrawnDesign::Angular,
        "outlines drawn in this program's own code (tools/piece_outlines.cpp), no font; same terms as the "
        "program"},
    {"Tokens", nullptr, DrawnDesign::Tokens,
        "round tokens bearing the rounded outlines, drawn in this program's own code "
        "(tools/piece_outlines.cpp), "
        "no font; same terms as the program"},
};

enum : int { Sans, Serif, Staunton, Rounded, Angular, Tokens };

// Every name the options offer and every name an older settings or game
// file may give by number. "Modern" is the set every setting falls back to.
// A number or size word in a name picks a larger or smaller frame of the
// family's one design.
constexpr TGeneratedPieceSet PieceSets[] = {
    {"Modern", Sans, 44},
    {"Classic", Serif, 44},
    {"Staunton 8", Staunton, 48},
    {"Staunton 24", Staunton, 60},
    {"Oriental 4", Tokens, 44},
    {"Oriental 8", Tokens, 52},
    {"Std Small", Angular, 32},
    {"Std Medium", Angular, 40},
    {"Std Large", Angular, 56},
    {"Std Xtra large", Angular, 72},
    {"Rounded 4", Rounded, 44},
    {"Rounded 8", Rounded, 52},
};

} // namespace

std::span<const TPieceDesign> PieceDesigns()
{
    return Designs;
}

std::span<const TGeneratedPieceSet> GeneratedPieceSets()
{
    return PieceSets;
}

const TPieceDesign& DesignOf(const TGeneratedPieceSet& set)
{
    return Designs[set.design];
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

PieceSetStyle StyleOf(const TGeneratedPieceSet& set, int frameSize)
{
    const TPieceDesign& design = DesignOf(set);
    PieceSetStyle style;
    style.fontFile = design.fontFile == nullptr ? QString() : QString::fromLocal8Bit(design.fontFile);
    style.frameSize = frameSize;
    style.drawn = design.drawn;
    return style;
}

QString PieceSetSources()
{
    QString text = QStringLiteral(
        "Piece sets drawn when the program was built, and where their pieces come from.\n\n");
    for (const TGeneratedPieceSet& set : PieceSets) {
        const TPieceDesign& design = DesignOf(set);
        text += QStringLiteral("%1.bmp: %2 design, %3-pixel frames; %4\n")
                    .arg(QLatin1String(set.name), QLatin1String(design.title))
                    .arg(set.frameSize)
                    .arg(QString::fromUtf8(design.source));
    }
    return text;
}
