#pragma once

#include <QString>

#include "engine/types.h"
#include "record/legal_moves.h"

// Notation styles of the Notation option, and the form in which the
// openings explorer matches the game against its table.
enum TNotation : int {
    StandardAlgebraic = 0, // Be3
    LongAlgebraic = 1, // Bc1-e3
    Computer = 2, // c1e3
    International = 3, // 3153
    FideAlgebraic = 4, // Be3, e8Q++, exd6 e.p.
    OpeningKey = 9, // c1e3
};

// Values of MoveRecord::Disambiguation: how much of the origin the
// standard notations show.
enum : std::uint8_t { ShowNoOrigin = 1, ShowOriginFile = 2, ShowOriginRank = 3, ShowOriginSquare = 4 };

// The text of a move in the style. The colour (the parity of the ply) only
// decides which side a resignation entry gives the point to. With
// standardLetters the English piece letters are used whatever the options
// say (PGN); otherwise the user's letters.
QString FormatMove(int style, const engine::MoveRecord& move, int colour, bool standardLetters = false);

// The move padded for column layouts: a blank after a move ending in a
// letter or digit, two more when there is no promotion sign, then blanks in
// front up to nine characters.
QString FormatMovePadded(int style, const engine::MoveRecord& move, int colour, bool standardLetters = false);

// The form shown while the computer considers a move: the chosen style,
// except that the short algebraic styles are shown long.
QString StatusLineMove(int style, const engine::MoveRecord& move, int colour);

// Result tokens: mode 0 after the moves of a list, 1 the PGN Result tag,
// 2 after PGN movetext.
enum TResultMode : int { ResultAfterList = 0, ResultTag = 1, ResultAfterMovetext = 2 };
QString ResultToken(int status, int mode, int winner);

// Sets the move's Disambiguation from the legal moves of the position
// before it: nothing, the origin file, the origin rank or the whole origin.
void SetDisambiguation(engine::MoveRecord& move, const TMoveList& legalMoves);
