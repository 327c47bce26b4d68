#include "settings/letters.h"

#include "settings/options.h"

#include <array>

namespace {

constexpr std::array<char TOptionsRec::*, 2> colourLetterFields {
    &TOptionsRec::WhiteChar, &TOptionsRec::BlackChar};
constexpr std::array<char TOptionsRec::*, 7> pieceLetterFields {&TOptionsRec::NoPieceChar,
    &TOptionsRec::KingChar, &TOptionsRec::QueenChar, &TOptionsRec::RookChar, &TOptionsRec::BishopChar,
    &TOptionsRec::KnightChar, &TOptionsRec::PawnChar};

bool standardLetters()
{
    return Options.TextType <= 0;
}

} // namespace

char ColourLetter(int colour)
{
    if (colour < 0 || colour > 1) {
        return ' ';
    }
    return standardLetters() ? standardColourLetters[colour] : Options.*colourLetterFields[colour];
}

char PieceLetter(int kind)
{
    if (kind < 0 || kind > 6) {
        return ' ';
    }
    return standardLetters() ? standardPieceLetters[kind] : Options.*pieceLetterFields[kind];
}

int PieceKindFromLetter(QChar typed)
{
    const QChar upper = typed.toUpper();
    for (int kind = 1; kind <= 6; ++kind) {
        if (upper == QChar::fromLatin1(PieceLetter(kind))) {
            return kind;
        }
    }
    return 0;
}

bool IsBlackLetter(QChar typed)
{
    return typed.toUpper() == QChar::fromLatin1(ColourLetter(1));
}
