#include "files/piece_lines.h"

#include "settings/letters.h"

QString PieceLineText(int colour, int kind, int file, int rank)
{
    QString line;
    line += QChar::fromLatin1(ColourLetter(colour));
    line += QChar::fromLatin1(PieceLetter(kind));
    line += u' ';
    line += QChar(u'a' + file - 1);
    line += QChar(u'0' + rank);
    return line;
}

bool ReadSquareText(const QString& text, engine::SquarePair& square)
{
    if (text.size() != 2) {
        return false;
    }
    const char16_t file = text[0].toLower().unicode();
    const char16_t rank = text[1].unicode();
    if (file < u'a' || file > u'h' || rank < u'1' || rank > u'8') {
        return false;
    }
    square = {static_cast<std::uint8_t>(file - u'a' + 1), static_cast<std::uint8_t>(rank - u'0')};
    return true;
}

bool ReadPieceLine(const QString& word, const QString& rest, engine::BoardImage& board)
{
    engine::SquarePair square {};
    if (word.size() != 2 || !ReadSquareText(rest, square)) {
        return false;
    }
    const int kind = PieceKindFromLetter(word[1]);
    if (kind == 0) {
        return false;
    }
    const std::uint8_t colour = IsBlackLetter(word[0]) ? engine::Black : engine::White;
    board.At(square.File, square.Rank) = {static_cast<std::uint8_t>(kind), colour, 0};
    return true;
}
