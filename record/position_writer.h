#pragma once

#include <QString>

#include "engine/types.h"
#include "record/history.h"

// The four written forms of a position: the board field alone, the four
// fields (board, side, castling, en passant), full FEN and EPD. They always
// use the standard letters.

QString BoardForsyth(const engine::BoardImage& board);
QString BoardFEN4(const engine::BoardImage& board, const engine::PositionState& state, int sideToMove);

// Full FEN of the position the game started from (read from the engine's
// set-up) and of the current position.
QString BoardStartFEN(const TGameRecord& record);
QString BoardCurrentFEN(const TGameRecord& record);

// What an EPD line carries besides the current position.
struct TEpdFields {
    QString Comment; // the comment being edited for the current move
    QString ECO;
    QString Opening;
    QString Event;
    bool Resigned = false; // the game state last reported was a resignation
};

// Longest comment an EPD line carries.
inline constexpr int EpdCommentLength = 80;

// The EPD line of the current position. An EPD record is one line and its
// operands end at a ";", so line breaks in the texts become blanks and a
// ";" becomes a ","; the comment is cut to EpdCommentLength characters.
QString BoardEPD(const TGameRecord& record, const TEpdFields& fields);
